#include "masterdata/ui/WareListFrm.h"

#include "config/Operator.h"
#include "data/Exceptions.h"
#include "data/Messages.h"
#include "grids/ui/DBGrid.h"
#include "grids/ui/ksComboBox.h"
#include "masterdata/ui/Lookups.h"
#include "masterdata/ui/ViewList.h"
#include "masterdata/ui/WarecataTree.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TWareListFrm::TWareListFrm(QWidget *owner)
    : TInfoListFrm(owner, std::make_unique<TWareList>(), QStringLiteral("货物资料"), 1114,
                   QStringLiteral("WareListFrm"))
{
    setAttribute(Qt::WA_DeleteOnClose);
    QToolBar *bar = ToolBar();
    // The goods export through "设置"; the category commands stand first.
    if (QAction *exp = Action(QStringLiteral("导出")))
        bar->removeAction(exp);
    if (QAction *quit = Action(QStringLiteral("退出")))
        quit->setText(QStringLiteral("  退出  "));
    m_tree = new TWarecataTree(this);
    QAction *first = bar->actions().value(0);
    auto *cata = new QToolButton(bar);
    cata->setText(QStringLiteral("分类"));
    cata->setObjectName(QStringLiteral("btnCata"));
    cata->setPopupMode(QToolButton::InstantPopup);
    cata->setMenu(m_tree->CataMenu());
    bar->insertWidget(first, cata);
    QAction *move = new QAction(QStringLiteral("移动"), bar);
    bar->insertAction(first, move);
    bar->insertSeparator(first);
    connect(move, &QAction::triggered, this, [this] { Run([this] { MoveClick(); }); });

    // The grid moves beside the tree; the move panel takes the place of both.
    TDBGrid *grid = Grid();
    MainLayout()->removeWidget(grid);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_tree);
    splitter->addWidget(grid);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 800});
    auto *listPage = new QWidget(this);
    auto *listLayout = new QVBoxLayout(listPage);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(0);
    TWareList *w = Wares();
    listLayout->addWidget(CreateSearchRow({w->LookIdFld, w->CodeFld, w->NameFld, w->PartNoFld,
                                           w->BrandFld, w->PackageFld, w->S11Fld, w->S08Fld,
                                           w->S09Fld, w->S10Fld, w->BarcodeFld, w->UnitFld},
                                          1));
    listLayout->addWidget(splitter, 1);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(listPage);
    m_pages->addWidget(CreateMovePanel());
    MainLayout()->addWidget(m_pages, 1);

    m_setupMenu = new QMenu(this);
    m_setupMenu->addAction(grid->ActionColVisible);
    m_setupMenu->addAction(grid->ActionTableStyleSave);
    m_setupMenu->addSeparator();
    m_setupMenu->addAction(grid->ActionExport2Excel);
    m_setupMenu->addAction(grid->ActionExport2Html);

    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    resize(screen.width() - 100, qMax(480, screen.height() * 3 / 4));
    connect(m_tree, &TWarecataTree::Changed, this, &TWareListFrm::CategoryChanged);
    // Saved categories may carry new codes: the goods' codes must be read again.
    connect(m_tree, &TWarecataTree::CategoriesEdited, this, &TWareListFrm::LoadGoods);
    m_tree->LoadBrowse();
}

TWareList *TWareListFrm::Wares() const
{
    return static_cast<TWareList *>(List());
}

QWidget *TWareListFrm::CreateMovePanel()
{
    auto *page = new QWidget(this);
    auto *box = new QGroupBox(QStringLiteral("将某分类下的货品记录移动到另一个分类"), page);
    box->setFixedWidth(460);
    m_from = new TLookupEdit(TLookupEditKind::Category, box);
    m_from->setObjectName(QStringLiteral("edtFrom"));
    m_to = new TLookupEdit(TLookupEditKind::Category, box);
    m_to->setObjectName(QStringLiteral("edtTo"));
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setVerticalSpacing(10);
    int row = 0;
    for (auto [caption, edit] : {std::pair{QStringLiteral("原分类"), m_from},
                                 std::pair{QStringLiteral("移动到"), m_to}}) {
        edit->setReadOnly(true);
        auto *pick = new QPushButton(QStringLiteral("选择"), box);
        connect(pick, &QPushButton::clicked, this, [this, e = edit] { PickInto(e); });
        grid->addWidget(new QLabel(caption, box), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(pick, row, 2);
        ++row;
    }
    auto *hint = new QLabel(QStringLiteral("如果是未分类的货品则不用选择"), box);
    hint->setStyleSheet(QStringLiteral("color: #606060;"));
    grid->addWidget(hint, row++, 1, 1, 2);
    auto *ok = new QPushButton(QStringLiteral("确定"), box);
    ok->setObjectName(QStringLiteral("btnMoveOk"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), box);
    cancel->setObjectName(QStringLiteral("btnMoveCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, row, 0, 1, 3);
    connect(ok, &QPushButton::clicked, this, &TWareListFrm::MoveGoods);
    connect(cancel, &QPushButton::clicked, this, &TWareListFrm::CloseMovePanel);
    auto *layout = new QVBoxLayout(page);
    layout->addSpacing(40);
    layout->addWidget(box, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

void TWareListFrm::PickInto(TLookupEdit *edit)
{
    // Only real categories: an empty source already stands for the uncategorised goods.
    PickCategory(this, edit->Cata().Code, TCataTreeMode::Edit,
                 [edit](const RWareCata &cata) { return edit->AcceptCata(cata); });
}

void TWareListFrm::LoadGoods()
{
    Wares()->Where()->Clear();
    Wares()->Load();
}

void TWareListFrm::CategoryChanged(const RWareCata &cata)
{
    // The category replaces the keyword's filter; the box says so by emptying.
    {
        const QSignalBlocker blocker(KeywordEdit());
        KeywordEdit()->clear();
    }
    Wares()->FilterByCategory(cata.Code);
    Wares()->DefaultCategory = cata;
}

void TWareListFrm::MoveClick()
{
    CheckRight(1014);
    m_from->ClearHeld();
    m_to->ClearHeld();
    ToolBar()->setEnabled(false);
    m_pages->setCurrentIndex(1);
}

void TWareListFrm::CloseMovePanel()
{
    m_pages->setCurrentIndex(0);
    ToolBar()->setEnabled(true);
}

bool TWareListFrm::MoveGoods()
{
    QString message;
    const int moved = TWareSet::ReassignCategory(m_from->Cata(), m_to->Cata(), &message);
    if (moved < 0) {
        ShowWarning(message);
        return false;
    }
    if (moved == 0)
        ShowInfo(QStringLiteral("操作完成, 但没有任何记录被改变."));
    else
        ShowInfo(QStringLiteral("操作成功, 总共移动 %1 条记录.").arg(moved));
    LoadGoods();
    CloseMovePanel();
    return true;
}

void TWareListFrm::SetupClick()
{
    QAction *setup = Action(QStringLiteral("设置"));
    QWidget *button = setup ? ToolBar()->widgetForAction(setup) : ToolBar();
    m_setupMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}
