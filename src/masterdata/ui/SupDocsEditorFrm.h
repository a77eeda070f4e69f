#pragma once

#include "masterdata/SupplierDocsSet.h"
#include "shell/ui/ADlgFrm.h"

#include <functional>

class QLabel;
class QPushButton;
class TksDateTimePicker;
class TksEdit;
class TksMemo;

// "供应商文档": one document of a supplier. The file is chosen only for a new document (an
// update never replaces the stored bytes); "确定" saves through the documents set.
class TSupDocsEditorFrm : public TADlgFrm
{
    Q_OBJECT
public:
    TSupDocsEditorFrm(QWidget *owner, TSupplierDocsSet &docs, const RSupplierDoc &doc);

    QPushButton *btnChoose;
    QLabel *lblFile;
    TksEdit *edtDocName;
    TksDateTimePicker *dtpBizDate;
    TksEdit *edtHandman;
    TksMemo *memNotes;
    TksEdit *edtBillman;
    TksEdit *edtBillTime;

    // Asks for the file to store; replaceable by tests. Empty: cancelled.
    static std::function<QString(QWidget *parent)> AskOpenFileName;
    // Takes the file: its path, and its name as the document's name.
    void SetFile(const QString &path);
    RSupplierDoc Document() const { return m_doc; }

protected:
    void OkClicked() override;

private:
    TSupplierDocsSet &m_docs;
    RSupplierDoc m_doc;
    QString m_file;
};
