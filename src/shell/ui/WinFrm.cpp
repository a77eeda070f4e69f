#include "shell/ui/WinFrm.h"

TWinFrm::TWinFrm(QWidget *parent, const QString &name)
    : TaFrm(parent, name,
            Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
}
