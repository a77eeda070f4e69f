#pragma once

#include <QPlainTextEdit>

// The multi-line edit of every form: aqua while focused (yellow when read-only).
class TksMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TksMemo(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
