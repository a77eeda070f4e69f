#pragma once

#include <functional>

class QWidget;
class TDBConfigFrm;

// The start-up connection: connects TheDatabase with the settings of cfg.ini and, while that
// fails, lets the operator correct them in the connection dialog. False when he cancels.
bool ConnectDatabase(QWidget *parent = nullptr);

// Replaces the modal run of the connection dialog (tests fill it in and answer); an empty
// function restores exec().
using TConnectDialogRunner = std::function<int(TDBConfigFrm &)>;
void SetConnectDialogRunner(TConnectDialogRunner runner);
