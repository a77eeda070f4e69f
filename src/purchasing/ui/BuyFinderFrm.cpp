#include "purchasing/ui/BuyFinderFrm.h"

#include "purchasing/BuyBillSums.h"
#include "purchasing/BuyTypeSet.h"

#include "data/Field.h"
#include "grids/ui/DBGrid.h"
#include "grids/ui/ksDateTimePicker.h"
#include "grids/ui/ksEdit.h"
#include "masterdata/WareCaptions.h"
#include "masterdata/ui/Lookups.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QVariant IdOrNull(int id)
{
    return id > 0 ? QVariant(id) : QVariant();
}

QVariant TextOrNull(const QString &text)
{
    return text.trimmed().isEmpty() ? QVariant() : QVariant(text.trimmed());
}

// A control with its caption at a cell of the criteria grid; "..." calls browse.
void Place(QGridLayout *grid, int row, int column, const QString &caption, QWidget *control,
           std::function<void()> browse = {}, int span = 1)
{
    auto *label = new QLabel(caption);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(control);
    grid->addWidget(label, row, column * 2);
    QWidget *cell = control;
    if (browse) {
        cell = new QWidget;
        auto *box = new QHBoxLayout(cell);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(1);
        box->addWidget(control, 1);
        auto *button = new QToolButton(cell);
        button->setText(QStringLiteral("..."));
        button->setFixedWidth(22);
        box->addWidget(button);
        QObject::connect(button, &QToolButton::clicked, control, std::move(browse));
    }
    grid->addWidget(cell, row, column * 2 + 1, 1, span * 2 - 1);
}
} // namespace

TBuyFinderFrm::TBuyFinderFrm(QWidget *owner, TBuyBillSums *sums)
    : TaFrm(owner, QStringLiteral("BuyFinderFrm")), m_sums(sums)
{
    setWindowTitle(QStringLiteral("打开"));
    setModal(true);
    m_types = new TBuyTypeSet;
    m_types->setParent(this);

    auto *criteria = new QGroupBox(QStringLiteral("查询条件"), this);
    auto *grid = new QGridLayout(criteria);
    grid->setHorizontalSpacing(6);
    CreateCriteria(grid);

    btnQuery = new QPushButton(QStringLiteral("查询"), this);
    btnOpen = new QPushButton(QStringLiteral("打开"), this);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnReset = new QPushButton(QStringLiteral("重置"), this);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {btnQuery, btnOpen, btnCancel, btnReset})
        buttons->addWidget(button);
    buttons->addStretch();
    btnQuery->setDefault(true);

    // Widths until the operator saves a layout of his own.
    const std::pair<TField *, int> widths[] = {
        {m_sums->IdFld, 5}, {m_sums->CodeFld, 11}, {m_sums->OldCodeFld, 14},
        {m_sums->DeptNameFld, 10}, {m_sums->SupplierNameFld, 16}, {m_sums->BuymanNameFld, 8},
        {m_sums->TypeNameFld, 8}, {m_sums->TotalFundFld, 11}, {m_sums->NoteFld, 16},
        {m_sums->DetailCountFld, 4}, {m_sums->QtyFld, 9}, {m_sums->FundFld, 11}};
    for (const auto &[field, chars] : widths)
        field->DisplayWidth = chars;
    DBGrid1 = new TDBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->SetDataSet(m_sums->DataSet());
    DBGrid1->Tag = 1212;
    DBGrid1->SetLayoutId(1212);
    DBGrid1->SetSumFooter(m_sums->TotalFundFld);

    auto *top = new QHBoxLayout;
    top->addWidget(criteria, 1);
    top->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGrid1, 1);
    resize(860, 540);

    connect(btnQuery, &QPushButton::clicked, this, &TBuyFinderFrm::QueryClick);
    connect(btnOpen, &QPushButton::clicked, this, &TBuyFinderFrm::OpenClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnReset, &QPushButton::clicked, this, &TBuyFinderFrm::ResetClick);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, &TBuyFinderFrm::OpenClick);
    ResetClick();
}

void TBuyFinderFrm::CreateCriteria(QGridLayout *grid)
{
    edtBeginDate = new TksDateTimePicker(this, true);
    edtEndDate = new TksDateTimePicker(this, true);
    for (TksDateTimePicker *date : {edtBeginDate, edtEndDate}) {
        date->Editor()->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date->Editor()->setCalendarPopup(true);
    }
    lkpType = new TLookupCombo(TLookupKind::Records, this);
    m_types->Query();
    lkpType->FillFrom(*m_types->DataSet());
    lkpBuyman = new TLookupCombo(TLookupKind::Employees, this);
    lkpBuyman->Fill();
    lkpDept = new TLookupCombo(TLookupKind::Depts, this);
    lkpDept->Fill();
    cmbCheck = new TChoiceCombo(TChoiceKind::CheckStatus, this);
    cmbCheck->Fill();
    edtSupplier = new TLookupEdit(TLookupEditKind::Supplier, this);
    edtWare = new TLookupEdit(TLookupEditKind::Ware, this);
    edtCata = new TLookupEdit(TLookupEditKind::Category, this);
    edtWareS01 = new TksEdit(this);
    edtWareS02 = new TksEdit(this);
    edtWareS03 = new TksEdit(this);

    Place(grid, 0, 0, QStringLiteral("日期(始)"), edtBeginDate);
    Place(grid, 0, 1, QStringLiteral("日期(止)"), edtEndDate);
    Place(grid, 0, 2, QStringLiteral("审核"), cmbCheck);
    Place(grid, 1, 0, QStringLiteral("类型"), lkpType);
    Place(grid, 1, 1, QStringLiteral("采购员"), lkpBuyman);
    Place(grid, 1, 2, QStringLiteral("部门"), lkpDept);
    Place(grid, 2, 0, QStringLiteral("供货商"), edtSupplier, [this] { edtSupplier->Browse(); },
          2);
    Place(grid, 2, 2, QStringLiteral("货品类别"), edtCata, [this] { edtCata->Browse(); });
    Place(grid, 3, 0, QStringLiteral("货物"), edtWare, [this] { edtWare->Browse(); }, 2);
    Place(grid, 4, 0, WareCaptions::Caption(QStringLiteral("WareS01")), edtWareS01);
    Place(grid, 4, 1, WareCaptions::Caption(QStringLiteral("WareS02")), edtWareS02);
    Place(grid, 4, 2, WareCaptions::Caption(QStringLiteral("WareS03")), edtWareS03);
    for (int column : {1, 3, 5})
        grid->setColumnStretch(column, 1);
}

void TBuyFinderFrm::ResetClick()
{
    edtBeginDate->SetAsDate(QVariant());
    edtEndDate->SetAsDate(QVariant());
    lkpType->SelectId(0);
    lkpBuyman->SelectId(0);
    lkpDept->SelectId(0);
    cmbCheck->Select(QVariant());
    edtSupplier->ClearHeld();
    edtWare->ClearHeld();
    edtCata->ClearHeld();
    for (TksEdit *edit : {edtWareS01, edtWareS02, edtWareS03})
        edit->clear();
}

void TBuyFinderFrm::CopyCriteria()
{
    TBuyWhere *w = m_sums->Where();
    w->Clear();
    const QVariant begin = edtBeginDate->AsDate();
    const QVariant end = edtEndDate->AsDate();
    if (!begin.isNull())
        w->BeginDateFld->SetValue(QDateTime(begin.toDate(), QTime(0, 0)));
    if (!end.isNull())
        w->EndDateFld->SetValue(QDateTime(end.toDate(), QTime(0, 0)));
    w->TypeIdFld->SetValue(IdOrNull(lkpType->SelectedId()));
    w->TypeNameFld->SetValue(TextOrNull(lkpType->SelectedName()));
    const RSupplier supplier = edtSupplier->Supplier();
    w->SupplierIdFld->SetValue(IdOrNull(edtSupplier->HeldId()));
    w->SupplierNameFld->SetValue(TextOrNull(edtSupplier->HeldId() > 0 ? supplier.Name
                                                                       : QString()));
    w->DeptIdFld->SetValue(IdOrNull(lkpDept->SelectedId()));
    w->DeptNameFld->SetValue(TextOrNull(lkpDept->SelectedName()));
    w->BuymanIdFld->SetValue(IdOrNull(lkpBuyman->SelectedId()));
    w->BuymanNameFld->SetValue(TextOrNull(lkpBuyman->SelectedName()));
    if (edtCata->HeldId() > 0) {
        const RWareCata cata = edtCata->Cata();
        w->CataCodeFld->SetValue(TextOrNull(cata.Code));
        w->CataNameFld->SetValue(TextOrNull(cata.Name));
    }
    w->CheckStatusFld->SetValue(cmbCheck->Get());
    w->WareIdFld->SetValue(IdOrNull(edtWare->HeldId()));
    w->WareS01Fld->SetValue(TextOrNull(edtWareS01->text()));
    w->WareS02Fld->SetValue(TextOrNull(edtWareS02->text()));
    w->WareS03Fld->SetValue(TextOrNull(edtWareS03->text()));
}

void TBuyFinderFrm::QueryClick()
{
    CopyCriteria();
    m_sums->Query();
    // In key order, so that 上一单 and 下一单 walk the bills as they were entered.
    m_sums->DataSet()->SetSortText(QStringLiteral("Id"));
    m_sums->DataSet()->First();
    DBGrid1->setFocus();
}

void TBuyFinderFrm::OpenClick()
{
    TDataSet *list = m_sums->DataSet();
    if (list->Active() && !list->IsEmpty())
        accept();
}
