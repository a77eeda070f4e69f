#include "ReportFixture.h"

#include "config/Operator.h"
#include "data/DataSet.h"
#include "reports/Rep.h"

#include <QProcess>

std::unique_ptr<TDataSet> BillLines()
{
    auto d = std::make_unique<TDataSet>();
    d->AddField<TStringField>(QStringLiteral("WareCode"), true, QStringLiteral("货品编号"));
    d->AddField<TWideStringField>(QStringLiteral("WareName"), true, QStringLiteral("货品名称"));
    d->AddField<TFloatField>(QStringLiteral("Qty"), true, QStringLiteral("数量"));
    d->AddField<TFloatField>(QStringLiteral("Price"), true, QStringLiteral("单价"));
    d->AddField<TCurrencyField>(QStringLiteral("Fund"), true, QStringLiteral("金额"));
    d->AddField<TIntegerField>(QStringLiteral("dlId"), false);
    d->Open();
    const struct { const char *code, *name; double qty, price; } rows[] = {
        {"W001", "不锈钢螺栓M8", 120, 0.85},
        {"W002", "六角螺母M8", 240, 0.12},
        {"W017", "镀锌角钢50x5", 36, 48.5},
    };
    int id = 0;
    for (const auto &r : rows) {
        d->Append();
        d->Field(0)->SetAsString(QString::fromUtf8(r.code));
        d->Field(1)->SetAsString(QString::fromUtf8(r.name));
        d->Field(2)->SetAsFloat(r.qty);
        d->Field(3)->SetAsFloat(r.price);
        d->Field(4)->SetAsFloat(r.qty * r.price);
        d->Field(5)->SetAsInteger(++id);
        d->Post();
    }
    d->First();
    return d;
}

void AddBillVariables(TRep &rep)
{
    rep.AddVar(QStringLiteral("Code"), QStringLiteral("AR26120007"));
    rep.AddVar(QStringLiteral("BizDate"), QStringLiteral("2026-12-10"));
    rep.AddVar(QStringLiteral("Supplier"), QStringLiteral("华东五金有限公司"));
    rep.AddVar(QStringLiteral("Dept"), QStringLiteral("采购部"));
    rep.AddVar(QStringLiteral("Buyman"), QStringLiteral("李明"));
    rep.AddVar(QStringLiteral("TotalFund"), QStringLiteral("1876.80"));
    rep.AddVar(QStringLiteral("Billman"), QStringLiteral("王芳"));
}

std::unique_ptr<TDataSet> GoodsList(int rows)
{
    auto d = std::make_unique<TDataSet>();
    d->AddField<TStringField>(QStringLiteral("Code"), true, QStringLiteral("编号"));
    d->AddField<TWideStringField>(QStringLiteral("Name"), true, QStringLiteral("名称"));
    d->AddField<TWideStringField>(QStringLiteral("Unit"), true, QStringLiteral("单位"));
    d->AddField<TFloatField>(QStringLiteral("Qty"), true, QStringLiteral("数量"));
    d->AddField<TCurrencyField>(QStringLiteral("Fund"), true, QStringLiteral("金额"));
    d->Open();
    d->BeginLoad(rows);
    for (int i = 0; i < rows; ++i) {
        QVariant *row = d->AppendLoadRow();
        row[0] = QStringLiteral("G%1").arg(i + 1, 5, 10, QLatin1Char('0'));
        row[1] = QStringLiteral("货品%1").arg(i + 1);
        row[2] = QStringLiteral("个");
        row[3] = double(i % 50 + 1);
        row[4] = (i % 50 + 1) * 2.5;
    }
    d->EndLoad();
    d->First();
    return d;
}

QString PdfText(const QString &fileName)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void LoginAs(const QString &loginId, const QString &rights)
{
    TheOperator().Clear();
    TheOperator().LoginId = loginId;
    TheOperator().Rights = rights;
}
