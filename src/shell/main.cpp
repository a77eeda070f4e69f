#include "config/ui/ConfigWindows.h"
#include "data/ui/MessageBoxes.h"
#include "masterdata/ui/MasterEditors.h"
#include "purchasing/ui/PurchasingWindows.h"
#include "reports/StandardTemplates.h"
#include "reports/ui/ReporterFrm.h"
#include "shell/Startup.h"
#include "shell/ui/Forms.h"
#include "shell/ui/Mall.h"
#include "shell/ui/PubApplication.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// The toolkit's own dialogs (file choosers, input boxes) speak Chinese as the program does.
void InstallChineseTexts(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
} // namespace

int main(int argc, char **argv)
{
    TPubApplication app(argc, argv);
    QApplication::setFont(ProgramFont());
    InstallChineseTexts(app);
    InstallMessageBoxes();
    // The modules tell the launcher which windows they open before the main window asks.
    // The connection loop creates the single-user database when its file is missing.
    RegisterConfigWindows(TheMall());
    RegisterMasterWindows(TheMall());
    RegisterPurchasingWindows(TheMall());
    InstallReportWindows();
    // A new database carries a standard template for every print site.
    RegisterStandardTemplates();
    TStartup startup(QApplication::arguments().mid(1));
    return startup.Run();
}
