#include "admin/AdminCommands.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("openbuy-admin"));
    return AdminMain(app.arguments().mid(1));
}
