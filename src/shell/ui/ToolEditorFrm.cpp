#include "shell/ui/ToolEditorFrm.h"

#include "data/Messages.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

TToolEditorFrm::TToolEditorFrm(QWidget *parent)
    : TADlgFrm(parent, QStringLiteral("ToolEditorFrm"))
{
    setWindowTitle(QStringLiteral("工具属性"));
    edtTitle = new QLineEdit(Client());
    rbUrl = new QRadioButton(QStringLiteral("网页链接"), Client());
    rbFile = new QRadioButton(QStringLiteral("文档或应用程序"), Client());
    edtUrl = new QLineEdit(Client());
    edtFile = new QLineEdit(Client());
    btnBrowse = new QPushButton(QStringLiteral("浏览(&D)..."), Client());
    edtNote = new QLineEdit(Client());
    edtTitle->setObjectName(QStringLiteral("edtTitle"));
    edtUrl->setObjectName(QStringLiteral("edtUrl"));
    edtFile->setObjectName(QStringLiteral("edtFile"));
    edtNote->setObjectName(QStringLiteral("edtNote"));
    edtTitle->setMaxLength(50);
    edtUrl->setMaxLength(255);
    edtFile->setMaxLength(255);
    edtNote->setMaxLength(250);
    edtUrl->setMinimumWidth(300);

    auto *grid = new QGridLayout(Client());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("标题"), Client()), 0, 0);
    grid->addWidget(edtTitle, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("(必填)"), Client()), 0, 3);
    auto *kind = new QGroupBox(QStringLiteral("类型"), Client());
    auto *kindGrid = new QGridLayout(kind);
    kindGrid->addWidget(rbUrl, 0, 0);
    kindGrid->addWidget(edtUrl, 0, 1);
    kindGrid->addWidget(new QLabel(QStringLiteral("(网址)"), kind), 0, 2);
    kindGrid->addWidget(rbFile, 1, 0);
    kindGrid->addWidget(edtFile, 1, 1);
    kindGrid->addWidget(btnBrowse, 1, 2);
    grid->addWidget(kind, 1, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("描述"), Client()), 2, 0);
    grid->addWidget(edtNote, 2, 1, 1, 3);

    connect(rbUrl, &QRadioButton::toggled, this, &TToolEditorFrm::KindChanged);
    connect(rbFile, &QRadioButton::toggled, this, &TToolEditorFrm::KindChanged);
    connect(btnBrowse, &QPushButton::clicked, this, &TToolEditorFrm::Browse);
    SetLink(TLink());
}

void TToolEditorFrm::SetLink(const TLink &link)
{
    m_link = link;
    edtTitle->setText(link.Title);
    edtNote->setText(link.Note);
    if (link.Id < 0) {
        edtUrl->setText(QStringLiteral("http://"));
        edtFile->clear();
        rbUrl->setChecked(true);
    } else {
        edtUrl->setText(link.lpParameters);
        edtFile->setText(link.lpFile);
        // Only the exact program name marks a web link; any other spelling is a program.
        (link.IsWebLink() ? rbUrl : rbFile)->setChecked(true);
    }
    KindChanged();
}

void TToolEditorFrm::KindChanged()
{
    const bool web = rbUrl->isChecked();
    if (web)
        edtFile->setText(QStringLiteral("IEXPLORE.EXE"));
    edtUrl->setEnabled(web);
    edtFile->setEnabled(!web);
    btnBrowse->setEnabled(!web);
    const QString white = QStringLiteral("QLineEdit{background:white;}");
    const QString face = QStringLiteral("QLineEdit{background:palette(button);}");
    edtUrl->setStyleSheet(web ? white : face);
    edtFile->setStyleSheet(web ? face : white);
}

void TToolEditorFrm::Browse()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("选择文档或应用程序"),
                                                      edtFile->text());
    if (!file.isEmpty())
        edtFile->setText(file);
}

QStringList TToolEditorFrm::Problems() const
{
    QStringList problems;
    if (edtTitle->text().isEmpty())
        problems << QStringLiteral("\"标题\" 不能为空");
    if (rbUrl->isChecked()) {
        if (edtUrl->text().isEmpty())
            problems << QStringLiteral("\"网址\" 不能为空且应以 \"http://\" 开头");
    } else {
        const QString file = edtFile->text();
        if (file.isEmpty())
            problems << QStringLiteral("\"文件地址\" 不能为空");
        // A program may also be named as the desktop starts it, found on the search path.
        else if (!QFileInfo::exists(file) && QStandardPaths::findExecutable(file).isEmpty())
            problems << QStringLiteral("文件 %1 不存在").arg(file);
    }
    return problems;
}

void TToolEditorFrm::OkClicked()
{
    const QStringList problems = Problems();
    if (!problems.isEmpty()) {
        QString text = QStringLiteral("请按以下提示完成各项内容:\t\r");
        for (const QString &problem : problems)
            text += u'\r' + problem;
        ShowInfo(text + u'.');
        return;
    }
    m_link.Title = edtTitle->text();
    m_link.lpFile = edtFile->text();
    m_link.lpParameters = edtUrl->text();
    m_link.Note = edtNote->text();
    if (m_link.Id < 0)
        InsertLink(m_link);
    else
        UpdateLink(m_link);
    accept();
}
