#pragma once

#include "data/RecordSet.h"

// Every operator except sa, read when the set is made (the login names of the login dialog).
class TOperatorSet : public TRecordSet
{
    Q_OBJECT
public:
    TOperatorSet();

    TField *UserIdField;
    TField *PasswdField;
    TField *NameField;
    TField *ContactField;
    TField *NoteField;
    TField *RightsField;
};
