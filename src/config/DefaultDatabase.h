#pragma once

#include <QString>

class TConfiger;

// The single-user installation works on the file beside the program: when the settings
// choose it and the file is missing, a new database with every table is created there.
// True when nothing had to be done or the file was created; error tells why not.
bool CreateDefaultDatabaseIfMissing(const TConfiger &configer, QString *error);
