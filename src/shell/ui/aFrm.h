#pragma once

#include <QDialog>

class QKeyEvent;

// Base of every window: the program's font, key preview, F1 help, opening at the mouse
// cursor, and resize borders when the window has no frame. A dialog underneath so that any
// window can also be run modally.
class TaFrm : public QDialog
{
    Q_OBJECT
public:
    // name: the component name ("BuyBillFrm"), which also names the help topic.
    explicit TaFrm(QWidget *parent = nullptr, const QString &name = QString(),
                   Qt::WindowFlags flags = Qt::Window);

    // Opens the help at the keyword; empty: the window's own topic (its name less "Frm").
    virtual void ShowHelp(const QString &keyword = QString());
    // Whether the show event moves the window to the mouse cursor.
    bool PlaceAtCursorOnShow = true;

    // Called for every key pressed in the window before its controls see it.
    bool HandlePreviewKey(QKeyEvent *event) { return PreviewKey(event); }

protected:
    // Sees every key before the window's controls do; true when it was handled.
    virtual bool PreviewKey(QKeyEvent *event);
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_placed = false;
};
