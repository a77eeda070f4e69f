#include "shell/ui/AInfoDlgFrm.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TAInfoDlgFrm::TAInfoDlgFrm(QWidget *parent, const QString &name)
    : TaFrm(parent, name, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    m_client = new QWidget(this);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    m_close = new QPushButton(QStringLiteral("关闭"), this);
    auto *help = new QPushButton(QStringLiteral("帮助"), this);
    auto *strip = new QHBoxLayout;
    strip->addStretch();
    strip->addWidget(m_close);
    strip->addWidget(help);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_client, 1);
    layout->addWidget(line);
    layout->addLayout(strip);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(); });
}

void TAInfoDlgFrm::showEvent(QShowEvent *event)
{
    QWidget *main = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    if (main && main != this) {
        const QRect g = main->frameGeometry();
        move(g.center() - QPoint(width() / 2, height() / 2));
    }
    TaFrm::showEvent(event);
}
