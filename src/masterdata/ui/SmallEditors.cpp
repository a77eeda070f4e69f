#include "masterdata/ui/SmallEditors.h"

#include "data/Messages.h"
#include "grids/ui/ksComboBox.h"
#include "grids/ui/ksEdit.h"
#include "grids/ui/ksMemo.h"
#include "masterdata/ui/EditorForm.h"

#include <QTimer>

namespace {
const QString NameRequired = QStringLiteral("名称不能为空");

QString NewOrChange(int id)
{
    return id > 0 ? QStringLiteral("修改") : QStringLiteral("添加");
}
} // namespace

TSmallEditorFrm::TSmallEditorFrm(QWidget *owner, const QString &name, const QString &title)
    : TADlgFrm(owner, name), m_form(new TEditorForm(Client()))
{
    setWindowTitle(title);
}

TSmallEditorFrm::~TSmallEditorFrm()
{
    delete m_form;
}

void TSmallEditorFrm::OkClicked()
{
    if (Check() && Save())
        accept();
}

bool TSmallEditorFrm::Require(bool filled, const QString &message, QWidget *box)
{
    if (filled)
        return true;
    ShowInfo(message);
    box->setFocus();
    return false;
}

// ---- name and note ----------------------------------------------------------------------

TFnItemEditorFrm::TFnItemEditorFrm(QWidget *owner, const RItem &item, TSaveCallback<RItem> save)
    : TSmallEditorFrm(owner, QStringLiteral("FnItemEditorFrm"), NewOrChange(item.Id)),
      m_item(item), m_save(std::move(save))
{
    // 30 characters: the narrowest name column of the tables this editor serves.
    edtName = Form()->AddEdit(QStringLiteral("名称"), QStringLiteral("edtName"), 30);
    edtNote = Form()->AddEdit(QStringLiteral("备注"), QStringLiteral("edtNote"), 50);
    edtName->setText(item.Name);
    edtNote->setText(item.Note);
}

bool TFnItemEditorFrm::Check()
{
    return Require(!edtName->text().trimmed().isEmpty(), NameRequired, edtName);
}

bool TFnItemEditorFrm::Save()
{
    RItem item = m_item;
    item.Name = edtName->text().trimmed();
    item.Note = edtNote->text();
    return m_save(item);
}

// ---- departments ------------------------------------------------------------------------

TDeptEditorFrm::TDeptEditorFrm(QWidget *owner, const RDept &dept, TSaveCallback<RDept> save)
    : TSmallEditorFrm(owner, QStringLiteral("DeptEditorFrm"), QStringLiteral("部门")),
      m_dept(dept), m_save(std::move(save))
{
    edtName = Form()->AddEdit(QStringLiteral("名称"), QStringLiteral("edtName"), 20);
    edtMgr = Form()->AddEdit(QStringLiteral("负责人"), QStringLiteral("edtMgr"), 30);
    edtTel = Form()->AddEdit(QStringLiteral("电话"), QStringLiteral("edtTel"), 50);
    edtAddr = Form()->AddEdit(QStringLiteral("地址"), QStringLiteral("edtAddr"), 50);
    edtNote = Form()->AddEdit(QStringLiteral("备注"), QStringLiteral("edtNote"), 50);
    edtName->setText(dept.Name);
    edtMgr->setText(dept.Mgr);
    edtTel->setText(dept.Tel);
    edtAddr->setText(dept.Addr);
    edtNote->setText(dept.Note);
}

bool TDeptEditorFrm::Check()
{
    return Require(!edtName->text().trimmed().isEmpty(), NameRequired, edtName);
}

bool TDeptEditorFrm::Save()
{
    RDept dept = m_dept;
    dept.Name = edtName->text().trimmed();
    dept.Mgr = edtMgr->text();
    dept.Tel = edtTel->text();
    dept.Addr = edtAddr->text();
    dept.Note = edtNote->text();
    return m_save(dept);
}

// ---- employees --------------------------------------------------------------------------

TEmployeeEditorFrm::TEmployeeEditorFrm(QWidget *owner, const REmployee &employee,
                                       TSaveCallback<REmployee> save)
    : TSmallEditorFrm(owner, QStringLiteral("EmployeeEditorFrm"), QStringLiteral("职员")),
      m_employee(employee), m_save(std::move(save))
{
    edtName = Form()->AddEdit(QStringLiteral("姓名"), QStringLiteral("edtName"), 30);
    cmbSex = new TksComboBox(Client());
    cmbSex->setObjectName(QStringLiteral("cmbSex"));
    cmbSex->addItems({QStringLiteral("男"), QStringLiteral("女")});
    Form()->AddWidget(QStringLiteral("性别"), cmbSex);
    edtTel = Form()->AddEdit(QStringLiteral("联系电话"), QStringLiteral("edtTel"), 30);
    edtAddr = Form()->AddEdit(QStringLiteral("联系地址"), QStringLiteral("edtAddr"), 50);
    memNote = Form()->AddMemo(QStringLiteral("备注"), QStringLiteral("memNote"));
    edtName->setText(employee.Name);
    cmbSex->setCurrentIndex(cmbSex->findText(employee.Sex));
    edtTel->setText(employee.Tel);
    edtAddr->setText(employee.Addr);
    memNote->setPlainText(employee.Note);
    QTimer::singleShot(0, edtName, qOverload<>(&QWidget::setFocus));
}

bool TEmployeeEditorFrm::Check()
{
    return Require(!edtName->text().trimmed().isEmpty(), NameRequired, edtName);
}

bool TEmployeeEditorFrm::Save()
{
    REmployee employee = m_employee;
    employee.Name = edtName->text().trimmed();
    employee.Sex = cmbSex->currentIndex() < 0 ? QString() : cmbSex->currentText();
    employee.Tel = edtTel->text();
    employee.Addr = edtAddr->text();
    employee.Note = memNote->toPlainText();
    return m_save(employee);
}

// ---- units ------------------------------------------------------------------------------

TUnitEditorFrm::TUnitEditorFrm(QWidget *owner, const RUnit &unit, TSaveCallback<RUnit> save)
    : TSmallEditorFrm(owner, QStringLiteral("UnitEditorFrm"), QStringLiteral("包装单位")),
      m_unit(unit), m_save(std::move(save))
{
    edtName = Form()->AddEdit(QStringLiteral("单位名称"), QStringLiteral("edtName"), 30);
    edtRate = Form()->AddNumber(QStringLiteral("基本单位换算率"), QStringLiteral("edtRate"));
    edtNote = Form()->AddEdit(QStringLiteral("备注"), QStringLiteral("edtNote"), 50);
    edtName->setText(unit.Name);
    edtRate->SetAsVariant(unit.Rate ? QVariant(*unit.Rate) : QVariant());
    edtNote->setText(unit.NoteX);
}

bool TUnitEditorFrm::Check()
{
    return Require(!edtName->text().trimmed().isEmpty(),
                   QStringLiteral("单位名称") + QStringLiteral("必须填写"), edtName);
}

bool TUnitEditorFrm::Save()
{
    RUnit unit = m_unit;
    unit.Name = edtName->text().trimmed();
    const QVariant rate = edtRate->AsVariant();
    unit.Rate = rate.isNull() ? std::nullopt : std::optional<double>(rate.toDouble());
    unit.NoteX = edtNote->text();
    return m_save(unit);
}

// ---- warehouses -------------------------------------------------------------------------

THouseEditorFrm::THouseEditorFrm(QWidget *owner, const RHouse &house, TSaveCallback<RHouse> save)
    : TSmallEditorFrm(owner, QStringLiteral("HouseEditorFrm"), QStringLiteral("仓库")),
      m_house(house), m_save(std::move(save))
{
    edtName = Form()->AddEdit(QStringLiteral("名称"), QStringLiteral("edtName"), 30);
    edtMgr = Form()->AddEdit(QStringLiteral("负责人"), QStringLiteral("edtMgr"), 30);
    edtTel = Form()->AddEdit(QStringLiteral("电话"), QStringLiteral("edtTel"), 50);
    edtNote = Form()->AddEdit(QStringLiteral("备注"), QStringLiteral("edtNote"), 50);
    edtName->setText(house.Name);
    edtMgr->setText(house.Mgr);
    edtTel->setText(house.Tel);
    edtNote->setText(house.Note);
}

bool THouseEditorFrm::Check()
{
    return Require(!edtName->text().trimmed().isEmpty(), NameRequired, edtName);
}

bool THouseEditorFrm::Save()
{
    RHouse house = m_house;
    house.Name = edtName->text().trimmed();
    house.Mgr = edtMgr->text();
    house.Tel = edtTel->text();
    house.Note = edtNote->text();
    return m_save(house);
}

// ---- entry points -----------------------------------------------------------------------

namespace {
template<class TFrm, class TRecord>
bool RunEditor(QWidget *owner, const TRecord &record, const TSaveCallback<TRecord> &save)
{
    TFrm editor(owner, record, save);
    return editor.exec() == QDialog::Accepted;
}
} // namespace

bool EditRecord(QWidget *owner, const RItem &item, const TSaveCallback<RItem> &save)
{
    return RunEditor<TFnItemEditorFrm>(owner, item, save);
}

bool EditRecord(QWidget *owner, const RDept &dept, const TSaveCallback<RDept> &save)
{
    return RunEditor<TDeptEditorFrm>(owner, dept, save);
}

bool EditRecord(QWidget *owner, const REmployee &employee, const TSaveCallback<REmployee> &save)
{
    return RunEditor<TEmployeeEditorFrm>(owner, employee, save);
}

bool EditRecord(QWidget *owner, const RUnit &unit, const TSaveCallback<RUnit> &save)
{
    return RunEditor<TUnitEditorFrm>(owner, unit, save);
}

bool EditRecord(QWidget *owner, const RHouse &house, const TSaveCallback<RHouse> &save)
{
    return RunEditor<THouseEditorFrm>(owner, house, save);
}
