#include "TstReportWindows.h"

#include "ReportFixture.h"
#include "data/DataSet.h"
#include "data/Exceptions.h"
#include "reports/Barcode.h"
#include "reports/Rep.h"
#include "reports/RepSet.h"
#include "reports/ReportLayout.h"
#include "reports/StandardTemplates.h"
#include "reports/ui/DesignCanvas.h"
#include "reports/ui/ReportDesignerFrm.h"
#include "reports/ui/ReportPreviewFrm.h"
#include "reports/ui/ReporterFrm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
// Runs the check on the next modal window that opens, then closes that window.
void OnNextModal(std::function<void(QWidget *)> check)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        check(modal);
        if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && dialog->isVisible())
            dialog->done(QDialog::Rejected);
    });
    timer->start();
}

void Shot(QWidget *w, const QString &name)
{
    w->grab().save(QStringLiteral("/tmp/reports-%1.png").arg(name));
}

QStringList Titles(const QListWidget *list)
{
    QStringList titles;
    for (int i = 0; i < list->count(); ++i)
        titles.append(list->item(i)->text());
    return titles;
}

QList<QStringList> PageTexts(TReportLayout &layout)
{
    layout.LayoutAll();
    QList<QStringList> pages;
    for (int i = 0; i < layout.PageCount(); ++i) {
        QStringList texts;
        for (const TPagePrimitive &p : layout.Page(i).Items)
            texts.append(QStringLiteral("%1|%2,%3,%4,%5").arg(p.Text).arg(p.Rect.x())
                             .arg(p.Rect.y()).arg(p.Rect.width()).arg(p.Rect.height()));
        pages.append(texts);
    }
    return pages;
}
} // namespace

void TstReportWindows::init()
{
    RegisterStandardTemplates();
    m_db = std::make_unique<TTestDatabase>();
    m_db->CreateFull();
    LoginAs(QStringLiteral("sa"), QString());
    InstallReportWindows();
}

void TstReportWindows::cleanup() { m_db.reset(); }

void TstReportWindows::placement_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("expected");
    const QSize w(400, 300);
    QTest::newRow("middle") << w << QPoint(800, 400) << QPoint(600, 325);
    QTest::newRow("near the top left") << w << QPoint(50, 20) << QPoint(10, 10);
    QTest::newRow("too low: centred") << w << QPoint(800, 950) << QPoint(760, 390);
    QTest::newRow("too far right: centred") << w << QPoint(1800, 400) << QPoint(760, 390);
}

void TstReportWindows::placement()
{
    QFETCH(QSize, window);
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, expected);
    QCOMPARE(ReporterPlacement(window, cursor, QRect(0, 0, 1920, 1080)), expected);
}

void TstReportWindows::chooserCreatesRenamesDeletes()
{
    TScriptedMessageScope messages;
    auto lines = BillLines();
    TProjRep rep;
    AddBillVariables(rep);
    rep.AddDataSets({lines.get()});
    TReporterFrm chooser(rep, 1001, true);
    chooser.show();
    QCOMPARE(Titles(chooser.List()), QStringList({"标准格式"}));
    Shot(&chooser, QStringLiteral("chooser"));

    messages->Inputs = {QStringLiteral("B 空白")};
    messages->Answers = {false};                // from an empty page
    chooser.NewClicked();
    QCOMPARE(Titles(chooser.List()), QStringList({"B 空白", "标准格式"}));
    QCOMPARE(chooser.SelectedTitle(), QStringLiteral("B 空白"));
    const int blank = chooser.SelectedId();

    messages->Inputs = {QStringLiteral("A 标准")};
    messages->Answers = {true};                 // from the standard layout of the data
    chooser.NewClicked();
    TRep check;
    check.LoadTemplate(chooser.SelectedId());
    QVERIFY(!check.Report().IsEmpty());
    QVERIFY(!check.Report().HasAutoObjects());  // made for the data at hand
    check.LoadTemplate(blank);
    QVERIFY(check.Report().IsEmpty());

    chooser.List()->setCurrentRow(1);
    messages->Inputs = {QStringLiteral("C 改名")};
    chooser.RenameClicked();
    QCOMPARE(Titles(chooser.List()), QStringList({"A 标准", "C 改名", "标准格式"}));
    QCOMPARE(chooser.SelectedId(), blank);

    messages->Answers = {false};
    chooser.DeleteClicked();
    QCOMPARE(chooser.List()->count(), 3);
    QCOMPARE(messages->LastText(), QStringLiteral("确定要删除C 改名吗?"));
    while (chooser.List()->count() > 0) {
        messages->Answers = {true};
        chooser.DeleteClicked();
    }
    messages->Reset();
    chooser.PreviewClicked();
    QVERIFY(messages->LastText().contains(QStringLiteral("请先从左框列表中选中您要操作的项目.")));
    chooser.DesignClicked();
    QCOMPARE(messages->Messages.size(), 2);
}

void TstReportWindows::designSaveAndPreview()
{
    TScriptedMessageScope messages;
    auto lines = BillLines();
    TProjRep rep;
    AddBillVariables(rep);
    rep.AddDataSets({lines.get()});
    TReporterFrm chooser(rep, 1001, true);
    const int id = chooser.SelectedId();
    TReportTemplate designed;
    OnNextModal([&](QWidget *w) {
        auto *designer = qobject_cast<TReportDesignerFrm *>(w);
        QVERIFY(designer);
        QVERIFY(!designer->Model().Template().HasAutoObjects());
        designer->Canvas()->SelectBand(0);
        const TObjectRef ref = designer->AddObject(TObjectKind::Barcode, QStringLiteral("[Code]"));
        designer->Model().MoveObject(ref, 150, 0);
        Shot(designer, QStringLiteral("designer"));
        designer->Save();
        designed = designer->Model().Template();
    });
    chooser.DesignClicked();
    QVERIFY(!designed.IsEmpty());
    QVERIFY(messages->Messages.isEmpty());

    // Loaded again, the saved template lays out the same pages as the designer's.
    TProjRep loaded;
    AddBillVariables(loaded);
    loaded.AddDataSets({lines.get()});
    loaded.LoadTemplate(id);
    QVERIFY(loaded.Report() == designed);
    TReportLayout fromDesigner(designed, rep.Context());
    QCOMPARE(PageTexts(*loaded.CreateLayout()), PageTexts(fromDesigner));

    int pages = 0;
    OnNextModal([&](QWidget *w) {
        auto *preview = qobject_cast<TReportPreviewFrm *>(w);
        QVERIFY(preview);
        pages = preview->Layout().PageCount();
        Shot(preview, QStringLiteral("preview"));
    });
    chooser.PreviewClicked();
    QCOMPARE(pages, 1);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));     // the chooser closes after it
}

void TstReportWindows::designerEditsWithMouseAndKeys()
{
    TScriptedMessageScope messages;
    auto lines = BillLines();
    TRep rep;
    rep.AddDataSets({lines.get()});
    TReportDesignerFrm designer(rep);
    designer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&designer));
    TDesignModel &model = designer.Model();
    const TReportTemplate &t = model.Template();
    int data = 0;
    while (t.Bands[data].Kind != TBandKind::MasterData)
        ++data;
    TDesignCanvas *canvas = designer.Canvas();
    canvas->SelectBand(data);
    const TObjectRef ref = designer.AddObject(TObjectKind::Text, QStringLiteral("[d0.WareName]"));
    QCOMPARE(model.Object(ref).Rect, QRectF(0, 0, 30, 6));
    // Drag the object 20 mm to the right.
    const QPoint from = canvas->ToWidget(data, QPointF(10, 3));
    const QPoint to = from + QPoint(int(20 * canvas->PixelsPerMm()), 0);
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, canvas->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
    QCOMPARE(model.Object(ref).Rect, QRectF(20, 0, 30, 6));
    // Arrow keys move by the grid, with Shift they resize.
    QTest::keyClick(canvas, Qt::Key_Right);
    QTest::keyClick(canvas, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(model.Object(ref).Rect, QRectF(21, 0, 31, 6));
    // The properties panel marks an object to stretch with its band.
    QCheckBox *stretch = nullptr;
    for (QCheckBox *box : designer.findChildren<QCheckBox *>())
        if (box->text() == QStringLiteral("随栏伸展"))
            stretch = box;
    QVERIFY(stretch && stretch->isEnabled() && !stretch->isChecked());
    stretch->click();
    QVERIFY(model.Object(ref).Stretch);
    Shot(&designer, QStringLiteral("designer-stretch"));
    QVERIFY(model.Template().ToXml().contains("stretch=\"1\""));
    QTest::keyClick(&designer, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!model.Object(ref).Stretch);
    QVERIFY(!stretch->isChecked());
    // Undo through the designer's shortcut.
    QTest::keyClick(&designer, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(model.Object(ref).Rect, QRectF(21, 0, 30, 6));
    QTest::keyClick(canvas, Qt::Key_Delete);
    QVERIFY(!model.Contains(ref));
    messages->Answers = {false};                // closing: do not save
    designer.reject();
    QCOMPARE(messages->Messages.size(), 1);
}

void TstReportWindows::designerDrawsBarcodes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("shown");         // the value the symbol on the page encodes
    QTest::newRow("variable of the print site") << "Code128" << "[Code]" << "AR26120007";
    QTest::newRow("field of the first line") << "QR" << "[d0.WareCode] [d0.WareName]"
                                             << "W001 不锈钢螺栓M8";
    QTest::newRow("text as it stands") << "Code39" << "AR-0001" << "AR-0001";
    QTest::newRow("unknown variable: sample") << "Code128" << "[NoSuchVar]"
                                              << BarcodeSample("Code128");
    QTest::newRow("data the symbology refuses: sample") << "EAN13" << "[Code]"
                                                        << BarcodeSample("EAN13");
}

void TstReportWindows::designerDrawsBarcodes()
{
    QFETCH(QString, type);
    QFETCH(QString, data);
    QFETCH(QString, shown);
    auto lines = BillLines();
    TProjRep rep;
    AddBillVariables(rep);
    rep.AddDataSets({lines.get()});
    rep.Report() = StandardTemplate(1001);
    TReportDesignerFrm designer(rep);
    designer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&designer));
    TDesignCanvas *canvas = designer.Canvas();
    canvas->SelectBand(0);
    const TObjectRef ref = designer.AddObject(TObjectKind::Barcode, data);
    TReportObject o = designer.Model().Object(ref);
    o.BarcodeType = type;
    o.Rect = QRectF(135, 0, 45, 15);
    designer.Model().SetObject(ref, o);
    const QImage expected = BarcodeImage(type, shown);
    QVERIFY(!expected.isNull());
    QCOMPARE(canvas->ObjectImage(ref), expected);
    // A preview runs the print site's data to its end; the page still shows the first line.
    TReportLayout preview(designer.Model().Template(), rep.Context());
    preview.LayoutAll();
    QCOMPARE(canvas->ObjectImage(ref), expected);
    // On the page: the symbol's bars, not a box with the expression in it.
    const QPoint topLeft = canvas->ToWidget(0, o.Rect.topLeft());
    const int side = int(o.Rect.height() * canvas->PixelsPerMm()) - 4;
    const QImage symbol = canvas->grab(QRect(topLeft + QPoint(2, 2), QSize(side, side)))
                              .toImage();
    int dark = 0;
    for (int y = 0; y < symbol.height(); ++y)
        for (int x = 0; x < symbol.width(); ++x)
            dark += qGray(symbol.pixel(x, y)) < 100;
    QVERIFY2(dark > symbol.width() * symbol.height() / 4, qPrintable(QString::number(dark)));
    if (!shown.startsWith(BarcodeSample(type)))
        Shot(&designer, QStringLiteral("designer-") + type);
}

void TstReportWindows::previewPagesAndExports()
{
    TScriptedMessageScope messages;
    auto list = GoodsList(400);
    TRep rep;
    rep.AddDataSets({list.get()});
    rep.Report() = StandardTemplate(1027);
    TReportPreviewFrm preview(rep.CreateLayout());
    QCOMPARE(preview.Layout().PageCount(), 1);  // only the first page before the loop runs
    QTRY_VERIFY(preview.Layout().Finished());
    const int pages = preview.Layout().PageCount();
    QVERIFY(pages > 5);
    preview.ShowPage(pages + 3);
    QCOMPARE(preview.CurrentPage(), pages - 1);
    preview.SetZoom(1.5);
    QTemporaryDir dir;
    QVERIFY(preview.ExportTo(TReportPreviewFrm::TExport::Pdf, dir.filePath("l.pdf")));
    QVERIFY(PdfText(dir.filePath("l.pdf")).contains(QStringLiteral("货品400")));
    QVERIFY(preview.ExportTo(TReportPreviewFrm::TExport::Jpeg, dir.filePath("l.jpg")));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("l_%1.jpg").arg(pages))));
    QVERIFY(!preview.ExportTo(TReportPreviewFrm::TExport::Rtf, dir.filePath("x/y/l.rtf")));
    QVERIFY(messages->LastText().contains(QStringLiteral("l.rtf")));
}

void TstReportWindows::rights()
{
    TScriptedMessageScope messages;
    LoginAs(QStringLiteral("clerk"), QStringLiteral(",10003,"));
    TProjRep rep;
    QVERIFY_THROWS_EXCEPTION(EAbort, ShowReporter(rep, 1001));
    QVERIFY(messages->LastText().contains(QStringLiteral("10002")));
    QVERIFY_THROWS_EXCEPTION(EAbort, PrintDataSets({}, 1001));

    LoginAs(QStringLiteral("clerk"), QStringLiteral(",10002,"));
    bool designEnabled = true;
    int listed = 0;
    OnNextModal([&](QWidget *w) {
        auto *chooser = qobject_cast<TReporterFrm *>(w);
        QVERIFY(chooser);
        designEnabled = chooser->NewAction()->isEnabled()
                     || chooser->DesignAction()->isEnabled()
                     || chooser->RenameAction()->isEnabled()
                     || chooser->DeleteAction()->isEnabled();
        listed = chooser->List()->count();
    });
    auto lines = BillLines();
    PrintDataSets({lines.get()}, 1001);
    QVERIFY(!designEnabled);
    QCOMPARE(listed, 1);
}
