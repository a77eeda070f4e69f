#include "config/Company.h"

#include "config/Operator.h"
#include "data/Database.h"
#include "data/RecordSet.h"

TCompany &TheCompany()
{
    static TCompany company;
    return company;
}

void LoadCompany()
{
    TRecordSet set;
    TCompany company;
    if (set.OpenSQL(QStringLiteral("select Id, CompanyName, Manager, Tel, Fax, Address, Zip, "
                                   "Profile, Updated from Company order by Id"))
        > 0) {
        const TDataSet *d = set.DataSet();
        company.Id = d->Field(0)->AsInteger();
        company.CompanyName = d->Field(1)->AsString();
        company.Manager = d->Field(2)->AsString();
        company.Tel = d->Field(3)->AsString();
        company.Fax = d->Field(4)->AsString();
        company.Address = d->Field(5)->AsString();
        company.Zip = d->Field(6)->AsString();
        company.Profile = d->Field(7)->AsString();
        company.Updated = d->Field(8)->AsBoolean();
    }
    TheCompany() = company;
}

namespace {
void WriteCompany(TDatabase &db, const TCompany &c)
{
    const TDBParameters params = {
        DBParam(QStringLiteral("CompanyName"), c.CompanyName),
        DBParam(QStringLiteral("Manager"), c.Manager), DBParam(QStringLiteral("Tel"), c.Tel),
        DBParam(QStringLiteral("Fax"), c.Fax), DBParam(QStringLiteral("Address"), c.Address),
        DBParam(QStringLiteral("Zip"), c.Zip), DBParam(QStringLiteral("Profile"), c.Profile),
        DBParam(QStringLiteral("Updated"), c.Updated), DBParam(QStringLiteral("Id"), c.Id)};
    TRecordSet set(db);
    if (set.OpenSQL(QStringLiteral("select 1 from Company where Id=:Id"), {params.last()}) == 1)
        db.ExecCommand(QStringLiteral("update Company set CompanyName=:CompanyName, "
                                      "Manager=:Manager, Tel=:Tel, Fax=:Fax, Address=:Address, "
                                      "Zip=:Zip, Profile=:Profile, Updated=:Updated "
                                      "where Id=:Id"),
                       params);
    else
        db.ExecCommand(QStringLiteral("insert into Company(Id, CompanyName, Manager, Tel, Fax, "
                                      "Address, Zip, Profile, Updated)values(:Id, :CompanyName, "
                                      ":Manager, :Tel, :Fax, :Address, :Zip, :Profile, "
                                      ":Updated)"),
                       params);
}
} // namespace

void SaveCompany()
{
    TCompany &company = TheCompany();
    // An empty table: the first row gets the id 1.
    if (company.Id <= 0)
        company.Id = 1;
    TDatabase &db = TheDatabase();
    const bool own = !db.InTransaction();
    if (own)
        db.BeginTrans();
    try {
        WriteCompany(db, company);
        if (own)
            db.CommitTrans();
    } catch (...) {
        if (own)
            db.RollbackTrans();
        throw;
    }
}

namespace {
// Bytes of the text in the Chinese code page: one per ASCII character, two per other
// character of the basic plane, four beyond it.
int CodePageBytes(const QString &text)
{
    int bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.unicode() < 0x80)
            bytes += 1;
        else if (ch.isHighSurrogate())
            bytes += 4, ++i;
        else
            bytes += 2;
    }
    return bytes;
}
} // namespace

bool CompanyFilled()
{
    return CodePageBytes(TheCompany().CompanyName) > 7;
}

QString CompanyText()
{
    const TCompany &c = TheCompany();
    QString text;
    for (const QString &part : {c.CompanyName, c.Manager, c.Tel, c.Fax, c.Address, c.Zip,
                                c.Profile})
        text += part + QStringLiteral("\r\n");
    return text;
}

TReportVariables CompanyReportVariables()
{
    const TCompany &c = TheCompany();
    return {{QStringLiteral("u_Company"), c.CompanyName}, {QStringLiteral("u_Tel"), c.Tel},
            {QStringLiteral("u_Fax"), c.Fax}, {QStringLiteral("u_Address"), c.Address},
            {QStringLiteral("u_Zip"), c.Zip}, {QStringLiteral("u_Operator"),
                                               TheOperator().LoginId}};
}
