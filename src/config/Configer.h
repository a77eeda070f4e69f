#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QSettings;

// The connection settings of this workstation, kept in cfg.ini beside the executable
// (sections "db" and "Login"), and the connection string built from them.
//
// providerIdx: 0 the PostgreSQL server, 1 the SQLite file (defaultCon: the file named like
// the program beside it), 2 the QAM connection service; any other value uses ConnStr as stored.
class TConfiger
{
public:
    TConfiger();
    ~TConfiger();
    TConfiger(const TConfiger &) = delete;
    TConfiger &operator=(const TConfiger &) = delete;

    // Writes every field back and rebuilds the stored connection string.
    void Save();
    QString GetConnectionString();
    // Writes (or removes) the server's client alias "DBMSSOCN,server,port".
    static void SetServerAlias(const QString &server, const QString &port, bool remove);

    static QString LastLoginId();
    static void SetLastLoginId(const QString &loginId);

    // Where cfg.ini and the default database live and how the program is named. The
    // console tool and the tests point it elsewhere; an empty argument restores the default.
    static void SetProgramLocation(const QString &dir, const QString &name);
    static QString ProgramDir();
    static QString ProgramName();
    static QString IniFileName();
    static QString DefaultDatabaseFile();
    // How long the QAM service may take to answer.
    static void SetQamTimeout(int milliseconds);
    static int QamTimeout();

    int providerIdx = 0;
    bool defaultCon = true;
    QString mssqlServer;
    int mssqlPort = 5432;
    QString mssqlDb;
    QString mssqlUser;
    QString mssqlPw;
    QString jetfile;
    QString jetUser;
    QString jetPw;
    QString qamUrl;
    QString qamUser;
    // Taken from the dialog for one save: ticked removes the client alias instead of writing it.
    bool SmartConnect = false;

private:
    void Load();
    QString BuildConnStr();
    QString QamConnectionString();

    std::unique_ptr<QSettings> m_ini;
};

// XORs each byte with the key "tulipmarsh": byte k (from 1) with key character k mod 10,
// modulo 10. Applying it twice gives the input back.
QByteArray Scramble(const QByteArray &text);

// The text as stored in cfg.ini: the scrambled UTF-8 bytes, one character per byte, which
// the ini file keeps intact (control bytes are written escaped).
QString ScrambleToIni(const QString &text);
QString UnscrambleFromIni(const QString &stored);
