#include "purchasing/BuyBillPrint.h"

#include "purchasing/BuydlSet.h"

#include "config/Settings.h"
#include "data/Utils.h"
#include "masterdata/SupplierSet.h"
#include "masterdata/WareCaptions.h"
#include "reports/Rep.h"

namespace {
QString DateOnly(const QVariant &value)
{
    return value.isNull() ? QString() : DateText(value.toDateTime());
}

QString DateAndTime(const QVariant &value)
{
    return value.isNull() ? QString() : DateTimeText(value.toDateTime());
}

QString Money(const QVariant &value)
{
    return value.isNull() ? QString() : FormatFloat(QStringLiteral("0.00"), value.toDouble());
}

} // namespace

void ApplyBuyLineDisplay(TBuydlSet &lines)
{
    if (lines.QtyFld->DisplayFormat.isEmpty())
        lines.QtyFld->DisplayFormat = QtyFormat();
    if (lines.PriceFld->DisplayFormat.isEmpty())
        lines.PriceFld->DisplayFormat = PriceFormat();
    for (int i = 0; i < 12; ++i)
        lines.WareSFld[i]->DisplayLabel = WareCaptions::Caption(lines.WareSFld[i]->FieldName);
    lines.WareColorFld->DisplayLabel = WareCaptions::Caption(QStringLiteral("WareColorLabel"));
    lines.WareSizeFld->DisplayLabel = WareCaptions::Caption(QStringLiteral("WareSizeLabel"));
    lines.WarePropFld->DisplayLabel = WareCaptions::Caption(QStringLiteral("WarePropLabel"));
}

void AddBuyBillReportData(TRep &rep, const RBuy &bill, const RSupplier &supplier,
                          TBuydlSet &lines)
{
    ApplyBuyLineDisplay(lines);
    rep.AddDataSet(QStringLiteral("d0"), lines.DataSet());
    const QList<QPair<const char *, QString>> vars = {
        {"Code", bill.Code},
        {"UserCode", bill.OldCode},
        {"BizDate", DateOnly(bill.BizDate)},
        {"Dept", bill.DeptName},
        {"Type", bill.TypeName},
        {"Supplier", supplier.Name},
        {"SupplierLinkman", supplier.Linkman},
        {"SupplierTel", supplier.Tel},
        {"SupplierFax", supplier.Fax},
        {"SupplierAddr", supplier.Addr},
        {"SupplierBank", supplier.Bank},
        {"SupplierAccName", supplier.AccName},
        {"SupplierBankId", supplier.BankId},
        {"Buyman", bill.BuymanName},
        {"TotalFund", Money(bill.TotalFund)},
        {"Billman", bill.Billman},
        {"BillTime", DateAndTime(bill.BillTime)},
        {"Checkman", bill.Checkman},
        {"CheckTime", DateAndTime(bill.CheckTime)},
        {"Note", bill.Note},
    };
    for (const auto &v : vars)
        rep.AddVar(QLatin1String(v.first), v.second);
}
