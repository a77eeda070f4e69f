#pragma once

#include "data/DataSet.h"
#include "data/Database.h"

#include <QObject>

// Base of the typed sets: opens one select into an in-memory snapshot whose columns are
// persistent fields. Sets are read-only: every write is a statement through TDatabase.
class TQuerySet : public QObject
{
    Q_OBJECT
public:
    TQuerySet();
    explicit TQuerySet(TDatabase &database);
    ~TQuerySet() override;

    TDataSet *InnerQuery() const { return m_data; }
    TDataSet *DataSet() const { return m_data; }
    QString SqlText() const { return m_sql; }
    TDatabase &Database() const { return *m_database; }

    // Opens the select and returns the record count. A failing select shows
    // "SQL语句错误,原文如下:…" and raises; the set is then closed.
    int OpenSQL(const QString &sql, const TDBParameters &params = {});
    void Close();

    // A persistent field: its name, label, visibility and, when size >= 0, its size.
    template<class F>
    F *AddField(const QString &name, int size = -1, bool visible = true,
                const QString &label = QString())
    {
        F *field = m_data->AddField<F>(name, visible, label);
        SetupField(field, size);
        return field;
    }
    TField *AddField(TFieldType type, const QString &name, int size, bool visible,
                     const QString &label)
    {
        TField *field = m_data->AddField(type, name, visible, label);
        SetupField(field, size);
        return field;
    }
    void FlushEdits();

    // Fires while a large select is read: (rows read, 0) every few thousand rows.
    std::function<void(int rows)> OnLoadProgress;

protected:
    virtual void SetupField(TField *field, int size);
    void Load(const QString &sql, const TDBParameters &params);

    TDatabase *m_database;
    TDataSet *m_data;
    QString m_sql;
    TDBParameters m_params;
};
