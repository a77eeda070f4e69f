#pragma once

#include "purchasing/BillModel.h"
#include "purchasing/BuyRecords.h"

class TDatabase;

// The purchase arrival bill: class-level operations on RBuy records. Failures come back as
// texts for the caller to show; a database error rolls back and is passed on.
//
// The builders from upstream documents (FromPlan, FromApp, FromOrder, FromOrderLines,
// FromAppLines) come with those documents; they fill a record through NewBill.
class TBuyBill2
{
public:
    TBuyBill2() = delete;

    static const TBillTables &Tables();

    static bool Load(int id, RBuy &bill);
    static bool Load(TDatabase &database, int id, RBuy &bill);
    // One transaction: header (new: Id, Code, BillTime assigned), then the lines.
    static bool Save(RBuy &bill, QString &error);
    static bool Save(TDatabase &database, RBuy &bill, QString &error);
    // The invoices and inspections that reference the bill's lines; ok when none.
    static bool CheckDelete(const RBuy &bill, QString &text);
    static bool CheckDelete(TDatabase &database, const RBuy &bill, QString &text);
    // Only by its author and only while not audited.
    static bool Delete(const RBuy &bill, QString &error);
    static bool Delete(TDatabase &database, const RBuy &bill, QString &error);
    // Audits a bill without auditor, un-audits one with (right 1017).
    static bool Check(RBuy &bill);
    static bool Check(TDatabase &database, RBuy &bill);
    static int PriorId(const RBuy &bill);
    static int NextId(const RBuy &bill);
    static bool LastId(int &id);

    // A new, empty bill: server date, type 1, the current operator as author.
    static RBuy NewBill();
    static RBuy NewBill(TDatabase &database);
    // The same bill as a new one: no id, code, audit; lines without keys.
    static RBuy Copy(const RBuy &bill);
    static RBuy Copy(TDatabase &database, const RBuy &bill);
    // The bill total: the sum of the line amounts to 2 decimals.
    static double TotalOf(const RBuydls &lines);

private:
    static bool SaveHeader(TDatabase &database, RBuy &bill, QString &error);
    static bool SaveLines(TDatabase &database, RBuy &bill, QString &error);
};
