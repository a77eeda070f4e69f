#include "TstDBConfigFrm.h"

#include "ConfigSandbox.h"
#include "config/Configer.h"
#include "config/ui/DBConfigFrm.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

void StoreSettings(int providerIdx, bool defaultCon)
{
    TConfiger c;
    c.providerIdx = providerIdx;
    c.defaultCon = defaultCon;
    c.mssqlServer = QStringLiteral("192.168.1.10");
    c.mssqlPort = 6543;
    c.mssqlDb = QStringLiteral("openbuy");
    c.mssqlUser = QStringLiteral("buyer");
    c.mssqlPw = QStringLiteral("秘密");
    c.jetfile = QStringLiteral("/srv/采购.db");
    c.jetUser = QStringLiteral("admin");
    c.jetPw = QStringLiteral("jpw");
    c.qamUrl = QStringLiteral("http://qam.example/conn");
    c.qamUser = QStringLiteral("buyer01");
    c.Save();
}

void ShowActive(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// keyClicks only knows Latin-1 keys; other characters arrive as text, as from an input method.
void Retype(QLineEdit *edit, const QString &text)
{
    edit->clear();
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(edit, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
    }
}

bool LooksDisabled(const QWidget *control, const QWidget &dialog)
{
    return !control->isEnabled()
           && control->palette().color(QPalette::Base) == dialog.palette().color(QPalette::Button);
}

} // namespace

void TstDBConfigFrm::ShowsStoredSettings()
{
    TConfigSandbox sandbox;
    StoreSettings(1, false);
    TDBConfigFrm frm;
    QCOMPARE(frm.windowTitle(), QStringLiteral("数据库连接设置"));
    QCOMPARE(frm.ComboBox1->currentIndex(), 1);
    QCOMPARE(frm.PageControl1->currentIndex(), 1);
    QCOMPARE(frm.mssqlServerEdit1->text(), QStringLiteral("192.168.1.10"));
    QCOMPARE(frm.mssqlPortEdit1->text(), QStringLiteral("6543"));
    QCOMPARE(frm.mssqlDbEdit1->text(), QStringLiteral("openbuy"));
    QCOMPARE(frm.mssqlUserEdit1->text(), QStringLiteral("buyer"));
    QCOMPARE(frm.mssqlPwEdit1->text(), QStringLiteral("秘密"));
    QCOMPARE(frm.mssqlPwEdit1->echoMode(), QLineEdit::Password);
    QVERIFY(!frm.jetDefaultCheckBox1->isChecked());
    QCOMPARE(frm.jetfileEdit1->text(), QStringLiteral("/srv/采购.db"));
    QVERIFY(frm.jetfileEdit1->isEnabled());
    QCOMPARE(frm.jetUserEdit1->text(), QStringLiteral("admin"));
    QCOMPARE(frm.jetPwEdit1->text(), QStringLiteral("jpw"));
    QCOMPARE(frm.jetPwEdit1->echoMode(), QLineEdit::Password);
    QCOMPARE(frm.edtQamUrl1->text(), QStringLiteral("http://qam.example/conn"));
    QCOMPARE(frm.edtQamUser1->text(), QStringLiteral("buyer01"));
    // Found by the names that other windows and tests use.
    QCOMPARE(frm.findChild<QLineEdit *>(QStringLiteral("mssqlServerEdit1")), frm.mssqlServerEdit1);
    QCOMPARE(frm.findChild<QPushButton *>(QStringLiteral("Button1")), frm.Button1);
}

void TstDBConfigFrm::ProviderSelectsPage()
{
    TConfigSandbox sandbox;
    TDBConfigFrm frm;
    QCOMPARE(frm.ComboBox1->count(), 3);
    QCOMPARE(frm.ComboBox1->currentIndex(), 0);
    QCOMPARE(frm.mssqlPortEdit1->text(), QStringLiteral("5432"));
    ShowActive(frm);
    frm.ComboBox1->setFocus();
    for (int page : {1, 2}) {
        QTest::keyClick(frm.ComboBox1, Qt::Key_Down);
        QCOMPARE(frm.PageControl1->currentIndex(), page);
    }
    QVERIFY(frm.edtQamUrl1->isVisible());
    QVERIFY(!frm.mssqlServerEdit1->isVisible());
}

void TstDBConfigFrm::DefaultFileGreysFileControls()
{
    TConfigSandbox sandbox;
    StoreSettings(1, true);
    TDBConfigFrm frm;
    const QList<QWidget *> controls = {frm.jetfileEdit1, frm.jetFileButton1, frm.jetUserEdit1,
                                       frm.jetPwEdit1};
    for (QWidget *control : controls)
        QVERIFY2(LooksDisabled(control, frm), qPrintable(control->objectName()));
    ShowActive(frm);
    QTest::mouseClick(frm.jetDefaultCheckBox1, Qt::LeftButton);
    for (QWidget *control : controls) {
        QVERIFY(control->isEnabled());
        QCOMPARE(control->palette().color(QPalette::Base), frm.palette().color(QPalette::Base));
    }
    QTest::mouseClick(frm.jetDefaultCheckBox1, Qt::LeftButton);
    for (QWidget *control : controls)
        QVERIFY(LooksDisabled(control, frm));
}

void TstDBConfigFrm::ConfirmSavesEveryControl()
{
    TConfigSandbox sandbox;
    TDBConfigFrm frm;
    ShowActive(frm);
    Retype(frm.mssqlServerEdit1, QStringLiteral("tst-db3"));
    Retype(frm.mssqlPortEdit1, QStringLiteral("6543"));
    Retype(frm.mssqlDbEdit1, QStringLiteral("采购"));
    Retype(frm.mssqlUserEdit1, QStringLiteral("buyer"));
    Retype(frm.mssqlPwEdit1, QStringLiteral("pw"));
    frm.ComboBox1->setCurrentIndex(1);
    QTest::mouseClick(frm.jetDefaultCheckBox1, Qt::LeftButton);
    Retype(frm.jetfileEdit1, QStringLiteral("/srv/a.db"));
    Retype(frm.jetUserEdit1, QStringLiteral("admin"));
    Retype(frm.jetPwEdit1, QStringLiteral("jpw"));
    frm.ComboBox1->setCurrentIndex(2);
    Retype(frm.edtQamUrl1, QStringLiteral("http://qam/"));
    Retype(frm.edtQamUser1, QStringLiteral("u1"));
    frm.ComboBox1->setCurrentIndex(0);
    QTest::mouseClick(frm.Button1, Qt::LeftButton);

    QCOMPARE(frm.result(), int(QDialog::Accepted));
    TConfiger saved;
    QCOMPARE(saved.providerIdx, 0);
    QCOMPARE(saved.mssqlServer, QStringLiteral("tst-db3"));
    QCOMPARE(saved.mssqlPort, 6543);
    QCOMPARE(saved.mssqlDb, QStringLiteral("采购"));
    QCOMPARE(saved.mssqlUser, QStringLiteral("buyer"));
    QCOMPARE(saved.mssqlPw, QStringLiteral("pw"));
    QCOMPARE(saved.defaultCon, false);
    QCOMPARE(saved.jetfile, QStringLiteral("/srv/a.db"));
    QCOMPARE(saved.jetUser, QStringLiteral("admin"));
    QCOMPARE(saved.jetPw, QStringLiteral("jpw"));
    QCOMPARE(saved.qamUrl, QStringLiteral("http://qam/"));
    QCOMPARE(saved.qamUser, QStringLiteral("u1"));
    QCOMPARE(saved.GetConnectionString(),
             QStringLiteral("Provider=PostgreSQL;Persist Security Info=False;User ID=buyer;"
                            "Password=pw;Initial Catalog=采购;Data Source=tst-db3;Port=6543;"
                            "Workstation ID=OPENBUY"));
    QCOMPARE(TConfigSandbox::Alias(QStringLiteral("tst-db3")).toString(),
             QStringLiteral("DBMSSOCN,tst-db3,6543"));
}

void TstDBConfigFrm::BadPortSavesNothing_data()
{
    QTest::addColumn<QString>("port");
    QTest::newRow("letters") << QStringLiteral("54a");
    QTest::newRow("empty") << QString();
    QTest::newRow("fraction") << QStringLiteral("5432.5");
}

void TstDBConfigFrm::BadPortSavesNothing()
{
    QFETCH(QString, port);
    TConfigSandbox sandbox;
    TScriptedMessageScope messages;
    TDBConfigFrm frm;
    ShowActive(frm);
    Retype(frm.mssqlServerEdit1, QStringLiteral("tst-db4"));
    Retype(frm.mssqlPortEdit1, port);
    QTest::mouseClick(frm.Button1, Qt::LeftButton);
    QCOMPARE(messages->Messages.size(), 1);
    QVERIFY(messages->LastText().contains(QStringLiteral("端口必须是整数")));
    QVERIFY(frm.isVisible());
    QCOMPARE(frm.focusWidget(), frm.mssqlPortEdit1);
    QVERIFY(!QFile::exists(sandbox.IniFile()));
    QVERIFY(!TConfigSandbox::Alias(QStringLiteral("tst-db4")).isValid());
}

void TstDBConfigFrm::CancelAndEscapeSaveNothing_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("cancel button") << false;
    QTest::newRow("escape key") << true;
}

void TstDBConfigFrm::CancelAndEscapeSaveNothing()
{
    QFETCH(bool, escape);
    TConfigSandbox sandbox;
    TDBConfigFrm frm;
    ShowActive(frm);
    Retype(frm.mssqlServerEdit1, QStringLiteral("changed"));
    if (escape)
        QTest::keyClick(frm.mssqlServerEdit1, Qt::Key_Escape);
    else
        QTest::mouseClick(frm.Button2, Qt::LeftButton);
    QVERIFY(!frm.isVisible());
    QCOMPARE(frm.result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(sandbox.IniFile()));
}

void TstDBConfigFrm::EnterMovesToNextControl()
{
    TConfigSandbox sandbox;
    TDBConfigFrm frm;
    ShowActive(frm);
    frm.ComboBox1->setFocus();
    const QList<QWidget *> order = {frm.ComboBox1,    frm.mssqlServerEdit1, frm.mssqlPortEdit1,
                                    frm.mssqlDbEdit1, frm.mssqlUserEdit1,   frm.mssqlPwEdit1,
                                    frm.CheckBox1,    frm.Button1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        const Qt::Key key = i % 2 ? Qt::Key_Enter : Qt::Key_Return;
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), order[i + 1]);
    }
    QVERIFY(frm.isVisible());
    // On the OK button Enter presses it.
    QTest::keyClick(frm.Button1, Qt::Key_Return);
    QCOMPARE(frm.result(), int(QDialog::Accepted));
}

void TstDBConfigFrm::SmartConnectUntickedOnEveryOpen()
{
    TConfigSandbox sandbox;
    TDBConfigFrm frm;
    ShowActive(frm);
    QTest::mouseClick(frm.CheckBox1, Qt::LeftButton);
    QVERIFY(frm.CheckBox1->isChecked());
    frm.hide();
    ShowActive(frm);
    QVERIFY(!frm.CheckBox1->isChecked());
}

void TstDBConfigFrm::BrowseTakesChosenFile()
{
    TConfigSandbox sandbox;
    StoreSettings(1, false);
    const QString chosen = sandbox.Dir() + QStringLiteral("/采购.db");
    QFile(chosen).open(QIODevice::WriteOnly);
    TDBConfigFrm frm;
    ShowActive(frm);

    QStringList filters;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        filters = dialog->nameFilters();
        dialog->selectFile(chosen);
        static_cast<QDialog *>(dialog)->accept();  // QFileDialog hides it
    });
    poll.start(20);
    QTest::mouseClick(frm.jetFileButton1, Qt::LeftButton);

    QCOMPARE(filters, QStringList({QStringLiteral("SQLite 数据库 (*.db *.sqlite)"),
                                   QStringLiteral("所有文件 (*)")}));
    QCOMPARE(frm.jetfileEdit1->text(), QDir::toNativeSeparators(chosen));
}

void TstDBConfigFrm::TextsFitAndScreenshots()
{
    TConfigSandbox sandbox;
    StoreSettings(0, true);
    TDBConfigFrm frm;
    ShowActive(frm);
    // Fixed border: the dialog keeps the size its contents ask for.
    QCOMPARE(frm.minimumSize(), frm.maximumSize());
    for (int page = 0; page < 3; ++page) {
        frm.ComboBox1->setCurrentIndex(page);
        QApplication::processEvents();
        for (QWidget *w : frm.findChildren<QWidget *>()) {
            if (!w->isVisible())
                continue;
            if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)
                || qobject_cast<QComboBox *>(w))
                QVERIFY2(w->width() >= w->sizeHint().width()
                             && w->height() >= w->minimumSizeHint().height(),
                         qPrintable(w->objectName() + w->property("text").toString()));
        }
        const QString file = QStringLiteral("/tmp/openbuy-dbconfig-%1.png").arg(page);
        QVERIFY(frm.grab().save(file));
    }
}
