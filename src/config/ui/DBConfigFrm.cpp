#include "config/ui/DBConfigFrm.h"

#include "config/Configer.h"
#include "data/Messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The faces the program's windows are drawn in, best first.
const QStringList DialogFonts = {QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                 QStringLiteral("AR PL UMing CN"),
                                 QStringLiteral("WenQuanYi Micro Hei")};

QLineEdit *NewEdit(QWidget *parent, const char *name, bool masked = false)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(240);
    if (masked) {
        edit->setEchoMode(QLineEdit::Password);
        // Passwords show as asterisks, whatever the style's own mask character.
        edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }
    return edit;
}

// A check box only as wide as its text, so that a click beside it does not tick it.
QCheckBox *NewCheckBox(QWidget *parent, const char *name, const QString &text)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

QFormLayout *NewForm(QWidget *page)
{
    auto *form = new QFormLayout(page);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

} // namespace

const QString TDBConfigFrm::JetFileFilter =
    QStringLiteral("SQLite 数据库 (*.db *.sqlite);;所有文件 (*)");

TDBConfigFrm::TDBConfigFrm(QWidget *parent)
    : QDialog(parent), m_configer(std::make_unique<TConfiger>())
{
    setObjectName(QStringLiteral("DBConfigFrm"));
    setWindowTitle(QStringLiteral("数据库连接设置"));
    ApplyFont();
    BuildWindow();
    LoadControls();
}

TDBConfigFrm::~TDBConfigFrm() = default;

void TDBConfigFrm::ApplyFont()
{
    const QString current = QApplication::font().family();
    if (DialogFonts.contains(current))
        return;
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : DialogFonts) {
        if (installed.contains(family)) {
            setFont(QFont(family, 9));
            return;
        }
    }
}

void TDBConfigFrm::BuildWindow()
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(10);
    layout->addWidget(BuildNotice());

    auto *providerRow = new QHBoxLayout;
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("PostgreSQL 数据库服务器"),
                         QStringLiteral("SQLite 单机数据库文件"),
                         QStringLiteral("QAM 连接服务 (PostgreSQL)")});
    auto *providerLabel = new QLabel(QStringLiteral("提供者"), this);
    providerLabel->setBuddy(ComboBox1);
    providerRow->addWidget(providerLabel);
    providerRow->addWidget(ComboBox1, 1);
    layout->addLayout(providerRow);

    layout->addWidget(BuildParameters());
    layout->addLayout(BuildButtons());

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TDBConfigFrm::ComboBox1Change);
    connect(jetDefaultCheckBox1, &QCheckBox::clicked, this,
            &TDBConfigFrm::jetDefaultCheckBox1Click);
    connect(jetFileButton1, &QToolButton::clicked, this, &TDBConfigFrm::jetFileButton1Click);
    connect(Button1, &QPushButton::clicked, this, &TDBConfigFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

QLabel *TDBConfigFrm::BuildNotice()
{
    auto *notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("NoticeLabel"));
    notice->setText(QStringLiteral("注意，程序无法正常连接到指定的数据库。\n"
                                   "1.单机版用户，请检查数据库文件是否存在或者已被破坏；\n"
                                   "2.网络版用户，请检查网络是否畅通以及数据库服务器是否启动。\n"
                                   "另外，请检查以下连接参数是否正确："));
    notice->setTextFormat(Qt::PlainText);
    return notice;
}

QGroupBox *TDBConfigFrm::BuildParameters()
{
    auto *group = new QGroupBox(QStringLiteral("参数"), this);
    auto *layout = new QVBoxLayout(group);
    PageControl1 = new QStackedWidget(group);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addWidget(BuildServerPage());
    PageControl1->addWidget(BuildFilePage());
    PageControl1->addWidget(BuildQamPage());
    layout->addWidget(PageControl1);
    return group;
}

QWidget *TDBConfigFrm::BuildServerPage()
{
    auto *page = new QWidget;
    auto *form = NewForm(page);
    mssqlServerEdit1 = NewEdit(page, "mssqlServerEdit1");
    mssqlPortEdit1 = NewEdit(page, "mssqlPortEdit1");
    mssqlPortEdit1->setText(QStringLiteral("5432"));
    mssqlDbEdit1 = NewEdit(page, "mssqlDbEdit1");
    mssqlUserEdit1 = NewEdit(page, "mssqlUserEdit1");
    mssqlPwEdit1 = NewEdit(page, "mssqlPwEdit1", true);
    CheckBox1 = NewCheckBox(page, "CheckBox1", QStringLiteral("采用智能连接"));
    form->addRow(QStringLiteral("服务器"), mssqlServerEdit1);
    form->addRow(QStringLiteral("端口"), mssqlPortEdit1);
    form->addRow(QStringLiteral("数据库名"), mssqlDbEdit1);
    form->addRow(QStringLiteral("登陆名"), mssqlUserEdit1);
    form->addRow(QStringLiteral("密 码"), mssqlPwEdit1);
    form->addRow(QString(), CheckBox1);
    return page;
}

QWidget *TDBConfigFrm::BuildFilePage()
{
    auto *page = new QWidget;
    auto *form = NewForm(page);
    jetDefaultCheckBox1 = NewCheckBox(page, "jetDefaultCheckBox1",
                                      QStringLiteral("使用默认连接"));
    jetfileEdit1 = NewEdit(page, "jetfileEdit1");
    jetfileEdit1->setMinimumWidth(200);
    jetFileButton1 = new QToolButton(page);
    jetFileButton1->setText(QStringLiteral("..."));
    jetFileButton1->setObjectName(QStringLiteral("jetFileButton1"));
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(jetfileEdit1, 1);
    fileRow->addWidget(jetFileButton1);
    jetUserEdit1 = NewEdit(page, "jetUserEdit1");
    jetPwEdit1 = NewEdit(page, "jetPwEdit1", true);
    form->addRow(QString(), jetDefaultCheckBox1);
    form->addRow(QStringLiteral("数据库文件:"), fileRow);
    form->addRow(QStringLiteral("用户名:"), jetUserEdit1);
    form->addRow(QStringLiteral("密码:"), jetPwEdit1);
    return page;
}

QWidget *TDBConfigFrm::BuildQamPage()
{
    auto *page = new QWidget;
    auto *form = NewForm(page);
    edtQamUrl1 = NewEdit(page, "edtQamUrl1");
    edtQamUser1 = NewEdit(page, "edtQamUser1");
    form->addRow(QStringLiteral("QAM地址"), edtQamUrl1);
    form->addRow(QStringLiteral("QAM用户"), edtQamUser1);
    return page;
}

QLayout *TDBConfigFrm::BuildButtons()
{
    auto *row = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("确定(&Y)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    row->addStretch(1);
    row->addWidget(Button1);
    row->addWidget(Button2);
    return row;
}

void TDBConfigFrm::LoadControls()
{
    const TConfiger &c = *m_configer;
    // An index outside the list leaves nothing selected, as the stored value names no entry.
    ComboBox1->setCurrentIndex(c.providerIdx >= 0 && c.providerIdx < ComboBox1->count()
                                   ? c.providerIdx : -1);
    ComboBox1Change(ComboBox1->currentIndex());
    mssqlServerEdit1->setText(c.mssqlServer);
    mssqlPortEdit1->setText(QString::number(c.mssqlPort));
    mssqlDbEdit1->setText(c.mssqlDb);
    mssqlUserEdit1->setText(c.mssqlUser);
    mssqlPwEdit1->setText(c.mssqlPw);
    jetDefaultCheckBox1->setChecked(c.defaultCon);
    jetfileEdit1->setText(c.jetfile);
    jetUserEdit1->setText(c.jetUser);
    jetPwEdit1->setText(c.jetPw);
    edtQamUrl1->setText(c.qamUrl);
    edtQamUser1->setText(c.qamUser);
    ApplyJetDefaultState();
}

void TDBConfigFrm::Button1Click()
{
    bool ok = false;
    const int port = mssqlPortEdit1->text().trimmed().toInt(&ok);
    if (!ok) {
        ShowInfo(QStringLiteral("端口必须是整数"));
        mssqlPortEdit1->setFocus();
        return;
    }
    TConfiger &c = *m_configer;
    c.providerIdx = ComboBox1->currentIndex();
    c.mssqlServer = mssqlServerEdit1->text();
    c.mssqlPort = port;
    c.mssqlDb = mssqlDbEdit1->text();
    c.mssqlUser = mssqlUserEdit1->text();
    c.mssqlPw = mssqlPwEdit1->text();
    c.SmartConnect = CheckBox1->isChecked();
    c.defaultCon = jetDefaultCheckBox1->isChecked();
    c.jetfile = jetfileEdit1->text();
    c.jetUser = jetUserEdit1->text();
    c.jetPw = jetPwEdit1->text();
    c.qamUrl = edtQamUrl1->text();
    c.qamUser = edtQamUser1->text();
    c.Save();
    accept();
}

void TDBConfigFrm::ComboBox1Change(int index)
{
    if (index >= 0)
        PageControl1->setCurrentIndex(index);
}

void TDBConfigFrm::jetDefaultCheckBox1Click()
{
    ApplyJetDefaultState();
}

void TDBConfigFrm::ApplyJetDefaultState()
{
    const bool useDefault = jetDefaultCheckBox1->isChecked();
    // Greyed like the dialog's face, so that nobody takes them for the file in use.
    const QColor color = palette().color(useDefault ? QPalette::Button : QPalette::Base);
    for (QWidget *control : {static_cast<QWidget *>(jetfileEdit1),
                             static_cast<QWidget *>(jetFileButton1),
                             static_cast<QWidget *>(jetUserEdit1),
                             static_cast<QWidget *>(jetPwEdit1)}) {
        control->setEnabled(!useDefault);
        QPalette pal = control->palette();
        pal.setColor(QPalette::Base, color);
        control->setPalette(pal);
    }
}

void TDBConfigFrm::jetFileButton1Click()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("打开"),
                                                      jetfileEdit1->text(), JetFileFilter);
    if (!file.isEmpty())
        jetfileEdit1->setText(QDir::toNativeSeparators(file));
}

void TDBConfigFrm::keyPressEvent(QKeyEvent *event)
{
    // Enter walks the fields like Tab; on a button it still presses the button.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPushButton *>(focusWidget())) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDBConfigFrm::showEvent(QShowEvent *event)
{
    // Smart connection is a choice for one save, never a remembered setting.
    if (!event->spontaneous())
        CheckBox1->setChecked(false);
    QDialog::showEvent(event);
}
