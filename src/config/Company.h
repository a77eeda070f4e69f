#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The company record: the first row of the Company table.
class TCompany
{
public:
    int Id = 0;
    QString CompanyName;
    QString Manager;
    QString Tel;
    QString Fax;
    QString Address;
    QString Zip;
    QString Profile;
    bool Updated = false;
};

// The process-wide record, empty until LoadCompany.
TCompany &TheCompany();
// The first row of the table into TheCompany (empty when the table has none).
void LoadCompany();
// Updates the row of TheCompany's Id, or adds it; one transaction.
void SaveCompany();
// Filled in when the name takes more than 7 bytes in the Chinese code page: four Chinese
// characters or eight single-byte ones.
bool CompanyFilled();
// Name, manager, telephone, fax, address, postcode and profile, each followed by a line break.
QString CompanyText();

// The variables every printed report receives: u_Company, u_Tel, u_Fax, u_Address, u_Zip
// from the company record and u_Operator, the login name of the operator.
using TReportVariables = QList<QPair<QString, QString>>;
TReportVariables CompanyReportVariables();
