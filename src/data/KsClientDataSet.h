#pragma once

#include "data/DataSet.h"

#include <QElapsedTimer>
#include <QObject>

// An in-memory table owned by a line, result or criteria set. Descendants declare their
// columns in the constructor and then call CreateDataSet.
class TKsClientDataSet : public QObject
{
    Q_OBJECT
public:
    TKsClientDataSet();
    ~TKsClientDataSet() override;

    TDataSet *DataSet() const { return m_data; }
    void CreateDataSet();

    // A string column longer than 20 keeps at most 140 characters; 20 or less keeps 20.
    template<class F>
    F *AddFieldDef(const QString &name, int size, bool visible, const QString &label = QString())
    {
        F *field = AddField<F>(name, visible, label);
        SizeField(field, size);
        return field;
    }
    TField *AddFieldDef(TFieldType type, const QString &name, int size, bool visible,
                        const QString &label)
    {
        TField *field = m_data->AddField(type, name, visible, label);
        SizeField(field, size);
        return field;
    }
    static void SizeField(TField *field, int size)
    {
        if (field->IsString() && field->DataType() != TFieldType::Memo)
            field->Size = size > 20 ? std::min(size, 140) : 20;
    }
    template<class F>
    F *AddField(const QString &name, bool visible, const QString &label = QString())
    {
        return m_data->AddField<F>(name, visible, label);
    }

    // Sum of a field's float value over all rows (null counts as 0); the current row stays.
    double FieldSum(const TField *field) const;

    void DoProgress(int count, int position);
    void DoProgress2(int count, int position, const QString &hint);
    // Milliseconds spent by the last computation.
    double LostTime() const { return m_lostTime; }

signals:
    void OnProgress(int count, int position);
    void OnProgress2(int count, int position, const QString &hint);

protected:
    void StartTiming() { m_timer.start(); }
    void StopTiming() { m_lostTime = double(m_timer.nsecsElapsed()) / 1e6; }

    TDataSet *m_data;

private:
    QElapsedTimer m_timer;
    double m_lostTime = 0.0;
};
