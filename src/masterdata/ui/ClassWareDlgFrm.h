#pragma once

#include "masterdata/ui/WarecataPickerFrm.h"

// The category choice dialog "分类": the picker in browse mode, positioned on a code, used
// where goods are put into a category.
class TClassWareDlgFrm : public TWarecataPickerFrm
{
    Q_OBJECT
public:
    TClassWareDlgFrm(QWidget *owner, const QString &code, TCataCallback accept);
};
