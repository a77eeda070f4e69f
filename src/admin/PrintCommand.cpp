#include "admin/AdminSupport.h"

#include "data/DataSet.h"
#include "data/Database.h"
#include "masterdata/SupplierSet.h"
#include "purchasing/BuyBill2.h"
#include "purchasing/BuyBillPrint.h"
#include "purchasing/BuydlSet.h"
#include "reports/Rep.h"
#include "reports/RepSet.h"
#include "reports/ReportLayout.h"
#include "reports/ReportRenderer.h"

// The two forms of print: a report group over CSV data, or a stored bill as its window
// prints it.
namespace {
struct TPrintOptions
{
    int Group = 0;
    int Kind = -1;
    int Id = 0;
    QString Template;
    QList<QPair<QString, QString>> Data;        // name, CSV file
    QList<QPair<QString, QString>> Vars;
    QString Pdf;
};

bool ToInt(const QString &text, int *value, const QString &what, QString *error)
{
    bool ok = false;
    *value = text.toInt(&ok);
    if (!ok)
        *error = QStringLiteral("%1应为数字: %2").arg(what, text);
    return ok;
}

// "--group 1001 --data d0=lines.csv --var Code=AR… --pdf out.pdf" or
// "--kind 1 --id 7 --pdf out.pdf"; false with the reason.
bool ParsePrintOptions(const QStringList &rest, TPrintOptions &p, QString *error)
{
    for (int i = 0; i < rest.size(); ++i) {
        const QString &a = rest[i];
        const QString value = i + 1 < rest.size() ? rest[i + 1] : QString();
        const int eq = value.indexOf(u'=');
        if (a == u"--group" && !value.isEmpty()) {
            if (!ToInt(value, &p.Group, QStringLiteral("报表组"), error))
                return false;
        } else if (a == u"--kind" && !value.isEmpty()) {
            if (!ToInt(value, &p.Kind, QStringLiteral("单据类型"), error))
                return false;
        } else if (a == u"--id" && !value.isEmpty()) {
            if (!ToInt(value, &p.Id, QStringLiteral("单据Id"), error))
                return false;
        } else if (a == u"--template" && !value.isEmpty()) {
            p.Template = value;
        } else if ((a == u"--data" || a == u"--var") && eq > 0) {
            (a == u"--data" ? p.Data : p.Vars).append({value.left(eq), value.mid(eq + 1)});
        } else if (a == u"--pdf" && !value.isEmpty()) {
            p.Pdf = value;
        } else {
            *error = QStringLiteral("不认识的参数: %1").arg(a);
            return false;
        }
        ++i;
    }
    if (p.Kind >= 0) {
        if (p.Kind != 1) {
            *error = QStringLiteral("只能打印采购收货单 (--kind 1), 不支持单据类型 %1")
                         .arg(p.Kind);
            return false;
        }
        if (p.Id <= 0 || p.Pdf.isEmpty() || !p.Data.isEmpty()) {
            *error = QStringLiteral("print --kind 需要 --id 和 --pdf, 不用 --data");
            return false;
        }
        if (p.Group == 0)
            p.Group = 1001;
        return true;
    }
    if (p.Group == 0 || p.Pdf.isEmpty()) {
        *error = QStringLiteral("print 需要 --group 和 --pdf");
        return false;
    }
    return true;
}

// The template of the group with that title, or the group's first by title; 0 when none.
int FindTemplate(int group, const QString &title)
{
    TRepSet set;
    set.Open(group);
    for (TDataSet *d = set.DataSet(); !d->Eof(); d->Next())
        if (title.isEmpty() || set.TitleFld->AsString() == title)
            return set.IdFld->AsInteger();
    return 0;
}

int FindTemplateOrSay(const TPrintOptions &p)
{
    const int id = FindTemplate(p.Group, p.Template);
    if (id != 0)
        return id;
    if (p.Template.isEmpty())
        Err() << QStringLiteral("报表组 %1 没有打印样式").arg(p.Group) << Qt::endl;
    else
        Err() << QStringLiteral("报表组 %1 没有名为\"%2\"的打印样式").arg(p.Group).arg(p.Template)
              << Qt::endl;
    return 0;
}

int WritePdf(TProjRep &rep, int templateId, const QString &pdf)
{
    rep.LoadTemplate(templateId);
    auto layout = rep.CreateLayout();
    QString error;
    if (!ExportPdf(*layout, pdf, &error)) {
        Err() << error << Qt::endl;
        return 1;
    }
    Out() << "已输出 " << layout->PageCount() << " 页到 " << pdf << Qt::endl;
    return 0;
}

int PrintCsv(const TPrintOptions &p)
{
    const int id = FindTemplateOrSay(p);
    if (id == 0)
        return 1;
    std::vector<std::unique_ptr<TDataSet>> data;
    TProjRep rep;
    for (const auto &d : std::as_const(p.Data)) {
        data.push_back(LoadCsvDataSet(d.second));
        rep.AddDataSet(d.first, data.back().get());
    }
    for (const auto &v : std::as_const(p.Vars))
        rep.AddVar(v.first, v.second);
    return WritePdf(rep, id, p.Pdf);
}

// The arrival with its supplier and its lines in a line set, as the arrival window holds it.
int PrintArrival(const TPrintOptions &p)
{
    RBuy bill;
    if (!TBuyBill2::Load(p.Id, bill)) {
        Err() << QStringLiteral("没有找到 Id 为 %1 的采购收货单").arg(p.Id) << Qt::endl;
        return 1;
    }
    const int id = FindTemplateOrSay(p);
    if (id == 0)
        return 1;
    RSupplier supplier;
    TSupplierSet::GetById(bill.SupplierId, supplier);
    TBuydlSet lines;
    lines.SetAsDatas(bill.Lines);
    TProjRep rep;
    AddBuyBillReportData(rep, bill, supplier, lines);
    for (const auto &v : std::as_const(p.Vars))
        rep.AddVar(v.first, v.second);
    return WritePdf(rep, id, p.Pdf);
}
} // namespace

int Print(const TOptions &options)
{
    TPrintOptions p;
    QString error;
    if (!ParsePrintOptions(options.Rest, p, &error)) {
        Err() << error << Qt::endl;
        return 1;
    }
    if (!ConnectForWork(options))
        return 1;
    return p.Kind == 1 ? PrintArrival(p) : PrintCsv(p);
}
