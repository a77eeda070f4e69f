#pragma once

#include <QString>

// Compacts the single-user database file after the program has disconnected: VACUUM INTO a
// new file beside it, a check of the copy, then the copy replaces the data file. The data
// file stays as it was when any step fails. True when the file was replaced.
bool CompactDatabaseFile(const QString &file, QString *error = nullptr);
