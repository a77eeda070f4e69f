#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>

class TDatabase;

// What the commands of the console tool share.
QTextStream &Out();
QTextStream &Err();

struct TOptions
{
    QString Command;
    QString Connection;
    QStringList Rest;
};

// The connection given on the command line, or the one cfg.ini beside the tool configures.
QString ConnectionOf(const TOptions &options);
bool ConnectOrSay(TDatabase &database, const QString &connection);
// Connects, then loads the settings the program loads at start (labels, formats, company),
// so that captions and printouts come out as the program shows them.
bool ConnectForWork(const TOptions &options);
// "--name value" pairs of the rest; false, with the reason, for a name not in the list or a
// name without its value.
bool ParseNamed(const QStringList &rest, const QStringList &names,
                QHash<QString, QString> &values, QString *error);

int Print(const TOptions &options);
int Demo(const TOptions &options);
int Export(const TOptions &options);
