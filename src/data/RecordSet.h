#pragma once

#include "data/QuerySet.h"

// The set used for lists and lookups: adds Refresh, JoinValues and the client-side deletes.
class TRecordSet : public TQuerySet
{
    Q_OBJECT
public:
    TRecordSet() = default;
    explicit TRecordSet(TDatabase &database) : TQuerySet(database) {}

    // Reopens with the same command and parameters, keeping bound controls quiet.
    void Refresh();
    // The field's text of every row, first to last, joined by the separator.
    QString JoinValues(TField *field, const QString &separator) const;
    virtual void DeleteCurrent();
    virtual void DeleteAll();

protected:
    void SetupField(TField *field, int size) override;
};
