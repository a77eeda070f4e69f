#include "masterdata/SupplierSet.h"

namespace {
struct TColumnDef
{
    const char *Name;
    int Size;
    const char *Caption;
};
// In the order of RSupplier, after Id.
const TColumnDef Columns[] = {
    {"LookId", 20, "助查码"},   {"Name", 50, "供应商名称"}, {"Linkman", 30, "联系人"},
    {"Mobile", 50, "手机"},     {"Tel", 50, "联系电话"},    {"Fax", 50, "传真号码"},
    {"Addr", 50, "联系地址"},   {"Zip", 6, "邮编"},         {"Url", 50, "网址"},
    {"Email", 50, "电子信箱"},  {"Lawman", 20, "法人代表"}, {"TaxId", 30, "税号"},
    {"Bank", 50, "开户银行"},   {"AccName", 30, "开户名称"}, {"BankId", 30, "银行帐号"},
    {"Supplies", 50, "供应内容"}, {"Credits", 30, "信誉评价"},
};

QList<QString *> Members(RSupplier &r)
{
    return {&r.LookId, &r.Name, &r.Linkman, &r.Mobile, &r.Tel, &r.Fax, &r.Addr, &r.Zip,
            &r.Url, &r.Email, &r.Lawman, &r.TaxId, &r.Bank, &r.AccName, &r.BankId,
            &r.Supplies, &r.Credits, &r.Note};
}
} // namespace

TSupplierSet::TSupplierSet() : TMasterSet(Table())
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, true, QStringLiteral("ID"));
    QList<TField **> targets{&LookIdFld, &NameFld, &LinkmanFld, &MobileFld, &TelFld, &FaxFld,
                           &AddrFld, &ZipFld, &UrlFld, &EmailFld, &LawmanFld, &TaxIdFld,
                           &BankFld, &AccNameFld, &BankIdFld, &SuppliesFld, &CreditsFld};
    int i = 0;
    for (const TColumnDef &c : Columns)
        *targets[i++] = AddField<TWideStringField>(QLatin1String(c.Name), c.Size, true,
                                                 QString::fromUtf8(c.Caption));
    NoteFld = AddField<TMemoField>(QStringLiteral("Note"), -1, false, QStringLiteral("备注"));
}

const TMasterTable &TSupplierSet::Table()
{
    static const TMasterTable table = [] {
        TMasterTable t;
        t.Table = QStringLiteral("supplier");
        for (const TColumnDef &c : Columns)
            t.Columns << QLatin1String(c.Name);
        t.Columns << QStringLiteral("[Note]");
        t.ReferringColumns = {QStringLiteral("SupplierId")};
        t.OwnedTables = {QStringLiteral("supplierdocs"), QStringLiteral("suppwares")};
        return t;
    }();
    return table;
}

QList<TField *> TSupplierSet::TextFields() const
{
    return {LookIdFld, NameFld, LinkmanFld, MobileFld, TelFld, FaxFld, AddrFld, ZipFld,
            UrlFld, EmailFld, LawmanFld, TaxIdFld, BankFld, AccNameFld, BankIdFld,
            SuppliesFld, CreditsFld, NoteFld};
}

RSupplier TSupplierSet::AsData() const
{
    RSupplier r;
    r.Id = IdFld->AsInteger();
    const QList<TField *> fields = TextFields();
    const QList<QString *> members = Members(r);
    for (int i = 0; i < fields.size(); ++i)
        *members[i] = TextOf(fields[i]);
    return r;
}

void TSupplierSet::SetAsData(const RSupplier &data)
{
    EditOrAppend(data.Id);
    IdFld->SetValue(data.Id);
    RSupplier copy = data;
    const QList<TField *> fields = TextFields();
    const QList<QString *> members = Members(copy);
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->SetValue(*members[i]);
    DataSet()->Post();
}

bool TSupplierSet::Check(const RSupplier &data, QString *message)
{
    if (!data.Name.trimmed().isEmpty())
        return true;
    if (message)
        *message = QStringLiteral("供应商名称必须填写");
    return false;
}

bool TSupplierSet::Save(RSupplier &data)
{
    TDBParameters params;
    RSupplier copy = data;
    const QList<QString *> members = Members(copy);
    int i = 0;
    for (const TColumnDef &c : Columns)
        params << DBParam(QLatin1String(c.Name), *members[i++]);
    params << DBParam(QStringLiteral("Note"), data.Note);
    return Table().Save(params, data.Id);
}

bool TSupplierSet::Delete(int id, QString *error)
{
    return Table().Delete(id,
                          {QStringLiteral("delete from supplierdocs where SupplierId=:Id"),
                           QStringLiteral("delete from suppwares where SupplierId=:Id")},
                          error);
}

bool TSupplierSet::GetById(int id, RSupplier &data)
{
    TSupplierSet set;
    if (!set.LoadById(id))
        return false;
    data = set.AsData();
    return true;
}
