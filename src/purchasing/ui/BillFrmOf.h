#pragma once

#include "purchasing/ui/BillFrm.h"

#include "data/Database.h"

// The record operations of a bill window from its bill class. Every bill class of the
// system offers the same class-level operations (Load, Save, CheckDelete, Delete, Check,
// PriorId, NextId, NewBill, Copy) on its record, which carries Id, Code, Billman and
// CheckTime; a kind's window then only shows a record and collects one from its controls.
template<class TBill2, class RBill>
class TBillFrmOf : public TBillFrm
{
public:
    using TBillFrm::TBillFrm;

    const RBill &Current() const { return m_current; }
    // A record built elsewhere (from an upstream document): shown, in state 0 when new.
    void ShowBill(const RBill &bill)
    {
        m_current = bill;
        ShowCurrentBill();
    }

protected:
    // Fills the controls and the line set from the record.
    virtual void Display(const RBill &bill) = 0;
    // Copies the window's values (header, lines, total) into the record.
    virtual void Collect(RBill &bill) = 0;
    // Refuses lines the bill cannot be saved with (the message shown).
    virtual bool CheckLines(const RBill &bill) = 0;

    // A new bill as 新建 shows it and as the save of a new bill starts from.
    virtual RBill FreshBill()
    {
        RBill bill = TBill2::NewBill();
        bill.BillTime = TheDatabase().ServerNow();
        return bill;
    }

    bool LoadCurrent(int id) override
    {
        RBill bill;
        if (!TBill2::Load(id, bill))
            return false;
        m_current = bill;
        return true;
    }
    void ShowCurrent() override { Display(m_current); }
    void ShowNew() override { Display(FreshBill()); }
    void ShowCopy() override
    {
        RBill copy = TBill2::Copy(m_current);
        copy.BillTime = TheDatabase().ServerNow();
        Display(copy);
    }
    void ShowEmpty() override
    {
        m_current = RBill();
        m_current.BizDate = QVariant();
        Display(m_current);
    }
    int CurrentId() const override { return m_current.Id; }
    bool CurrentAudited() const override { return !m_current.CheckTime.isNull(); }
    QString CurrentBillman() const override { return m_current.Billman; }
    QString CurrentCode() const override { return m_current.Code; }

    bool SaveCurrent(bool fresh) override
    {
        RBill bill = fresh ? FreshBill() : m_current;
        Collect(bill);
        if (!CheckLines(bill))
            return false;
        QString error;
        if (!TBill2::Save(bill, error)) {
            ShowSaveFailure(error);
            return false;
        }
        m_current = bill;
        return true;
    }
    bool CheckDeleteCurrent(QString &text) override
    {
        return TBill2::CheckDelete(m_current, text);
    }
    bool DeleteCurrent(QString &error) override { return TBill2::Delete(m_current, error); }
    bool CheckCurrent() override { return TBill2::Check(m_current); }
    int PriorIdOfCurrent() const override { return TBill2::PriorId(m_current); }
    int NextIdOfCurrent() const override { return TBill2::NextId(m_current); }

    RBill m_current;
};
