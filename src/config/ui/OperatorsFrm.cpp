#include "config/ui/OperatorsFrm.h"

#include "config/ui/OperatorEditorFrm.h"
#include "data/Messages.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A head and shoulders, drawn once: the picture of an operator in the list.
QIcon OperatorIcon()
{
    static const QIcon icon = [] {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(40, 70, 120), 1.2));
        p.setBrush(QColor(90, 140, 210));
        p.drawRoundedRect(QRectF(5, 18, 22, 13), 6, 6);
        p.setBrush(QColor(250, 215, 170));
        p.drawEllipse(QRectF(10, 3, 12, 13));
        return QIcon(pixmap);
    }();
    return icon;
}
} // namespace

TOperatorsFrm::TOperatorsFrm(QWidget *parent, const TRightItems &rights)
    : TWinFrm(parent, QStringLiteral("OperatorsFrm")), m_rights(rights)
{
    setWindowTitle(QStringLiteral("操作员及权限"));
    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setViewMode(QListView::IconMode);
    ListView1->setIconSize(QSize(32, 32));
    ListView1->setGridSize(QSize(96, 64));
    ListView1->setMovement(QListView::Static);
    ListView1->setResizeMode(QListView::Adjust);
    ListView1->setWordWrap(true);
    btnAdd = new QPushButton(QStringLiteral("添加"), this);
    btnProperty = new QPushButton(QStringLiteral("属性"), this);
    btnDelete = new QPushButton(QStringLiteral("删除"), this);
    btnClose = new QPushButton(QStringLiteral("关闭"), this);
    btnAdd->setObjectName(QStringLiteral("btnAdd"));
    btnProperty->setObjectName(QStringLiteral("btnProperty"));
    btnDelete->setObjectName(QStringLiteral("btnDelete"));
    btnClose->setObjectName(QStringLiteral("btnClose"));
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {btnAdd, btnProperty, btnDelete})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(ListView1, 1);
    layout->addLayout(buttons);
    resize(460, 320);

    connect(btnAdd, &QPushButton::clicked, this, &TOperatorsFrm::btnAddClick);
    connect(btnProperty, &QPushButton::clicked, this, &TOperatorsFrm::btnPropertyClick);
    connect(btnDelete, &QPushButton::clicked, this, &TOperatorsFrm::btnDeleteClick);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ListView1, &QListWidget::itemDoubleClicked, this, &TOperatorsFrm::btnPropertyClick);
    connect(ListView1, &QListWidget::itemSelectionChanged, this, &TOperatorsFrm::UpdateButtons);
    ReadList();
}

ROperator TOperatorsFrm::OperatorOf(const QListWidgetItem *item)
{
    return item->data(Qt::UserRole).value<ROperator>();
}

void TOperatorsFrm::ReadList()
{
    ListView1->clear();
    for (const ROperator &op : ReadOperators())
        AddItem(op);
    UpdateButtons();
}

QListWidgetItem *TOperatorsFrm::AddItem(const ROperator &op)
{
    auto *item = new QListWidgetItem(OperatorIcon(), op.LoginId, ListView1);
    item->setData(Qt::UserRole, QVariant::fromValue(op));
    return item;
}

void TOperatorsFrm::UpdateButtons()
{
    const bool selected = !ListView1->selectedItems().isEmpty();
    btnProperty->setEnabled(selected);
    btnDelete->setEnabled(selected);
}

void TOperatorsFrm::btnAddClick()
{
    TOperatorEditorFrm editor(m_rights, this);
    ROperator added;
    // A new login must not take over an existing operator (sa included).
    editor.SaveStep = [&added](const ROperator &op, QString *error) {
        if (!AddOperator(op, error)) {
            if (error->isEmpty())
                *error = QStringLiteral("操作员 \"%1\" 没有保存.").arg(op.LoginId);
            return false;
        }
        added = op;
        return true;
    };
    if (editor.exec() != QDialog::Accepted)
        return;
    QListWidgetItem *item = AddItem(added);
    ListView1->setCurrentItem(item);
}

void TOperatorsFrm::btnPropertyClick()
{
    QListWidgetItem *item = ListView1->currentItem();
    if (!item || !item->isSelected())
        return;
    TOperatorEditorFrm editor(m_rights, this);
    editor.LoadOperator(OperatorOf(item));
    ROperator changed;
    editor.SaveStep = [&changed](const ROperator &op, QString *) {
        if (!SaveOperator(op))
            return false;
        changed = op;
        return true;
    };
    if (editor.exec() != QDialog::Accepted)
        return;
    item->setData(Qt::UserRole, QVariant::fromValue(changed));
}

void TOperatorsFrm::btnDeleteClick()
{
    QListWidgetItem *item = ListView1->currentItem();
    if (!item || !item->isSelected())
        return;
    const QString login = OperatorOf(item).LoginId;
    if (!ConfirmDelete(login))
        return;
    DeleteOperator(login);
    delete item;
    UpdateButtons();
}
