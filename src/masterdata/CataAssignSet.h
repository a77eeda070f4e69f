#pragma once

#include "data/QuerySet.h"
#include "masterdata/EmployeeSet.h"

#include <optional>

// The buyer responsible for a category, by category code.
struct RCataAssign
{
    QString Code;
    std::optional<int> BuymanId;
};
using RCataAssigns = QList<RCataAssign>;

class TCataAssignSet : public TQuerySet
{
    Q_OBJECT
public:
    static RCataAssigns LoadAssignments();
    // Writes every assignment in one transaction; false, with nothing written, when a code
    // names no category.
    static bool SaveAssignments(const RCataAssigns &assigns);
    // The buyer of the goods item's category.
    static bool BuyerOfWare(int wareId, REmployee &buyer);
    // The employee linked to an operator's login.
    static bool EmployeeOfOperator(const QString &loginId, REmployee &employee);
};
