#pragma once

#include "shell/ui/aFrm.h"

#include <array>
#include <functional>

class QCheckBox;
class QHBoxLayout;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class TksDBGrid;
class TksEdit;
class TWareList;
class TWarecataTree;
struct RWare;
struct RWareCata;

// The arrival picker "选择": goods, order lines or plan lines to take into an arrival, one
// grid per mode, the category tree filtering the current grid. Enter or a double click hands
// the current row to the bill window; "自动隐藏" then hides the picker.
class TBuyPickerFrm : public TaFrm
{
    Q_OBJECT
public:
    enum TMode { pmOrders = 0, pmPlans = 1, pmOther = 2 };

    explicit TBuyPickerFrm(QWidget *owner);
    ~TBuyPickerFrm() override;

    // The bill window's supplier and department: the criteria of the order and plan lists.
    void SetSupplier(int id, const QString &name);
    void SetDept(int id);
    int SupplierId() const { return m_supplierId; }
    int DeptId() const { return m_deptId; }

    // Switches to a mode; one that is not available falls back to "其他到货".
    void SetMode(int mode);
    int Mode() const { return m_mode; }
    bool ModeAvailable(int mode) const;

    // One mode of the picker: its grid, created on first use, and what it does with the
    // category chosen in the tree and with the row taken. The order and plan modes come
    // with the order and plan lists.
    struct TPickMode
    {
        std::function<TksDBGrid *(QWidget *page)> Create;
        std::function<void(const RWareCata &cata)> FilterCategory;
        std::function<void()> Take;
    };
    void InstallMode(int mode, TPickMode pick);

    // The goods callback of the bill window.
    std::function<void(const RWare &)> OnWare;

    // Hands the current row of the current grid to the bill window.
    void TakeCurrent();
    TksDBGrid *CurrentGrid() const;
    TWareList *WareList() const { return m_wares; }

    QRadioButton *rbOrders;
    QRadioButton *rbPlans;
    QRadioButton *rbOther;
    TksEdit *edtSearch;             // "搜索(&L)"
    QToolButton *btnFilter;         // "..."
    QToolButton *btnOther;          // "其它 ▼"
    TWarecataTree *TreeView1;
    QCheckBox *chkAutoHide;         // "自动隐藏"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TModeSlot
    {
        TPickMode Pick;
        TksDBGrid *Grid = nullptr;
        QWidget *Page = nullptr;
    };
    QHBoxLayout *CreateTopBar();
    void InstallGoodsMode();
    TksDBGrid *EnsureGrid(int mode);
    void CategoryChanged(const RWareCata &cata);
    QRadioButton *ModeButton(int mode) const;

    std::array<TModeSlot, 3> m_modes;
    QStackedWidget *m_pages = nullptr;
    TWareList *m_wares = nullptr;
    int m_mode = pmOther;
    int m_supplierId = 0;
    int m_deptId = 0;
    QString m_supplierName;
};
