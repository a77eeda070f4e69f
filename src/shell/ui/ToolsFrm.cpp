#include "shell/ui/ToolsFrm.h"

#include "data/Messages.h"
#include "shell/ui/Link.h"
#include "shell/ui/ToolEditorFrm.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int IdRole = Qt::UserRole + 1;
}

TToolsFrm::TToolsFrm(QWidget *parent) : TAInfoDlgFrm(parent, QStringLiteral("ToolsFrm"))
{
    setWindowTitle(QStringLiteral("工具菜单设置"));
    auto *hint1 = new QLabel(QStringLiteral("要新建链接，请单击“创建新链接”按钮。"), Client());
    auto *hint2 = new QLabel(QStringLiteral("要删除或修改项目，请先选定列表中的项目，然后单击"
                                            "“删除”或“属性”按钮"),
                             Client());
    hint2->setWordWrap(true);
    ListBox1 = new QListWidget(Client());
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setMinimumSize(260, 220);
    btnNew = new QPushButton(QStringLiteral("创建新链接..."), Client());
    btnEdit = new QPushButton(QStringLiteral("属性..."), Client());
    btnDelete = new QPushButton(QStringLiteral("删除(&D)"), Client());
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnNew);
    buttons->addWidget(btnEdit);
    buttons->addWidget(btnDelete);
    buttons->addStretch();
    auto *grid = new QGridLayout(Client());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(hint1, 0, 0, 1, 2);
    grid->addWidget(hint2, 1, 0, 1, 2);
    grid->addWidget(ListBox1, 2, 0);
    grid->addLayout(buttons, 2, 1);
    setFixedWidth(440);

    RunEditor = [](TToolEditorFrm &editor) { return editor.exec(); };
    connect(btnNew, &QPushButton::clicked, this, &TToolsFrm::NewLink);
    connect(btnEdit, &QPushButton::clicked, this, &TToolsFrm::EditLink);
    connect(btnDelete, &QPushButton::clicked, this, &TToolsFrm::RemoveLink);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TToolsFrm::EditLink);
    LoadList();
}

void TToolsFrm::LoadList()
{
    ListBox1->clear();
    TLinkSet set;
    for (TDataSet *d = set.DataSet(); !d->Eof(); d->Next()) {
        auto *item = new QListWidgetItem(set.TitleFld->AsString(), ListBox1);
        item->setData(IdRole, set.IdFld->AsInteger());
    }
}

bool TToolsFrm::HasSelection()
{
    if (ListBox1->currentItem() && ListBox1->currentItem()->isSelected())
        return true;
    ShowInfo(QStringLiteral("请先从列表中选中一个项目再操作."));
    return false;
}

void TToolsFrm::NewLink()
{
    TToolEditorFrm editor(this);
    if (RunEditor(editor) == QDialog::Accepted)
        LoadList();
}

void TToolsFrm::EditLink()
{
    if (!HasSelection())
        return;
    QListWidgetItem *item = ListBox1->currentItem();
    TLink link;
    if (!LoadLink(link, item->data(IdRole).toInt()))
        return;
    TToolEditorFrm editor(this);
    editor.SetLink(link);
    if (RunEditor(editor) == QDialog::Accepted)
        item->setText(editor.Link().Title);
}

void TToolsFrm::RemoveLink()
{
    if (!HasSelection())
        return;
    QListWidgetItem *item = ListBox1->currentItem();
    if (!ConfirmDelete(item->text()))
        return;
    TLink link;
    link.Id = item->data(IdRole).toInt();
    DeleteLink(link);
    delete item;
}
