#include "shell/ui/ADlgFrm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TADlgFrm::TADlgFrm(QWidget *parent, const QString &name)
    : TaFrm(parent, name, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    m_client = new QWidget(this);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    m_ok = new QPushButton(QStringLiteral("确定(&O)"), this);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_help = new QPushButton(QStringLiteral("帮助"), this);
    m_ok->setDefault(true);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    m_help->setObjectName(QStringLiteral("btnHelp"));
    m_strip = new QHBoxLayout;
    m_strip->addStretch();
    m_strip->addWidget(m_ok);
    m_strip->addWidget(m_cancel);
    m_strip->addWidget(m_help);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_client, 1);
    layout->addWidget(line);
    layout->addLayout(m_strip);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_ok, &QPushButton::clicked, this, &TADlgFrm::OkClicked);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { ShowHelp(); });
}

void TADlgFrm::OkClicked()
{
    accept();
}

void TADlgFrm::showEvent(QShowEvent *event)
{
    // Centred on the owner first; the base then moves it to the cursor as every window.
    if (QWidget *owner = parentWidget()) {
        const QRect g = owner->window()->frameGeometry();
        move(g.center() - QPoint(width() / 2, height() / 2));
    }
    TaFrm::showEvent(event);
}
