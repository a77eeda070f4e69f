#include "masterdata/ui/PickerFrm.h"

#include "grids/ui/DBGrid.h"
#include "grids/ui/ksPopupMenu.h"
#include "masterdata/ui/ViewList.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPickerFrm::TPickerFrm(QWidget *owner, IViewList *list, int layoutId)
    : TaFrm(owner, QStringLiteral("PickerFrm"), Qt::Dialog), m_list(list)
{
    setWindowTitle(QStringLiteral("选择"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("edtSearch"));
    m_search->setClearButtonEnabled(true);
    auto *filter = new QPushButton(QStringLiteral("..."), this);
    filter->setObjectName(QStringLiteral("btnFilter"));
    filter->setToolTip(QStringLiteral("过滤"));
    filter->setFixedWidth(28);
    auto *setup = new QPushButton(QStringLiteral("设置 ▼"), this);
    setup->setObjectName(QStringLiteral("btnSetup"));

    m_grid = new TDBGrid(this);
    m_grid->setObjectName(QStringLiteral("grdList"));
    m_grid->SetLayoutId(layoutId);
    if (m_list)
        m_grid->SetDataSet(m_list->ListSet());

    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    m_new = new QPushButton(QStringLiteral("新添"), this);
    m_new->setObjectName(QStringLiteral("btnNew"));
    m_new->setEnabled(m_list != nullptr);
    // Enter belongs to the search box and the grid, not to a default button.
    for (QPushButton *b : {filter, setup, m_ok, cancel, m_new})
        b->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("搜索"), this));
    top->addWidget(m_search, 1);
    top->addWidget(filter);
    top->addWidget(setup);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_new);
    bottom->addStretch();
    bottom->addWidget(m_ok);
    bottom->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
    resize(640, 420);

    BuildMenu();
    connect(m_search, &QLineEdit::textChanged, m_grid, &TksDBGrid::QuickFilter);
    connect(filter, &QPushButton::clicked, m_grid, &TksDBGrid::FilterClick);
    connect(setup, &QPushButton::clicked, this,
            [this, setup] { m_grid->PopupButtonClick(setup); });
    connect(m_ok, &QPushButton::clicked, this, &TPickerFrm::AcceptCurrent);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_new, &QPushButton::clicked, this, &TPickerFrm::AddClick);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TPickerFrm::AcceptCurrent);
    m_search->setFocus();
}

void TPickerFrm::BuildMenu()
{
    if (!m_list)
        return;
    // Added at the top in reverse, so that the menu reads 添加, 修改, 删除 above the grid's own.
    QMenu *menu = m_grid->PopupMenuKs();
    TksPopupMenu::AddSeparator(menu, 0);
    TksPopupMenu::AddCommandItem(menu, QStringLiteral("删除"), true,
                                 [this] { m_list->DeleteItem(this); }, this);
    TksPopupMenu::AddCommandItem(menu, QStringLiteral("修改"), true,
                                 [this] { m_list->EditItem(this); }, this);
    TksPopupMenu::AddCommandItem(menu, QStringLiteral("添加"), true,
                                 [this] { AddClick(); }, this);
}

void TPickerFrm::AddClick()
{
    if (m_list)
        m_list->AddItem(this);
}

void TPickerFrm::AcceptCurrent()
{
    if (!m_list || m_list->PickCurrent())
        accept();
}

bool TPickerFrm::PreviewKey(QKeyEvent *event)
{
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    QWidget *focus = focusWidget();
    if (focus == m_search && (key == Qt::Key_Down || enter)) {
        m_grid->setFocus();
        return true;
    }
    if (focus == m_grid && enter) {
        AcceptCurrent();
        return true;
    }
    return TaFrm::PreviewKey(event);
}

bool TPickerFrm::Pick(QWidget *owner, IViewList &list, int layoutId)
{
    TPickerFrm picker(owner, &list, layoutId);
    return picker.exec() == QDialog::Accepted;
}
