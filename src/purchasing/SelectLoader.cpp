#include "purchasing/SelectLoader.h"

#include "data/DataSet.h"
#include "data/Database.h"
#include "data/Messages.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <vector>

void LoadSelect(TDatabase &database, TDataSet *data, const QString &sql,
                const std::function<void(QVariant *row)> &complete,
                const std::function<void(int row)> &progress)
{
    QSqlQuery *query = nullptr;
    try {
        query = &database.RunSelect(sql, {});
    } catch (const EDatabaseError &e) {
        ShowInfo(QStringLiteral("SQL语句错误,原文如下:\r\n") + sql
                 + QStringLiteral("\r\n\r\n错误提示:\r\n") + e.Message());
        throw;
    }
    const QSqlRecord record = query->record();
    std::vector<int> target(size_t(record.count()), -1);
    for (int i = 0; i < record.count(); ++i)
        if (TField *f = data->FindField(record.fieldName(i)))
            target[size_t(i)] = f->Index();
    data->BeginLoad(query->size() > 0 ? query->size() : 0);
    int rows = 0;
    while (query->next()) {
        QVariant *row = data->AppendLoadRow();
        for (size_t i = 0; i < target.size(); ++i)
            if (target[i] >= 0)
                row[target[i]] = query->value(int(i));
        if (complete)
            complete(row);
        if (progress)
            progress(++rows);
    }
    database.FinishSelect();
    data->EndLoad();
}
