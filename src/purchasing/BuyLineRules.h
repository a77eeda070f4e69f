#pragma once

#include <QVariant>

// The values of one arrival line that follow from quantity, price and tax rate.
struct TBuyLineValues
{
    QVariant Qty;
    QVariant Price;
    QVariant Tax;               // percent included in the price
    QVariant Fund;
    QVariant PurePrice;
    QVariant PureFund;
};

// Quantity and price to 8 decimals, amount = quantity × price to 2 decimals (null when 0),
// price and amount without tax; half away from zero, empty values count as 0.
void DeriveBuyLine(TBuyLineValues &line);
