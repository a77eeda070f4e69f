#pragma once

#include "shell/ui/AInfoDlgFrm.h"

#include <functional>

class QListWidget;
class QPushButton;

// "工具菜单设置": the operator's web links and programs of the tools menu.
class TToolsFrm : public TAInfoDlgFrm
{
    Q_OBJECT
public:
    explicit TToolsFrm(QWidget *parent = nullptr);
    void LoadList();
    void NewLink();
    void EditLink();
    void RemoveLink();

    QListWidget *ListBox1;
    QPushButton *btnNew;
    QPushButton *btnEdit;
    QPushButton *btnDelete;

    // Runs the tool editor modally; tests answer it instead.
    std::function<int(class TToolEditorFrm &)> RunEditor;

private:
    bool HasSelection();
};
