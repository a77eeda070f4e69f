#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// What every window of the system shares, also the main window that is no TaFrm.

// 宋体 9 pt where installed, else a TrueType CJK face (a Song face first).
QFont ProgramFont();
// Where a window opens: centred on the mouse cursor, kept 20 pixels from the left and right
// screen edges and 50 from the bottom.
QPoint PlaceAtCursor(const QSize &window, const QPoint &cursor, const QRect &screen);
void MoveToCursor(QWidget *window);
// The resize border of a borderless window at a point (client coordinates): Qt::Edges.
Qt::Edges BorderAt(int x, int y, int width, int height);
// The help topic of a window: its object name without the last three characters.
QString HelpTopicOf(const QWidget *window);
// Opens the help viewer at a topic ("BuyBill" shows BuyBill.htm).
void ShowHelpTopic(const QString &topic, QWidget *parent = nullptr);
