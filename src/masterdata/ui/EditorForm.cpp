#include "masterdata/ui/EditorForm.h"

#include "grids/ui/ksEdit.h"
#include "grids/ui/ksMemo.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>

TEditorForm::TEditorForm(QWidget *parent, int columns)
    : m_parent(parent), m_layout(new QGridLayout(parent)), m_columns(columns)
{
    m_layout->setHorizontalSpacing(6);
    m_layout->setVerticalSpacing(6);
    for (int c = 0; c < columns; ++c) {
        m_layout->setColumnStretch(c * 2 + 1, 1);
        if (c > 0)
            m_layout->setColumnMinimumWidth(c * 2, 70);
    }
}

TksEdit *TEditorForm::AddEdit(const QString &caption, const QString &name, int maxLength)
{
    auto *edit = new TksEdit(m_parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->setMinimumWidth(QFontMetrics(edit->font()).horizontalAdvance(u'中') * 12);
    AddWidget(caption, edit);
    return edit;
}

TksEdit *TEditorForm::AddNumber(const QString &caption, const QString &name)
{
    TksEdit *edit = AddEdit(caption, name, 0);
    edit->SetEditType(TEditType::etNumber);
    edit->SetAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

TksMemo *TEditorForm::AddMemo(const QString &caption, const QString &name, int lines)
{
    auto *memo = new TksMemo(m_parent);
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
    memo->setFixedHeight(QFontMetrics(memo->font()).lineSpacing() * lines + 10);
    NewRow();
    QLabel *label = AddWidget(caption, memo, m_columns);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setContentsMargins(0, 4, 0, 0);
    return memo;
}

QLabel *TEditorForm::AddWidget(const QString &caption, QWidget *widget, int span)
{
    if (m_column + span > m_columns)
        NewRow();
    auto *label = new QLabel(caption, m_parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(widget);
    m_layout->addWidget(label, m_row, m_column * 2);
    m_layout->addWidget(widget, m_row, m_column * 2 + 1, 1, span * 2 - 1);
    Advance(span);
    return label;
}

void TEditorForm::NewRow()
{
    if (m_column > 0) {
        ++m_row;
        m_column = 0;
    }
}

void TEditorForm::Advance(int span)
{
    m_column += span;
    if (m_column >= m_columns) {
        ++m_row;
        m_column = 0;
    }
}
