#pragma once

#include "masterdata/SuppwareSet.h"
#include "shell/ui/ADlgFrm.h"

#include <array>

class TksEdit;

// "添加供货信息" / "修改供货信息": the price of one goods item at one supplier. Supplier and
// goods are shown read-only; "确定" saves through the prices set, which shows the row.
class TSuppwareEditFrm : public TADlgFrm
{
    Q_OBJECT
public:
    TSuppwareEditFrm(QWidget *owner, TSuppwareSet &prices, const RSuppware &item);

    TksEdit *edtSupplier;
    std::array<TksEdit *, 5> edtWare;       // WareS01 … WareS05
    TksEdit *edtPrice;
    TksEdit *edtTaxPrice;
    TksEdit *edtNotes;

    RSuppware Item() const { return m_item; }

protected:
    void OkClicked() override;

private:
    TSuppwareSet &m_prices;
    RSuppware m_item;
};
