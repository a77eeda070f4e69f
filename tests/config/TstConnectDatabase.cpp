#include "TstConnectDatabase.h"

#include "ConfigSandbox.h"
#include "config/Configer.h"
#include "config/ui/ConnectDatabase.h"
#include "config/ui/DBConfigFrm.h"
#include "data/Schema.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

enum class TStart { MissingFile, DefaultFile, NoDefaultFile };
enum class TDialogChoice { Correct, Cancel };

const QString ConnectFailed = QStringLiteral("连接时失败");

// Enters the database of this run (a file or a server) the way an operator would.
void EnterDatabase(TDBConfigFrm &frm, const QString &connectionString)
{
    const auto part = [&](const char *name) {
        return ConnectionStringProperty(connectionString, QLatin1String(name));
    };
    if (part("Provider") == QLatin1String("SQLite")) {
        frm.ComboBox1->setCurrentIndex(1);
        frm.jetDefaultCheckBox1->setChecked(false);
        frm.jetfileEdit1->setText(part("Data Source"));
    } else {
        frm.ComboBox1->setCurrentIndex(0);
        frm.mssqlServerEdit1->setText(part("Data Source"));
        frm.mssqlPortEdit1->setText(part("Port"));
        frm.mssqlDbEdit1->setText(part("Initial Catalog"));
        frm.mssqlUserEdit1->setText(part("User ID"));
        frm.mssqlPwEdit1->setText(part("Password"));
    }
}

// An empty file is an empty SQLite database.
void CreateFile(const QString &fileName)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

Q_DECLARE_METATYPE(TStart)
Q_DECLARE_METATYPE(TDialogChoice)

void TstConnectDatabase::cleanup()
{
    SetConnectDialogRunner({});
    TheDatabase().SetConnected(false);
}

void TstConnectDatabase::Loop_data()
{
    QTest::addColumn<TStart>("start");
    QTest::addColumn<TDialogChoice>("answer");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("missing file, corrected") << TStart::MissingFile << TDialogChoice::Correct << true
                                             << 1;
    QTest::newRow("missing file, cancelled") << TStart::MissingFile << TDialogChoice::Cancel << false
                                             << 1;
    QTest::newRow("default file beside the program") << TStart::DefaultFile << TDialogChoice::Cancel
                                                     << true << 0;
    // A new installation: the default file is created with every table.
    QTest::newRow("default file missing") << TStart::NoDefaultFile << TDialogChoice::Cancel << true
                                          << 0;
}

void TstConnectDatabase::Loop()
{
    QFETCH(TStart, start);
    QFETCH(TDialogChoice, answer);
    QFETCH(bool, connected);
    QFETCH(int, dialogs);

    TConfigSandbox sandbox;
    TScriptedMessageScope messages;
    TTestDatabase database;
    const QString target = database.CreateEmpty();
    {
        TConfiger c;
        c.providerIdx = 1;
        c.defaultCon = start != TStart::MissingFile;
        c.jetfile = sandbox.Dir() + QStringLiteral("/missing.db");
        c.Save();
    }
    if (start == TStart::DefaultFile)
        CreateFile(TConfiger::DefaultDatabaseFile());

    int shown = 0;
    SetConnectDialogRunner([&](TDBConfigFrm &frm) {
        ++shown;
        frm.show();
        if (answer == TDialogChoice::Cancel) {
            QTest::mouseClick(frm.Button2, Qt::LeftButton);
        } else {
            EnterDatabase(frm, target);
            QTest::mouseClick(frm.Button1, Qt::LeftButton);
        }
        return frm.result();
    });

    QCOMPARE(ConnectDatabase(), connected);
    if (start == TStart::NoDefaultFile)
        QVERIFY(TSchema::Standard().MissingObjects(TheDatabase()).isEmpty());
    QCOMPARE(TheDatabase().Connected(), connected);
    QCOMPARE(shown, dialogs);
    QCOMPARE(messages->Messages.size(), dialogs);
    if (dialogs > 0)
        QVERIFY(messages->LastText().contains(ConnectFailed));
    if (answer == TDialogChoice::Correct) {
        // The correction is in cfg.ini: the next start connects at once.
        TheDatabase().SetConnected(false);
        QVERIFY(TheDatabase().Connect(TConfiger().GetConnectionString()));
    }
    TheDatabase().SetConnected(false);
}
