#pragma once

#include <QStringList>

// The console tool's commands. Each returns the process exit code.
int AdminMain(const QStringList &arguments);
