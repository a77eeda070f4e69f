#pragma once

#include "shell/ui/ADlgFrm.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;
class TDataSet;

// "过滤": narrows a data set to the rows whose chosen text column contains a keyword.
// Page 1 chooses the column, page 2 takes the keyword; an empty keyword shows all rows.
class TFltrDlgFrm : public TADlgFrm
{
    Q_OBJECT
public:
    explicit TFltrDlgFrm(TDataSet *dataSet, QWidget *parent = nullptr);

    QListWidget *Columns() const { return m_columns; }
    QLineEdit *Keyword() const { return m_keyword; }
    int Page() const;
    void NextPage();

protected:
    void OkClicked() override;

private:
    void Apply();

    TDataSet *m_dataSet;
    QStackedWidget *m_pages;
    QListWidget *m_columns;
    QLineEdit *m_keyword;
    QLabel *m_chosen;
    QStringList m_fieldNames;
};
