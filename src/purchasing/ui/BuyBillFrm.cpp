#include "purchasing/ui/BuyBillFrm.h"

#include "purchasing/BuyBillPrint.h"
#include "purchasing/BuyBillSums.h"
#include "purchasing/BuyTypeSet.h"
#include "purchasing/BuydlSet.h"
#include "purchasing/ui/BuyFinderFrm.h"
#include "purchasing/ui/BuyPickerFrm.h"

#include "data/Messages.h"
#include "grids/ui/BillGrid.h"
#include "grids/ui/ksDateTimePicker.h"
#include "grids/ui/ksEdit.h"
#include "masterdata/WareCaptions.h"
#include "masterdata/ui/Lookups.h"
#include "reports/Rep.h"
#include "reports/ui/ReporterFrm.h"
#include "shell/ui/Mall.h"

#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
// The goods attribute behind a line's WareS alias ("WareS04" → PartNo).
QString WareAttribute(const RWare &ware, const QString &alias)
{
    const QString column = WareCaptions::ColumnOf(alias);
    const std::pair<const char *, const QString *> attributes[] = {
        {"Code", &ware.Code}, {"Name", &ware.Name}, {"LookId", &ware.LookId},
        {"PartNo", &ware.PartNo}, {"Brand", &ware.Brand}, {"Package", &ware.Package},
        {"Barcode", &ware.Barcode}, {"S08", &ware.S08}, {"S09", &ware.S09},
        {"S10", &ware.S10}, {"S11", &ware.S11}, {"Unit", &ware.Unit}};
    for (const auto &[name, value] : attributes)
        if (column.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return *value;
    return QString();
}
} // namespace

TBuyBillFrm::TBuyBillFrm(QWidget *owner)
    : TBillFrmOf(owner, {QStringLiteral("BuyBillFrm"), QStringLiteral("采购收货"), 1002, true})
{
    m_lines = new TBuydlSet;
    m_lines->setParent(this);
    m_types = new TBuyTypeSet;
    m_types->setParent(this);
    m_finderSums = new TBuyBillSums;
    m_finderSums->setParent(this);
    CreateHeader();
    SetupGrid();
    btnQuality = AddSideButton(QStringLiteral("生成检验"),
                               TheMall().HasBill(bkQuality) ? InStates({bsAudited}) : 0,
                               [this] { MakeInspection(); });
    btnQuality->setObjectName(QStringLiteral("btnQuality"));
    ShowClosed();
}

void TBuyBillFrm::CreateHeader()
{
    edtBizDate1 = new TksDateTimePicker(this);
    edtBizDate1->Editor()->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edtBizDate1->Editor()->setCalendarPopup(true);
    lkpType1 = new TLookupCombo(TLookupKind::Records, this);
    m_types->Query();
    lkpType1->FillFrom(*m_types->DataSet());
    edtOldCode1 = new TksEdit(this);
    edtOldCode1->setMaxLength(50);
    lkpClient1 = new TLookupCombo(TLookupKind::Suppliers, this);
    lkpClient1->Fill();
    edtTaxRate1 = new TksEdit(this);
    edtTaxRate1->SetEditType(TEditType::etInteger);
    edtTaxRate1->SetAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lkpHouse1 = new TLookupCombo(TLookupKind::Depts, this);
    lkpHouse1->Fill();
    lkpBuyman1 = new TLookupCombo(TLookupKind::Employees, this);
    lkpBuyman1->Fill();
    edtNote1 = new TksEdit(this);
    edtNote1->setMaxLength(50);
    const std::pair<QWidget *, const char *> names[] = {
        {edtBizDate1, "edtBizDate1"}, {lkpType1, "lkpType1"}, {edtOldCode1, "edtOldCode1"},
        {lkpClient1, "lkpClient1"}, {edtTaxRate1, "edtTaxRate1"}, {lkpHouse1, "lkpHouse1"},
        {lkpBuyman1, "lkpBuyman1"}, {edtNote1, "edtNote1"}};
    for (const auto &[control, name] : names)
        control->setObjectName(QLatin1String(name));

    AddHeaderField(0, 0, QStringLiteral("日期"), edtBizDate1);
    QLabel *type = AddHeaderField(0, 1, QStringLiteral("类型"), lkpType1);
    AddHeaderField(0, 2, QStringLiteral("单号"), edtOldCode1);
    QLabel *client = AddHeaderField(1, 0, QStringLiteral("供货"), lkpClient1,
                                    [this] { lkpClient1->Pick(); }, 2);
    AddHeaderField(1, 2, QStringLiteral("含税(%)"), edtTaxRate1);
    QLabel *house = AddHeaderField(2, 0, QStringLiteral("部门"), lkpHouse1,
                                   [this] { lkpHouse1->Pick(); });
    QLabel *buyman = AddHeaderField(2, 1, QStringLiteral("采购"), lkpBuyman1,
                                    [this] { lkpBuyman1->Pick(); });
    AddHeaderField(3, 0, QStringLiteral("备注"), edtNote1, {}, 3);
    AddRequired(type, lkpType1, [this] { return lkpType1->SelectedId() > 0; });
    AddRequired(client, lkpClient1, [this] { return lkpClient1->SelectedId() > 0; });
    AddRequired(house, lkpHouse1, [this] { return lkpHouse1->SelectedId() > 0; });
    AddRequired(buyman, lkpBuyman1, [this] { return lkpBuyman1->SelectedId() > 0; });
    connect(edtTaxRate1, &QLineEdit::textChanged, this, &TBuyBillFrm::TaxRateChanged);
}

void TBuyBillFrm::SetupGrid()
{
    ApplyBuyLineDisplay(*m_lines);
    // Until the operator saves a layout of his own: the attributes an arrival is checked by,
    // at widths that leave quantity and price in sight.
    static const int attributeWidths[12] = {9, 22, 7, 11, 0, 0, 0, 0, 0, 0, 0, 5};
    for (int i = 0; i < 12; ++i) {
        m_lines->WareSFld[i]->DisplayWidth = attributeWidths[i];
        m_lines->WareSFld[i]->Visible = attributeWidths[i] > 0;
    }
    for (TField *field : {m_lines->WareColorFld, m_lines->WareSizeFld, m_lines->WarePropFld})
        field->DisplayWidth = 5;
    for (TField *field : {m_lines->QtyFld, m_lines->PriceFld, m_lines->FundFld,
                          m_lines->PureFundFld})
        field->DisplayWidth = 10;
    m_lines->PurePriceFld->DisplayWidth = 13;
    m_lines->TaxFld->DisplayWidth = 4;
    m_lines->dlNoteFld->DisplayWidth = 16;
    for (TField *field : {m_lines->OrderCodeFld, m_lines->AppCodeFld, m_lines->PlanCodeFld})
        field->DisplayWidth = 11;
    SetLineSet(m_lines->DataSet());
    for (TField *field : m_lines->WareSFld)
        DBGrid1->SetColumnReadOnly(field, true);
    for (TField *field : {m_lines->WareIdFld, m_lines->FundFld, m_lines->TaxFld,
                          m_lines->PurePriceFld, m_lines->PureFundFld, m_lines->PlanCodeFld,
                          m_lines->OrderCodeFld, m_lines->AppCodeFld})
        DBGrid1->SetColumnReadOnly(field, true);
    for (TField *field : {m_lines->FundFld, m_lines->QtyFld, m_lines->PureFundFld})
        DBGrid1->SetSumFooter(field);
}

void TBuyBillFrm::TaxRateChanged()
{
    if (Showing())
        return;
    bool ok = false;
    const int rate = edtTaxRate1->text().trimmed().toInt(&ok);
    m_lines->SetTaxRate(ok ? rate : 0);
}

void TBuyBillFrm::Display(const RBuy &bill)
{
    ShowCode(bill.Code);
    edtBizDate1->SetAsDate(bill.BizDate.isNull() ? QVariant() : QVariant(bill.BizDate.toDate()));
    lkpType1->SelectId(bill.TypeId);
    edtOldCode1->setText(bill.OldCode);
    lkpClient1->SelectId(bill.SupplierId);
    edtTaxRate1->setText(QString::number(bill.TaxRate));
    lkpHouse1->SelectId(bill.DeptId);
    lkpBuyman1->SelectId(bill.BuymanId);
    edtNote1->setText(bill.Note);
    ShowStatus(bill.Billman, bill.BillTime, bill.Checkman, bill.CheckTime);
    m_lines->SetAsDatas(bill.Lines);
    m_lines->DataSet()->First();
}

void TBuyBillFrm::Collect(RBuy &bill)
{
    const QVariant date = edtBizDate1->AsDate();
    bill.BizDate = date.isNull() ? QVariant() : QVariant(QDateTime(date.toDate(), QTime(0, 0)));
    bill.OldCode = edtOldCode1->text();
    bill.TypeId = lkpType1->SelectedId();
    bill.TypeName = lkpType1->SelectedName();
    bill.SupplierId = lkpClient1->SelectedId();
    bill.SupplierName = lkpClient1->SelectedName();
    bill.DeptId = lkpHouse1->SelectedId();
    bill.DeptName = lkpHouse1->SelectedName();
    bill.BuymanId = lkpBuyman1->SelectedId();
    bill.BuymanName = lkpBuyman1->SelectedName();
    bill.TaxRate = edtTaxRate1->text().trimmed().toInt();
    bill.Note = edtNote1->text();
    bill.Lines = m_lines->AsDatas();
    bill.TotalFund = TBuyBill2::TotalOf(bill.Lines);
}

bool TBuyBillFrm::CheckLines(const RBuy &)
{
    return CheckLineQuantities(m_lines->QtyFld);
}

bool TBuyBillFrm::CheckLineDelete(QString &text)
{
    return m_lines->CheckLineDelete(text);
}

void TBuyBillFrm::PrintCurrent()
{
    TProjRep rep;
    AddBuyBillReportData(rep, m_current, lkpClient1->Supplier(), *m_lines);
    ShowReporter(rep, 1001, this);
}

bool TBuyBillFrm::RunFinder()
{
    TBuyFinderFrm finder(this, m_finderSums);
    return finder.exec() == QDialog::Accepted;
}

TDataSet *TBuyBillFrm::FinderList() const
{
    return m_finderSums->DataSet();
}

void TBuyBillFrm::AddLines()
{
    if (lkpHouse1->SelectedId() <= 0) {
        ShowInfo(QStringLiteral("请先选择部门."));
        lkpHouse1->setFocus();
        return;
    }
    if (!m_picker) {
        m_picker = new TBuyPickerFrm(this);
        m_picker->OnWare = [this](const RWare &ware) { AddWare(ware); };
    }
    m_picker->SetSupplier(lkpClient1->SelectedId(), lkpClient1->SelectedName());
    m_picker->SetDept(lkpHouse1->SelectedId());
    m_picker->SetMode(TBuyPickerFrm::pmOrders);
    PlacePicker();
    m_picker->show();
    m_picker->raise();
    m_picker->activateWindow();
}

void TBuyBillFrm::PlacePicker()
{
    // At the bottom of the screen, a little right of this window, clear of its grid.
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const QSize size = m_picker->frameGeometry().size().expandedTo(m_picker->sizeHint());
    m_picker->move(x() + 150, area.top() + area.height() - size.height() - 30);
}

void TBuyBillFrm::AddWare(const RWare &ware)
{
    if (State() != bsNew && State() != bsModify && State() != bsBrowse)
        return;
    TDataSet *lines = m_lines->DataSet();
    lines->Append();
    m_lines->WareIdFld->SetValue(ware.Id);
    for (int i = 0; i < 12; ++i)
        m_lines->WareSFld[i]->SetValue(WareAttribute(ware, m_lines->WareSFld[i]->FieldName));
    m_lines->TaxFld->SetValue(0);
    lines->Post();
    FocusLineCell(m_lines->QtyFld);
}

void TBuyBillFrm::MakeInspection()
{
    if (State() != bsAudited) {
        ShowInfo(QStringLiteral("必须审核后才能生成质检单"));
        return;
    }
    // The inspection window builds its record from this window's current bill.
    TheMall().Open(QStringLiteral("QualityFromBuy"), this);
}
