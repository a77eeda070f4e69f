#include "purchasing/ui/BuyPickerFrm.h"

#include "config/KeyValue.h"
#include "config/KeyValue2.h"
#include "data/DataSet.h"
#include "data/Field.h"
#include "grids/ui/DBGrid.h"
#include "grids/ui/ksEdit.h"
#include "grids/ui/ksPopupMenu.h"
#include "masterdata/ui/ViewList.h"
#include "masterdata/ui/WarecataTree.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

TBuyPickerFrm::TBuyPickerFrm(QWidget *owner)
    : TaFrm(owner, QStringLiteral("BuyPickerFrm"), Qt::Window | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("选择"));
    PlaceAtCursorOnShow = false;
    QHBoxLayout *top = CreateTopBar();

    TreeView1 = new TWarecataTree(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->LoadBrowse();
    m_pages = new QStackedWidget(this);
    for (TModeSlot &slot : m_modes) {
        slot.Page = new QWidget(m_pages);
        auto *box = new QVBoxLayout(slot.Page);
        box->setContentsMargins(0, 0, 0, 0);
        m_pages->addWidget(slot.Page);
    }
    auto *splitter = new QSplitter(this);
    splitter->addWidget(TreeView1);
    splitter->addWidget(m_pages);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({170, 590});

    auto *hint = new QLabel(QStringLiteral("提示: 在表格中用上下键移动记录,回车或双击选入"), this);
    chkAutoHide = new QCheckBox(QStringLiteral("自动隐藏"), this);
    chkAutoHide->setObjectName(QStringLiteral("chkAutoHide"));
    chkAutoHide->setChecked(TheKeyValue2().GetBool(skPickerAutoHide));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(hint, 1);
    bottom->addWidget(chkAutoHide);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->addLayout(top);
    main->addWidget(splitter, 1);
    main->addLayout(bottom);
    resize(780, 400);

    InstallGoodsMode();
    connect(TreeView1, &TWarecataTree::Changed, this, &TBuyPickerFrm::CategoryChanged);
    SetMode(pmOther);
}

TBuyPickerFrm::~TBuyPickerFrm()
{
    TheKeyValue2().SetBool(skPickerAutoHide, chkAutoHide->isChecked());
}

QHBoxLayout *TBuyPickerFrm::CreateTopBar()
{
    rbOrders = new QRadioButton(QStringLiteral("订单到货"), this);
    rbPlans = new QRadioButton(QStringLiteral("计划到货"), this);
    rbOther = new QRadioButton(QStringLiteral("其他到货"), this);
    rbOrders->setObjectName(QStringLiteral("rbOrders"));
    rbPlans->setObjectName(QStringLiteral("rbPlans"));
    rbOther->setObjectName(QStringLiteral("rbOther"));
    auto *group = new QButtonGroup(this);
    group->addButton(rbOrders, pmOrders);
    group->addButton(rbPlans, pmPlans);
    group->addButton(rbOther, pmOther);
    connect(group, &QButtonGroup::idClicked, this, &TBuyPickerFrm::SetMode);

    auto *search = new QLabel(QStringLiteral("搜索(&L)"), this);
    edtSearch = new TksEdit(this);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    edtSearch->TabOnEnter = false;
    search->setBuddy(edtSearch);
    edtSearch->installEventFilter(this);
    connect(edtSearch, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (TksDBGrid *grid = CurrentGrid())
            grid->QuickFilter(text);
    });
    btnFilter = new QToolButton(this);
    btnFilter->setText(QStringLiteral("..."));
    connect(btnFilter, &QToolButton::clicked, this, [this] {
        if (TksDBGrid *grid = CurrentGrid())
            grid->FilterClick();
    });
    btnOther = new QToolButton(this);
    btnOther->setText(QStringLiteral("其它 ▼"));
    connect(btnOther, &QToolButton::clicked, this, [this] {
        if (TksDBGrid *grid = CurrentGrid())
            grid->PopupMenuKs()->popup(btnOther->mapToGlobal(QPoint(0, btnOther->height())));
    });

    auto *bar = new QHBoxLayout;
    for (QRadioButton *button : {rbOrders, rbPlans, rbOther})
        bar->addWidget(button);
    bar->addSpacing(16);
    bar->addWidget(search);
    bar->addWidget(edtSearch, 1);
    bar->addWidget(btnFilter);
    bar->addWidget(btnOther);
    return bar;
}

void TBuyPickerFrm::InstallGoodsMode()
{
    m_wares = new TWareList;
    m_wares->setParent(this);
    TPickMode goods;
    goods.Create = [this](QWidget *page) {
        m_wares->LoadAll();
        // Widths until the operator saves a layout of his own.
        const std::pair<const char *, int> widths[] = {
            {"Id", 4}, {"CataName", 10}, {"Code", 10}, {"Name", 18}, {"LookId", 8},
            {"PartNo", 12}, {"Unit", 4}};
        for (const auto &[name, chars] : widths)
            if (TField *field = m_wares->DataSet()->FindField(QLatin1String(name)))
                field->DisplayWidth = chars;
        auto *grid = new TDBGrid(page);
        grid->SetDataSet(m_wares->DataSet());
        grid->Tag = 1101;
        grid->SetLayoutId(1101);
        return grid;
    };
    goods.FilterCategory = [this](const RWareCata &cata) { m_wares->FilterByCategory(cata.Code); };
    goods.Take = [this] {
        if (OnWare && m_wares->DataSet()->Active() && !m_wares->DataSet()->IsEmpty())
            OnWare(m_wares->AsData());
    };
    InstallMode(pmOther, std::move(goods));
}

void TBuyPickerFrm::InstallMode(int mode, TPickMode pick)
{
    m_modes[size_t(mode)].Pick = std::move(pick);
    ModeButton(mode)->setEnabled(true);
}

bool TBuyPickerFrm::ModeAvailable(int mode) const
{
    return mode >= 0 && mode < int(m_modes.size()) && bool(m_modes[size_t(mode)].Pick.Create);
}

QRadioButton *TBuyPickerFrm::ModeButton(int mode) const
{
    return mode == pmOrders ? rbOrders : mode == pmPlans ? rbPlans : rbOther;
}

void TBuyPickerFrm::SetMode(int mode)
{
    // Order and plan lines join once their lists exist; until then goods only.
    for (int m = 0; m < int(m_modes.size()); ++m)
        ModeButton(m)->setEnabled(ModeAvailable(m));
    if (!ModeAvailable(mode))
        mode = pmOther;
    m_mode = mode;
    ModeButton(mode)->setChecked(true);
    TksDBGrid *grid = EnsureGrid(mode);
    m_pages->setCurrentIndex(mode);
    const RWareCata cata = TreeView1->Selected();
    if (cata.Id != -1)
        m_modes[size_t(mode)].Pick.FilterCategory(cata);
    grid->QuickFilter(edtSearch->text());
}

TksDBGrid *TBuyPickerFrm::EnsureGrid(int mode)
{
    TModeSlot &slot = m_modes[size_t(mode)];
    if (!slot.Grid) {
        slot.Grid = slot.Pick.Create(slot.Page);
        slot.Page->layout()->addWidget(slot.Grid);
        slot.Grid->installEventFilter(this);
        connect(slot.Grid, &QAbstractItemView::doubleClicked, this, &TBuyPickerFrm::TakeCurrent);
    }
    return slot.Grid;
}

TksDBGrid *TBuyPickerFrm::CurrentGrid() const
{
    return m_modes[size_t(m_mode)].Grid;
}

void TBuyPickerFrm::SetSupplier(int id, const QString &name)
{
    m_supplierId = id;
    m_supplierName = name;
}

void TBuyPickerFrm::SetDept(int id)
{
    m_deptId = id;
}

void TBuyPickerFrm::CategoryChanged(const RWareCata &cata)
{
    if (m_modes[size_t(m_mode)].Pick.FilterCategory)
        m_modes[size_t(m_mode)].Pick.FilterCategory(cata);
}

void TBuyPickerFrm::TakeCurrent()
{
    if (m_modes[size_t(m_mode)].Pick.Take)
        m_modes[size_t(m_mode)].Pick.Take();
    if (chkAutoHide->isChecked())
        hide();
}

bool TBuyPickerFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return TaFrm::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    TksDBGrid *grid = CurrentGrid();
    if (watched == edtSearch && key == Qt::Key_Down && grid && grid->DataSet()
        && grid->DataSet()->RecordCount() > 0) {
        grid->setFocus();
        return true;
    }
    if (watched == grid && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        TakeCurrent();
        return true;
    }
    return TaFrm::eventFilter(watched, event);
}
