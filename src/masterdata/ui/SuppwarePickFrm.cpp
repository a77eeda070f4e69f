#include "masterdata/ui/SuppwarePickFrm.h"

#include "config/KeyValue.h"
#include "config/KeyValue2.h"
#include "data/Exceptions.h"
#include "grids/ui/DBGrid.h"
#include "grids/ui/ksPopupMenu.h"
#include "masterdata/ui/ViewList.h"
#include "masterdata/ui/WarecataTree.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
// Add, edit and delete end quietly when the operator lacks the right.
void Guarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const EAbort &) {
    }
}
} // namespace

TSuppwarePickFrm::TSuppwarePickFrm(QWidget *owner, TWareCallback accept)
    : TaFrm(owner, QStringLiteral("SuppwarePickFrm"), Qt::Tool),
      m_wares(std::make_unique<TWareList>()), m_accept(std::move(accept))
{
    setWindowTitle(QStringLiteral("选择"));
    PlaceAtCursorOnShow = false;
    m_tree = new TWarecataTree(this);
    m_grid = new TDBGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->SetLayoutId(1289);
    m_grid->SetDataSet(m_wares->DataSet());
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("edtSearch"));
    m_search->setClearButtonEnabled(true);
    m_autoHide = new QCheckBox(QStringLiteral("自动隐藏"), this);
    m_autoHide->setChecked(TheKeyValue2().GetBool(skPickerAutoHide));
    m_status = new QLabel(this);
    auto *hint = new QLabel(
        QStringLiteral("提示: 在表格中用上下键移动记录,回车或双击选入"), this);
    hint->setStyleSheet(QStringLiteral("color: #606060;"));

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("搜索(F3)"), this));
    top->addWidget(m_search, 1);
    top->addWidget(m_autoHide);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_grid);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 600});
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(hint, 1);
    bottom->addWidget(m_status);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);
    resize(780, 500);
    BuildPopup();

    m_tree->LoadBrowse();
    connect(m_tree, &TWarecataTree::Changed, this, [this](const RWareCata &cata) {
        m_wares->DefaultCategory = cata;
        if (m_loaded)
            m_wares->FilterByCategory(cata.Code);
    });
    connect(m_tree, &TWarecataTree::CategoriesEdited, this, [this] {
        if (m_loaded)
            LoadWares();
    });
    connect(m_search, &QLineEdit::textChanged, m_grid, &TksDBGrid::QuickFilter);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TSuppwarePickFrm::AcceptCurrent);
}

TSuppwarePickFrm::~TSuppwarePickFrm()
{
    TheKeyValue2().SetBool(skPickerAutoHide, m_autoHide->isChecked());
    m_grid->SetDataSet(nullptr);
}

void TSuppwarePickFrm::BuildPopup()
{
    TksPopupMenu *menu = m_grid->PopupMenuKs();
    // Added at the top one after the other: the last stands first.
    TksPopupMenu::AddSeparator(menu, 0);
    TksPopupMenu::AddCommandItem(menu, QStringLiteral("删除..."), true, [this] {
        Guarded([this] { m_wares->DeleteItem(this); });
    }, this);
    TksPopupMenu::AddSeparator(menu, 0);
    TksPopupMenu::AddCommandItem(menu, QStringLiteral("修改"), true, [this] {
        Guarded([this] { m_wares->EditItem(this); });
    }, this);
    TksPopupMenu::AddCommandItem(menu, QStringLiteral("新增"), true, [this] {
        Guarded([this] { m_wares->AddItem(this); });
    }, this);
}

QRect TSuppwarePickFrm::Placement(const QRect &owner, const QRect &screen, int width)
{
    const int height = 500;
    return {owner.left() + 150, screen.bottom() + 1 - 30 - height, width, height};
}

void TSuppwarePickFrm::showEvent(QShowEvent *event)
{
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    const QRect place = Placement(owner ? owner->frameGeometry() : screen, screen, width());
    setGeometry(place);
    TaFrm::showEvent(event);
    if (!m_loaded)
        LoadWares();
    m_search->setFocus();
}

void TSuppwarePickFrm::LoadWares()
{
    m_status->setText(QStringLiteral("正在查询数据,请稍候..."));
    m_status->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        m_wares->Where()->Clear();
        m_wares->Load();
    } catch (...) {
        QApplication::restoreOverrideCursor();
        m_status->clear();
        throw;
    }
    QApplication::restoreOverrideCursor();
    m_loaded = true;
    m_wares->FilterByCategory(m_tree->Selected().Code);
    m_status->setText(QStringLiteral("共 %1 条").arg(m_wares->DataSet()->RecordCount()));
}

bool TSuppwarePickFrm::AcceptCurrent()
{
    TDataSet *data = m_wares->DataSet();
    if (!data->Active() || data->IsEmpty() || !m_accept)
        return false;
    if (!m_accept(m_wares->AsData()))
        return false;
    if (m_autoHide->isChecked())
        hide();
    return true;
}

bool TSuppwarePickFrm::PreviewKey(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_F3) {
        m_search->setFocus();
        m_search->selectAll();
        return true;
    }
    if (focusWidget() == m_search && key == Qt::Key_Down) {
        m_grid->setFocus();
        return true;
    }
    if (focusWidget() == m_grid && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        AcceptCurrent();
        return true;
    }
    return TaFrm::PreviewKey(event);
}
