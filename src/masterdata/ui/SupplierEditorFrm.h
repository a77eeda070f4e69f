#pragma once

#include "masterdata/SupplierDocsSet.h"
#include "masterdata/SuppwareSet.h"
#include "masterdata/ui/MasterEditors.h"
#include "shell/ui/aFrm.h"

#include <QPointer>

class QComboBox;
class QPushButton;
class QTabWidget;
class TDBGrid;
class TksEdit;
class TksMemo;

// The supplier editor: "常规" (every column of the supplier), "文件" (its documents) and
// "供货" (its prices). State 0 new, 1 changed, 2 browsing: "新建" and "删除" serve a shown
// supplier, "确定" and "取消" a new or changed one.
class TSupplierEditorFrm : public TaFrm
{
    Q_OBJECT
public:
    enum TState { stNew = 0, stChanged = 1, stBrowse = 2 };

    TSupplierEditorFrm(QWidget *owner, TSaveCallback<RSupplier> save,
                       std::function<bool(int id)> remove);
    ~TSupplierEditorFrm() override;

    // Shows a supplier: browsing when it has an Id, else a new one.
    void ShowSupplier(const RSupplier &supplier);
    void ShowNew();
    int State() const { return m_state; }
    RSupplier Supplier() const { return m_supplier; }
    RSupplier Collect() const;

    QTabWidget *Pages;
    // General tab.
    TksEdit *edtLookId;
    TksEdit *edtName;
    TksEdit *edtLinkman;
    TksEdit *edtMobile;
    TksEdit *edtTel;
    TksEdit *edtFax;
    TksEdit *edtAddr;
    TksEdit *edtZip;
    TksEdit *edtUrl;
    TksEdit *edtEmail;
    TksEdit *edtLawman;
    TksEdit *edtTaxId;
    TksEdit *edtBank;
    TksEdit *edtAccName;
    TksEdit *edtBankId;
    TksEdit *edtSupplies;
    QComboBox *cmbCredits;
    TksMemo *memNote;
    QPushButton *btnNew;
    QPushButton *btnDelete;
    QPushButton *btnOk;
    QPushButton *btnCancel;
    // Documents tab.
    TSupplierDocsSet *Docs;
    TDBGrid *grdDocs;
    // Supplies tab.
    TSuppwareSet *Prices;
    TDBGrid *grdPrices;

    void btnNewClick();
    void btnDeleteClick();
    void btnOkClick();
    void btnCancelClick();

    void DocAddClick();
    void DocEditClick();
    void DocDeleteClick();
    void DocOpenClick();
    // The path "打开" writes a document to before opening it.
    static QString DocumentTempPath(const QString &docName);

    void PriceAddClick();
    void PriceEditClick();
    void PriceDeleteClick();
    // One goods item taken from the goods picker: the price editor on a new row.
    bool AddPriceFor(const RWare &ware);

private:
    QWidget *BuildGeneral();
    QWidget *BuildDocs();
    QWidget *BuildPrices();
    void SetState(int state);
    void Changed();
    QList<TksEdit *> TextEdits() const;

    TSaveCallback<RSupplier> m_save;
    std::function<bool(int)> m_remove;
    RSupplier m_supplier;
    int m_lastShownId = 0;      // the last supplier shown with an Id, for "取消"
    int m_state = stNew;
    bool m_filling = false;
    QPointer<QWidget> m_goodsPicker;
};
