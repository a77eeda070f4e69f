#include "admin/AdminCommands.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    // Printing to PDF lays text out with the fonts of a GUI application; the tool runs
    // without a display unless one is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("openbuy-admin"));
    return AdminMain(app.arguments().mid(1));
}
