#include "shell/ui/TipsFrm.h"

#include "data/KeyValueSet.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int DailyTipKey = 1;
}

const QStringList &TTipsFrm::Tips()
{
    static const QStringList tips = {
        QStringLiteral("在所有录入和编辑界面中,敲回车可将焦点移到下一个框内"),
        QStringLiteral("编制单据时,在表格中可以按回车跳入下一个编辑框内,提高录入效率"),
        QStringLiteral("个人桌面上的功能图标可以自由拖动并具有记忆功能"),
        QStringLiteral("在所有窗体上按F1键可打开相应的帮助"),
        QStringLiteral("在所有模式窗体中,按ESC键相当于按“取消”按纽退出该窗体"),
        QStringLiteral("一般的表格都可以隐藏或显示某列,调整各列宽度及前后位置,并可以保存下来"),
        QStringLiteral("所有业务都可以自定义打印，请点开“打印设计”来操作"),
        QStringLiteral("所有表格内的数据都可以导出到Excel、网页等格式文件"),
    };
    return tips;
}

bool TTipsFrm::DailyTipPrompt()
{
    KeyData data;
    return TKeyValueSet::ReadKey(DailyTipKey, data) && data.Vbool;
}

void TTipsFrm::SetDailyTipPrompt(bool on)
{
    KeyData data;
    data.Vbool = on;
    TKeyValueSet::WriteKey(DailyTipKey, data);
}

TTipsFrm::TTipsFrm(QWidget *parent)
    : TaFrm(parent, QStringLiteral("TipsFrm"), Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("每日一贴"));
    auto *bulb = new QLabel(this);
    bulb->setPixmap(QPixmap(QStringLiteral(":/pictures/tip.png")));
    bulb->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    bulb->setFixedWidth(64);
    auto *heading = new QLabel(QStringLiteral("您知道吗？"), this);
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    heading->setFont(big);
    m_memo = new QTextEdit(this);
    m_memo->setReadOnly(true);
    m_memo->setFixedSize(330, 130);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("TipPage"));
    page->setStyleSheet(QStringLiteral("#TipPage{background:white;border:1px solid #a0a8b4;}"
                                       "QTextEdit{border:none;}"));
    auto *text = new QVBoxLayout;
    text->addWidget(heading);
    text->addWidget(m_memo);
    auto *pageLayout = new QHBoxLayout(page);
    pageLayout->addWidget(bulb);
    pageLayout->addLayout(text);

    m_prompt = new QCheckBox(QStringLiteral("启动时显示每日一贴"), this);
    m_prompt->setChecked(DailyTipPrompt());
    connect(m_prompt, &QCheckBox::clicked, this, [](bool on) { SetDailyTipPrompt(on); });
    auto *prior = new QPushButton(QStringLiteral("前一贴"), this);
    auto *next = new QPushButton(QStringLiteral("后一贴"), this);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    auto *help = new QPushButton(QStringLiteral("帮助"), this);
    close->setDefault(true);
    connect(prior, &QPushButton::clicked, this, &TTipsFrm::ShowRandomTip);
    connect(next, &QPushButton::clicked, this, &TTipsFrm::ShowRandomTip);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(); });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_prompt);
    buttons->addStretch();
    buttons->addWidget(prior);
    buttons->addWidget(next);
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowRandomTip();
}

void TTipsFrm::ShowTip(int index)
{
    if (index < 0 || index >= Tips().size())
        return;
    m_current = index;
    m_memo->setPlainText(QStringLiteral("\n\n") + Tips().at(index));
}

void TTipsFrm::ShowRandomTip()
{
    ShowTip(int(QRandomGenerator::global()->bounded(Tips().size())));
}

QString TTipsFrm::Memo() const
{
    return m_memo->toPlainText();
}
