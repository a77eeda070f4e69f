#include "reports/StandardTemplates.h"

#include "data/Database.h"
#include "data/Schema.h"

namespace {
constexpr int Left = 0x0001 | 0x0080;
constexpr int Right = 0x0002 | 0x0080;
constexpr int Center = 0x0004 | 0x0080;

TReportObject Text(const QRectF &rect, const QString &text, int align = Left, double size = 9,
                   bool bold = false)
{
    TReportObject o;
    o.Rect = rect;
    o.Text = text;
    o.Align = align;
    o.FontSize = size;
    o.Bold = bold;
    return o;
}

TReportObject Auto(TObjectKind kind, const QRectF &rect, const QString &set)
{
    TReportObject o;
    o.Kind = kind;
    o.Rect = rect;
    o.Text = set;
    return o;
}

TReportObject Line(const QRectF &rect)
{
    TReportObject o;
    o.Kind = TObjectKind::Line;
    o.Rect = rect;
    o.LineWidth = 0.3;
    return o;
}

TReportBand Band(TBandKind kind, double height, QList<TReportObject> objects = {})
{
    TReportBand b;
    b.Kind = kind;
    b.Height = height;
    b.Objects = objects;
    return b;
}

TReportBand PageFooter(double width, bool operatorName)
{
    TReportBand footer = Band(TBandKind::PageFooter, 8);
    footer.Objects.append(Line(QRectF(0, 1, width, 0)));
    footer.Objects.append(Text(QRectF(0, 2, 60, 5), QStringLiteral("打印日期: [Date]")));
    footer.Objects.append(Text(QRectF(width / 2 - 30, 2, 60, 5),
                               QStringLiteral("第 [Page] 页 / 共 [Pages] 页"), Center));
    if (operatorName)
        footer.Objects.append(Text(QRectF(width - 60, 2, 60, 5),
                                   QStringLiteral("制表: [u_Operator]"), Right));
    return footer;
}
} // namespace

const QList<TReportGroup> &ReportGroups()
{
    using K = TReportGroup::Kind;
    static const QList<TReportGroup> groups = {
        {1001, QStringLiteral("采购收货单"), K::Bill},
        {1048, QStringLiteral("采购订单"), K::Bill},
        {1054, QStringLiteral("采购计划单"), K::Bill},
        {1065, QStringLiteral("采购申请单"), K::Bill},
        {1055, QStringLiteral("询价单"), K::Bill},
        {1072, QStringLiteral("质检单"), K::Bill},
        {1068, QStringLiteral("采购发票"), K::Bill},
        {1005, QStringLiteral("付款单"), K::Bill},
        {1006, QStringLiteral("其他应付款"), K::BillWithoutLines},
        {1061, QStringLiteral("询价比价表"), K::List},
        {1011, QStringLiteral("应付款汇总表"), K::List},
        {1012, QStringLiteral("应付款对账单"), K::ListWithCriteria},
        {1050, QStringLiteral("应付款对账单(明细)"), K::ListWithCriteria},
        {1007, QStringLiteral("收货明细表"), K::ListWithCriteria},
        {1041, QStringLiteral("收货单据表"), K::ListWithCriteria},
        {1047, QStringLiteral("未付款收货表"), K::ListWithCriteria},
        {1063, QStringLiteral("收货汇总表(按日期)"), K::List},
        {1062, QStringLiteral("收货汇总表(按月份)"), K::List},
        {1009, QStringLiteral("收货汇总表(按供货商)"), K::List},
        {1064, QStringLiteral("收货汇总表(按部门)"), K::List},
        {1010, QStringLiteral("收货汇总表(按采购员)"), K::List},
        {1008, QStringLiteral("收货汇总表(按货品)"), K::List},
        {1035, QStringLiteral("收货汇总表(按货品分类)"), K::List},
        {1067, QStringLiteral("收货价格统计表"), K::ListWithCriteria},
        {1051, QStringLiteral("订单执行表"), K::ListWithCriteria},
        {1053, QStringLiteral("订单执行表(单据)"), K::ListWithCriteria},
        {1052, QStringLiteral("订单汇总表"), K::ListWithCriteria},
        {1056, QStringLiteral("计划执行表"), K::ListWithCriteria},
        {1057, QStringLiteral("计划货品汇总表"), K::ListWithCriteria},
        {1066, QStringLiteral("申请执行表"), K::ListWithCriteria},
        {1071, QStringLiteral("采购任务表"), K::ListWithCriteria},
        {1058, QStringLiteral("询价报表"), K::ListWithCriteria},
        {1027, QStringLiteral("货品列表"), K::List},
        {1028, QStringLiteral("供货商列表"), K::List},
        {1029, QStringLiteral("职员列表"), K::List},
        {1030, QStringLiteral("部门列表"), K::List},
        {1045, QStringLiteral("银行账户列表"), K::List},
        {1060, QStringLiteral("应付项目列表"), K::List},
        {1069, QStringLiteral("订单类型列表"), K::List},
        {1070, QStringLiteral("计划类型列表"), K::List},
        {58, QStringLiteral("计量单位列表"), K::List},
    };
    return groups;
}

const TReportGroup *FindReportGroup(int group)
{
    for (const TReportGroup &g : ReportGroups())
        if (g.Group == group)
            return &g;
    return nullptr;
}

TReportTemplate StandardBillTemplate(const QString &title, bool lines, const QString &columns)
{
    const QString d0 = columns.isEmpty() ? QStringLiteral("d0") : QStringLiteral("d0:") + columns;
    TReportTemplate t;
    const double w = t.Page.ClientWidth();
    TReportBand head = Band(TBandKind::ReportTitle, 24);
    head.Objects.append(Text(QRectF(0, 0, w, 8), QStringLiteral("[u_Company]"), Center, 15, true));
    head.Objects.append(Text(QRectF(0, 9, w, 7), title, Center, 13, true));
    head.Objects.append(Line(QRectF(w / 2 - 25, 16.5, 50, 0)));
    head.Objects.append(Auto(TObjectKind::AutoFields, QRectF(0, 18, w, 6), QStringLiteral("u")));
    t.Bands.append(head);
    if (lines) {
        t.Bands.append(Band(TBandKind::ColumnHeader, 7));
        t.Bands.append(Band(TBandKind::MasterData, 6.5,
                            {Auto(TObjectKind::AutoColumns, QRectF(0, 0, w, 6.5), d0)}));
        t.Bands.append(Band(TBandKind::MasterFooter, 6.5,
                            {Auto(TObjectKind::AutoSums, QRectF(0, 0, w, 6.5), d0)}));
    }
    TReportBand sum = Band(TBandKind::Summary, 22);
    sum.Objects.append(Text(QRectF(0, 2, 70, 6), QStringLiteral("合计金额: [Total]")));
    sum.Objects.append(Text(QRectF(70, 2, w - 70, 6),
                            QStringLiteral("金额大写: [AmountInWords(Total)]")));
    const double q = w / 4;
    sum.Objects.append(Text(QRectF(0, 13, q, 6), QStringLiteral("制单: [Billman]")));
    sum.Objects.append(Text(QRectF(q, 13, q, 6), QStringLiteral("审核: [Checkman]")));
    sum.Objects.append(Text(QRectF(2 * q, 13, q, 6), QStringLiteral("经办人:")));
    sum.Objects.append(Text(QRectF(3 * q, 13, q, 6), QStringLiteral("签收:")));
    sum.Objects.append(Line(QRectF(2 * q + 14, 18.5, q - 18, 0)));
    sum.Objects.append(Line(QRectF(3 * q + 10, 18.5, q - 10, 0)));
    t.Bands.append(sum);
    t.Bands.append(PageFooter(w, false));
    return t;
}

TReportTemplate StandardListTemplate(const QString &title, bool criteria)
{
    TReportTemplate t;
    const double w = t.Page.ClientWidth();
    TReportBand head = Band(TBandKind::ReportTitle, criteria ? 18 : 17);
    head.Objects.append(Text(QRectF(0, 0, w, 7), QStringLiteral("[u_Company]"), Center, 13, true));
    head.Objects.append(Text(QRectF(0, 8, w, 7), title, Center, 12, true));
    if (criteria)
        head.Objects.append(Auto(TObjectKind::AutoFields, QRectF(0, 16, w, 6),
                                 QStringLiteral("d1")));
    t.Bands.append(head);
    t.Bands.append(Band(TBandKind::ColumnHeader, 7));
    t.Bands.append(Band(TBandKind::MasterData, 6,
                        {Auto(TObjectKind::AutoColumns, QRectF(0, 0, w, 6),
                              QStringLiteral("d0"))}));
    t.Bands.append(Band(TBandKind::MasterFooter, 6,
                        {Auto(TObjectKind::AutoSums, QRectF(0, 0, w, 6), QStringLiteral("d0"))}));
    t.Bands.append(PageFooter(w, true));
    return t;
}

namespace {
// The line columns a bill prints, with their widths; empty: every visible column.
QString BillColumns(int group)
{
    // The arrival: goods number, name, model, brand and unit, then what came.
    if (group == 1001)
        return QStringLiteral("WareS01/13,WareS02/21,WareS04/18,WareS05/9,WareS12/11,Qty/11,"
                              "Price/11,Fund/13,dlNote/16");
    return QString();
}
} // namespace

TReportTemplate StandardTemplate(int group)
{
    const TReportGroup *g = FindReportGroup(group);
    if (!g)
        return StandardListTemplate(QStringLiteral("报表"), true);
    switch (g->Layout) {
    case TReportGroup::Kind::Bill:
        return StandardBillTemplate(g->Title, true, BillColumns(group));
    case TReportGroup::Kind::BillWithoutLines:
        return StandardBillTemplate(g->Title, false);
    case TReportGroup::Kind::ListWithCriteria:
        return StandardListTemplate(g->Title, true);
    case TReportGroup::Kind::List:
        break;
    }
    return StandardListTemplate(g->Title, false);
}

void WriteStandardTemplates(TDatabase &database)
{
    int id = 0;
    for (const TReportGroup &g : ReportGroups()) {
        const QByteArray bytes = StandardTemplate(g.Group).ToXml();
        database.ExecSQL(QStringLiteral("insert into report(Id,GrpId,Title,Fr3File)"
                                        "values(:Id,:GroupId,:Title,:Fr3File)"),
                         {DBParam(QStringLiteral("Id"), ++id),
                          DBParam(QStringLiteral("GroupId"), g.Group),
                          DBParam(QStringLiteral("Title"),
                                  QString::fromUtf8(StandardTemplateTitle))},
                         {xDBParam(QStringLiteral("Fr3File"), &bytes)});
    }
}

void RegisterStandardTemplates()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    TSchema::AddRowProvider(&WriteStandardTemplates);
}
