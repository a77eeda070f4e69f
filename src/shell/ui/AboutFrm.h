#pragma once

#include "shell/ui/AInfoDlgFrm.h"

// "关于": the program's title, version and build.
class TAboutFrm : public TAInfoDlgFrm
{
    Q_OBJECT
public:
    explicit TAboutFrm(QWidget *parent = nullptr);
};
