#include "masterdata/ui/SupplierEditorFrm.h"

#include "config/Configer.h"
#include "config/Operator.h"
#include "config/PickList.h"
#include "data/Database.h"
#include "data/Exceptions.h"
#include "data/Messages.h"
#include "grids/ui/DBGrid.h"
#include "grids/ui/ksComboBox.h"
#include "grids/ui/ksEdit.h"
#include "grids/ui/ksMemo.h"
#include "grids/ui/ksPopupMenu.h"
#include "masterdata/ui/CategoryWindows.h"
#include "masterdata/ui/EditorForm.h"
#include "masterdata/ui/SupDocsEditorFrm.h"
#include "masterdata/ui/SuppwareEditFrm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QPushButton *Button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// The supplier's own grids: narrow text columns; the prices tab need not repeat the
// supplier on every row.
void ShapeColumns(TDataSet *data, const QStringList &hidden)
{
    for (TField *f : data->Fields()) {
        if (hidden.contains(f->FieldName))
            f->Visible = false;
        else if (f->DataType() == TFieldType::DateTime)
            f->DisplayWidth = 19;
        else if (f->IsString())
            f->DisplayWidth = std::clamp(f->Size > 0 ? f->Size : 12, 6, 16);
    }
}

// A grid page: the buttons in a row above the grid.
QWidget *GridPage(QWidget *parent, TDBGrid *grid, const QList<QPushButton *> &buttons)
{
    auto *page = new QWidget(parent);
    auto *row = new QHBoxLayout;
    for (QPushButton *b : buttons) {
        b->setParent(page);
        row->addWidget(b);
    }
    row->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    grid->setParent(page);
    layout->addWidget(grid, 1);
    return page;
}
} // namespace

TSupplierEditorFrm::TSupplierEditorFrm(QWidget *owner, TSaveCallback<RSupplier> save,
                                       std::function<bool(int)> remove)
    : TaFrm(owner, QStringLiteral("SupplierEditorFrm"), Qt::Dialog),
      m_save(std::move(save)), m_remove(std::move(remove))
{
    Docs = new TSupplierDocsSet;
    Docs->setParent(this);
    Prices = new TSuppwareSet;
    Prices->setParent(this);
    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->addTab(BuildGeneral(), QStringLiteral("常规"));
    Pages->addTab(BuildDocs(), QStringLiteral("文件"));
    Pages->addTab(BuildPrices(), QStringLiteral("供货"));

    btnNew = Button(QStringLiteral("新建"), QStringLiteral("btnNew"), this);
    btnDelete = Button(QStringLiteral("删除"), QStringLiteral("btnDelete"), this);
    btnOk = Button(QStringLiteral("确定"), QStringLiteral("btnOk"), this);
    btnCancel = Button(QStringLiteral("取消"), QStringLiteral("btnCancel"), this);
    auto *close = Button(QStringLiteral("关闭"), QStringLiteral("btnClose"), this);
    auto *strip = new QHBoxLayout;
    strip->addWidget(btnNew);
    strip->addWidget(btnDelete);
    strip->addStretch();
    strip->addWidget(btnOk);
    strip->addWidget(btnCancel);
    strip->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Pages, 1);
    layout->addLayout(strip);
    resize(720, 520);

    connect(btnNew, &QPushButton::clicked, this, &TSupplierEditorFrm::btnNewClick);
    connect(btnDelete, &QPushButton::clicked, this, &TSupplierEditorFrm::btnDeleteClick);
    connect(btnOk, &QPushButton::clicked, this, &TSupplierEditorFrm::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSupplierEditorFrm::btnCancelClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

TSupplierEditorFrm::~TSupplierEditorFrm()
{
    grdDocs->SetDataSet(nullptr);
    grdPrices->SetDataSet(nullptr);
}

QWidget *TSupplierEditorFrm::BuildGeneral()
{
    auto *page = new QWidget(this);
    TEditorForm form(page, 2);
    edtLookId = form.AddEdit(QStringLiteral("助查码"), QStringLiteral("edtLookId"), 20);
    form.NewRow();
    edtName = form.AddEdit(QStringLiteral("供应商名称"), QStringLiteral("edtName"), 50);
    form.NewRow();
    edtLinkman = form.AddEdit(QStringLiteral("联系人"), QStringLiteral("edtLinkman"), 30);
    edtMobile = form.AddEdit(QStringLiteral("手机"), QStringLiteral("edtMobile"), 50);
    edtTel = form.AddEdit(QStringLiteral("联系电话"), QStringLiteral("edtTel"), 50);
    edtFax = form.AddEdit(QStringLiteral("传真号码"), QStringLiteral("edtFax"), 50);
    edtAddr = form.AddEdit(QStringLiteral("联系地址"), QStringLiteral("edtAddr"), 50);
    edtZip = form.AddEdit(QStringLiteral("邮编"), QStringLiteral("edtZip"), 6);
    edtUrl = form.AddEdit(QStringLiteral("网址"), QStringLiteral("edtUrl"), 50);
    edtEmail = form.AddEdit(QStringLiteral("电子信箱"), QStringLiteral("edtEmail"), 50);
    edtLawman = form.AddEdit(QStringLiteral("法人代表"), QStringLiteral("edtLawman"), 20);
    edtTaxId = form.AddEdit(QStringLiteral("税号"), QStringLiteral("edtTaxId"), 30);
    edtBank = form.AddEdit(QStringLiteral("开户银行"), QStringLiteral("edtBank"), 50);
    edtAccName = form.AddEdit(QStringLiteral("开户名称"), QStringLiteral("edtAccName"), 30);
    edtBankId = form.AddEdit(QStringLiteral("银行帐号"), QStringLiteral("edtBankId"), 30);
    edtSupplies = form.AddEdit(QStringLiteral("供应内容"), QStringLiteral("edtSupplies"), 50);
    cmbCredits = new TksComboBox(page);
    cmbCredits->setObjectName(QStringLiteral("cmbCredits"));
    cmbCredits->setEditable(true);
    cmbCredits->addItems(TPickList::Items(plCreditRatings));
    cmbCredits->lineEdit()->setMaxLength(30);
    form.AddWidget(QStringLiteral("信誉评价"), cmbCredits);
    memNote = form.AddMemo(QStringLiteral("备注"), QStringLiteral("memNote"), 4);
    form.Layout()->setRowStretch(form.Layout()->rowCount(), 1);
    edtName->setMaxLength(50);
    for (TksEdit *e : TextEdits())
        connect(e, &QLineEdit::textEdited, this, &TSupplierEditorFrm::Changed);
    connect(cmbCredits, &QComboBox::editTextChanged, this, &TSupplierEditorFrm::Changed);
    connect(memNote, &QPlainTextEdit::textChanged, this, &TSupplierEditorFrm::Changed);
    return page;
}

QList<TksEdit *> TSupplierEditorFrm::TextEdits() const
{
    return {edtLookId, edtName, edtLinkman, edtMobile, edtTel, edtFax, edtAddr, edtZip,
            edtUrl, edtEmail, edtLawman, edtTaxId, edtBank, edtAccName, edtBankId, edtSupplies};
}

QWidget *TSupplierEditorFrm::BuildDocs()
{
    grdDocs = new TDBGrid(this);
    grdDocs->setObjectName(QStringLiteral("grdDocs"));
    ShapeColumns(Docs->DataSet(), {QStringLiteral("SupplierId"), QStringLiteral("DocFrom")});
    grdDocs->SetLayoutId(1277);
    grdDocs->SetDataSet(Docs->DataSet());
    QPushButton *add = Button(QStringLiteral("添加"), QStringLiteral("btnDocAdd"), this);
    QPushButton *edit = Button(QStringLiteral("修改"), QStringLiteral("btnDocEdit"), this);
    QPushButton *del = Button(QStringLiteral("删除"), QStringLiteral("btnDocDelete"), this);
    QPushButton *open = Button(QStringLiteral("打开"), QStringLiteral("btnDocOpen"), this);
    QPushButton *more = Button(QStringLiteral("高级▼"), QStringLiteral("btnDocMore"), this);
    QMenu *menu = grdDocs->PopupMenuKs();
    TksPopupMenu::AddSeparator(menu, 0);
    TksPopupMenu::AddCommandItem(menu, QStringLiteral("属性"), true, [this] { DocEditClick(); },
                                 this);
    TksPopupMenu::AddCommandItem(menu, QStringLiteral("打开"), true, [this] { DocOpenClick(); },
                                 this);
    connect(add, &QPushButton::clicked, this, &TSupplierEditorFrm::DocAddClick);
    connect(edit, &QPushButton::clicked, this, &TSupplierEditorFrm::DocEditClick);
    connect(del, &QPushButton::clicked, this, &TSupplierEditorFrm::DocDeleteClick);
    connect(open, &QPushButton::clicked, this, &TSupplierEditorFrm::DocOpenClick);
    connect(more, &QPushButton::clicked, this, [this, more] { grdDocs->PopupButtonClick(more); });
    connect(grdDocs, &QAbstractItemView::doubleClicked, this, &TSupplierEditorFrm::DocOpenClick);
    return GridPage(this, grdDocs, {add, edit, del, open, more});
}

QWidget *TSupplierEditorFrm::BuildPrices()
{
    grdPrices = new TDBGrid(this);
    grdPrices->setObjectName(QStringLiteral("grdPrices"));
    ShapeColumns(Prices->DataSet(),
                 {QStringLiteral("Id"), QStringLiteral("SupplierId"), QStringLiteral("WareId"),
                  QStringLiteral("SuppName"), QStringLiteral("SuppLinkman"),
                  QStringLiteral("SuppMobile"), QStringLiteral("SuppTel"),
                  QStringLiteral("SuppFax"), QStringLiteral("SuppAddr"),
                  QStringLiteral("SuppCredits")});
    grdPrices->SetLayoutId(1288);
    grdPrices->SetDataSet(Prices->DataSet());
    QPushButton *add = Button(QStringLiteral("添加"), QStringLiteral("btnPriceAdd"), this);
    QPushButton *edit = Button(QStringLiteral("修改"), QStringLiteral("btnPriceEdit"), this);
    QPushButton *del = Button(QStringLiteral("删除"), QStringLiteral("btnPriceDelete"), this);
    QPushButton *more = Button(QStringLiteral("高级"), QStringLiteral("btnPriceMore"), this);
    connect(add, &QPushButton::clicked, this, &TSupplierEditorFrm::PriceAddClick);
    connect(edit, &QPushButton::clicked, this, &TSupplierEditorFrm::PriceEditClick);
    connect(del, &QPushButton::clicked, this, &TSupplierEditorFrm::PriceDeleteClick);
    connect(more, &QPushButton::clicked, this,
            [this, more] { grdPrices->PopupButtonClick(more); });
    connect(grdPrices, &QAbstractItemView::doubleClicked, this,
            &TSupplierEditorFrm::PriceEditClick);
    return GridPage(this, grdPrices, {add, edit, del, more});
}

// ---- state ------------------------------------------------------------------------------

void TSupplierEditorFrm::SetState(int state)
{
    m_state = state;
    btnNew->setEnabled(state == stBrowse);
    btnDelete->setEnabled(state == stBrowse);
    btnOk->setEnabled(state != stBrowse);
    btnCancel->setEnabled(state != stBrowse);
}

void TSupplierEditorFrm::Changed()
{
    if (!m_filling)
        SetState(stChanged);
}

void TSupplierEditorFrm::ShowSupplier(const RSupplier &supplier)
{
    m_supplier = supplier;
    m_filling = true;
    const QList<const QString *> values{
        &supplier.LookId, &supplier.Name, &supplier.Linkman, &supplier.Mobile, &supplier.Tel,
        &supplier.Fax, &supplier.Addr, &supplier.Zip, &supplier.Url, &supplier.Email,
        &supplier.Lawman, &supplier.TaxId, &supplier.Bank, &supplier.AccName, &supplier.BankId,
        &supplier.Supplies};
    const QList<TksEdit *> edits = TextEdits();
    for (int i = 0; i < edits.size(); ++i)
        edits[i]->setText(*values[i]);
    cmbCredits->setCurrentIndex(-1);
    cmbCredits->setEditText(supplier.Credits);
    memNote->setPlainText(supplier.Note);
    m_filling = false;

    const bool existing = supplier.Id > 0;
    if (existing) {
        m_lastShownId = supplier.Id;
        Docs->LoadBySupplier(supplier.Id);
        Prices->Where()->SupplierIdFld->SetAsInteger(supplier.Id);
        Prices->Load();
        setWindowTitle(supplier.Name);
    } else {
        Docs->DataSet()->EmptyDataSet();
        setWindowTitle(QStringLiteral("新建供应商"));
    }
    Pages->setTabVisible(1, existing);
    Pages->setTabVisible(2, existing);
    if (!existing)
        Pages->setCurrentIndex(0);
    SetState(existing ? stBrowse : stNew);
}

void TSupplierEditorFrm::ShowNew()
{
    ShowSupplier(RSupplier());
    edtName->setFocus();
}

RSupplier TSupplierEditorFrm::Collect() const
{
    RSupplier s;
    s.Id = m_supplier.Id;
    const QList<QString *> members{&s.LookId, &s.Name, &s.Linkman, &s.Mobile, &s.Tel, &s.Fax,
                                   &s.Addr, &s.Zip, &s.Url, &s.Email, &s.Lawman, &s.TaxId,
                                   &s.Bank, &s.AccName, &s.BankId, &s.Supplies};
    const QList<TksEdit *> edits = TextEdits();
    for (int i = 0; i < edits.size(); ++i)
        *members[i] = edits[i]->text();
    s.Name = s.Name.trimmed();
    s.Credits = cmbCredits->currentText();
    s.Note = memNote->toPlainText();
    return s;
}

void TSupplierEditorFrm::btnOkClick()
{
    if (edtName->text().trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("请输入单位名称."));
        Pages->setCurrentIndex(0);
        edtName->setFocus();
        return;
    }
    RSupplier supplier = Collect();
    if (m_save(supplier))
        ShowSupplier(supplier);
}

void TSupplierEditorFrm::btnCancelClick()
{
    RSupplier last;
    if (m_lastShownId > 0 && TSupplierSet::GetById(m_lastShownId, last)) {
        ShowSupplier(last);
        return;
    }
    reject();
}

void TSupplierEditorFrm::btnNewClick()
{
    ShowNew();
}

void TSupplierEditorFrm::btnDeleteClick()
{
    if (m_supplier.Id <= 0)
        return;
    if (!Confirm(QStringLiteral("确定要删除' %1 '吗?").arg(m_supplier.Name)))
        return;
    if (m_remove && m_remove(m_supplier.Id))
        accept();
}

// ---- documents --------------------------------------------------------------------------

void TSupplierEditorFrm::DocAddClick()
{
    if (m_supplier.Id <= 0)
        return;
    RSupplierDoc doc;
    doc.SupplierId = m_supplier.Id;
    const QDateTime now = QDateTime::currentDateTime();
    doc.BizDate = now;
    doc.Handman = TheOperator().LoginId;
    doc.Billman = TheOperator().LoginId;
    doc.BillTime = now;
    TSupDocsEditorFrm editor(this, *Docs, doc);
    editor.exec();
}

void TSupplierEditorFrm::DocEditClick()
{
    if (Docs->DataSet()->IsEmpty())
        return;
    TSupDocsEditorFrm editor(this, *Docs, Docs->AsData());
    editor.exec();
}

void TSupplierEditorFrm::DocDeleteClick()
{
    if (Docs->DataSet()->IsEmpty())
        return;
    if (ConfirmDelete(Docs->AsData().DocName))
        Docs->DeleteDocument(-1);
}

QString TSupplierEditorFrm::DocumentTempPath(const QString &docName)
{
    return QDir(TConfiger::ProgramDir()).filePath(QStringLiteral("tmp_")
                                                  + QFileInfo(docName).fileName());
}

void TSupplierEditorFrm::DocOpenClick()
{
    if (Docs->DataSet()->IsEmpty())
        return;
    const RSupplierDoc doc = Docs->AsData();
    QByteArray bytes;
    if (!TSupplierDocsSet::FetchDocumentData(doc.dlId, bytes))
        return;
    const QString path = DocumentTempPath(doc.DocName);
    QFile file(path);
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!opened || file.write(bytes) != bytes.size()) {
        ShowWarning(QStringLiteral("不能写入文件 %1:\r\n%2").arg(path, file.errorString()));
        return;
    }
    file.close();
    TksDBGrid::OpenDocument(path);
}

// ---- supplies ---------------------------------------------------------------------------

bool TSupplierEditorFrm::AddPriceFor(const RWare &ware)
{
    RSuppware item;
    item.SupplierId = m_supplier.Id;
    item.SuppName = m_supplier.Name;
    item.SuppLinkman = m_supplier.Linkman;
    item.SuppMobile = m_supplier.Mobile;
    item.SuppTel = m_supplier.Tel;
    item.SuppFax = m_supplier.Fax;
    item.SuppAddr = m_supplier.Addr;
    item.SuppCredits = m_supplier.Credits;
    item.WareId = ware.Id;
    item.WareS = {ware.Code, ware.Name, ware.LookId, ware.PartNo, ware.Brand, ware.Package,
                  ware.Barcode, ware.S08, ware.S09, ware.S10, ware.S11, ware.Unit};
    TSuppwareEditFrm editor(this, *Prices, item);
    return editor.exec() == QDialog::Accepted;
}

void TSupplierEditorFrm::PriceAddClick()
{
    if (m_supplier.Id <= 0)
        return;
    // One picker for the editor's life: it stays open for several goods in turn.
    if (m_goodsPicker) {
        m_goodsPicker->show();
        m_goodsPicker->raise();
        return;
    }
    m_goodsPicker = OpenGoodsPicker(this, [this](const RWare &w) { return AddPriceFor(w); });
}

void TSupplierEditorFrm::PriceEditClick()
{
    if (Prices->DataSet()->IsEmpty())
        return;
    TSuppwareEditFrm editor(this, *Prices, Prices->AsData());
    editor.exec();
}

void TSupplierEditorFrm::PriceDeleteClick()
{
    if (Prices->DataSet()->IsEmpty())
        return;
    if (Confirm(QStringLiteral("确定要删除此供货信息吗?")))
        Prices->DeleteCurrentItem();
}

bool EditSupplier(QWidget *owner, const RSupplier &supplier,
                  const TSaveCallback<RSupplier> &save, const std::function<bool(int id)> &remove)
{
    CheckRight(1010);
    TSupplierEditorFrm editor(owner, save, remove);
    if (supplier.Id > 0)
        editor.ShowSupplier(supplier);
    else
        editor.ShowNew();
    return editor.exec() == QDialog::Accepted;
}
