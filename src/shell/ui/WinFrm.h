#pragma once

#include "shell/ui/aFrm.h"

// List and report windows: modeless, above the main window, freed when closed.
class TWinFrm : public TaFrm
{
    Q_OBJECT
public:
    explicit TWinFrm(QWidget *parent = nullptr, const QString &name = QString());
};
