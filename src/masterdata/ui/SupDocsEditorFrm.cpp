#include "masterdata/ui/SupDocsEditorFrm.h"

#include "data/Exceptions.h"
#include "data/Messages.h"
#include "data/Utils.h"
#include "grids/ui/ksDateTimePicker.h"
#include "grids/ui/ksEdit.h"
#include "grids/ui/ksMemo.h"
#include "masterdata/ui/EditorForm.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

std::function<QString(QWidget *)> TSupDocsEditorFrm::AskOpenFileName = [](QWidget *parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("请选择一个文件"));
};

TSupDocsEditorFrm::TSupDocsEditorFrm(QWidget *owner, TSupplierDocsSet &docs,
                                     const RSupplierDoc &doc)
    : TADlgFrm(owner, QStringLiteral("SupDocsEditorFrm")), m_docs(docs), m_doc(doc)
{
    setWindowTitle(QStringLiteral("供应商文档"));
    TEditorForm form(Client());
    auto *fileBox = new QWidget(Client());
    btnChoose = new QPushButton(QStringLiteral("选择..."), fileBox);
    btnChoose->setObjectName(QStringLiteral("btnChoose"));
    btnChoose->setAutoDefault(false);
    lblFile = new QLabel(fileBox);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->setMinimumWidth(260);
    lblFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *fileRow = new QHBoxLayout(fileBox);
    fileRow->setContentsMargins(0, 0, 0, 0);
    fileRow->addWidget(btnChoose);
    fileRow->addWidget(lblFile, 1);
    form.AddWidget(QStringLiteral("请选择一个文件"), fileBox);
    edtDocName = form.AddEdit(QStringLiteral("文档名称"), QStringLiteral("edtDocName"), 50);
    dtpBizDate = new TksDateTimePicker(Client(), true);
    dtpBizDate->setObjectName(QStringLiteral("dtpBizDate"));
    form.AddWidget(QStringLiteral("获取日期"), dtpBizDate);
    edtHandman = form.AddEdit(QStringLiteral("经手人"), QStringLiteral("edtHandman"), 50);
    memNotes = form.AddMemo(QStringLiteral("备注"), QStringLiteral("memNotes"));
    edtBillman = form.AddEdit(QStringLiteral("编制人"), QStringLiteral("edtBillman"), 50);
    edtBillTime = form.AddEdit(QStringLiteral("编制时间"), QStringLiteral("edtBillTime"), 0);
    edtBillman->setReadOnly(true);
    edtBillTime->setReadOnly(true);

    const bool isNew = doc.dlId <= 0;
    btnChoose->setEnabled(isNew);
    lblFile->setText(isNew ? QString() : QStringLiteral("(已保存的文档)"));
    edtDocName->setText(doc.DocName);
    dtpBizDate->SetAsDateTime(doc.BizDate.isValid() ? QVariant(doc.BizDate) : QVariant());
    edtHandman->setText(doc.Handman);
    memNotes->setPlainText(doc.dlNotes);
    edtBillman->setText(doc.Billman);
    edtBillTime->setText(doc.BillTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    connect(btnChoose, &QPushButton::clicked, this, [this] {
        const QString path = AskOpenFileName(this);
        if (!path.isEmpty())
            SetFile(path);
    });
}

void TSupDocsEditorFrm::SetFile(const QString &path)
{
    m_file = path;
    lblFile->setText(path);
    edtDocName->setText(QFileInfo(path).fileName());
}

void TSupDocsEditorFrm::OkClicked()
{
    // A new document is nothing without its file.
    if (m_doc.dlId <= 0 && m_file.isEmpty()) {
        ShowInfo(QStringLiteral("请选择一个文件"));
        btnChoose->setFocus();
        return;
    }
    RSupplierDoc doc = m_doc;
    doc.DocFrom = m_file;
    doc.DocName = edtDocName->text();
    const QVariant date = dtpBizDate->AsDateTime();
    doc.BizDate = date.isNull() ? QDateTime() : date.toDateTime();
    doc.Handman = edtHandman->text();
    doc.dlNotes = memNotes->toPlainText();
    try {
        if (!m_docs.SaveDocument(doc))
            return;
    } catch (const EOpenBuyError &e) {
        ShowError(e.Message());
        return;
    }
    m_doc = doc;
    accept();
}
