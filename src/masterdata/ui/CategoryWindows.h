#pragma once

#include "masterdata/WareCataSet.h"
#include "masterdata/WareSet.h"

#include <functional>

class QWidget;

enum class TCataTreeMode { Browse, Edit };
using TCataCallback = std::function<bool(const RWareCata &)>;
using TWareCallback = std::function<bool(const RWare &)>;

// The category picker "选择", positioned on a code; "确定" (or a double click on a leaf)
// hands the selected category to accept and closes when it agrees. True when it did.
bool PickCategory(QWidget *owner, const QString &code, TCataTreeMode mode,
                  const TCataCallback &accept);
// The category editor; true when the tree was saved.
bool EditCategories(QWidget *owner);
// The category choice dialog "分类" in browse mode.
bool ChooseCategory(QWidget *owner, const QString &code, const TCataCallback &accept);
// "采购分配": the default buyer of every category.
void AssignCategoryBuyers(QWidget *owner);
// "货物资料": the goods list with its category tree.
void OpenGoodsList(QWidget *owner);
// The non-modal goods picker of the supplier editor; created on first use by the caller and
// kept (the returned window belongs to owner). Each accepted item goes to accept.
QWidget *OpenGoodsPicker(QWidget *owner, const TWareCallback &accept);
