#include "config/ui/OperatorEditorFrm.h"

#include "data/Messages.h"
#include "data/RecordSet.h"
#include "shell/ui/Mall.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int TelRole = Qt::UserRole + 1;

QLineEdit *NewEdit(QWidget *parent, const QString &name, int maxLength)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}
} // namespace

TOperatorEditorFrm::TOperatorEditorFrm(const TRightItems &rights, QWidget *parent)
    : TaFrm(parent, QStringLiteral("OperatorEditorFrm"),
            Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      m_rights(rights)
{
    setWindowTitle(QStringLiteral("操作员属性"));
    setModal(true);
    btnOk1 = new QPushButton(QStringLiteral("确定"), this);
    btnOk1->setObjectName(QStringLiteral("btnOk1"));
    btnOk1->setDefault(true);
    btnCancel1 = new QPushButton(QStringLiteral("取消"), this);
    btnCancel1->setObjectName(QStringLiteral("btnCancel1"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk1);
    buttons->addWidget(btnCancel1);
    auto *body = new QHBoxLayout;
    body->addWidget(BuildFields());
    body->addWidget(BuildRights(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(btnOk1, &QPushButton::clicked, this, &TOperatorEditorFrm::btnOk1Click);
    connect(btnCancel1, &QPushButton::clicked, this, &QDialog::reject);
    LoadEmployees();
}

QWidget *TOperatorEditorFrm::BuildFields()
{
    auto *box = new QWidget(this);
    edtUserId1 = NewEdit(box, QStringLiteral("edtUserId1"), 50);
    edtName1 = new QComboBox(box);
    edtName1->setObjectName(QStringLiteral("edtName1"));
    edtName1->setMinimumWidth(170);
    Button3 = new QToolButton(box);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setText(QStringLiteral("..."));
    Button3->setToolTip(QStringLiteral("选择职员"));
    edtContact1 = NewEdit(box, QStringLiteral("edtContact1"), 50);
    edtContact1->setReadOnly(true);
    edtNote1 = NewEdit(box, QStringLiteral("edtNote1"), 100);
    edtPassword1 = NewEdit(box, QStringLiteral("edtPassword1"), 50);
    edtPassword1->setEchoMode(QLineEdit::Password);
    edtPassword2 = NewEdit(box, QStringLiteral("edtPassword2"), 50);
    edtPassword2->setEchoMode(QLineEdit::Password);

    auto *name = new QHBoxLayout;
    name->setSpacing(2);
    name->addWidget(edtName1, 1);
    name->addWidget(Button3);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const QList<QPair<QString, QObject *>> rows = {
        {QStringLiteral("登陆名"), edtUserId1}, {QStringLiteral("姓名"), name},
        {QStringLiteral("联系方式"), edtContact1}, {QStringLiteral("备注"), edtNote1},
        {QStringLiteral("密码"), edtPassword1}, {QStringLiteral("验证密码"), edtPassword2}};
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(new QLabel(rows[row].first, box), row, 0, Qt::AlignRight);
        if (auto *layout = qobject_cast<QLayout *>(rows[row].second))
            grid->addLayout(layout, row, 1);
        else
            grid->addWidget(static_cast<QWidget *>(rows[row].second), row, 1);
    }
    grid->setRowStretch(rows.size(), 1);
    connect(edtName1, &QComboBox::currentIndexChanged, this, &TOperatorEditorFrm::edtName1Change);
    connect(Button3, &QToolButton::clicked, this, &TOperatorEditorFrm::Button3Click);
    // The picker belongs to the master data windows; without it only the drop-down remains.
    Button3->setEnabled(bool(TheMall().EmployeePicker));
    return box;
}

QWidget *TOperatorEditorFrm::BuildRights()
{
    auto *box = new QWidget(this);
    CheckListBox1 = new QListWidget(box);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    for (const RRightItem &right : m_rights) {
        auto *item = new QListWidgetItem(right.Name, CheckListBox1);
        item->setData(Qt::UserRole, right.Code);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    // All 45 rights at a glance: three columns of fifteen, no scrolling.
    CheckListBox1->setFlow(QListView::TopToBottom);
    CheckListBox1->setWrapping(true);
    CheckListBox1->setResizeMode(QListView::Adjust);
    CheckListBox1->setUniformItemSizes(true);
    const int rowHeight = CheckListBox1->fontMetrics().height() + 6;
    int columnWidth = 0;
    const QFontMetrics metrics = CheckListBox1->fontMetrics();
    for (const RRightItem &right : m_rights)
        columnWidth = qMax(columnWidth, metrics.horizontalAdvance(right.Name));
    columnWidth += 40;                  // the check box and a gap
    for (int i = 0; i < CheckListBox1->count(); ++i)
        CheckListBox1->item(i)->setSizeHint(QSize(columnWidth, rowHeight));
    const int frame = 2 * CheckListBox1->frameWidth() + 4;
    CheckListBox1->setFixedSize(3 * columnWidth + frame, 15 * rowHeight + frame);
    CheckListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("权限"), box));
    layout->addWidget(CheckListBox1, 1);
    connect(CheckListBox1, &QListWidget::itemDoubleClicked, this,
            &TOperatorEditorFrm::CheckListBox1DblClick);
    return box;
}

void TOperatorEditorFrm::LoadEmployees()
{
    const QVariant current = edtName1->currentData();
    const QSignalBlocker blocker(edtName1);
    edtName1->clear();
    edtName1->addItem(QString());
    TRecordSet set;
    set.OpenSQL(QStringLiteral("select Id, Name, Tel from employee order by Name"));
    for (TDataSet *d = set.DataSet(); !d->Eof(); d->Next()) {
        edtName1->addItem(d->Field(1)->AsString(), d->Field(0)->AsInteger());
        edtName1->setItemData(edtName1->count() - 1, d->Field(2)->AsString(), TelRole);
    }
    SelectEmployee(current);
}

void TOperatorEditorFrm::SelectEmployee(const QVariant &id)
{
    const int index = id.isNull() ? 0 : edtName1->findData(id.toInt());
    edtName1->setCurrentIndex(qMax(index, 0));
    edtName1Change();
}

void TOperatorEditorFrm::edtName1Change()
{
    edtContact1->setText(edtName1->currentData(TelRole).toString());
}

void TOperatorEditorFrm::Button3Click()
{
    TheMall().PickEmployee(this, [this](int id, const QString &) {
        // The picker may have added the employee since the list was read.
        if (edtName1->findData(id) < 0)
            LoadEmployees();
        SelectEmployee(id);
    });
}

void TOperatorEditorFrm::CheckListBox1DblClick(QListWidgetItem *item)
{
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TOperatorEditorFrm::LoadOperator(const ROperator &op)
{
    m_editing = true;
    m_name = op.Name;
    edtUserId1->setText(op.LoginId);
    edtUserId1->setEnabled(false);
    QPalette pal = edtUserId1->palette();
    pal.setColor(QPalette::Base, palette().color(QPalette::Button));
    edtUserId1->setPalette(pal);
    SelectEmployee(op.EmployeeId);
    if (op.EmployeeId.isNull())
        edtContact1->setText(op.Contact);
    edtNote1->setText(op.Note);
    edtPassword1->setText(op.Password);
    edtPassword2->setText(op.Password);
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        QListWidgetItem *item = CheckListBox1->item(i);
        const bool granted = RightsContain(op.Rights, item->data(Qt::UserRole).toInt());
        item->setCheckState(granted ? Qt::Checked : Qt::Unchecked);
    }
}

ROperator TOperatorEditorFrm::Operator() const
{
    ROperator op;
    op.LoginId = edtUserId1->text().trimmed();
    op.Password = edtPassword1->text();
    op.Note = edtNote1->text();
    op.EmployeeId = edtName1->currentIndex() > 0 ? edtName1->currentData() : QVariant();
    op.Name = op.EmployeeId.isNull() ? m_name : edtName1->currentText();
    op.Contact = edtContact1->text();
    QList<int> codes;
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        const QListWidgetItem *item = CheckListBox1->item(i);
        if (item->checkState() == Qt::Checked)
            codes.append(item->data(Qt::UserRole).toInt());
    }
    op.Rights = RightsText(codes);
    return op;
}

void TOperatorEditorFrm::btnOk1Click()
{
    if (edtUserId1->text().trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("必须填写登陆名."));
        edtUserId1->setFocus();
        return;
    }
    if (edtPassword1->text() != edtPassword2->text()) {
        ShowInfo(QStringLiteral("两次输入的密码不一样,请重新输入."));
        edtPassword1->clear();
        edtPassword2->clear();
        edtPassword1->setFocus();
        return;
    }
    QString error;
    if (SaveStep && !SaveStep(Operator(), &error)) {
        if (!error.isEmpty())
            ShowInfo(error);
        if (edtUserId1->isEnabled()) {
            edtUserId1->setFocus();
            edtUserId1->selectAll();
        }
        return;
    }
    accept();
}
