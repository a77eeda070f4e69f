#include "grids/ui/ksMemo.h"

#include "grids/ui/ksFocusColor.h"

TksMemo::TksMemo(QWidget *parent) : QPlainTextEdit(parent) {}

void TksMemo::focusInEvent(QFocusEvent *event)
{
    SetFocusColor(this, isReadOnly() ? FocusYellow : FocusAqua);
    QPlainTextEdit::focusInEvent(event);
}

void TksMemo::focusOutEvent(QFocusEvent *event)
{
    SetFocusColor(this, Qt::white);
    QPlainTextEdit::focusOutEvent(event);
}
