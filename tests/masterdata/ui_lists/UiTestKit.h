#pragma once

#include "data/Database.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QVariant>
#include <QWidget>

class TDataSet;

// What the window tests of the master lists share: finding controls, typing like a user,
// reading the database back and the records the cases start from.
namespace UiKit {
template<class T>
T *Child(QWidget *window, const QString &name)
{
    return window ? window->findChild<T *>(name) : nullptr;
}
// Replaces a box's text by typing it (an empty text clears the box).
void Type(QLineEdit *edit, const QString &text);
void Click(QWidget *window, const QString &buttonName);
// The first value the select returns; NULL when there is no row.
QVariant Scalar(const QString &sql, const TDBParameters &params = {});
int Count(const QString &table);
// Direct inserts for the cases' starting data; the new key.
int AddSupplier(const QString &name, const QString &lookId, const QString &tel = QString());
int AddEmployee(const QString &name);
int AddWare(const QString &code, const QString &name);
// An arrival whose header names the supplier and the buyer and whose line names the goods.
void AddArrival(int supplierId, int employeeId, int wareId);
// The data set's rows of one field, first to last.
QStringList Column(TDataSet *data, const QString &field);
// Grabs a window to $OPENBUY_SHOTS/<name>.png when that variable names a folder.
void Shot(QWidget *window, const QString &name);
// Makes the test's operator sa (every right) or an operator with just these rights.
void LoginAs(const QString &login, const QString &rights = QString());
} // namespace UiKit
