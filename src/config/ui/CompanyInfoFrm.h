#pragma once

#include "shell/ui/ADlgFrm.h"

class QLineEdit;
class QPlainTextEdit;
class TCompany;

// The company information dialog over TheCompany; read-only for the about box.
class TCompanyInfoFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TCompanyInfoFrm(QWidget *parent = nullptr);

    void ShowCompany(const TCompany &company);
    // The controls into the record (Id and Updated are left as they are).
    void ReadCompany(TCompany &company) const;
    void SetReadOnly(bool readOnly);

    QLineEdit *edtCompanyName = nullptr;
    QLineEdit *edtManager = nullptr;
    QLineEdit *edtTel = nullptr;
    QLineEdit *edtFax = nullptr;
    QLineEdit *edtAddress = nullptr;
    QLineEdit *edtZip = nullptr;
    QPlainTextEdit *memProfile = nullptr;
};

// Shows the company dialog and saves what the operator confirms; a failed save tells why and
// asks again with the input kept.
void EditCompany(bool readOnly, QWidget *parent = nullptr);
