#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class TDatabase;

// What every purchasing and payables bill shares: a header table keyed by Id with Code,
// Billman, BillTime, Checkman, CheckTime, and a line table keyed by dlId naming its header
// in MastId. The bill classes of each kind describe their tables once and use these steps.
struct TBillTables
{
    QString Header;             // "buy"
    QString Lines;              // "buydl"
    QString Prefix;             // "AR"
    int AuditRight = 0;         // 1017
};

// Rolls the transaction back unless it was committed: every exit of a save, delete or
// audit that did not commit leaves nothing behind.
class TBillTransaction
{
public:
    explicit TBillTransaction(TDatabase &database);
    ~TBillTransaction();
    TBillTransaction(const TBillTransaction &) = delete;
    TBillTransaction &operator=(const TBillTransaction &) = delete;
    void Commit();
    void Rollback();

private:
    TDatabase &m_database;
    bool m_open = true;
};

namespace BillModel {

// Navigation by key; 0 when there is no such bill.
int PriorId(TDatabase &database, const TBillTables &tables, int id);
int NextId(TDatabase &database, const TBillTables &tables, int id);
bool LastId(TDatabase &database, const TBillTables &tables, int &id);

// Why the guarded header update matched no row (read again by Id).
QString ExplainUpdate(TDatabase &database, const TBillTables &tables, int id);
// Why the guarded header delete matched no row.
QString ExplainDelete(TDatabase &database, const TBillTables &tables, int id);

// Removes the stored lines of a header that are not among the kept ids.
void RemoveOtherLines(TDatabase &database, const TBillTables &tables, int mastId,
                      const QList<int> &keptIds);

// Audits a bill without auditor, un-audits one with (only by its auditor). Needs the
// kind's audit right (a silent abort otherwise). On success checkman and checkTime hold
// the new values; a refusal or a failed update has shown its message and returns false.
bool CheckBill(TDatabase &database, const TBillTables &tables, int id, QString &checkman,
               QVariant &checkTime);

// Values as the bill tables store them: empty text and ids of 0 or less as null where a
// link is meant, numbers that are 0 as null where an amount is meant.
QVariant NullLink(const QVariant &value);
QVariant NullIfZero(const QVariant &value);
double Number(const QVariant &value);       // empty counts as 0

} // namespace BillModel
