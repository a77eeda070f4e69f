#pragma once

#include "masterdata/WareCataSet.h"
#include "masterdata/ui/MasterEditors.h"
#include "shell/ui/ADlgFrm.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class TksEdit;

// The goods editor "添加" / "修改": the category, the text attributes under their labels,
// the five numbers (empty: none) and the note. Members the editor does not show keep the
// values of the record it was opened with.
class TbuWareEditorFrm : public TADlgFrm
{
    Q_OBJECT
public:
    TbuWareEditorFrm(QWidget *owner, const RWare &ware, TSaveCallback<RWare> save);

    TksEdit *edtCata;
    QPushButton *btnCata;
    TksEdit *edtLookId;
    TksEdit *edtCode;
    TksEdit *edtName;
    TksEdit *edtPartNo;
    TksEdit *edtBrand;
    TksEdit *edtPackage;
    TksEdit *edtBarcode;
    std::array<TksEdit *, 4> edtS;      // S08 … S11
    QComboBox *cmbUnit;
    std::array<TksEdit *, 5> edtF;      // F01 … F05
    TksEdit *edtNote;
    QLabel *lblHint;

    // The category the goods item goes into (Id 0 or below: none).
    RWareCata Category() const { return m_cata; }
    bool AcceptCategory(const RWareCata &cata);
    void btnCataClick();
    // The record the boxes make.
    RWare Collect() const;

protected:
    void OkClicked() override;

private:
    void Fill();

    RWare m_ware;
    RWareCata m_cata;
    TSaveCallback<RWare> m_save;
};
