#pragma once

#include <QString>

// The process-wide texts of the program.
QString AppTitle();         // "OpenBuy采购管理系统": task bar, caption, about box
QString VersionText();      // shown in the banner and the caption
QString BuildText();
// Sets the application's names from the texts above.
void SetProcessTexts();
// A file shipped beside the executable (readme.txt, whatsnew.txt).
QString ProgramFile(const QString &name);
