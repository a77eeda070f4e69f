#pragma once

#include "data/RecordSet.h"

#include <QStringList>

// The pick lists of the options table: entries one per line, offered by editors' drop-downs.
enum TPickListKey : int { plUnits = 0, plSpecialChars = 1, plCreditRatings = 2, plPayModes = 3 };

class TPickList
{
public:
    // The list's text; found when exactly one row has the key.
    static bool ReadPickList(int key, QString &text);
    // Updates the list or adds it (with an empty label); true when a row was written.
    static bool WritePickList(int key, const QString &text);
    // The entries as a combo box offers them, one per line, empty lines left out.
    static QStringList Items(int key);
    // The lists the options dialog edits, by key: "常用计量单位", "特殊字符", …
    static const QStringList &Names();
};

// The whole options table ordered by key, read on first use.
class TPickListSet : public TRecordSet
{
    Q_OBJECT
public:
    TPickListSet();

    TField *KeyFld;
    TField *LabelFld;
    TField *ListFld;

    int Count();
    // A larger count appends rows with the keys after the largest one (empty lists).
    void SetCount(int count);
    void Reopen();

private:
    void EnsureOpen();
};

TPickListSet &ThePickList();
