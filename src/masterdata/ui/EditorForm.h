#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QWidget;
class TksEdit;
class TksMemo;

// Lays out an editor's fields as rows of a caption and its box, one or two columns wide:
// the editors describe their fields, this puts them in place the same way everywhere.
class TEditorForm
{
public:
    // columns: how many caption-box pairs stand side by side.
    explicit TEditorForm(QWidget *parent, int columns = 1);

    QGridLayout *Layout() const { return m_layout; }
    // A text box accepting maxLength characters (0: unbounded), named after the member.
    TksEdit *AddEdit(const QString &caption, const QString &name, int maxLength);
    // A numeric box; empty stands for no value.
    TksEdit *AddNumber(const QString &caption, const QString &name);
    TksMemo *AddMemo(const QString &caption, const QString &name, int lines = 3);
    // Any control under a caption; span: the number of pairs it stretches over.
    QLabel *AddWidget(const QString &caption, QWidget *widget, int span = 1);
    // Starts a new row even when the current one has room left.
    void NewRow();

private:
    void Advance(int span);

    QWidget *m_parent;
    QGridLayout *m_layout;
    int m_columns;
    int m_row = 0;
    int m_column = 0;
};
