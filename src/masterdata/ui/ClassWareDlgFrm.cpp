#include "masterdata/ui/ClassWareDlgFrm.h"

TClassWareDlgFrm::TClassWareDlgFrm(QWidget *owner, const QString &code, TCataCallback accept)
    : TWarecataPickerFrm(owner, code, TCataTreeMode::Browse, std::move(accept),
                         QStringLiteral("ClassWareDlgFrm"))
{
    setWindowTitle(QStringLiteral("分类"));
}
