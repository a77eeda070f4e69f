#include "purchasing/ui/UiFixture.h"

#include "config/KeyValue2.h"
#include "config/Operator.h"
#include "data/RecordSet.h"
#include "purchasing/BuyBill2.h"

TUiFixture::TUiFixture() : m_db(std::make_unique<TTestDatabase>())
{
    m_db->CreateFull();
    TheKeyValue2().Reopen();
    LoginAs(QStringLiteral("sa"));
    TDatabase &db = TheDatabase();
    db.ExecSQL("insert into supplier(Id, Name, Tel) values(1, '东方五金', '021-5550101')");
    db.ExecSQL("insert into supplier(Id, Name) values(2, '南方电子')");
    db.ExecSQL("insert into departments(Id, Name) values(1, '采购部')");
    db.ExecSQL("insert into employee(Id, Name) values(1, '王采购')");
    db.ExecSQL("insert into wareclass(Id, Code, Name, SlfId, PrtId) values(1, '1.', '五金', 1, 0)");
    db.ExecSQL("insert into wareclass(Id, Code, Name, SlfId, PrtId) "
               "values(2, '1.2.', '螺丝', 2, 1)");
    db.ExecSQL("insert into ware(Id, ClassId, Code, Name, LookId, PartNo, Unit) "
               "values(1, 2, 'W001', '螺丝M3', 'LSM3', 'M3x10', '个')");
    db.ExecSQL("insert into ware(Id, ClassId, Code, Name, Unit) "
               "values(2, 2, 'W002', '螺丝M4', '个')");
    db.ExecSQL("insert into ware(Id, ClassId, Code, Name, Unit) values(3, 1, 'W003', '扳手', '把')");
    db.ExecSQL("insert into ware(Id, Code, Name, Unit) values(4, 'W004', '胶带', '卷')");
}

TUiFixture::~TUiFixture()
{
    m_db.reset();
    LoginAs(QString());
}

void TUiFixture::LoginAs(const QString &login, const QString &rights)
{
    TheOperator().Clear();
    TheOperator().LoginId = login;
    TheOperator().Rights = rights;
}

RBuy TUiFixture::SaveBill(int supplierId, bool audited, int lines)
{
    RBuy bill = TBuyBill2::NewBill();
    bill.SupplierId = supplierId;
    bill.DeptId = 1;
    bill.BuymanId = 1;
    bill.TaxRate = 17;
    bill.Note = QStringLiteral("到货");
    for (int ware = 1; ware <= lines; ++ware) {
        RBuydl line;
        line.WareId = ware;
        line.Qty = ware * 10;
        line.Price = 1.17 * ware;
        line.Tax = 17;
        bill.Lines.append(line);
    }
    QString error;
    if (!TBuyBill2::Save(bill, error))
        qFatal("save failed: %s", qPrintable(error));
    if (audited && !TBuyBill2::Check(bill))
        qFatal("audit failed");
    return bill;
}

int TUiFixture::Count(const QString &sql)
{
    TRecordSet set;
    set.OpenSQL(sql);
    return set.DataSet()->Field(0)->AsInteger();
}
