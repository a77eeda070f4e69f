#pragma once

#include "data/RecordSet.h"

// The typed settings of the keyvalue table (Vint, Vstr, Vfloat, Vbool), cached: the rows are
// read on first use and kept, so a row another workstation writes shows after Reopen only.
class TKeyValue2 : public TRecordSet
{
    Q_OBJECT
public:
    TKeyValue2();

    TField *KeyIdFld;
    TField *VintFld;
    TField *VstrFld;
    TField *VfloatFld;
    TField *VboolFld;

    // Positions the cached set on the key's row, adding the row when the key has none.
    void LocateKey(int key);
    int GetInt(int key);
    bool SetInt(int key, int value);
    bool GetBool(int key);
    void SetBool(int key, bool value);
    // Updates the key's row or adds it; the cached row follows. True when a row was written.
    bool WriteRow(int key, const QString &text, int value, double number, bool flag);
    // Forgets the cached rows (another database, or rows written elsewhere).
    void Reopen();

    bool FeedbackPrompt() { return GetBool(0); }
    void SetFeedbackPrompt(bool value) { SetBool(0, value); }
    bool DailyTipPrompt() { return GetBool(1); }
    void SetDailyTipPrompt(bool value) { SetBool(1, value); }
    bool GetStartPrompt() { return GetBool(2); }
    void SetGetStartPrompt(bool value) { SetBool(2, value); }

private:
    void OpenRows();
    bool FindKey(int key);
};

TKeyValue2 &TheKeyValue2();
