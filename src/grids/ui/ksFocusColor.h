#pragma once

#include <QColor>

class QWidget;

// The background of a focused input control; read-only ones turn yellow.
inline const QColor FocusAqua(0, 255, 255);
inline const QColor FocusYellow(255, 255, 0);
void SetFocusColor(QWidget *control, const QColor &color);
