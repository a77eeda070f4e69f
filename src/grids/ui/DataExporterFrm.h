#pragma once

#include "grids/DataExport.h"
#include "shell/ui/aFrm.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class TDataSet;

// "导出...": writes the rows of an open data set to a file. Page 1 chooses the columns and
// their order, page 2 the format (tab-separated .txt, the same under .xls, an HTML table,
// CSV), the code page and the file. The data set is not owned.
class TDataExporterFrm : public TaFrm
{
    Q_OBJECT
public:
    explicit TDataExporterFrm(TDataSet *dataSet, QWidget *parent = nullptr);

    // The chosen columns' labels, one per line; writing moves each label found to the end
    // of the chosen list.
    QString SelectedFields() const;
    void SetSelectedFields(const QString &labels);

    // 0 text, 1 spreadsheet text, 2 HTML, 3 CSV; -1 none chosen.
    int FormatIndex() const;
    void SetFormatIndex(int index);
    TExportEncoding Encoding() const;
    void SetEncoding(TExportEncoding encoding);
    QString DefaultExtension() const { return m_extension; }
    QString Filter() const { return m_filter; }

    QListWidget *Available() const { return m_available; }
    QListWidget *Chosen() const { return m_chosen; }
    QLineEdit *FileBox() const { return m_file; }
    QPushButton *PriorButton() const { return m_prior; }
    QPushButton *NextButton() const { return m_next; }
    QPushButton *AddButton() const { return m_add; }
    QPushButton *RemoveButton() const { return m_remove; }
    QPushButton *UpButton() const { return m_up; }
    QPushButton *DownButton() const { return m_down; }
    int Page() const { return m_page; }

    void AddSelected();         // " >"
    void RemoveSelected();      // "< "
    void MoveChosen(int delta); // 上移 / 下移
    void NextClicked();
    void PriorClicked();

private:
    void ShowPage(int page);
    void Browse();
    void FormatChosen(int index);
    bool Finish();
    void UpdateButtons();
    static void MoveItem(QListWidget *from, QListWidget *to);

    TDataSet *m_dataSet;
    QTabWidget *m_tabs;
    QListWidget *m_available;
    QListWidget *m_chosen;
    QPushButton *m_add;
    QPushButton *m_remove;
    QPushButton *m_up;
    QPushButton *m_down;
    QButtonGroup *m_formats;
    QComboBox *m_encoding;
    QLineEdit *m_file;
    QPushButton *m_prior;
    QPushButton *m_next;
    QString m_filter;
    QString m_extension;
    int m_page = 0;
};
