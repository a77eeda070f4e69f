#include "TstDesignModel.h"

#include "data/Exceptions.h"
#include "reports/DesignModel.h"

#include <QSignalSpy>
#include <QTest>

namespace {
TReportTemplate TwoBands()
{
    TReportTemplate t;
    t.EnsureBand(TBandKind::PageHeader).Height = 20;
    t.EnsureBand(TBandKind::MasterData).Height = 8;
    return t;
}

TReportObject TextAt(double x, double y, double w = 30, double h = 6)
{
    TReportObject o;
    o.Text = QStringLiteral("[d0.WareName]");
    o.Rect = QRectF(x, y, w, h);
    return o;
}
} // namespace

void TstDesignModel::addSnapsAndUndoes()
{
    TDesignModel model(TwoBands());
    int changes = 0;
    model.OnChanged = [&] { ++changes; };
    model.Grid = 2.5;
    const TObjectRef ref = model.AddObject(0, TextAt(11.2, 3.6, 29, 6.4));
    QCOMPARE(model.Object(ref).Rect, QRectF(10, 2.5, 30, 7.5));
    QVERIFY(model.Modified());
    QCOMPARE(changes, 1);
    model.SnapToGrid = false;
    const TObjectRef free = model.AddObject(0, TextAt(11.2, 3.6));
    QCOMPARE(model.Object(free).Rect.topLeft(), QPointF(11.2, 3.6));
    model.Undo();
    model.Undo();
    QVERIFY(model.Template() == TwoBands());
    QVERIFY(!model.CanUndo());
    QVERIFY_THROWS_EXCEPTION(EOpenBuyError, model.AddObject(5, TextAt(0, 0)));
}

void TstDesignModel::moveAndResizeStayInBand_data()
{
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QRectF>("expected");
    // Band: 180 mm wide (A4 less margins), 8 mm high; the object starts at (10,1) 30x6.
    QTest::newRow("inside") << 5.0 << 1.0 << QSizeF(30, 6) << QRectF(15, 2, 30, 6);
    QTest::newRow("below the band") << 0.0 << 20.0 << QSizeF(30, 6) << QRectF(10, 2, 30, 6);
    QTest::newRow("left of the page") << -50.0 << 0.0 << QSizeF(30, 6) << QRectF(0, 1, 30, 6);
    QTest::newRow("right edge") << 500.0 << 0.0 << QSizeF(30, 6) << QRectF(150, 1, 30, 6);
    QTest::newRow("taller than the band") << 0.0 << 0.0 << QSizeF(40, 50) << QRectF(10, 0, 40, 8);
    QTest::newRow("shrunk to nothing") << 0.0 << 0.0 << QSizeF(0, 0) << QRectF(10, 1, 1, 1);
}

void TstDesignModel::moveAndResizeStayInBand()
{
    QFETCH(double, dx);
    QFETCH(double, dy);
    QFETCH(QSizeF, size);
    QFETCH(QRectF, expected);
    TDesignModel model(TwoBands());
    const TObjectRef ref = model.AddObject(1, TextAt(10, 1));
    model.ResizeObject(ref, size.width(), size.height());
    model.MoveObject(ref, dx, dy);
    QCOMPARE(model.Object(ref).Rect, expected);
}

void TstDesignModel::copyPasteAndDelete()
{
    TDesignModel model(TwoBands());
    QVERIFY(!model.CanPaste());
    QVERIFY(!model.Paste(0).Valid());
    const TObjectRef ref = model.AddObject(1, TextAt(10, 1));
    model.Copy(ref);
    const TObjectRef pasted = model.Paste(0);
    QCOMPARE(pasted, TObjectRef({0, 0}));
    QCOMPARE(model.Object(pasted).Rect, QRectF(12, 3, 30, 6));
    QCOMPARE(model.Object(pasted).Text, model.Object(ref).Text);
    model.DeleteObject(ref);
    QCOMPARE(model.Template().Bands[1].Objects.size(), 0);
    model.Undo();
    QCOMPARE(model.Object(ref).Rect, QRectF(10, 1, 30, 6));
}

void TstDesignModel::undoRedoChain()
{
    TDesignModel model(TwoBands());
    const TObjectRef ref = model.AddObject(0, TextAt(0, 0));
    model.MoveObject(ref, 10, 0);
    model.MoveObject(ref, 0, 0);                // no change, no undo step
    model.ResizeObject(ref, 50, 10);
    const TReportTemplate last = model.Template();
    model.Undo();
    QCOMPARE(model.Object(ref).Rect, QRectF(10, 0, 30, 6));
    model.Undo();
    QCOMPARE(model.Object(ref).Rect, QRectF(0, 0, 30, 6));
    QVERIFY(model.CanRedo());
    model.Redo();
    model.Redo();
    QVERIFY(model.Template() == last);
    model.Undo();
    model.SetBandHeight(0, 30);                 // a new change drops what could be redone
    QVERIFY(!model.CanRedo());
    model.SetTemplate(TwoBands());
    QVERIFY(!model.CanUndo());
    QVERIFY(!model.Modified());
}
