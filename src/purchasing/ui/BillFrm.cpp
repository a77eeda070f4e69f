#include "purchasing/ui/BillFrm.h"

#include "config/Operator.h"
#include "data/DataSet.h"
#include "data/Messages.h"
#include "data/Utils.h"
#include "grids/ui/BillGrid.h"
#include "grids/ui/ksDateTimePicker.h"
#include "grids/ui/ksPopupMenu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Read-only bills are painted cream, as the read-only cells of the line grid.
const QColor ReadOnlyColor(255, 251, 240);

QString TimeText(const QVariant &value)
{
    return value.isNull() ? QString() : DateTimeText(value.toDateTime());
}
} // namespace

TBillFrm::TBillFrm(QWidget *owner, const TBillKindDecl &decl)
    : TWinFrm(owner, decl.Name), m_decl(decl)
{
    PlaceAtCursorOnShow = false;
    DBGrid1 = new TBillGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    CreateToolBar();

    m_title = new QLabel(m_decl.Title, this);
    QFont big = m_title->font();
    big.setPointSize(big.pointSize() + 7);
    big.setBold(true);
    m_title->setFont(big);
    m_title->setAlignment(Qt::AlignCenter);
    LblCode1 = new QLabel(this);
    LblCode1->setObjectName(QStringLiteral("LblCode1"));
    LblCode1->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    LblCode1->setMinimumWidth(160);
    QFont codeFont = LblCode1->font();
    codeFont.setPointSize(codeFont.pointSize() + 2);
    LblCode1->setFont(codeFont);
    LblCode1->setStyleSheet(QStringLiteral("color: #a00000"));
    ShowCode(QString());
    auto *titleRow = new QHBoxLayout;
    titleRow->addSpacing(160);
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(LblCode1);

    m_header = new QGroupBox(this);
    m_header->setObjectName(QStringLiteral("HeaderGroup"));
    m_headerGrid = new QGridLayout(m_header);
    m_headerGrid->setHorizontalSpacing(6);
    m_headerGrid->setVerticalSpacing(5);

    CreateLineArea();

    auto *status = new QHBoxLayout;
    m_billman = new QLabel(this);
    m_billTime = new QLabel(this);
    m_checkman = new QLabel(this);
    m_checkTime = new QLabel(this);
    for (QLabel *label : {m_billman, m_billTime, m_checkman, m_checkTime}) {
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        status->addWidget(label, 1);
    }
    ShowStatus(QString(), {}, QString(), {});

    auto *lineArea = new QHBoxLayout;
    lineArea->addWidget(DBGrid1, 1);
    lineArea->addWidget(m_sidePanel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(4);
    layout->setMenuBar(m_toolBar);
    layout->addLayout(titleRow);
    layout->addWidget(m_header);
    layout->addLayout(lineArea, 1);
    layout->addLayout(status);
    resize(860, 560);
    SetState(bsClosed);
}

TBillFrm::~TBillFrm() = default;

QString TBillFrm::StateName(int state)
{
    static const char *const names[] = {"新建", "修改", "浏览", "关闭", "审核"};
    return state >= 0 && state <= bsAudited ? QString::fromUtf8(names[state]) : QString();
}

QAction *TBillFrm::AddTool(const QString &name, const QString &caption, int icon)
{
    auto *action = new QAction(style()->standardIcon(QStyle::StandardPixmap(icon)), caption, this);
    action->setObjectName(name);
    m_toolBar->addAction(action);
    return action;
}

void TBillFrm::CreateToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(20, 20));
    HelpAction1 = AddTool(QStringLiteral("HelpAction1"), QStringLiteral("帮助"),
                          QStyle::SP_DialogHelpButton);
    SetupAction1 = AddTool(QStringLiteral("SetupAction1"), QStringLiteral("设置"),
                           QStyle::SP_FileDialogDetailedView);
    SetupAction1->setMenu(DBGrid1->PopupMenuKs());
    if (auto *button = qobject_cast<QToolButton *>(m_toolBar->widgetForAction(SetupAction1)))
        button->setPopupMode(QToolButton::InstantPopup);
    m_toolBar->addSeparator();
    DeleteAction1 = AddTool(QStringLiteral("DeleteAction1"), QStringLiteral("删除"),
                            QStyle::SP_TrashIcon);
    CopyAction1 = AddTool(QStringLiteral("CopyAction1"), QStringLiteral("复制"),
                          QStyle::SP_FileDialogNewFolder);
    CopyAction1->setVisible(m_decl.CanCopy);
    NewAction1 = AddTool(QStringLiteral("NewAction1"), QStringLiteral("新建"),
                         QStyle::SP_FileIcon);
    CancelAction1 = AddTool(QStringLiteral("CancelAction1"), QStringLiteral("取消"),
                            QStyle::SP_DialogCancelButton);
    SaveAction1 = AddTool(QStringLiteral("SaveAction1"), QStringLiteral("保存"),
                          QStyle::SP_DialogSaveButton);
    CheckAction1 = AddTool(QStringLiteral("CheckAction1"), QStringLiteral("审核"),
                           QStyle::SP_DialogApplyButton);
    m_toolBar->addSeparator();
    PrintAction1 = AddTool(QStringLiteral("PrintAction1"), QStringLiteral("打印"),
                           QStyle::SP_FileDialogContentsView);
    FindAction1 = AddTool(QStringLiteral("FindAction1"), QStringLiteral("查找"),
                          QStyle::SP_FileDialogStart);
    PriorAction1 = AddTool(QStringLiteral("PriorAction1"), QStringLiteral("上一单"),
                           QStyle::SP_ArrowBack);
    NextAction1 = AddTool(QStringLiteral("NextAction1"), QStringLiteral("下一单"),
                          QStyle::SP_ArrowForward);
    m_toolBar->addSeparator();
    ExitAction1 = AddTool(QStringLiteral("ExitAction1"), QStringLiteral("退出"),
                          QStyle::SP_DialogCloseButton);

    connect(HelpAction1, &QAction::triggered, this, [this] { ShowHelp(); });
    connect(DeleteAction1, &QAction::triggered, this, &TBillFrm::DeleteAction1Execute);
    connect(CopyAction1, &QAction::triggered, this, &TBillFrm::CopyAction1Execute);
    connect(NewAction1, &QAction::triggered, this, &TBillFrm::NewAction1Execute);
    connect(CancelAction1, &QAction::triggered, this, &TBillFrm::CancelAction1Execute);
    connect(SaveAction1, &QAction::triggered, this, &TBillFrm::SaveAction1Execute);
    connect(CheckAction1, &QAction::triggered, this, &TBillFrm::CheckAction1Execute);
    connect(PrintAction1, &QAction::triggered, this, &TBillFrm::PrintAction1Execute);
    connect(FindAction1, &QAction::triggered, this, &TBillFrm::FindAction1Execute);
    connect(PriorAction1, &QAction::triggered, this, &TBillFrm::PriorAction1Execute);
    connect(NextAction1, &QAction::triggered, this, &TBillFrm::NextAction1Execute);
    connect(ExitAction1, &QAction::triggered, this, &QWidget::close);
}

void TBillFrm::CreateLineArea()
{
    AddLineAction1 = new QAction(QStringLiteral("添加"), this);
    AddLineAction1->setObjectName(QStringLiteral("AddLineAction1"));
    DeleteLineAction1 = new QAction(QStringLiteral("删除"), this);
    DeleteLineAction1->setObjectName(QStringLiteral("DeleteLineAction1"));
    connect(AddLineAction1, &QAction::triggered, this, &TBillFrm::AddLineAction1Execute);
    connect(DeleteLineAction1, &QAction::triggered, this, &TBillFrm::DeleteLineAction1Execute);
    TksPopupMenu *menu = DBGrid1->PopupMenuKs();
    TksPopupMenu::AddSeparator(menu);
    TksPopupMenu::AddActionItem(menu, DeleteLineAction1);
    TksPopupMenu::AddActionItem(menu, AddLineAction1);
    // The grid's request for a new row (Insert) picks goods instead.
    DBGrid1->installEventFilter(this);

    m_sidePanel = new QWidget(this);
    m_sideLayout = new QVBoxLayout(m_sidePanel);
    m_sideLayout->setContentsMargins(0, 0, 0, 0);
    btnAddLine = new QPushButton(QStringLiteral("增加明细"), m_sidePanel);
    btnDeleteLine = new QPushButton(QStringLiteral("删除该行"), m_sidePanel);
    btnRelated = new QPushButton(QStringLiteral("相关▼"), m_sidePanel);
    btnAddLine->setObjectName(QStringLiteral("btnAddLine"));
    btnDeleteLine->setObjectName(QStringLiteral("btnDeleteLine"));
    btnRelated->setObjectName(QStringLiteral("btnRelated"));
    for (QPushButton *button : {btnAddLine, btnDeleteLine, btnRelated}) {
        button->setMinimumWidth(84);
        m_sideLayout->addWidget(button);
    }
    m_sideLayout->addStretch();
    connect(btnAddLine, &QPushButton::clicked, AddLineAction1, &QAction::trigger);
    connect(btnDeleteLine, &QPushButton::clicked, DeleteLineAction1, &QAction::trigger);
    connect(btnRelated, &QPushButton::clicked, this, [this] { ShowGridMenu(btnRelated); });
}

TksPopupMenu *TBillFrm::LineMenu() const
{
    return DBGrid1->PopupMenuKs();
}

void TBillFrm::ShowGridMenu(QWidget *anchor)
{
    DBGrid1->PopupMenuKs()->popup(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

// ---- what a kind places -------------------------------------------------------------------

QLabel *TBillFrm::AddHeaderField(int row, int column, const QString &caption, QWidget *control,
                                 std::function<void()> ellipsis, int span)
{
    auto *label = new QLabel(caption, m_header);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(control);
    QWidget *cell = control;
    if (ellipsis) {
        cell = new QWidget(m_header);
        auto *box = new QHBoxLayout(cell);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(1);
        control->setParent(cell);
        box->addWidget(control, 1);
        auto *button = new QToolButton(cell);
        button->setObjectName(control->objectName() + QStringLiteral("Btn"));
        button->setText(QStringLiteral("..."));
        button->setFixedWidth(22);
        box->addWidget(button);
        connect(button, &QToolButton::clicked, this, std::move(ellipsis));
    }
    m_headerGrid->addWidget(label, row, column * 2);
    m_headerGrid->addWidget(cell, row, column * 2 + 1, 1, span * 2 - 1);
    m_headerGrid->setColumnStretch(column * 2 + 1, 1);
    WatchControl(control);
    return label;
}

void TBillFrm::AddRequired(QLabel *caption, QWidget *control, std::function<bool()> filled)
{
    QString text = caption->text();
    while (text.endsWith(u':') || text.endsWith(u'：'))
        text.chop(1);
    m_required.append({caption, text, control, std::move(filled)});
}

QPushButton *TBillFrm::AddSideButton(const QString &caption, TBillStates states,
                                     std::function<void()> onClick)
{
    auto *button = new QPushButton(caption, m_sidePanel);
    button->setMinimumWidth(84);
    m_sideLayout->insertWidget(m_sideLayout->count() - 1, button);
    connect(button, &QPushButton::clicked, this, std::move(onClick));
    m_sideButtons.append({button, states});
    button->setEnabled(states & (1u << m_state));
    return button;
}

void TBillFrm::SetLineSet(TDataSet *lines)
{
    m_lines = lines;
    DBGrid1->SetDataSet(lines);
    DBGrid1->Tag = m_decl.LineLayout;
    DBGrid1->SetLayoutId(m_decl.LineLayout);
    connect(lines, &TDataSet::StateChanged, this, [this](TDataSetState state) {
        if (state == TDataSetState::Edit || state == TDataSetState::Insert)
            MarkChanged();
    });
}

void TBillFrm::WatchControl(QWidget *control)
{
    const auto changed = [this] { MarkChanged(); };
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textChanged, this, changed);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    else if (auto *date = qobject_cast<TksDateTimePicker *>(control))
        connect(date, &TksDateTimePicker::Changed, this, changed);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        connect(memo, &QPlainTextEdit::textChanged, this, changed);
}

void TBillFrm::ShowStatus(const QString &billman, const QVariant &billTime,
                          const QString &checkman, const QVariant &checkTime)
{
    m_billman->setText(QStringLiteral("制单人: %1").arg(billman));
    m_billTime->setText(QStringLiteral("制单时间: %1").arg(TimeText(billTime)));
    m_checkman->setText(QStringLiteral("审核人: %1").arg(checkman));
    m_checkTime->setText(QStringLiteral("审核时间: %1").arg(TimeText(checkTime)));
}

void TBillFrm::ShowCode(const QString &code)
{
    LblCode1->setText(QStringLiteral("NO. %1").arg(code));
}

void TBillFrm::FocusLineCell(const TField *field)
{
    if (!m_lines || !m_lines->Active() || m_lines->IsEmpty())
        return;
    const QModelIndex cell = DBGrid1->model()->index(m_lines->RecNo() - 1, field->Index());
    DBGrid1->setFocus();
    DBGrid1->setCurrentIndex(cell);
}

bool TBillFrm::CheckLineQuantities(const TField *qty)
{
    m_lines->CheckBrowseMode();
    QStringList missing;
    for (int pos = 0; pos < m_lines->RecordCount(); ++pos) {
        const QVariant value = m_lines->ValueAt(pos, qty->Index());
        if (value.isNull() || value.toString().trimmed().isEmpty())
            missing.append(QString::number(pos + 1));
    }
    if (missing.isEmpty())
        return true;
    ShowInfo(QStringLiteral("明细表第 %1 数量不能为空").arg(missing.join(QStringLiteral(", "))));
    return false;
}

void TBillFrm::ShowSaveFailure(const QString &error)
{
    ShowError(QStringLiteral("\r\n对不起,保存操作失败,返回的提示如下:\r\n\r\n") + error);
}

bool TBillFrm::CheckLineDelete(QString &)
{
    return true;
}

// ---- states -------------------------------------------------------------------------------

int TBillFrm::StateOfCurrent() const
{
    if (CurrentId() <= 0)
        return bsNew;
    return CurrentAudited() ? bsAudited : bsBrowse;
}

void TBillFrm::SetState(int state)
{
    m_state = state;
    setWindowTitle(QStringLiteral("%1 - %2").arg(m_decl.Title, StateName(state)));
    const bool editing = state == bsNew || state == bsModify;
    const bool shown = state == bsBrowse || state == bsAudited;
    SaveAction1->setEnabled(editing);
    CancelAction1->setEnabled(editing);
    for (QAction *action : {NewAction1, FindAction1, PriorAction1, NextAction1})
        action->setEnabled(!editing);
    DeleteAction1->setEnabled(state == bsBrowse);
    CheckAction1->setEnabled(shown);
    CheckAction1->setText(state == bsAudited ? QStringLiteral("反审") : QStringLiteral("审核"));
    CopyAction1->setEnabled(shown && m_decl.CanCopy);
    PrintAction1->setEnabled(shown);
    const bool open = state <= bsBrowse;
    for (QAction *action : {AddLineAction1, DeleteLineAction1})
        action->setEnabled(open);
    for (QPushButton *button : {btnAddLine, btnDeleteLine})
        button->setEnabled(open);
    for (const TSideButton &side : m_sideButtons)
        side.Button->setEnabled(side.States & (1u << state));
    ApplyReadOnly(!open);
}

void TBillFrm::ApplyReadOnly(bool readOnly)
{
    // Disabled header controls keep black text on cream, so a closed or audited bill stays
    // readable.
    QPalette palette = QApplication::palette(m_header);
    if (readOnly) {
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
            palette.setColor(QPalette::Disabled, role, ReadOnlyColor);
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText,
                                         QPalette::WindowText})
            palette.setColor(QPalette::Disabled, role,
                             palette.color(QPalette::Active, QPalette::Text));
    }
    m_header->setPalette(palette);
    m_header->setEnabled(!readOnly);
    static constexpr auto editable = QAbstractItemView::CurrentChanged
        | QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;
    DBGrid1->setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                                      : QAbstractItemView::EditTriggers(editable));
}

void TBillFrm::MarkChanged()
{
    if (!Showing() && m_state == bsBrowse)
        SetState(bsModify);
}

bool TBillFrm::CheckRequired()
{
    QStringList missing;
    QWidget *first = nullptr;
    for (const TRequired &r : m_required) {
        const bool filled = r.Filled();
        QPalette palette = r.Caption->palette();
        palette.setColor(QPalette::WindowText,
                         filled ? m_header->palette().color(QPalette::WindowText) : Qt::red);
        r.Caption->setPalette(palette);
        if (!filled) {
            missing.append(r.Text);
            if (!first)
                first = r.Control;
        }
    }
    if (missing.isEmpty())
        return true;
    first->setFocus();
    ShowInfo(QStringLiteral("必须填写以下项目: %1").arg(missing.join(QStringLiteral(", "))));
    return false;
}

// ---- flows --------------------------------------------------------------------------------

bool TBillFrm::OpenBill(int id)
{
    if (!LoadCurrent(id)) {
        ShowInfo(QStringLiteral("对不起,找不到单据(%1),请刷新检查.").arg(id));
        return false;
    }
    ShowCurrentBill();
    return true;
}

void TBillFrm::ShowCurrentBill()
{
    {
        TShowScope scope(*this);
        ShowCurrent();
    }
    SetState(StateOfCurrent());
}

void TBillFrm::ShowClosed()
{
    {
        TShowScope scope(*this);
        ShowEmpty();
    }
    SetState(bsClosed);
}

void TBillFrm::NewAction1Execute()
{
    {
        TShowScope scope(*this);
        ShowNew();
    }
    SetState(bsNew);
}

void TBillFrm::CopyAction1Execute()
{
    {
        TShowScope scope(*this);
        ShowCopy();
    }
    SetState(bsNew);
}

bool TBillFrm::SaveAction1Execute()
{
    if (m_state != bsNew && m_state != bsModify)
        return false;
    if (!CheckRequired() || !SaveCurrent(m_state == bsNew))
        return false;
    // Shown again at once, so that the code and the keys of new lines are what the next
    // save writes.
    const int row = m_lines ? m_lines->RecNo() : 0;
    {
        TShowScope scope(*this);
        ShowCurrent();
        if (m_lines && row > 0 && row <= m_lines->RecordCount())
            m_lines->SetRecNo(row);
    }
    SetState(bsBrowse);
    return true;
}

void TBillFrm::CancelAction1Execute()
{
    if (!Confirm(QStringLiteral("\n确定要取消所做的修改吗?\t\t")))
        return;
    if (m_state == bsModify || (m_state == bsNew && CurrentId() > 0))
        ShowCurrentBill();
    else
        ShowClosed();
}

void TBillFrm::DeleteAction1Execute()
{
    if (CurrentBillman() != TheOperator().LoginId) {
        ShowInfo(QStringLiteral("对不起, 您不是该单据的编制人,不允许删除."));
        return;
    }
    QString text;
    if (!CheckDeleteCurrent(text)) {
        ShowInfo(text);
        return;
    }
    if (!MessageLayer().Ask(TMessageLayer::Kind::ConfirmDelete,
                            QStringLiteral("\r\n您确定要删除该单据%1吗?\t\t").arg(CurrentCode())))
        return;
    QString error;
    if (!DeleteCurrent(error)) {
        ShowInfo(error);
        return;
    }
    ShowClosed();
}

void TBillFrm::CheckAction1Execute()
{
    if (!CheckCurrent())
        return;
    {
        TShowScope scope(*this);
        ShowCurrent();
    }
    SetState(CurrentAudited() ? bsAudited : bsBrowse);
}

void TBillFrm::PrintAction1Execute()
{
    PrintCurrent();
}

void TBillFrm::FindAction1Execute()
{
    if (!RunFinder())
        return;
    TDataSet *list = FinderList();
    if (list && list->Active() && !list->IsEmpty())
        OpenBill(list->FieldByName(QStringLiteral("Id"))->AsInteger());
}

void TBillFrm::OpenFinderRow(bool forward)
{
    // Through the rows of the last find while there are rows that way; else by key.
    TDataSet *list = FinderList();
    int id = 0;
    if (list && list->Active() && !list->IsEmpty()
        && (forward ? list->RecNo() < list->RecordCount() : list->RecNo() > 1)) {
        forward ? list->Next() : list->Prior();
        id = list->FieldByName(QStringLiteral("Id"))->AsInteger();
    } else {
        id = forward ? NextIdOfCurrent() : PriorIdOfCurrent();
    }
    if (id > 0)
        OpenBill(id);
}

void TBillFrm::PriorAction1Execute()
{
    OpenFinderRow(false);
}

void TBillFrm::NextAction1Execute()
{
    OpenFinderRow(true);
}

void TBillFrm::AddLineAction1Execute()
{
    AddLines();
}

void TBillFrm::DeleteLineAction1Execute()
{
    if (!m_lines || !m_lines->Active() || m_lines->IsEmpty())
        return;
    QString text;
    if (!CheckLineDelete(text)) {
        ShowInfo(text);
        return;
    }
    m_lines->Delete();
    MarkChanged();
}

// ---- window -------------------------------------------------------------------------------

void TBillFrm::PlaceBelow(QWidget *other)
{
    move(other->frameGeometry().topLeft() + QPoint(30, 30));
    m_placed = true;
}

void TBillFrm::PlaceBelowMainWindow()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(top) && top->isVisible()) {
            move(top->frameGeometry().topLeft() + QPoint(20, 50));
            return;
        }
}

void TBillFrm::showEvent(QShowEvent *event)
{
    TWinFrm::showEvent(event);
    if (!m_placed)
        PlaceBelowMainWindow();
    m_placed = true;
}

void TBillFrm::closeEvent(QCloseEvent *event)
{
    if (SaveAction1->isEnabled()) {
        switch (ConfirmYesNoCancel(QStringLiteral("\n单据已修改,是否保存?\t\t"))) {
        case TAnswer::Yes:
            if (!SaveAction1Execute()) {
                event->ignore();
                return;
            }
            break;
        case TAnswer::No:
            break;
        case TAnswer::Cancel:
            event->ignore();
            return;
        }
    }
    // Not the dialog's closing, which would reject (and close) once more.
    event->accept();
}

void TBillFrm::reject()
{
    close();
}

bool TBillFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Insert) {
        AddLineAction1->trigger();
        return true;
    }
    return TWinFrm::eventFilter(watched, event);
}
