#pragma once

#include "data/Field.h"

// A money column shown in the system's money format.
class TFundField : public TField
{
public:
    TFundField() : TField(TFieldType::Float) { DisplayFormat = QStringLiteral("0.00"); }
};
