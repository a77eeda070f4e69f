#include "support/TestSupport.h"

#include "shell/ui/ADlgFrm.h"
#include "shell/ui/Forms.h"
#include "shell/ui/HelpViewer.h"
#include "shell/ui/Mall.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTest>

namespace {
class TPreviewFrm : public TaFrm
{
public:
    TPreviewFrm() : TaFrm(nullptr, "PreviewFrm") {}
    int Seen = 0;

protected:
    bool PreviewKey(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_F5)
            ++Seen;
        return false;
    }
};
} // namespace

class TstShellUi : public QObject
{
    Q_OBJECT
private slots:
    void placement_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("near left") << 600 << QPoint(100, 300) << QPoint(20, 100);
        QTest::newRow("near right") << 600 << QPoint(1000, 300) << QPoint(404, 100);
        QTest::newRow("near top") << 600 << QPoint(500, 50) << QPoint(200, 20);
        QTest::newRow("near bottom") << 600 << QPoint(500, 760) << QPoint(200, 318);
    }
    void placement()
    {
        QFETCH(int, width);
        QFETCH(QPoint, cursor);
        QFETCH(QPoint, topLeft);
        QCOMPARE(PlaceAtCursor(QSize(width, 400), cursor, QRect(0, 0, 1024, 768)), topLeft);
    }

    void borders_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("edges");
        QTest::newRow("top-left") << QPoint(9, 9) << int(Qt::TopEdge | Qt::LeftEdge);
        QTest::newRow("top-right") << QPoint(95, 5) << int(Qt::TopEdge | Qt::RightEdge);
        QTest::newRow("bottom-right") << QPoint(95, 95) << int(Qt::BottomEdge | Qt::RightEdge);
        QTest::newRow("bottom-left") << QPoint(5, 95) << int(Qt::BottomEdge | Qt::LeftEdge);
        QTest::newRow("left") << QPoint(4, 50) << int(Qt::LeftEdge);
        QTest::newRow("top") << QPoint(50, 4) << int(Qt::TopEdge);
        QTest::newRow("right") << QPoint(96, 50) << int(Qt::RightEdge);
        QTest::newRow("bottom") << QPoint(50, 96) << int(Qt::BottomEdge);
        QTest::newRow("inside") << QPoint(50, 50) << 0;
    }
    void borders()
    {
        QFETCH(QPoint, point);
        QFETCH(int, edges);
        QCOMPARE(int(BorderAt(point.x(), point.y(), 100, 100)), edges);
    }

    void helpTopicAndPreview()
    {
        TPreviewFrm form;
        QCOMPARE(HelpTopicOf(&form), QStringLiteral("Preview"));
        auto *edit = new QLineEdit(&form);
        form.show();
        edit->setFocus();
        // A key the edit leaves unhandled travels to the form: the form previews it once.
        QTest::keyClick(edit, Qt::Key_F5);
        QCOMPARE(form.Seen, 1);
        form.ShowHelp("index");
        // Every window that exists today has its page.
        for (const char *topic : {"index", "faq", "mainBu", "Login", "PasswordChanger",
                                  "Operators", "OperatorEditor", "OptionEdt", "CompanyInfo",
                                  "DBConfig", "Tools", "ToolEditor", "Tips"})
            QVERIFY2(THelpViewer::HasTopic(topic), topic);
    }

    void dialogStrip()
    {
        TADlgFrm dlg(nullptr, "TestDlgFrm");
        QCOMPARE(dlg.OkButton()->text(), QStringLiteral("确定(&O)"));
        QCOMPARE(dlg.CancelButton()->text(), QStringLiteral("取消"));
        QTimer::singleShot(0, &dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    }

    void openBill()
    {
        TTestDatabase db;
        db.CreateFull();
        Tmall mall;
        QList<int> asked;
        mall.RegisterBill(bkBuy, [&](QWidget *, int id, bool *loaded) -> QWidget * {
            asked << id;
            *loaded = id > 0;
            return nullptr;
        });
        mall.RegisterBill(bkPlan, [&](QWidget *, int id, bool *loaded) -> QWidget * {
            asked << id;
            *loaded = id > 0;
            return nullptr;
        });
        QVERIFY(!mall.OpenBill(bkBuy, nullptr, -1));          // empty table: a new bill
        TheDatabase().ExecSQL("insert into buy(Id, Code) values(7, 'a')");
        TheDatabase().ExecSQL("insert into buy(Id, Code) values(3, 'b')");
        TheDatabase().ExecSQL("insert into buplanfrm(Id, Code) values(5, 'p')");
        QVERIFY(mall.OpenBill(bkBuy, nullptr, -1));           // the latest
        QVERIFY(mall.OpenBill(bkBuy, nullptr, 3));
        QVERIFY(!mall.OpenBill(bkPlan, nullptr, -1));         // a plan always starts new
        QVERIFY(!mall.OpenBill(13, nullptr, 1));
        QVERIFY(!mall.OpenBill(bkOrder, nullptr, 1));         // no window registered
        QCOMPARE(asked, (QList<int>{0, 7, 3, 0}));
        QVERIFY(!QApplication::overrideCursor());
    }
};

OPENBUY_TEST_MAIN(new TstShellUi)

#include "tst_shell_ui.moc"
