#include "purchasing/BuyLineRules.h"

#include "purchasing/BillModel.h"

#include "data/Utils.h"

#include <cmath>

namespace {
QVariant NullDouble()
{
    return QVariant(QMetaType(QMetaType::Double));
}

int TaxPercent(const QVariant &tax)
{
    return tax.isNull() ? 0 : int(std::lround(tax.toDouble()));
}
} // namespace

void DeriveBuyLine(TBuyLineValues &line)
{
    using BillModel::Number;
    const double qty = Number(line.Qty);
    if (qty != 0.0)
        line.Qty = RoundTo(qty, 8);
    const double price = Number(line.Price);
    if (price != 0.0)
        line.Price = RoundTo(price, 8);
    const double fund = RoundTo(Number(line.Qty) * Number(line.Price), 2);
    line.Fund = fund == 0.0 ? NullDouble() : QVariant(fund);
    const double divisor = TaxPercent(line.Tax) / 100.0 + 1.0;
    if (divisor == 0.0) {
        // A rate of -100 % leaves no price without tax.
        line.PurePrice = NullDouble();
        line.PureFund = NullDouble();
        return;
    }
    line.PurePrice = line.Price.isNull() ? NullDouble()
                                         : QVariant(RoundTo(Number(line.Price) / divisor, 8));
    const double pureFund = RoundTo(fund / divisor, 2);
    line.PureFund = pureFund == 0.0 ? NullDouble() : QVariant(pureFund);
}
