#include "shell/ui/MainBuFrm.h"

#include "config/Operator.h"
#include "data/KeyValueSet.h"
#include "data/Labels.h"
#include "data/Messages.h"
#include "data/OperatorMenus.h"
#include "shell/ui/AboutFrm.h"
#include "shell/ui/ActionListView.h"
#include "shell/ui/AppInfo.h"
#include "shell/ui/Forms.h"
#include "shell/ui/Link.h"
#include "shell/ui/Mall.h"
#include "shell/ui/PictureButton.h"
#include "shell/ui/PubApplication.h"
#include "shell/ui/TipsFrm.h"
#include "shell/ui/ToolsFrm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>
#include <QVBoxLayout>

// One entry of the main menu or the desktop: its right, and the window it opens through the
// launcher (a named window, or a bill kind).
struct TmainBuFrm::TActionDef
{
    const char *Name;
    const char *Caption;
    const char *Hint;
    int Right;          // 0: none; -1: the operator sa only
    const char *Window; // launcher name
    int Kind;           // bill kind, -1 when the item opens a named window
};

namespace {
constexpr int NoKind = -1;
constexpr int SaOnly = -1;

struct TDefs
{
    const char *Name, *Caption, *Hint;
    int Right;
    const char *Window;
    int Kind;
};

const TDefs ActionDefs[] = {
    {"WareAction1", "货品", "货品资料添加、修改、删除、打印等", 1014, "OpenWareList", NoKind},
    {"SupplierAction1", "供应商", "供应商资料添加、修改、删除、打印等", 1010, "OpenSuppliers",
     NoKind},
    {"DeptAction1", "部门", "部门或店铺设置", 2013, "OpenWarehouses", NoKind},
    {"EmployeeAction1", "职员", "职员资料添加、修改、删除、打印等", 1011, "OpenEmployees",
     NoKind},
    {"BankAction1", "账户", "现金银行帐户设置", 1052, "OpenBanks", NoKind},
    {"ShldoutItemAction1", "应付项目", "其他应付项目设置", 1062, "OpenShldoutItems", NoKind},
    {"PlanBillAction1", "采购计划", "根据生产需要制定采购计划(任务)", 0, nullptr, 4},
    {"PlanDetailsAction1", "计划执行", "", 1060, "OpenPlanReports", NoKind},
    {"PlanSumAction1", "计划执行汇总表", "", 1060, "OpenPlanSum", NoKind},
    {"AppBillAction1", "采购申请", "", 0, nullptr, 6},
    {"AppDetailsAction1", "申请执行", "", 1065, "OpenAppReports", NoKind},
    // The task window opens for everybody; its first search asks for 1065.
    {"AppMissionAction1", "我的任务", "", 0, "OpenMissions", NoKind},
    {"InquiryBillAction1", "采购询价", "采购员对采购货物进行询价、报价录入", 0, nullptr, 5},
    {"OrderBillAction1", "采购订单", "", 0, nullptr, 0},
    {"ArriveBillAction1", "采购收货", "采购到货录入、查找、修改、打印等", 0, nullptr, 1},
    {"InvoiceBillAction1", "采购发票", "", 0, nullptr, 7},
    {"InquiryDetailsAction1", "询价查询表", "", 1061, "OpenInquiryReports", NoKind},
    {"OrderDetailsAction1", "订单执行", "", 1053, "OpenOrderReports", NoKind},
    {"OrderSumAction1", "订单汇总", "", 1053, "OpenOrderSum", NoKind},
    {"ArriveDetailsAction1", "采购收货报表", "", 1036, "OpenBuyReports", NoKind},
    {"ArriveSumAction1", "采购收货汇总表", "", 0, "OpenBuySums", NoKind},
    {"ArrivePriceAction1", "采购收货价格表", "", 1036, "OpenBuyPrices", NoKind},
    {"PaymentBillAction1", "采购付款", "付款单录入、查找、修改、打印等", 0, nullptr, 2},
    {"ShldoutBillAction1", "其他应付", "", 0, nullptr, 3},
    {"ShldoutFundAction1", "应付款汇总", "", 1029, "OpenShldoutFund", NoKind},
    {"ShldoutBookAction1", "应付款对账单", "", 1029, "OpenShldoutBook", NoKind},
    {"ByQuaBillAction1", "采购质检", "", 0, nullptr, 8},
    // Menu items without an icon.
    {"CompanyAction1", "公司信息", "", 10000, "OpenCompany", NoKind},
    {"OperatorsAction1", "操作员及权限", "", 100001, "OpenOperators", NoKind},
    {"OptionsAction1", "选项", "", 1008, "OpenOptions", NoKind},
    {"BackupAction1", "备份设置与恢复", "", 10005, "OpenBackup", NoKind},
    {"InitDataAction1", "初始化数据...", "", 1009, "OpenInitData", NoKind},
    {"UpgradeAction1", "从旧版本升级", "", SaOnly, "OpenUpgrade", NoKind},
    {"ChangePasswordAction1", "更改我的密码", "", 0, "ChangePassword", NoKind},
    {"CataAssignAction1", "采购分配", "", 1069, "OpenCataAssign", NoKind},
    {"PlanTypesAction1", "计划类别", "", 1008, "OpenPlanTypes", NoKind},
    {"OrderTypesAction1", "订单类别", "", 1008, "OpenOrderTypes", NoKind},
    {"PriceManagerAction1", "采购定价", "", 1063, "OpenPriceManager", NoKind},
};

// The system's upgrade from an old version is switched off.
constexpr bool UpgradeEnabled = false;

const char *const MasterStrip[] = {"SupplierAction1", "WareAction1", "EmployeeAction1",
                                   "DeptAction1", "BankAction1"};
constexpr int LayoutX0 = 24, LayoutY0 = 18, LayoutDX = 104, LayoutDY = 84;

const QString ReadyHint = QStringLiteral("请从桌面或菜单中选择您要的操作。");
} // namespace

const QStringList &TmainBuFrm::DesktopActionNames()
{
    static const QStringList names = {
        "PlanBillAction1", "PlanDetailsAction1", "PlanSumAction1", "AppBillAction1",
        "AppDetailsAction1", "AppMissionAction1", "InquiryBillAction1", "OrderBillAction1",
        "ArriveBillAction1", "InvoiceBillAction1", "InquiryDetailsAction1",
        "OrderDetailsAction1", "OrderSumAction1", "ArriveDetailsAction1", "ArriveSumAction1",
        "ArrivePriceAction1", "ByQuaBillAction1", "PaymentBillAction1", "ShldoutBillAction1",
        "ShldoutFundAction1", "ShldoutBookAction1"};
    return names;
}

QString TmainBuFrm::DefaultLayout()
{
    // One row per stage of the business: plans and applications, inquiries and orders,
    // arrivals with their inspection and invoice, payables.
    static const QList<QStringList> rows = {
        {"PlanBillAction1", "PlanDetailsAction1", "PlanSumAction1", "AppBillAction1",
         "AppDetailsAction1", "AppMissionAction1"},
        {"InquiryBillAction1", "InquiryDetailsAction1", "OrderBillAction1", "OrderDetailsAction1",
         "OrderSumAction1"},
        {"ArriveBillAction1", "ArriveDetailsAction1", "ArriveSumAction1", "ArrivePriceAction1",
         "ByQuaBillAction1", "InvoiceBillAction1"},
        {"PaymentBillAction1", "ShldoutBillAction1", "ShldoutFundAction1", "ShldoutBookAction1"}};
    QStringList lines;
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            lines << QStringLiteral("%1=%2,%3").arg(rows[r][c]).arg(LayoutX0 + c * LayoutDX)
                         .arg(LayoutY0 + r * LayoutDY);
    return lines.join(QStringLiteral("\r\n"));
}

TmainBuFrm::TmainBuFrm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mainBuFrm"));
    setFont(ProgramFont());
    setWindowTitle(QStringLiteral("%1 - %2").arg(AppTitle(), VersionText()));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/logo.png")));
    Arguments = QApplication::arguments().mid(1);
    CreateActions();
    CreateMenus();
    CreateDesktops();
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateBanner());
    layout->addWidget(CreateNavigation());
    layout->addWidget(ListView1, 1);
    auto *stripTitle = new QLabel(QStringLiteral("  基础资料"), central);
    stripTitle->setObjectName(QStringLiteral("StripTitle"));
    stripTitle->setStyleSheet(QStringLiteral(
        "#StripTitle{background:#e4ebf4;color:#1d4f8c;font-weight:bold;padding:3px;"
        "border-top:1px solid #b9c6d8;}"));
    layout->addWidget(stripTitle);
    layout->addWidget(ListView2);
    layout->addWidget(CreateBottom());
    setCentralWidget(central);
    resize(1024, 700);
    BuildToolsMenu();
    RenameCaptions();
    UpdateActionStates();
    setWindowState(windowState() | Qt::WindowMaximized);
}

TmainBuFrm::~TmainBuFrm() = default;

void TmainBuFrm::CreateActions()
{
    for (const TDefs &d : ActionDefs) {
        auto *action = new QAction(QString::fromUtf8(d.Caption), this);
        action->setObjectName(QString::fromLatin1(d.Name));
        action->setStatusTip(QString::fromUtf8(d.Hint));
        const QString icon = QStringLiteral(":/pictures/icons/%1.png").arg(action->objectName());
        if (QFileInfo::exists(icon))
            action->setIcon(QIcon(icon));
        const TActionDef def{d.Name, d.Caption, d.Hint, d.Right, d.Window, d.Kind};
        // Errors stop here, not inside the toolkit's action code, and go to the handler.
        connect(action, &QAction::triggered, this, [this, def] {
            try {
                RunDef(def);
            } catch (const std::exception &error) {
                HandleException(error);
            }
        });
        m_actions.insert(action->objectName(), action);
    }
    FindAction(QStringLiteral("UpgradeAction1"))->setVisible(UpgradeEnabled);
}

QAction *TmainBuFrm::FindAction(const QString &name) const
{
    return m_actions.value(name);
}

QList<QAction *> TmainBuFrm::DesktopActions() const
{
    QList<QAction *> list;
    for (const QString &name : DesktopActionNames())
        list << FindAction(name);
    return list;
}

void TmainBuFrm::RunDef(const TActionDef &def)
{
    if (def.Right == SaOnly)
        RequireSa();
    else if (def.Right > 0)
        CheckRight(def.Right);
    if (def.Kind >= 0)
        TheMall().OpenBill(def.Kind, this, -1);
    else if (def.Window)
        TheMall().Open(QString::fromLatin1(def.Window), this);
}

void TmainBuFrm::ExecuteAction(const QString &name)
{
    for (const TDefs &d : ActionDefs)
        if (name == QLatin1String(d.Name))
            RunDef({d.Name, d.Caption, d.Hint, d.Right, d.Window, d.Kind});
}

void TmainBuFrm::UpdateActionStates()
{
    for (const TDefs &d : ActionDefs) {
        QAction *action = FindAction(QString::fromLatin1(d.Name));
        const bool installed = d.Kind >= 0 ? TheMall().HasBill(d.Kind)
                                           : TheMall().Has(QString::fromLatin1(d.Window));
        action->setEnabled(installed);
    }
}

void TmainBuFrm::CreateMenus()
{
    auto add = [this](QMenu *menu, const char *name) { menu->addAction(FindAction(name)); };
    QMenu *file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    add(file, "CompanyAction1");
    add(file, "OperatorsAction1");
    file->addSeparator();
    add(file, "OptionsAction1");
    add(file, "BackupAction1");
    file->addSeparator();
    add(file, "InitDataAction1");
    add(file, "UpgradeAction1");
    file->addSeparator();
    QAction *relogin = file->addAction(QStringLiteral("重新登陆"));
    relogin->setObjectName(QStringLiteral("ReloginAction1"));
    connect(relogin, &QAction::triggered, this, [this] { DoLogin(false); });
    add(file, "ChangePasswordAction1");
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("退出系统"));
    exit->setObjectName(QStringLiteral("ExitAction1"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu *info = menuBar()->addMenu(QStringLiteral("资料(&I)"));
    for (const char *n : {"WareAction1", "SupplierAction1", "DeptAction1", "EmployeeAction1",
                          "CataAssignAction1"})
        add(info, n);
    info->addSeparator();
    for (const char *n : {"BankAction1", "ShldoutItemAction1", "PlanTypesAction1",
                          "OrderTypesAction1"})
        add(info, n);

    QMenu *plan = menuBar()->addMenu(QStringLiteral("计划(&B)"));
    for (const char *n : {"PlanBillAction1", "PlanDetailsAction1", "PlanSumAction1"})
        add(plan, n);
    plan->addSeparator();
    for (const char *n : {"AppBillAction1", "AppDetailsAction1", "AppMissionAction1"})
        add(plan, n);

    QMenu *business = menuBar()->addMenu(QStringLiteral("业务(&R)"));
    for (const char *n : {"InquiryBillAction1", "OrderBillAction1", "ArriveBillAction1",
                          "ByQuaBillAction1", "InvoiceBillAction1"})
        add(business, n);
    business->addSeparator();
    for (const char *n : {"InquiryDetailsAction1", "OrderDetailsAction1", "OrderSumAction1",
                          "ArriveDetailsAction1", "ArriveSumAction1", "ArrivePriceAction1"})
        add(business, n);

    QMenu *accounts = menuBar()->addMenu(QStringLiteral("帐务(&A)"));
    add(accounts, "PaymentBillAction1");
    add(accounts, "ShldoutBillAction1");
    accounts->addSeparator();
    add(accounts, "ShldoutFundAction1");
    add(accounts, "ShldoutBookAction1");

    QMenu *extend = menuBar()->addMenu(QStringLiteral("扩展(X)"));
    add(extend, "PriceManagerAction1");

    m_toolsMenu = menuBar()->addMenu(QStringLiteral("工具(&T)"));
    m_toolsMenu->setToolTipsVisible(true);
    m_toolsMenu->addAction(QStringLiteral("计事本"), this, [] { RunTextEditor(); });
    m_toolsMenu->addAction(QStringLiteral("计算器"), this, [] { RunCalculator(); });
    m_toolsMenu->addSeparator();
    QAction *setup = m_toolsMenu->addAction(QStringLiteral("设置工具..."));
    setup->setObjectName(QStringLiteral("ToolsSetupAction1"));
    connect(setup, &QAction::triggered, this, [this] {
        if (!HasRight(10007)) {
            TheOperator().CheckRight(10007, false);
            return;
        }
        TToolsFrm tools(this);
        tools.exec();
        BuildToolsMenu();
    });
    m_toolsMenu->addSeparator();

    QMenu *help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    help->addAction(QStringLiteral("帮助文件"), this, [this] { ShowHelpTopic("mainBu", this); });
    help->addAction(QStringLiteral("每日一贴"), this, [this] {
        TTipsFrm tips(this);
        tips.exec();
    });
    help->addAction(QStringLiteral("常见问题"), this, [this] { ShowHelpTopic("faq", this); });
    help->addSeparator();
    help->addAction(QStringLiteral("自述文件"), this, [this] { OpenShippedText("readme.txt"); });
    help->addAction(QStringLiteral("最新功能"), this,
                    [this] { OpenShippedText("whatsnew.txt"); });
    help->addSeparator();
    help->addAction(QStringLiteral("关于..."), this, [this] {
        TAboutFrm about(this);
        about.exec();
    });
}

void TmainBuFrm::OpenShippedText(const QString &name)
{
    const QString file = ProgramFile(name);
    if (!QFileInfo::exists(file)) {
        ShowInfo(QStringLiteral("没有找到文件 %1.").arg(file));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void TmainBuFrm::BuildToolsMenu()
{
    const QList<QAction *> items = m_toolsMenu->actions();
    for (int i = 5; i < items.size(); ++i) {
        m_toolsMenu->removeAction(items[i]);
        items[i]->deleteLater();
    }
    TLinkSet set;
    for (TDataSet *d = set.DataSet(); !d->Eof(); d->Next()) {
        QAction *item = m_toolsMenu->addAction(set.TitleFld->AsString());
        item->setStatusTip(set.NoteFld->AsString());
        item->setToolTip(set.NoteFld->AsString());
        item->setData(set.IdFld->AsInteger());
        connect(item, &QAction::triggered, this, [this, item] {
            TLink link;
            if (LoadLink(link, item->data().toInt()))
                RunLink(link, this);
        });
    }
}

void TmainBuFrm::RenameCaptions()
{
    const QString name = TLabels().GetLabel(QStringLiteral("InquiryBillName"));
    FindAction(QStringLiteral("InquiryBillAction1"))->setText(name);
    FindAction(QStringLiteral("InquiryDetailsAction1"))
        ->setText(QStringLiteral("%1明细表").arg(name));
}

QWidget *TmainBuFrm::CreateBanner()
{
    auto *banner = new QFrame(this);
    banner->setObjectName(QStringLiteral("Banner"));
    banner->setFixedHeight(72);
    banner->setStyleSheet(QStringLiteral(
        "#Banner{border-image:url(:/pictures/banner_bg.png) 0 0 0 0 stretch stretch;}"));
    auto *logo = new QLabel(banner);
    logo->setPixmap(TPictureButton::LoadPicture(QStringLiteral("logo")));
    auto *title = new TPictureButton(QStringLiteral("Title"), banner);
    title->setCursor(Qt::ArrowCursor);
    auto *version = new QLabel(VersionText(), banner);
    version->setObjectName(QStringLiteral("VersionLabel"));
    version->setStyleSheet(QStringLiteral("color:#7fe0d8;"));
    version->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    auto *exit = new TPictureButton(QStringLiteral("Z1001"), banner);
    exit->setToolTip(QStringLiteral("退出系统"));
    connect(exit, &TPictureButton::clicked, this, &QWidget::close);
    auto *layout = new QHBoxLayout(banner);
    layout->setContentsMargins(14, 6, 14, 6);
    layout->addWidget(logo);
    layout->addSpacing(8);
    layout->addWidget(title);
    layout->addWidget(version, 0, Qt::AlignBottom);
    layout->addStretch();
    layout->addWidget(exit, 0, Qt::AlignVCenter);
    return banner;
}

QWidget *TmainBuFrm::CreateNavigation()
{
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("NavBar"));
    bar->setFixedHeight(34);
    bar->setStyleSheet(QStringLiteral(
        "#NavBar{border-image:url(:/pictures/nav_bg.png) 0 0 0 0 stretch stretch;}"));
    m_buyButton = new TPictureButton(QStringLiteral("Z1005"), bar);
    m_buyButton->setToolTip(QStringLiteral("采购管理"));
    connect(m_buyButton, &TPictureButton::clicked, this, [this] {
        m_buyButton->SetHighlighted(true);
        RebuildDesktop();
    });
    auto *other = new TPictureButton(QStringLiteral("Z1006"), bar, false);
    other->setEnabled(false);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(12, 4, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_buyButton, 0, Qt::AlignBottom);
    layout->addWidget(other, 0, Qt::AlignBottom);
    layout->addStretch();
    return bar;
}

QWidget *TmainBuFrm::CreateBottom()
{
    auto *bottom = new QFrame(this);
    bottom->setObjectName(QStringLiteral("BottomPanel"));
    bottom->setFixedHeight(44);
    bottom->setStyleSheet(QStringLiteral(
        "#BottomPanel{border-image:url(:/pictures/bottom_bg.png) 0 0 0 0 stretch stretch;}"
        "QLabel{color:#707070;}"));
    Label8 = new QLabel(QStringLiteral("双击项目打开该窗体。"), bottom);
    Label9 = new QLabel(QStringLiteral("更多的信息请查阅帮助。"), bottom);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label9->setObjectName(QStringLiteral("Label9"));
    auto *layout = new QVBoxLayout(bottom);
    layout->setContentsMargins(16, 4, 16, 4);
    layout->setSpacing(2);
    layout->addWidget(Label8);
    layout->addWidget(Label9);
    return bottom;
}

void TmainBuFrm::CreateDesktops()
{
    ListView1 = new TActionListView(this, true);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView2 = new TActionListView(this, false);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setFixedHeight(88);
    ListView2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->setStyleSheet(QStringLiteral("QListView{background:white;}"));
    ListView2->setStyleSheet(QStringLiteral("QListView{background:#f7f9fc;}"));
    m_popup = new QMenu(this);
    for (TActionListView *view : {ListView1, ListView2}) {
        view->ActionFinder = [this](const QString &name) { return FindAction(name); };
        connect(view, &QListWidget::itemDoubleClicked, this,
                [view](QListWidgetItem *item) {
                    if (QAction *action = view->ActionOf(item))
                        action->trigger();
                });
        connect(view, &QListWidget::itemSelectionChanged, this,
                [this, view] { SelectionChanged(view); });
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint &pos) { ShowPopup(view, pos); });
    }
    for (const char *name : MasterStrip)
        ListView2->AddAction(FindAction(QString::fromLatin1(name)));
}

void TmainBuFrm::SelectionChanged(TActionListView *view)
{
    QListWidgetItem *item = view->currentItem();
    QAction *action = item && item->isSelected() ? view->ActionOf(item) : nullptr;
    if (!action) {
        Label9->setText(ReadyHint);
        return;
    }
    Label9->setText(action->statusTip().isEmpty() ? action->text() : action->statusTip());
}

void TmainBuFrm::ShowPopup(TActionListView *view, const QPoint &pos)
{
    const int selected = int(view->selectedItems().size());
    m_popup->clear();
    QAction *open = m_popup->addAction(QStringLiteral("打开"));
    open->setEnabled(selected == 1);
    connect(open, &QAction::triggered, this, [view] {
        if (QAction *action = view->ActionOf(view->selectedItems().value(0)))
            action->trigger();
    });
    QAction *remove = m_popup->addAction(QStringLiteral("从我的桌面中删除"));
    remove->setEnabled(selected >= 1 && view == ListView1);
    connect(remove, &QAction::triggered, view, &TActionListView::RemoveSelected);
    m_popup->addSeparator();
    QAction *top = m_popup->addAction(QStringLiteral("顶对齐"));
    top->setEnabled(selected >= 2 && view == ListView1);
    connect(top, &QAction::triggered, view, &TActionListView::AlignTop);
    QAction *left = m_popup->addAction(QStringLiteral("左对齐"));
    left->setEnabled(selected >= 2 && view == ListView1);
    connect(left, &QAction::triggered, view, &TActionListView::AlignLeft);
    m_popup->popup(view->viewport()->mapToGlobal(pos));
}

void TmainBuFrm::RebuildDesktop()
{
    ListView1->CapturePositions();
    ListView1->clear();
    for (QAction *action : DesktopActions())
        ListView1->AddAction(action);
    ListView1->doItemsLayout();
    ListView1->ApplyPositions();
}

bool TmainBuFrm::DoLogin(bool atStartup)
{
    bool ok = false;
    if (atStartup && Arguments.size() == 3 && LoginWithHook)
        ok = LoginWithHook(Arguments.at(0), Arguments.at(1));
    if (!ok)
        ok = LoginDialogHook && LoginDialogHook(this);
    if (!ok)
        return false;
    m_loginId = TheOperator().LoginId;
    QString menus = GetOperatorMenus(m_loginId);
    if (menus.trimmed().isEmpty())
        menus = DefaultLayout();
    ListView1->LoadLayout(DesktopActions(), menus);
    m_buyButton->SetHighlighted(true);
    UpdateActionStates();
    ListView1->clear();     // the new operator's places, not the ones shown before
    RebuildDesktop();
    Label9->setText(ReadyHint);
    return true;
}

void TmainBuFrm::SaveDesktop()
{
    if (m_loginId.isEmpty())
        return;
    ListView1->CapturePositions();
    SetOperatorMenus(m_loginId, ListView1->SaveLayout(GetOperatorMenus(m_loginId)));
}

void TmainBuFrm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(HelpTopicOf(this), this);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TmainBuFrm::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    m_closing = true;
    // Every other window first; each may ask its own questions, the exit goes on anyway.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
    QApplication::processEvents();
    hide();
    SaveDesktop();
    KeyData feedback;
    if (TheMall().Has(QStringLiteral("OpenFeedback")) && TKeyValueSet::ReadKey(0, feedback)
        && feedback.Vbool)
        TheMall().Open(QStringLiteral("OpenFeedback"), this);
    if (AfterClose)
        AfterClose();
    event->accept();
}
