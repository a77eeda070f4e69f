#pragma once

#include "data/RecordSet.h"

// The templates of one report group, ordered by title.
class TRepSet : public TRecordSet
{
    Q_OBJECT
public:
    TRepSet();
    TField *IdFld;
    TField *TitleFld;
    int Open(int groupId);
};
