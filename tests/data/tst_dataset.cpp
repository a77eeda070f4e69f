#include "data/TestObjects.h"

#include "data/CustomWhere.h"
#include "data/DataSetModel.h"
#include "data/Dialect.h"
#include "data/Exceptions.h"
#include "data/KsClientDataSet.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {
// A line set as the bills declare theirs.
class TLineSet : public TKsClientDataSet
{
public:
    TLineSet()
    {
        IdFld = AddFieldDef<TIntegerField>("dlId", 0, false);
        NameFld = AddFieldDef<TWideStringField>("Name", 50, true, "品名");
        LongFld = AddFieldDef<TWideStringField>("LongText", 200, true);
        ShortFld = AddFieldDef<TWideStringField>("Short", 10, true);
        QtyFld = AddFieldDef<TFloatField>("Qty", 0, true, "数量");
        FundFld = AddFieldDef<TCurrencyField>("Fund", 0, true, "金额");
        DateFld = AddFieldDef<TDateTimeField>("BizDate", 0, true);
        CreateDataSet();
    }
    void Add(int id, const QString &name, double qty)
    {
        m_data->Append();
        IdFld->SetAsInteger(id);
        NameFld->SetAsString(name);
        QtyFld->SetAsFloat(qty);
        m_data->Post();
    }
    TField *IdFld, *NameFld, *LongFld, *ShortFld, *QtyFld, *FundFld, *DateFld;
};

class TSearch : public TCustomWhere
{
public:
    TSearch()
    {
        BeginDateFld = AddFieldDef<TDateTimeField>("BeginDate", 0, true);
        SupplierIdFld = AddFieldDef<TIntegerField>("SupplierId", 0, true);
        OrdlIdFld = AddFieldDef<TIntegerField>("OrdlId", 0, true);
        CodeFld = AddFieldDef<TWideStringField>("Code", 30, true);
        CheckedFld = AddFieldDef<TBooleanField>("Checked", 0, true);
        CreateCriteriaRow();
    }
    TField *BeginDateFld, *SupplierIdFld, *OrdlIdFld, *CodeFld, *CheckedFld;
};

QString Names(const TDataSet *d)
{
    QStringList names;
    for (int pos = 0; pos < d->RecordCount(); ++pos)
        names << d->ValueAt(pos, 1).toString();
    return names.join(u',');
}
} // namespace

class TstDataSet : public QObject
{
    Q_OBJECT
private slots:
    void stringSizes()
    {
        TLineSet set;
        QCOMPARE(set.NameFld->Size, 50);
        QCOMPARE(set.LongFld->Size, 140);
        QCOMPARE(set.ShortFld->Size, 20);
        set.DataSet()->Append();
        set.LongFld->SetAsString(QString(200, u'长'));
        set.ShortFld->SetAsString(QString(30, u'x'));
        QCOMPARE(set.LongFld->AsString().size(), 140);
        QCOMPARE(set.ShortFld->AsString().size(), 20);
    }

    void conversionErrorLeavesValue()
    {
        TLineSet set;
        set.Add(1, "a", 2);
        set.DataSet()->Edit();
        QVERIFY_THROWS_EXCEPTION(EConvertError, set.IdFld->SetValue(QStringLiteral("abc")));
        QVERIFY_THROWS_EXCEPTION(EConvertError, set.DateFld->SetValue(QStringLiteral("2013-13-45")));
        QCOMPARE(set.IdFld->AsInteger(), 1);
    }

    void editCancelAndBeforePost()
    {
        TLineSet set;
        TDataSet *d = set.DataSet();
        // The hook derives the amount, as bill lines do.
        d->BeforePost = [&](TDataSet &) { set.FundFld->SetAsFloat(set.QtyFld->AsFloat() * 2); };
        set.Add(1, "a", 3);
        QCOMPARE(set.FundFld->AsFloat(), 6.0);
        d->Edit();
        set.QtyFld->SetAsFloat(10);
        d->Cancel();
        QCOMPARE(set.QtyFld->AsFloat(), 3.0);
        QCOMPARE(d->State(), TDataSetState::Browse);
        d->Insert();
        QCOMPARE(d->RecordCount(), 2);
        d->Cancel();
        QCOMPARE(d->RecordCount(), 1);
        // A failing hook keeps the row in edit state with its values.
        d->BeforePost = [](TDataSet &) { throw EConvertError("bad"); };
        d->Edit();
        set.QtyFld->SetAsFloat(7);
        QVERIFY_THROWS_EXCEPTION(EConvertError, d->Post());
        QCOMPARE(d->State(), TDataSetState::Edit);
        QCOMPARE(set.QtyFld->AsFloat(), 7.0);
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, (d->Cancel(), set.QtyFld->SetAsFloat(1)));
    }

    void sortFilterAndBookmarks()
    {
        TLineSet set;
        TDataSet *d = set.DataSet();
        set.Add(1, "b", 2);
        set.Add(2, "a", 2);
        set.Add(3, "c", 1);
        set.Add(4, "a", 1);
        d->Locate("dlId", 3);
        const TBookmark mark = d->GetBookmark();
        d->SetSortText("Qty DESC;Name");
        QCOMPARE(Names(d), QStringLiteral("a,b,a,c"));
        QCOMPARE(set.IdFld->AsInteger(), 3);     // the current row is kept
        d->SetFilter([&](const TDataSet &ds, int row) {
            return ds.StoredValue(row, set.NameFld->Index()).toString() == u"a";
        });
        QCOMPARE(d->RecordCount(), 2);
        QVERIFY(!d->BookmarkValid(mark));
        d->ClearFilter();
        d->First();
        d->GotoBookmark(mark);
        QCOMPARE(set.IdFld->AsInteger(), 3);
        d->Delete();
        QCOMPARE(d->RecordCount(), 3);
        QVERIFY(!d->BookmarkValid(mark));
    }

    void navigationFlags()
    {
        TLineSet set;
        TDataSet *d = set.DataSet();
        QVERIFY(d->Eof() && d->Bof());
        set.Add(1, "a", 1);
        set.Add(2, "b", 1);
        int seen = 0;
        for (d->First(); !d->Eof(); d->Next())
            ++seen;
        QCOMPARE(seen, 2);
        d->Last();
        d->Prior();
        QCOMPARE(d->RecNo(), 1);
    }

    void fieldSumKeepsPosition()
    {
        TLineSet set;
        QCOMPARE(set.FieldSum(set.QtyFld), 0.0);
        set.Add(1, "a", 1.5);
        set.Add(2, "b", 2.25);
        set.DataSet()->Append();
        set.DataSet()->Post();               // a line with no quantity counts as 0
        set.DataSet()->SetRecNo(2);
        QCOMPARE(set.FieldSum(set.QtyFld), 3.75);
        QCOMPARE(set.DataSet()->RecNo(), 2);
    }

    void modelFollowsDataSet()
    {
        TLineSet set;
        TDataSetModel model(set.DataSet());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        set.Add(1, "螺丝", 1000);
        set.Add(2, "垫片", 2.5);
        QCOMPARE(inserted.count(), 2);
        QCOMPARE(model.rowCount(), 2);
        set.DataSet()->Edit();
        set.FundFld->SetAsFloat(1234567.891);
        set.DataSet()->Post();
        QCOMPARE(model.data(model.index(1, set.FundFld->Index())).toString(),
                 QStringLiteral("1,234,567.89"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("品名"));
        QVERIFY(model.setData(model.index(0, set.QtyFld->Index()), 7));
        set.DataSet()->Post();
        set.DataSet()->First();
        QCOMPARE(set.QtyFld->AsFloat(), 7.0);
        // Many changes with controls disabled reach the view as one reset.
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        set.DataSet()->DisableControls();
        for (int i = 0; i < 50; ++i)
            set.Add(10 + i, "x", i);
        set.DataSet()->EnableControls();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 52);
        set.DataSet()->SetSortText("Qty");
        set.DataSet()->First();
        set.DataSet()->Delete();
        QCOMPARE(model.rowCount(), 51);
    }

    void criteriaClearAndConditions()
    {
        TSearch where;
        TSqliteDialect dialect;
        Q_UNUSED(dialect);
        TWhereBuilder none;
        none.Id("m.SupplierId", where.SupplierIdFld).Link("d.OrdlId", where.OrdlIdFld)
            .Contains("m.Code", where.CodeFld).Audited(where.CheckedFld);
        QCOMPARE(none.Conditions(), QString());
        QCOMPARE(none.AsWhere(), QString());

        where.SupplierIdFld->SetAsInteger(0);      // 0 is not set
        where.OrdlIdFld->SetAsInteger(0);          // a link of 0 is: lines drawn from no order
        where.CodeFld->SetAsString("O'Brien");
        where.CheckedFld->SetAsBoolean(true);
        TWhereBuilder b;
        b.Id("m.SupplierId", where.SupplierIdFld).Link("d.OrdlId", where.OrdlIdFld)
            .Contains("m.Code", where.CodeFld).Audited(where.CheckedFld);
        QCOMPARE(b.Conditions(), QStringLiteral(" and d.OrdlId=0 and m.Code like '%O''Brien%' "
                                                "escape '\\' and (not m.CheckTime is null)"));
        QCOMPARE(TWhereBuilder::AsWhere(" and a=1 and b=2"), QStringLiteral(" where a=1 and b=2"));

        where.Clear();
        for (TField *f : where.DataSet()->Fields())
            QVERIFY2(f->IsNull(), qPrintable(f->FieldName));
        QCOMPARE(where.DataSet()->State(), TDataSetState::Insert);
    }
};

QObject *NewDataSetTest()
{
    return new TstDataSet;
}

#include "tst_dataset.moc"
