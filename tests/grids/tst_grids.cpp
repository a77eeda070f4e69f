#include "support/TestSupport.h"

#include "GridTestData.h"
#include "data/Exceptions.h"
#include "grids/DataExport.h"
#include "grids/GridLayout.h"
#include "data/RecordSet.h"

#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(RLayoutColumns)

namespace {
RLayoutColumns Defaults()
{
    return {{"Code", true, 60}, {"Name", true, 120}, {"Qty", true, 70}, {"Note", true, 200}};
}

QString Describe(const RLayoutColumns &columns)
{
    QStringList parts;
    for (const RLayoutColumn &c : columns)
        parts << QStringLiteral("%1:%2:%3").arg(c.FieldName).arg(c.Visible ? 1 : 0).arg(c.Width);
    return parts.join(u' ');
}

QString ReadText(const QString &path, TExportEncoding encoding)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QStringDecoder decoder(encoding == TExportEncoding::Utf8 ? "UTF-8" : "GB18030");
    return decoder.decode(f.readAll());
}

RExportColumns Columns(const TDataSet &ds, const QStringList &names)
{
    RExportColumns columns;
    for (const QString &n : names)
        columns.append({ds.FieldByName(n)->Index(), ds.FieldByName(n)->Label()});
    return columns;
}
} // namespace

class TstGridLayout : public QObject
{
    Q_OBJECT
private slots:
    void apply_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty: defaults")
            << "" << "Code:1:60 Name:1:120 Qty:1:70 Note:1:200";
        QTest::newRow("hide and width")
            << "Name=False80" << "Name:0:80 Code:1:60 Qty:1:70 Note:1:200";
        QTest::newRow("full order")
            << "Note=True50\r\nQty=True40\r\nName=True30\r\nCode=False20"
            << "Note:1:50 Qty:1:40 Name:1:30 Code:0:20";
        QTest::newRow("unknown field takes no place")
            << "Qty=True40\r\nGone=True99\r\nCode=True61"
            << "Qty:1:40 Code:1:61 Name:1:120 Note:1:200";
        QTest::newRow("bad width stops, order untouched")
            << "Qty=True40\r\nCode=Truex" << "Code:1:60 Name:1:120 Qty:1:70 Note:1:200";
        QTest::newRow("case of names and flags")
            << "qty=false45" << "Qty:0:45 Code:1:60 Name:1:120 Note:1:200";
        QTest::newRow("lines without a value are skipped")
            << "garbage\nName=True99" << "Name:1:99 Code:1:60 Qty:1:70 Note:1:200";
    }
    void apply()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        RLayoutColumns columns = Defaults();
        ApplyLayoutText(columns, text);
        QCOMPARE(Describe(columns), expected);
    }

    void textRoundTrip()
    {
        RLayoutColumns columns = Defaults();
        columns[1].Visible = false;
        const QString text = LayoutText(columns);
        QCOMPARE(text, QStringLiteral("Code=True60\r\nName=False120\r\n"
                                      "Qty=True70\r\nNote=True200"));
        RLayoutColumns again = Defaults();
        std::reverse(again.begin(), again.end());
        ApplyLayoutText(again, text);
        QCOMPARE(Describe(again), Describe(columns));
    }

    void syscols()
    {
        TTestDatabase db;
        db.CreateFull();
        QCOMPARE(LoadLayoutText(9001), QString());
        QVERIFY(SaveLayoutText(9001, QStringLiteral("Code=True60")));
        QVERIFY(SaveLayoutText(9001, QStringLiteral("Code=False61")));   // updates the row
        QVERIFY(SaveLayoutText(9002, QStringLiteral("Name=True10")));
        QCOMPARE(LoadLayoutText(9001), QStringLiteral("Code=False61"));
        QCOMPARE(LoadLayoutText(9002), QStringLiteral("Name=True10"));
        TRecordSet rows;
        QCOMPARE(rows.OpenSQL(QStringLiteral("select F02 from syscols where F02=:Id"),
                              {DBParam(QStringLiteral("Id"), 9001)}), 1);
    }
};

class TstDataExport : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void delimited_data()
    {
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QChar>("separator");
        QTest::newRow("csv gb18030") << int(TExportEncoding::Gb18030) << QChar(u',');
        QTest::newRow("csv utf-8") << int(TExportEncoding::Utf8) << QChar(u',');
        QTest::newRow("txt gb18030") << int(TExportEncoding::Gb18030) << QChar(u'\t');
        QTest::newRow("txt utf-8") << int(TExportEncoding::Utf8) << QChar(u'\t');
    }
    void delimited()
    {
        QFETCH(int, encoding);
        QFETCH(QChar, separator);
        TDataSet ds;
        FillLines(ds, SampleRows());
        ds.SetRecNo(3);
        const QString path = m_dir.filePath(QStringLiteral("out.txt"));
        const auto enc = TExportEncoding(encoding);
        QCOMPARE(WriteDelimitedFile(ds, Columns(ds, {"Code", "Name", "Amount", "BizDate"}),
                                    path, separator, enc), 4);
        QCOMPARE(ds.RecNo(), 3);            // back on its row
        const QString s = separator;
        const QString expected =
            "代码" + s + "名称" + s + "金额" + s + "日期" + s + "\r\n"
            "A02" + s + "螺栓, M8" + s + "25.5" + s + "2026-12-01" + s + "\r\n"
            "A01" + s + "垫片" + s + "1234" + s + "2026-12-02" + s + "\r\n"
            "B01" + s + "螺栓 M10" + s + s + "2026-12-03" + s + "\r\n"
            "A01" + s + "轴承" + s + "80" + s + s + "\r\n";
        QCOMPARE(ReadText(path, enc), expected);
        // The other code page does not read the same bytes back.
        const auto other = enc == TExportEncoding::Utf8 ? TExportEncoding::Gb18030
                                                        : TExportEncoding::Utf8;
        QVERIFY(ReadText(path, other) != expected);
    }

    void html_data()
    {
        QTest::addColumn<int>("encoding");
        QTest::newRow("gb18030") << int(TExportEncoding::Gb18030);
        QTest::newRow("utf-8") << int(TExportEncoding::Utf8);
    }
    void html()
    {
        QFETCH(int, encoding);
        TDataSet ds;
        QList<QVariantList> rows = SampleRows();
        rows[0][2] = QStringLiteral("<b>螺栓</b> & 垫圈");
        FillLines(ds, rows);
        const QString path = m_dir.filePath(QStringLiteral("out.html"));
        const auto enc = TExportEncoding(encoding);
        QCOMPARE(WriteHtmlFile(ds, Columns(ds, {"Code", "Name", "Amount"}), path, enc), 4);
        const QStringList lines = ReadText(path, enc).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(0), QStringLiteral("<html>"));
        QVERIFY(lines.value(2).contains(enc == TExportEncoding::Utf8 ? "UTF-8" : "GB18030"));
        const int header = int(lines.indexOf(QStringLiteral("<table>")));
        QCOMPARE(lines.mid(header, 5), QStringList({"<table>", "<tr>",
                 "<td nowrap>代码&nbsp;</td>", "<td nowrap>名称&nbsp;</td>",
                 "<td nowrap>金额&nbsp;</td>"}));
        // A value cannot break the table; money shows as the grid shows it.
        QVERIFY(lines.contains("<td nowrap>&lt;b&gt;螺栓&lt;/b&gt; &amp; 垫圈&nbsp;</td>"));
        QVERIFY(lines.contains("<td nowrap>1,234.00&nbsp;</td>"));
        QCOMPARE(lines.count(QStringLiteral("<tr>")), 5);
        QCOMPARE(lines.mid(lines.size() - 4), QStringList({"</table>", "</body>", "</html>", ""}));
    }

    void emptyDataSet()
    {
        TDataSet ds;
        FillLines(ds, {});
        const QString path = m_dir.filePath(QStringLiteral("empty.csv"));
        QCOMPARE(WriteDelimitedFile(ds, Columns(ds, {"Code"}), path, u',',
                                    TExportEncoding::Utf8), 0);
        QCOMPARE(ReadText(path, TExportEncoding::Utf8), QStringLiteral("代码,\r\n"));
    }

    void unwritableFile()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        QVERIFY_THROWS_EXCEPTION(EOpenBuyError,
            WriteDelimitedFile(ds, Columns(ds, {"Code"}), m_dir.filePath("no/such/dir.csv"),
                               u',', TExportEncoding::Utf8));
    }

    void xlsxReadBack()
    {
        TDataSet ds;
        QList<QVariantList> rows = SampleRows();
        rows[1][1] = QStringLiteral("007");          // a code keeps its leading zeros
        FillLines(ds, rows);
        const QString path = m_dir.filePath(QStringLiteral("out.xlsx"));
        QCOMPARE(WriteXlsxFile(ds, Columns(ds, {"Code", "Name", "Qty", "Amount"}), path), 4);
        QProcess reader;
        reader.start(QStringLiteral("xlsx2csv"), {path});
        QVERIFY(reader.waitForFinished(30000));
        QCOMPARE(reader.exitCode(), 0);
        const QString csv = QString::fromUtf8(reader.readAllStandardOutput());
        const QStringList lines = csv.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0).trimmed(), QStringLiteral("代码,名称,数量,金额"));
        QCOMPARE(lines.value(1).trimmed(), QStringLiteral("A02,\"螺栓, M8\",10,25.50"));
        QCOMPARE(lines.value(2).trimmed(), QStringLiteral("007,垫片,3,\"1,234.00\""));
        QCOMPARE(lines.value(3).trimmed(), QStringLiteral("B01,螺栓 M10,5.5,"));
        QCOMPARE(lines.size(), 5);
    }
};

OPENBUY_TEST_MAIN(new TstGridLayout, new TstDataExport)

#include "tst_grids.moc"
