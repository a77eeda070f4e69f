#include "grids/ui/ksFocusColor.h"

#include <QPalette>
#include <QWidget>

void SetFocusColor(QWidget *control, const QColor &color)
{
    QPalette p = control->palette();
    p.setColor(QPalette::Base, color);
    control->setPalette(p);
}
