#pragma once

#include <QString>
#include <QVariant>

#include <functional>

class TDatabase;
class TDataSet;

// Fills a data set from one select, matching result columns to fields by name (fields
// without a column stay null), and lets the caller complete each row as it is stored:
// computed columns cost one pass and no second query. A failing select is shown with its
// statement, as every set shows it, and raised.
// progress, when given, receives (row, expected rows or 0) after each row.
void LoadSelect(TDatabase &database, TDataSet *data, const QString &sql,
                const std::function<void(QVariant *row)> &complete = {},
                const std::function<void(int row)> &progress = {});
