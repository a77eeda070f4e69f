#pragma once

#include <QString>

class TDatabase;

// The next bill code of a table for the current month: prefix + yymm + a sequence of at
// least four digits ("AR13010001"). Called inside the saving transaction.
QString NextBillCode(const QString &prefix, const QString &table);
QString NextBillCode(TDatabase &database, const QString &prefix, const QString &table);

// A new key: the greatest value of the key column plus one (1 for an empty table).
int NewId(const QString &table, const QString &keyField = QStringLiteral("Id"));
int NewId(TDatabase &database, const QString &table,
          const QString &keyField = QStringLiteral("Id"));
