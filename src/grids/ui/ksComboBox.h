#pragma once

#include <QComboBox>

// The combo box of every form: no automatic completion, Enter as Tab, aqua while focused,
// and Delete clears the choice of a drop-down list.
class TksComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit TksComboBox(QWidget *parent = nullptr);
    // The chosen item's text; empty when nothing is chosen.
    QString SelectedText() const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
