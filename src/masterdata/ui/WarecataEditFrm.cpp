#include "masterdata/ui/WarecataEditFrm.h"

#include "config/KeyValue.h"
#include "config/KeyValue2.h"
#include "data/Exceptions.h"
#include "data/Messages.h"
#include "grids/ui/ksEdit.h"
#include "masterdata/ui/WarecataTree.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TWarecataEditFrm::TWarecataEditFrm(QWidget *owner)
    : TADlgFrm(owner, QStringLiteral("WarecataEditFrm"))
{
    setWindowTitle(QStringLiteral("分类"));
    m_tree = new TWarecataTree(Client());
    m_tree->setFixedSize(240, 380);
    m_tree->SetDragMoveEnabled(true);
    m_path = new TksEdit(Client());
    m_path->setObjectName(QStringLiteral("edtPath"));
    m_path->setReadOnly(true);
    m_name = new TksEdit(Client());
    m_name->setObjectName(QStringLiteral("edtName"));
    m_name->setMaxLength(30);
    m_note = new TksEdit(Client());
    m_note->setObjectName(QStringLiteral("edtNote"));
    m_note->setMaxLength(50);
    for (TksEdit *edit : {m_path, m_name, m_note})
        edit->setMinimumWidth(240);
    m_add = new QPushButton(QStringLiteral("新增"), Client());
    m_add->setObjectName(QStringLiteral("btnAdd"));
    m_delete = new QPushButton(QStringLiteral("删除"), Client());
    m_delete->setObjectName(QStringLiteral("btnDelete"));
    auto *hint = new QLabel(QStringLiteral("拖动项目可以调整上下关系"), Client());
    hint->setStyleSheet(QStringLiteral("color: #606060;"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("上下关系"), m_path);
    form->addRow(QStringLiteral("分类名称"), m_name);
    form->addRow(QStringLiteral("备注"), m_note);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_delete);
    buttons->addStretch();
    auto *right = new QVBoxLayout;
    right->addLayout(form);
    right->addLayout(buttons);
    right->addStretch();
    right->addWidget(hint);
    auto *layout = new QHBoxLayout(Client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    layout->addLayout(right);

    connect(m_tree, &TWarecataTree::Changed, this, &TWarecataEditFrm::ShowSelected);
    connect(m_tree, &TWarecataTree::NodeMoved, this, [this] { m_modified = true; });
    connect(m_name, &QLineEdit::textEdited, this, &TWarecataEditFrm::NameEdited);
    connect(m_note, &QLineEdit::textEdited, this, &TWarecataEditFrm::NoteEdited);
    connect(m_add, &QPushButton::clicked, this, &TWarecataEditFrm::AddClicked);
    connect(m_delete, &QPushButton::clicked, this, &TWarecataEditFrm::DeleteClicked);

    m_tree->LoadEdit();
    const int last = TheKeyValue2().GetInt(skLastWareClass);
    if (last <= 0 || !m_tree->SelectById(last))
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
    ShowSelected(m_tree->SelectedWithPath());
}

void TWarecataEditFrm::ShowSelected(const RWareCata &cata)
{
    const bool selected = m_tree->currentItem() != nullptr;
    m_path->setText(selected ? cata.Path : QString());
    m_name->setText(selected ? cata.Name : QString());
    m_note->setText(selected ? cata.Note : QString());
    m_name->setEnabled(selected);
    m_note->setEnabled(selected);
    m_delete->setEnabled(selected);
}

void TWarecataEditFrm::NameEdited(const QString &text)
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item)
        return;
    RWareCata cata = TWarecataTree::NodeRecord(item);
    cata.Name = text;
    TWarecataTree::SetNodeRecord(item, cata);
    m_path->setText(TWarecataTree::PathOf(item));
    m_modified = true;
}

void TWarecataEditFrm::NoteEdited(const QString &text)
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item)
        return;
    RWareCata cata = TWarecataTree::NodeRecord(item);
    cata.Note = text;
    TWarecataTree::SetNodeRecord(item, cata);
    m_modified = true;
}

void TWarecataEditFrm::AddClicked()
{
    m_tree->AddCategory();
    m_modified = true;
    m_name->setFocus();
    m_name->selectAll();
}

void TWarecataEditFrm::DeleteClicked()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item)
        return;
    const QString name = TWarecataTree::NodeRecord(item).Name;
    const QString question = item->childCount() > 0
        ? QStringLiteral("确定要删除 %1 及其以下所有子项吗?").arg(name)
        : QStringLiteral("确定要删除 %1 吗?").arg(name);
    if (!Confirm(question))
        return;
    delete item;
    m_modified = true;
    ShowSelected(m_tree->SelectedWithPath());
}

void TWarecataEditFrm::OkClicked()
{
    if (!m_modified) {
        accept();
        return;
    }
    try {
        if (!m_tree->SaveTree())
            return;
    } catch (const EDatabaseError &error) {
        // The tree keeps the operator's work; nothing was written.
        ShowError(error.Message());
        return;
    }
    accept();
}

void TWarecataEditFrm::done(int result)
{
    const RWareCata cata = m_tree->Selected();
    if (cata.Id > 0)
        TheKeyValue2().SetInt(skLastWareClass, cata.Id);
    TADlgFrm::done(result);
}
