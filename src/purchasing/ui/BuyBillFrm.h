#pragma once

#include "purchasing/BuyBill2.h"
#include "purchasing/ui/BillFrmOf.h"

class QLabel;
class QPushButton;
class TBuyBillSums;
class TBuyPickerFrm;
class TBuyTypeSet;
class TBuydlSet;
class TLookupCombo;
class TksDateTimePicker;
class TksEdit;
struct RWare;

// The purchase arrival window "采购收货" (bill kind 1).
class TBuyBillFrm : public TBillFrmOf<TBuyBill2, RBuy>
{
    Q_OBJECT
public:
    explicit TBuyBillFrm(QWidget *owner = nullptr);

    TksDateTimePicker *edtBizDate1;
    TLookupCombo *lkpType1;
    TksEdit *edtOldCode1;
    TLookupCombo *lkpClient1;       // 供货
    TksEdit *edtTaxRate1;
    TLookupCombo *lkpHouse1;        // 部门
    TLookupCombo *lkpBuyman1;       // 采购
    TksEdit *edtNote1;
    QPushButton *btnQuality;        // "生成检验"

    TBuydlSet *Lines() const { return m_lines; }
    // The list of the last find, which 上一单 and 下一单 walk.
    TBuyBillSums *FinderSums() const { return m_finderSums; }
    // Created on the first 添加明细.
    TBuyPickerFrm *Picker() const { return m_picker; }

    // The picker's goods callback: one line for the goods item, the cursor on its
    // quantity. A closed or audited bill takes nothing.
    void AddWare(const RWare &ware);
    // "生成检验": only for an audited bill.
    void MakeInspection();

protected:
    void Display(const RBuy &bill) override;
    void Collect(RBuy &bill) override;
    bool CheckLines(const RBuy &bill) override;
    void PrintCurrent() override;
    bool RunFinder() override;
    TDataSet *FinderList() const override;
    void AddLines() override;
    bool CheckLineDelete(QString &text) override;

private:
    void CreateHeader();
    void SetupGrid();
    void TaxRateChanged();
    void PlacePicker();

    TBuydlSet *m_lines;
    TBuyTypeSet *m_types;
    TBuyBillSums *m_finderSums;
    TBuyPickerFrm *m_picker = nullptr;
};
