#pragma once

#include "shell/ui/ADlgFrm.h"

class QLabel;
class QPushButton;
class TksEdit;
class TWarecataTree;
struct RWareCata;

// The category editor "分类": the whole tree in edit mode. Names and notes change as they
// are typed, "新增" and "删除" add and remove categories, dragging changes the hierarchy.
// "确定" saves the tree when anything changed; "取消" drops every change.
class TWarecataEditFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TWarecataEditFrm(QWidget *owner);

    TWarecataTree *Tree() const { return m_tree; }
    TksEdit *PathEdit() const { return m_path; }
    TksEdit *NameEdit() const { return m_name; }
    TksEdit *NoteEdit() const { return m_note; }
    QPushButton *AddButton() const { return m_add; }
    QPushButton *DeleteButton() const { return m_delete; }
    bool Modified() const { return m_modified; }

    void AddClicked();
    void DeleteClicked();

    void done(int result) override;

protected:
    void OkClicked() override;

private:
    void ShowSelected(const RWareCata &cata);
    void NameEdited(const QString &text);
    void NoteEdited(const QString &text);

    TWarecataTree *m_tree;
    TksEdit *m_path;
    TksEdit *m_name;
    TksEdit *m_note;
    QPushButton *m_add;
    QPushButton *m_delete;
    bool m_modified = false;
};
