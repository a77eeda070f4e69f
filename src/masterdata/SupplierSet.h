#pragma once

#include "masterdata/MasterSet.h"

struct RSupplier
{
    int Id = 0;
    QString LookId;
    QString Name;
    QString Linkman;
    QString Mobile;
    QString Tel;
    QString Fax;
    QString Addr;
    QString Zip;
    QString Url;
    QString Email;
    QString Lawman;
    QString TaxId;
    QString Bank;
    QString AccName;
    QString BankId;
    QString Supplies;
    QString Credits;
    QString Note;
    void Clear() { *this = RSupplier(); }
};
using RSuppliers = QList<RSupplier>;

class TSupplierSet : public TMasterSet
{
    Q_OBJECT
public:
    TSupplierSet();

    TField *LookIdFld;
    TField *NameFld;
    TField *LinkmanFld;
    TField *MobileFld;
    TField *TelFld;
    TField *FaxFld;
    TField *AddrFld;
    TField *ZipFld;
    TField *UrlFld;
    TField *EmailFld;
    TField *LawmanFld;
    TField *TaxIdFld;
    TField *BankFld;
    TField *AccNameFld;
    TField *BankIdFld;
    TField *SuppliesFld;
    TField *CreditsFld;
    TField *NoteFld;

    RSupplier AsData() const;
    void SetAsData(const RSupplier &data);

    static const TMasterTable &Table();
    // "供应商名称必须填写" when the name is blank.
    static bool Check(const RSupplier &data, QString *message);
    static bool Save(RSupplier &data);
    // Deletes the supplier with its documents and prices, all or nothing; refused while
    // bills name the supplier.
    static bool Delete(int id, QString *error = nullptr);
    static bool GetById(int id, RSupplier &data);

private:
    QList<TField *> TextFields() const;
};
