#include "config/ui/CompanyInfoFrm.h"

#include "config/Company.h"
#include "data/Exceptions.h"
#include "data/Messages.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QLineEdit *NewEdit(QWidget *parent, const QString &name, int maxLength)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}
} // namespace

TCompanyInfoFrm::TCompanyInfoFrm(QWidget *parent)
    : TADlgFrm(parent, QStringLiteral("CompanyInfoFrm"))
{
    setWindowTitle(QStringLiteral("公司信息"));
    edtCompanyName = NewEdit(Client(), QStringLiteral("edtCompanyName"), 100);
    edtCompanyName->setMinimumWidth(340);
    edtManager = NewEdit(Client(), QStringLiteral("edtManager"), 50);
    edtTel = NewEdit(Client(), QStringLiteral("edtTel"), 50);
    edtFax = NewEdit(Client(), QStringLiteral("edtFax"), 50);
    edtAddress = NewEdit(Client(), QStringLiteral("edtAddress"), 200);
    edtZip = NewEdit(Client(), QStringLiteral("edtZip"), 10);
    memProfile = new QPlainTextEdit(Client());
    memProfile->setObjectName(QStringLiteral("memProfile"));
    memProfile->setFixedHeight(110);
    auto *form = new QFormLayout(Client());
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("企业名称"), edtCompanyName);
    form->addRow(QStringLiteral("负责人"), edtManager);
    form->addRow(QStringLiteral("联系电话"), edtTel);
    form->addRow(QStringLiteral("传真号码"), edtFax);
    form->addRow(QStringLiteral("地址"), edtAddress);
    form->addRow(QStringLiteral("邮编"), edtZip);
    form->addRow(QStringLiteral("公司简介"), memProfile);
}

void TCompanyInfoFrm::ShowCompany(const TCompany &c)
{
    edtCompanyName->setText(c.CompanyName);
    edtManager->setText(c.Manager);
    edtTel->setText(c.Tel);
    edtFax->setText(c.Fax);
    edtAddress->setText(c.Address);
    edtZip->setText(c.Zip);
    memProfile->setPlainText(c.Profile);
}

void TCompanyInfoFrm::ReadCompany(TCompany &c) const
{
    c.CompanyName = edtCompanyName->text();
    c.Manager = edtManager->text();
    c.Tel = edtTel->text();
    c.Fax = edtFax->text();
    c.Address = edtAddress->text();
    c.Zip = edtZip->text();
    c.Profile = memProfile->toPlainText();
}

void TCompanyInfoFrm::SetReadOnly(bool readOnly)
{
    OkButton()->setEnabled(!readOnly);
    for (QLineEdit *edit : {edtCompanyName, edtManager, edtTel, edtFax, edtAddress, edtZip})
        edit->setReadOnly(readOnly);
    memProfile->setReadOnly(readOnly);
}

void EditCompany(bool readOnly, QWidget *parent)
{
    TCompanyInfoFrm frm(parent);
    frm.ShowCompany(TheCompany());
    frm.SetReadOnly(readOnly);
    for (;;) {
        if (frm.exec() != QDialog::Accepted)
            return;
        frm.ReadCompany(TheCompany());
        try {
            SaveCompany();
            return;
        } catch (const EDatabaseError &e) {
            ShowInfo(e.Message());
            LoadCompany();          // the record as stored; the dialog keeps the input
        }
    }
}
