#include "admin/AdminSupport.h"

#include "data/DataSet.h"
#include "grids/DataExport.h"
#include "masterdata/DeptSet.h"
#include "masterdata/EmployeeSet.h"
#include "masterdata/ItemSet.h"
#include "masterdata/SupplierSet.h"
#include "masterdata/UnitSet.h"
#include "masterdata/WareSet.h"

#include <functional>
#include <memory>

// A master list written as the list window's export writes it: the visible columns under
// the captions the window shows (for goods the user's labels), every row.
namespace {
using TListFactory = std::function<std::unique_ptr<TMasterSet>()>;

template<class TSet>
TListFactory Factory()
{
    return [] { return std::unique_ptr<TMasterSet>(new TSet); };
}

const QList<QPair<QString, TListFactory>> &Lists()
{
    static const QList<QPair<QString, TListFactory>> lists = {
        {QStringLiteral("goods"), Factory<TWareSet>()},
        {QStringLiteral("suppliers"), Factory<TSupplierSet>()},
        {QStringLiteral("employees"), Factory<TEmployeeSet>()},
        {QStringLiteral("departments"), Factory<TDeptSet>()},
        {QStringLiteral("banks"), Factory<TBankSet>()},
        {QStringLiteral("units"), Factory<TUnitSet>()},
    };
    return lists;
}

QStringList ListNames()
{
    QStringList names;
    for (const auto &l : Lists())
        names << l.first;
    return names;
}

const QStringList &Formats()
{
    static const QStringList formats = {QStringLiteral("xlsx"), QStringLiteral("csv"),
                                        QStringLiteral("html"), QStringLiteral("txt")};
    return formats;
}

RExportColumns VisibleColumns(const TDataSet &dataSet)
{
    RExportColumns columns;
    for (const TField *f : dataSet.Fields())
        if (f->Visible)
            columns.append({f->Index(), f->Label()});
    return columns;
}

int Write(TDataSet &data, const QString &format, const QString &path, TExportEncoding encoding)
{
    const RExportColumns columns = VisibleColumns(data);
    if (format == u"xlsx")
        return WriteXlsxFile(data, columns, path);
    if (format == u"html")
        return WriteHtmlFile(data, columns, path, encoding, TExportText::FieldText);
    return WriteDelimitedFile(data, columns, path, format == u"csv" ? u',' : u'\t', encoding);
}

// The named options checked; false with the message said.
bool CheckArguments(const QHash<QString, QString> &values, TExportEncoding *encoding)
{
    const QString list = values.value(QStringLiteral("list"));
    const QString format = values.value(QStringLiteral("format"));
    if (!ListNames().contains(list)) {
        Err() << (list.isEmpty() ? QStringLiteral("export 需要 --list")
                                 : QStringLiteral("不认识的列表: %1").arg(list))
              << QStringLiteral(" (可用: %1)").arg(ListNames().join(QStringLiteral(", ")))
              << Qt::endl;
        return false;
    }
    if (!Formats().contains(format)) {
        Err() << (format.isEmpty() ? QStringLiteral("export 需要 --format")
                                   : QStringLiteral("不认识的导出格式: %1").arg(format))
              << QStringLiteral(" (可用: %1)").arg(Formats().join(QStringLiteral(", ")))
              << Qt::endl;
        return false;
    }
    if (values.value(QStringLiteral("out")).isEmpty()) {
        Err() << "export 需要 --out 输出文件" << Qt::endl;
        return false;
    }
    const QString code = values.value(QStringLiteral("encoding"), QStringLiteral("gb18030"));
    if (code.compare(u"gb18030", Qt::CaseInsensitive) != 0
        && code.compare(u"utf8", Qt::CaseInsensitive) != 0) {
        Err() << QStringLiteral("不认识的编码: %1 (可用: gb18030, utf8)").arg(code) << Qt::endl;
        return false;
    }
    *encoding = code.compare(u"utf8", Qt::CaseInsensitive) == 0 ? TExportEncoding::Utf8
                                                                : TExportEncoding::Gb18030;
    return true;
}
} // namespace

int Export(const TOptions &options)
{
    QHash<QString, QString> values;
    QString error;
    if (!ParseNamed(options.Rest,
                    {QStringLiteral("list"), QStringLiteral("format"), QStringLiteral("out"),
                     QStringLiteral("encoding")},
                    values, &error)) {
        Err() << error << Qt::endl;
        return 1;
    }
    TExportEncoding encoding = TExportEncoding::Gb18030;
    if (!CheckArguments(values, &encoding))
        return 1;
    if (!ConnectForWork(options))
        return 1;
    // Created after the labels are loaded: the goods set takes its captions from them.
    const QString list = values.value(QStringLiteral("list"));
    std::unique_ptr<TMasterSet> set = Lists()[ListNames().indexOf(list)].second();
    set->LoadAll();
    const QString path = values.value(QStringLiteral("out"));
    const int rows = Write(*set->DataSet(), values.value(QStringLiteral("format")), path,
                           encoding);
    Out() << QStringLiteral("已导出 %1 条记录到 %2").arg(rows).arg(path) << Qt::endl;
    return 0;
}
