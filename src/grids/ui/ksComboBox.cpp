#include "grids/ui/ksComboBox.h"

#include "grids/ui/ksFocusColor.h"

#include <QKeyEvent>

TksComboBox::TksComboBox(QWidget *parent) : QComboBox(parent)
{
}

QString TksComboBox::SelectedText() const
{
    return currentIndex() < 0 ? QString() : itemText(currentIndex());
}

void TksComboBox::focusInEvent(QFocusEvent *event)
{
    // An editable box gets a completer with its line edit; typing must not complete. Only
    // an editable box has one to remove (asking a drop-down list for none warns).
    if (isEditable() && completer())
        setCompleter(nullptr);
    SetFocusColor(this, FocusAqua);
    QComboBox::focusInEvent(event);
}

void TksComboBox::focusOutEvent(QFocusEvent *event)
{
    SetFocusColor(this, Qt::white);
    QComboBox::focusOutEvent(event);
}

void TksComboBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextPrevChild(!event->modifiers().testFlag(Qt::ShiftModifier));
        return;
    }
    if (event->key() == Qt::Key_Delete && !isEditable()) {
        setCurrentIndex(-1);
        return;
    }
    QComboBox::keyPressEvent(event);
}
