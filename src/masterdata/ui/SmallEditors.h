#pragma once

#include "masterdata/ui/MasterEditors.h"
#include "shell/ui/ADlgFrm.h"

class QComboBox;
class TEditorForm;
class TksEdit;
class TksMemo;

// The editors of the small tables. Each checks the name, collects its boxes into the
// record, hands it to the save callback and closes with OK only when that saved it.
class TSmallEditorFrm : public TADlgFrm
{
    Q_OBJECT
public:
    TSmallEditorFrm(QWidget *owner, const QString &name, const QString &title);
    ~TSmallEditorFrm() override;

protected:
    void OkClicked() override;
    // Shows the message and focuses the box when the input is wanting.
    bool Require(bool filled, const QString &message, QWidget *box);
    virtual bool Check() = 0;
    // Collects the boxes and calls the save callback.
    virtual bool Save() = 0;
    TEditorForm *Form() const { return m_form; }

private:
    TEditorForm *m_form;
};

class TFnItemEditorFrm : public TSmallEditorFrm
{
    Q_OBJECT
public:
    TFnItemEditorFrm(QWidget *owner, const RItem &item, TSaveCallback<RItem> save);
    TksEdit *edtName;
    TksEdit *edtNote;

protected:
    bool Check() override;
    bool Save() override;

private:
    RItem m_item;
    TSaveCallback<RItem> m_save;
};

class TDeptEditorFrm : public TSmallEditorFrm
{
    Q_OBJECT
public:
    TDeptEditorFrm(QWidget *owner, const RDept &dept, TSaveCallback<RDept> save);
    TksEdit *edtName;
    TksEdit *edtMgr;
    TksEdit *edtTel;
    TksEdit *edtAddr;
    TksEdit *edtNote;

protected:
    bool Check() override;
    bool Save() override;

private:
    RDept m_dept;
    TSaveCallback<RDept> m_save;
};

class TEmployeeEditorFrm : public TSmallEditorFrm
{
    Q_OBJECT
public:
    TEmployeeEditorFrm(QWidget *owner, const REmployee &employee,
                       TSaveCallback<REmployee> save);
    TksEdit *edtName;
    QComboBox *cmbSex;
    TksEdit *edtTel;
    TksEdit *edtAddr;
    TksMemo *memNote;

protected:
    bool Check() override;
    bool Save() override;

private:
    REmployee m_employee;
    TSaveCallback<REmployee> m_save;
};

class TUnitEditorFrm : public TSmallEditorFrm
{
    Q_OBJECT
public:
    TUnitEditorFrm(QWidget *owner, const RUnit &unit, TSaveCallback<RUnit> save);
    TksEdit *edtName;
    TksEdit *edtRate;
    TksEdit *edtNote;

protected:
    bool Check() override;
    bool Save() override;

private:
    RUnit m_unit;
    TSaveCallback<RUnit> m_save;
};

class THouseEditorFrm : public TSmallEditorFrm
{
    Q_OBJECT
public:
    THouseEditorFrm(QWidget *owner, const RHouse &house, TSaveCallback<RHouse> save);
    TksEdit *edtName;
    TksEdit *edtMgr;
    TksEdit *edtTel;
    TksEdit *edtNote;

protected:
    bool Check() override;
    bool Save() override;

private:
    RHouse m_house;
    TSaveCallback<RHouse> m_save;
};
