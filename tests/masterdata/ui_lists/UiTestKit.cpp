#include "UiTestKit.h"

#include "config/Operator.h"
#include "data/DataSet.h"
#include "data/RecordSet.h"
#include "masterdata/EmployeeSet.h"
#include "masterdata/SupplierSet.h"
#include "masterdata/WareSet.h"

#include <QDateTime>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTest>

namespace UiKit {
void Type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    // QTest types ASCII only; other characters arrive as the key events an input method sends.
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(edit, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &release);
    }
}

void Click(QWidget *window, const QString &buttonName)
{
    auto *button = Child<QPushButton>(window, buttonName);
    if (!button)
        qFatal("no button %s in %s", qPrintable(buttonName), qPrintable(window->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}

QVariant Scalar(const QString &sql, const TDBParameters &params)
{
    TRecordSet set(TheDatabase());
    if (set.OpenSQL(sql, params) == 0)
        return QVariant();
    return set.DataSet()->Field(0)->Value();
}

int Count(const QString &table)
{
    return Scalar(QStringLiteral("select count(*) from ") + table).toInt();
}

int AddSupplier(const QString &name, const QString &lookId, const QString &tel)
{
    RSupplier s;
    s.Name = name;
    s.LookId = lookId;
    s.Tel = tel;
    s.Linkman = QStringLiteral("王经理");
    if (!TSupplierSet::Save(s))
        qFatal("supplier not saved");
    return s.Id;
}

int AddEmployee(const QString &name)
{
    REmployee e;
    e.Name = name;
    if (!TEmployeeSet::Save(e))
        qFatal("employee not saved");
    return e.Id;
}

int AddWare(const QString &code, const QString &name)
{
    RWare w;
    w.Code = code;
    w.Name = name;
    if (!TWareSet::Save(w))
        qFatal("goods not saved");
    return w.Id;
}

void AddArrival(int supplierId, int employeeId, int wareId)
{
    TDatabase &db = TheDatabase();
    const int id = Scalar(QStringLiteral("select max(Id) from buy")).toInt() + 1;
    db.ExecSQL(QStringLiteral("insert into buy(Id, Code, SupplierId, BuymanId, BizDate, TypeId)"
                              "values(:Id, :Code, :SupplierId, :BuymanId, :BizDate, 1)"),
               {DBParam(QStringLiteral("Id"), id),
                DBParam(QStringLiteral("Code"), QStringLiteral("AR2612%1").arg(id, 4, 10,
                                                                              QLatin1Char('0'))),
                DBParam(QStringLiteral("SupplierId"), supplierId),
                DBParam(QStringLiteral("BuymanId"), employeeId),
                DBParam(QStringLiteral("BizDate"), QDateTime(QDate(2026, 12, 1), QTime(9, 0)))});
    const int dlId = Scalar(QStringLiteral("select max(dlId) from buydl")).toInt() + 1;
    db.ExecSQL(QStringLiteral("insert into buydl(dlId, MastId, WareId, Qty, Price)"
                              "values(:dlId, :MastId, :WareId, 2, 3)"),
               {DBParam(QStringLiteral("dlId"), dlId), DBParam(QStringLiteral("MastId"), id),
                DBParam(QStringLiteral("WareId"), wareId)});
}

QStringList Column(TDataSet *data, const QString &field)
{
    QStringList values;
    const int column = data->FieldByName(field)->Index();
    for (int pos = 0; pos < data->RecordCount(); ++pos)
        values << data->ValueAt(pos, column).toString();
    return values;
}

void Shot(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("OPENBUY_SHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

void LoginAs(const QString &login, const QString &rights)
{
    TheOperator().Clear();
    TheOperator().LoginId = login;
    TheOperator().Rights = rights;
}
} // namespace UiKit
