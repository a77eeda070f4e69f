#pragma once

#include <QString>
#include <QStringList>

// The goods attributes under their aliases. Every query that returns goods attributes with
// bill lines, supplier prices or report rows exposes them as WareS01 … WareS12, captioned by
// the label of the same name (the process-wide captions that the start-up loads).
namespace WareCaptions {
// The caption of WareS01 … WareS12, WareF01 … WareF05 and the other labels.
QString Caption(const QString &name);
// The names in order: WareS01 … WareS12.
QStringList TextNames();
// The names in order: WareF01 … WareF05.
QStringList NumberNames();
// "w.Code as WareS01, w.Name as WareS02, …, w.Unit as WareS12" over the given alias.
QString SelectList(const QString &alias = QStringLiteral("w"));
// The column of ware behind an alias ("WareS04" → "PartNo"); empty when none.
QString ColumnOf(const QString &name);
} // namespace WareCaptions
