#pragma once

#include "data/Messages.h"

// The message layer of the running program: real message boxes with the system's captions.
class TMessageBoxes : public TMessageLayer
{
public:
    void Show(Kind kind, const QString &text) override;
    bool Ask(Kind kind, const QString &text) override;
    TAnswer AskYesNoCancel(const QString &text) override;
    bool Input(const QString &caption, const QString &prompt, QString &value) override;
};

// Installs TMessageBoxes as the process's message layer.
void InstallMessageBoxes();
