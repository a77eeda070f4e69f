#pragma once

#include "shell/ui/aFrm.h"

class QPushButton;
class TBuyBillSums;
class TBuyTypeSet;
class TChoiceCombo;
class TDBGrid;
class TLookupCombo;
class TLookupEdit;
class TksDateTimePicker;
class TksEdit;

// The arrival finder "打开": criteria over the arrivals, the bills found in the bill
// window's list; "打开" (or a double click) closes it with OK on a row of that list.
class TBuyFinderFrm : public TaFrm
{
    Q_OBJECT
public:
    TBuyFinderFrm(QWidget *owner, TBuyBillSums *sums);

    TksDateTimePicker *edtBeginDate;    // "日期(始)", may stay empty
    TksDateTimePicker *edtEndDate;      // "日期(止)"
    TLookupCombo *lkpType;
    TLookupCombo *lkpBuyman;
    TLookupCombo *lkpDept;
    TLookupEdit *edtSupplier;
    TLookupEdit *edtWare;
    TLookupEdit *edtCata;
    TksEdit *edtWareS01;
    TksEdit *edtWareS02;
    TksEdit *edtWareS03;
    TChoiceCombo *cmbCheck;             // "审核"
    QPushButton *btnQuery;
    QPushButton *btnOpen;
    QPushButton *btnCancel;
    QPushButton *btnReset;
    TDBGrid *DBGrid1;

    // Criteria into the list's TBuyWhere, then its query.
    void QueryClick();
    // With rows: closes with OK on the current one.
    void OpenClick();
    // Every criterion cleared.
    void ResetClick();

private:
    void CreateCriteria(class QGridLayout *grid);
    void CopyCriteria();

    TBuyBillSums *m_sums;
    TBuyTypeSet *m_types;
};
