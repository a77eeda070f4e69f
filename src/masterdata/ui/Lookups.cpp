#include "masterdata/ui/Lookups.h"

#include "config/PickList.h"
#include "masterdata/ui/CategoryWindows.h"
#include "masterdata/ui/PickerFrm.h"
#include "masterdata/ui/ViewList.h"

#include <QKeyEvent>

#include <any>
#include <vector>

// ---- TLookupCombo -----------------------------------------------------------------------

// The item records, one per item in item order (items are only appended or all cleared).
struct TLookupCombo::TImpl
{
    std::vector<std::any> Records;
};

namespace {
// Every row of a master set as its record, in load order.
template<class TSet, class TRecord>
QList<TRecord> ReadAll()
{
    TSet set;
    set.LoadAll();
    QList<TRecord> rows;
    TDataSet *data = set.DataSet();
    for (data->First(); !data->Eof(); data->Next())
        rows.append(set.AsData());
    return rows;
}

template<class TRecord>
TRecord RecordAt(const std::vector<std::any> &records, int index)
{
    if (index >= 0 && index < int(records.size()))
        if (const auto *r = std::any_cast<TRecord>(&records[size_t(index)]))
            return *r;
    TRecord cleared;
    cleared.Clear();
    return cleared;
}

int IdOf(const std::any &record)
{
    if (const auto *r = std::any_cast<RDept>(&record))
        return r->Id;
    if (const auto *r = std::any_cast<REmployee>(&record))
        return r->Id;
    if (const auto *r = std::any_cast<RSupplier>(&record))
        return r->Id;
    if (const auto *r = std::any_cast<RItem>(&record))
        return r->Id;
    if (const auto *r = std::any_cast<RHouse>(&record))
        return r->Id;
    return 0;
}
} // namespace

TLookupCombo::TLookupCombo(TLookupKind kind, QWidget *parent)
    : TksComboBox(parent), m_kind(kind), m_impl(std::make_shared<TImpl>())
{
    setMinimumContentsLength(8);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, &TLookupCombo::Changed);
}

void TLookupCombo::Fill(bool withAll)
{
    clear();
    m_impl->Records.clear();
    const auto add = [this](const auto &rows) {
        for (const auto &r : rows) {
            addItem(r.Name);
            m_impl->Records.emplace_back(r);
        }
    };
    switch (m_kind) {
    case TLookupKind::Depts: add(ReadAll<TDeptSet, RDept>()); break;
    case TLookupKind::Employees: add(ReadAll<TEmployeeSet, REmployee>()); break;
    case TLookupKind::Suppliers: add(ReadAll<TSupplierSet, RSupplier>()); break;
    case TLookupKind::Banks: add(ReadAll<TBankSet, RItem>()); break;
    case TLookupKind::PlanTypes: add(ReadAll<TbuPlanTypeSet, RItem>()); break;
    case TLookupKind::OrderTypes: add(ReadAll<TbuOrderTypeSet, RItem>()); break;
    case TLookupKind::ShldoutItems: add(ReadAll<TShldoutItemSet, RItem>()); break;
    case TLookupKind::Houses: add(ReadAll<THouseSet, RHouse>()); break;
    case TLookupKind::PickList:
    case TLookupKind::Records: break;
    }
    if (withAll) {
        addItem(QStringLiteral("(全部)"));
        if (m_kind == TLookupKind::Depts) {
            RDept all;
            all.Id = -1;
            m_impl->Records.emplace_back(all);
        } else {
            RHouse all;
            all.Id = -1;
            m_impl->Records.emplace_back(all);
        }
        setCurrentIndex(0);
    } else {
        setCurrentIndex(-1);
    }
}

void TLookupCombo::FillPickList(int pickListKind)
{
    clear();
    m_impl->Records.clear();
    setEditable(true);
    addItems(TPickList::Items(pickListKind));
    setCurrentIndex(-1);
}

void TLookupCombo::FillFrom(TDataSet &set)
{
    clear();
    m_impl->Records.clear();
    TField *id = set.FieldByName(QStringLiteral("Id"));
    TField *name = set.FieldByName(QStringLiteral("Name"));
    for (set.First(); !set.Eof(); set.Next()) {
        RItem item;
        item.Id = id->AsInteger();
        item.Name = name->AsString();
        addItem(item.Name);
        m_impl->Records.emplace_back(item);
    }
    setCurrentIndex(-1);
}

int TLookupCombo::SelectedId() const
{
    const int index = currentIndex();
    if (index < 0 || index >= int(m_impl->Records.size()))
        return 0;
    return IdOf(m_impl->Records[size_t(index)]);
}

QString TLookupCombo::SelectedName() const
{
    return currentIndex() < 0 ? QString() : itemText(currentIndex());
}

void TLookupCombo::SelectId(int id)
{
    for (size_t i = 0; i < m_impl->Records.size(); ++i)
        if (IdOf(m_impl->Records[i]) == id) {
            setCurrentIndex(int(i));
            return;
        }
    setCurrentIndex(-1);
}

RDept TLookupCombo::Dept() const
{
    return RecordAt<RDept>(m_impl->Records, currentIndex());
}

REmployee TLookupCombo::Employee() const
{
    return RecordAt<REmployee>(m_impl->Records, currentIndex());
}

RSupplier TLookupCombo::Supplier() const
{
    return RecordAt<RSupplier>(m_impl->Records, currentIndex());
}

RItem TLookupCombo::Item() const
{
    return RecordAt<RItem>(m_impl->Records, currentIndex());
}

RHouse TLookupCombo::House() const
{
    return RecordAt<RHouse>(m_impl->Records, currentIndex());
}

int TLookupCombo::PickerLayout() const
{
    switch (m_kind) {
    case TLookupKind::Depts: return 1213;
    case TLookupKind::Employees: return 1214;
    case TLookupKind::Suppliers: return 1295;
    case TLookupKind::Banks: return 1293;
    case TLookupKind::PlanTypes: return 1294;
    case TLookupKind::OrderTypes: return 1292;
    case TLookupKind::ShldoutItems: return 1296;
    default: return 0;
    }
}

namespace {
// The list picker over a list object of the combo's table, started on the selected row;
// a picked record is selected in the combo, or added first when the combo lacked it.
template<class TList>
bool PickInto(TLookupCombo *combo, std::vector<std::any> &records)
{
    using TRecord = typename TList::TRecordType;
    TList list;
    list.LoadAll();
    const int current = combo->SelectedId();
    if (current > 0)
        list.DataSet()->Locate(QStringLiteral("Id"), current);
    list.OnPick = [combo, &records](const TRecord &record) {
        combo->SelectId(record.Id);
        if (combo->currentIndex() < 0) {
            combo->addItem(record.Name);
            records.emplace_back(record);
            combo->setCurrentIndex(combo->count() - 1);
        }
        emit combo->Changed();
        return true;
    };
    return TPickerFrm::Pick(combo, list, combo->PickerLayout());
}
} // namespace

bool TLookupCombo::Pick()
{
    switch (m_kind) {
    case TLookupKind::Depts: return PickInto<TDeptList>(this, m_impl->Records);
    case TLookupKind::Employees: return PickInto<TEmployeeList>(this, m_impl->Records);
    case TLookupKind::Suppliers: return PickInto<TSupplierList>(this, m_impl->Records);
    case TLookupKind::Banks: return PickInto<TBankList>(this, m_impl->Records);
    case TLookupKind::PlanTypes: return PickInto<TbuPlanTypeList>(this, m_impl->Records);
    case TLookupKind::OrderTypes: return PickInto<TbuOrderTypeList>(this, m_impl->Records);
    case TLookupKind::ShldoutItems:
        return PickInto<TShldoutItemList>(this, m_impl->Records);
    default: return false;
    }
}

void TLookupCombo::keyPressEvent(QKeyEvent *event)
{
    const bool clearing = event->key() == Qt::Key_Delete && !isEditable();
    TksComboBox::keyPressEvent(event);
    if (clearing)
        emit Changed();
}

// ---- TChoiceCombo -----------------------------------------------------------------------

namespace {
struct TChoice
{
    const char *Text;
    QVariant Value;
};

QList<TChoice> ChoicesOf(TChoiceKind kind)
{
    switch (kind) {
    case TChoiceKind::Sign: return {{"增加", 1}, {"减少", -1}};
    case TChoiceKind::CheckStatus: return {{"已审", true}, {"未审", false}};
    case TChoiceKind::InvoiceStatus: return {{"已开票", 0}, {"未开票", 1}};
    case TChoiceKind::CompletionStatus: return {{"已完成", 2}, {"未完成", 1}, {"已中止", 3}};
    case TChoiceKind::InspectionStatus:
        return {{"已质检", 2}, {"未质检", 3}, {"质检合格", 0}, {"质检不合格", 1}};
    }
    return {};
}
} // namespace

TChoiceCombo::TChoiceCombo(TChoiceKind kind, QWidget *parent)
    : TksComboBox(parent), m_kind(kind)
{
}

void TChoiceCombo::Fill()
{
    clear();
    for (const TChoice &c : ChoicesOf(m_kind))
        addItem(QString::fromUtf8(c.Text), c.Value);
    setCurrentIndex(-1);
}

QVariant TChoiceCombo::Get() const
{
    return currentIndex() < 0 ? QVariant() : itemData(currentIndex());
}

void TChoiceCombo::Select(const QVariant &value)
{
    int found = -1;
    if (!value.isNull())
        for (int i = 0; i < count() && found < 0; ++i)
            if (itemData(i) == value)
                found = i;
    setCurrentIndex(found);
}

// ---- TLookupEdit ------------------------------------------------------------------------

struct TLookupEdit::TImpl
{
    std::any Held;
};

namespace {
QString WareText(const RWare &w)
{
    return QStringLiteral("%1 %2 %3 %4").arg(w.Name, w.PartNo, w.Code, w.Brand);
}
} // namespace

TLookupEdit::TLookupEdit(TLookupEditKind kind, QWidget *parent)
    : TksEdit(parent), m_kind(kind), m_impl(std::make_shared<TImpl>())
{
}

RSupplier TLookupEdit::Supplier() const
{
    if (const auto *r = std::any_cast<RSupplier>(&m_impl->Held))
        return *r;
    return RSupplier();
}

void TLookupEdit::SetSupplier(const RSupplier &data)
{
    m_impl->Held = data;
    setText(data.Name);
}

RWare TLookupEdit::Ware() const
{
    if (const auto *r = std::any_cast<RWare>(&m_impl->Held))
        return *r;
    return RWare();
}

void TLookupEdit::SetWare(const RWare &data)
{
    m_impl->Held = data;
    setText(WareDisplay ? WareDisplay(data) : WareText(data));
}

RWareCata TLookupEdit::Cata() const
{
    if (const auto *r = std::any_cast<RWareCata>(&m_impl->Held))
        return *r;
    RWareCata cleared;
    cleared.Clear();
    return cleared;
}

void TLookupEdit::SetCata(const RWareCata &data)
{
    m_impl->Held = data;
    setText(data.Path);
}

REmployee TLookupEdit::Employee() const
{
    if (const auto *r = std::any_cast<REmployee>(&m_impl->Held))
        return *r;
    return REmployee();
}

void TLookupEdit::SetEmployee(const REmployee &data)
{
    m_impl->Held = data;
    setText(data.Name);
}

int TLookupEdit::HeldId() const
{
    switch (m_kind) {
    case TLookupEditKind::Supplier: return Supplier().Id;
    case TLookupEditKind::Ware: return Ware().Id;
    case TLookupEditKind::Category: return Cata().Id;
    case TLookupEditKind::Employee: return Employee().Id;
    }
    return 0;
}

void TLookupEdit::ClearHeld()
{
    m_impl->Held.reset();
    clear();
}

bool TLookupEdit::AcceptSupplier(const RSupplier &data)
{
    SetSupplier(data);
    emit Changed();
    return true;
}

bool TLookupEdit::AcceptWare(const RWare &data)
{
    SetWare(data);
    emit Changed();
    return true;
}

bool TLookupEdit::AcceptCata(const RWareCata &data)
{
    SetCata(data);
    emit Changed();
    return true;
}

void TLookupEdit::Browse()
{
    switch (m_kind) {
    case TLookupEditKind::Supplier: {
        TSupplierList list;
        list.LoadAll();
        if (HeldId() > 0)
            list.DataSet()->Locate(QStringLiteral("Id"), HeldId());
        list.OnPick = [this](const RSupplier &s) { return AcceptSupplier(s); };
        TPickerFrm::Pick(this, list, 1295);
        break;
    }
    case TLookupEditKind::Ware: {
        TWareList list;
        list.Load();
        if (HeldId() > 0)
            list.DataSet()->Locate(QStringLiteral("Id"), HeldId());
        list.OnPick = [this](const RWare &w) { return AcceptWare(w); };
        TPickerFrm::Pick(this, list, 1219);
        break;
    }
    case TLookupEditKind::Category:
        PickCategory(this, Cata().Code, TCataTreeMode::Browse,
                     [this](const RWareCata &c) { return AcceptCata(c); });
        break;
    case TLookupEditKind::Employee:
        break;
    }
}
