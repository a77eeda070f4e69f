#pragma once

#include "shell/ui/ADlgFrm.h"

class QComboBox;
class QLineEdit;

// "修改": the column and the value of a batch update over the selected rows.
class TBatchUpdateFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TBatchUpdateFrm(QWidget *parent = nullptr);

    // An offered column: its display label and its field name.
    void AddItem(const QString &label, const QString &fieldName);
    int ItemIndex() const;
    void SetItemIndex(int index);
    QString FieldName() const;
    QString Value() const;
    void SetValue(const QString &value);
    QComboBox *ItemsBox() const { return m_items; }
    QLineEdit *ValueBox() const { return m_value; }

protected:
    void OkClicked() override;

private:
    QComboBox *m_items;
    QLineEdit *m_value;
};
