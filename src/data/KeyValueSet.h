#pragma once

#include <QString>

class TDatabase;

// One row of the keyvalue table.
struct KeyData
{
    QString Vstr;
    int Vint = 0;
    double Vfloat = 0.0;
    bool Vbool = false;
};

// Settings by number in the keyvalue table.
class TKeyValueSet
{
public:
    // Found only when exactly one row has the key; nulls read as empty, 0 and false.
    static bool ReadKey(int key, KeyData &data);
    static bool WriteKey(int key, const KeyData &data);
    static QString ReadText(int key);
    static bool WriteText(int key, const QString &text);

    static bool ReadKey(TDatabase &database, int key, KeyData &data);
    static bool WriteKey(TDatabase &database, int key, const KeyData &data);
};
