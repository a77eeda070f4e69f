#include "masterdata/ui/InfoListFrm.h"
#include <QApplication>
#include "data/DataSet.h"
#include "grids/ui/ksComboBox.h"
#include <QLineEdit>
#include <QLabel>
#include <QHBoxLayout>

#include "data/Exceptions.h"
#include "grids/ui/DBGrid.h"
#include "masterdata/ui/ViewList.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TInfoListFrm::TInfoListFrm(QWidget *owner, std::unique_ptr<IViewList> list, const QString &title,
                           int layoutId, const QString &name)
    : TWinFrm(owner, name), m_list(std::move(list))
{
    setWindowTitle(title);
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto add = [this](const QString &caption, void (TInfoListFrm::*slot)()) {
        QAction *a = m_toolBar->addAction(caption);
        connect(a, &QAction::triggered, this,
                [this, slot] { Run([this, slot] { (this->*slot)(); }); });
        return a;
    };
    m_grid = new TDBGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->SetLayoutId(layoutId);
    m_grid->SetDataSet(m_list->ListSet());

    add(QStringLiteral("添加"), &TInfoListFrm::AddClick);
    add(QStringLiteral("修改"), &TInfoListFrm::EditClick);
    add(QStringLiteral("删除"), &TInfoListFrm::DeleteClick);
    m_toolBar->addSeparator();
    add(QStringLiteral("刷新"), &TInfoListFrm::RefreshClick);
    // Goods, suppliers and employees are imported by the wizard; until it is installed their
    // 导入 stays disabled. The other tables answer that they are entered by hand.
    add(QStringLiteral("导入"), &TInfoListFrm::ImportClick)->setEnabled(m_list->CanImport());
    QAction *exp = m_toolBar->addAction(QStringLiteral("导出"));
    connect(exp, &QAction::triggered, this, [this] { Run([this] { m_grid->ExportClick(); }); });
    add(QStringLiteral("打印"), &TInfoListFrm::PrintClick);
    QAction *sort = m_toolBar->addAction(QStringLiteral("排序"));
    connect(sort, &QAction::triggered, this, [this] { Run([this] { m_grid->SortClick(); }); });
    add(QStringLiteral("设置"), &TInfoListFrm::SetupClick);
    m_toolBar->addSeparator();
    QAction *quit = m_toolBar->addAction(QStringLiteral(" 退出 "));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_toolBar);
    m_layout->addWidget(m_grid, 1);
    resize(720, 460);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] {
        Run([this] { EditClick(); });
    });
}

TInfoListFrm::~TInfoListFrm()
{
    // The grid reads the list's data set: unbind it before the list goes.
    m_grid->SetDataSet(nullptr);
}

QString TInfoListFrm::TitleOf(TInfoKind kind)
{
    switch (kind) {
    case TInfoKind::PlanTypes: return QStringLiteral("计划类别");
    case TInfoKind::OrderTypes: return QStringLiteral("订单类别");
    case TInfoKind::ShldoutItems: return QStringLiteral("应付项目");
    case TInfoKind::Banks: return QStringLiteral("账户设置");
    case TInfoKind::Houses: return QStringLiteral("仓库");
    case TInfoKind::Employees: return QStringLiteral("职员");
    }
    return QString();
}

int TInfoListFrm::LayoutOf(TInfoKind kind)
{
    switch (kind) {
    case TInfoKind::PlanTypes: return 1287;
    case TInfoKind::OrderTypes: return 1286;
    case TInfoKind::ShldoutItems: return 1273;
    case TInfoKind::Banks: return 1248;
    case TInfoKind::Houses: return 2201;
    case TInfoKind::Employees: return 1099;
    }
    return 0;
}

namespace {
std::unique_ptr<IViewList> ListOf(TInfoKind kind)
{
    switch (kind) {
    case TInfoKind::PlanTypes: return std::make_unique<TbuPlanTypeList>();
    case TInfoKind::OrderTypes: return std::make_unique<TbuOrderTypeList>();
    case TInfoKind::ShldoutItems: return std::make_unique<TShldoutItemList>();
    case TInfoKind::Banks: return std::make_unique<TBankList>();
    case TInfoKind::Houses: return std::make_unique<THouseList>();
    case TInfoKind::Employees: return std::make_unique<TEmployeeList>();
    }
    return nullptr;
}
} // namespace

TInfoListFrm *TInfoListFrm::Create(QWidget *owner, TInfoKind kind)
{
    std::unique_ptr<IViewList> list = ListOf(kind);
    list->Refresh();
    return new TInfoListFrm(owner, std::move(list), TitleOf(kind), LayoutOf(kind));
}

QAction *TInfoListFrm::Action(const QString &caption) const
{
    for (QAction *a : m_toolBar->actions())
        if (!a->isSeparator() && a->text().trimmed() == caption.trimmed())
            return a;
    return nullptr;
}

void TInfoListFrm::Run(const std::function<void()> &command)
{
    try {
        command();
    } catch (const EAbort &) {
        // The refusal was shown where the right was checked.
    }
}

void TInfoListFrm::AddClick()
{
    m_list->AddItem(this);
}

void TInfoListFrm::EditClick()
{
    m_list->EditItem(this);
}

void TInfoListFrm::DeleteClick()
{
    m_list->DeleteItem(this);
}

void TInfoListFrm::RefreshClick()
{
    m_list->Refresh();
}

void TInfoListFrm::ImportClick()
{
    m_list->ImportItems(this);
}

void TInfoListFrm::PrintClick()
{
    m_list->PrintList(this);
}

void TInfoListFrm::SetupClick()
{
    QAction *setup = Action(QStringLiteral("设置"));
    m_grid->PopupButtonClick(setup ? m_toolBar->widgetForAction(setup) : m_toolBar);
}

bool TInfoListFrm::ShowOpen(const QString &title)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<TInfoListFrm *>(w);
        if (window && window->isVisible() && window->windowTitle() == title) {
            if (window->isMinimized())
                window->showNormal();
            window->raise();
            window->activateWindow();
            return true;
        }
    }
    return false;
}

void OpenInfoList(QWidget *owner, TInfoKind kind)
{
    if (TInfoListFrm::ShowOpen(TInfoListFrm::TitleOf(kind)))
        return;
    TInfoListFrm *window = TInfoListFrm::Create(owner, kind);
    window->show();
    window->raise();
}

QWidget *TInfoListFrm::CreateSearchRow(const QList<TField *> &fields, int selected)
{
    auto *row = new QWidget(this);
    m_field = new TksComboBox(row);
    m_field->setObjectName(QStringLiteral("cmbField"));
    for (TField *f : fields)
        m_field->addItem(f->Label(), f->FieldName);
    m_field->setCurrentIndex(selected);
    m_keyword = new QLineEdit(row);
    m_keyword->setObjectName(QStringLiteral("edtKeyword"));
    m_keyword->setClearButtonEnabled(true);
    m_keyword->setMinimumWidth(200);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(new QLabel(QStringLiteral("搜索"), row));
    layout->addWidget(m_field);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("关键字"), row));
    layout->addWidget(m_keyword);
    layout->addStretch();
    connect(m_keyword, &QLineEdit::textChanged, this, &TInfoListFrm::ApplyKeyword);
    connect(m_field, &QComboBox::currentIndexChanged, this, &TInfoListFrm::ApplyKeyword);
    return row;
}

void TInfoListFrm::ApplyKeyword()
{
    TDataSet *data = m_list->ListSet();
    data->ClearFilter();
    const QString keyword = m_keyword->text();
    if (keyword.isEmpty() || m_field->currentIndex() < 0)
        return;
    const int column = data->FieldByName(m_field->currentData().toString())->Index();
    data->SetFilter([column, keyword](const TDataSet &set, int rowId) {
        return set.StoredValue(rowId, column).toString().contains(keyword, Qt::CaseInsensitive);
    });
}
