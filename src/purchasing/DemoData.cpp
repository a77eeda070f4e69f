#include "purchasing/DemoData.h"

#include "purchasing/BuyBill2.h"

#include "config/Company.h"
#include "data/Database.h"
#include "data/Exceptions.h"
#include "data/RecordSet.h"
#include "data/Utils.h"
#include "masterdata/CataAssignSet.h"
#include "masterdata/DeptSet.h"
#include "masterdata/EmployeeSet.h"
#include "masterdata/ItemSet.h"
#include "masterdata/SaveTransaction.h"
#include "masterdata/SupplierSet.h"
#include "masterdata/SuppwareSet.h"
#include "masterdata/UnitSet.h"
#include "masterdata/WareCataSet.h"
#include "masterdata/WareSet.h"

#include <QHash>

// ------------------------------------------------------------------------ the tables

namespace {
// A category: its depth (0 at the top) and, for a leaf, the goods it holds: "name:LOOKID"
// items, specifications, unit, package and the range of purchase prices.
struct TCategory
{
    int Depth;
    const char *Name;
    const char *Items = nullptr;
    const char *Specs = nullptr;
    const char *Unit = nullptr;
    const char *Package = nullptr;
    double MinPrice = 0;
    double MaxPrice = 0;
};

const TCategory Categories[] = {
    {0, "原材料"},
    {1, "金属材料"},
    {2, "板材"},
    {3, "冷轧钢板", "冷轧钢板:LZGB", "1.0×1250×2500|1.5×1250×2500|2.0×1250×2500|3.0×1500×3000",
     "张", "散装", 180, 650},
    {3, "镀锌钢板", "镀锌钢板:DXGB", "0.8×1000×2000|1.2×1250×2500|2.0×1250×2500", "张", "散装",
     150, 520},
    {2, "型材"},
    {3, "铝型材", "工业铝型材:GYLXC|铝合金方管:LHJFG", "2020|3030|4040|4080|30×30×2", "米",
     "捆扎", 12, 60},
    {3, "圆钢", "45号圆钢:45HYG|40Cr圆钢:40CRYG", "Φ20|Φ30|Φ45|Φ60", "千克", "散装", 4.5, 7.5},
    {1, "塑料原料"},
    {2, "通用塑料", "聚丙烯颗粒:JBXKL|聚乙烯颗粒:JYXKL", "注塑级|挤出级|薄膜级", "千克",
     "25千克/袋", 9, 16},
    {2, "工程塑料", "ABS颗粒:ABSKL|尼龙66颗粒:NL66KL|PC颗粒:PCKL", "通用级|阻燃级|增强级",
     "千克", "25千克/袋", 15, 38},
    {1, "化工辅料"},
    {2, "溶剂", "无水乙醇:WSYC|异丙醇:YBC|丙酮:BT", "500毫升|2.5升|25升", "瓶", "瓶装", 8, 260},
    {2, "胶粘剂", "环氧树脂胶:HYSZJ|厌氧胶:YYJ|瞬干胶:SGJ", "20克|50毫升|250毫升", "支", "盒装",
     6, 85},
    {0, "五金配件"},
    {1, "紧固件"},
    {2, "螺栓", "六角螺栓:LJLS|内六角螺栓:NLJLS|法兰螺栓:FLLS",
     "M6×20|M8×25|M8×40|M10×40|M12×50|M16×60", "个", "盒装", 0.12, 3.5},
    {2, "螺母", "六角螺母:LJLM|防松螺母:FSLM", "M6|M8|M10|M12|M16", "个", "盒装", 0.03, 0.9},
    {2, "垫圈", "平垫圈:PDQ|弹簧垫圈:THDQ", "Φ6|Φ8|Φ10|Φ12|Φ16", "个", "袋装", 0.01, 0.3},
    {1, "轴承"},
    {2, "深沟球轴承", "深沟球轴承:SGQZC", "6201-2RS|6203-2RS|6205-2RS|6305-ZZ|6308-ZZ", "套",
     "盒装", 6, 85},
    {2, "圆锥滚子轴承", "圆锥滚子轴承:YZGZZC", "30205|30208|32210|32312", "套", "盒装", 28, 260},
    {1, "密封件"},
    {2, "O型圈", "丁腈O型圈:DJOXQ|氟胶O型圈:FJOXQ", "10×2|20×2.5|35×3.1|50×3.5", "个", "袋装",
     0.2, 6},
    {2, "油封", "骨架油封:GJYF", "TC25×40×7|TC35×52×8|TC45×62×8", "个", "袋装", 1.5, 12},
    {0, "电气元件"},
    {1, "低压电器"},
    {2, "断路器", "小型断路器:XXDLQ|塑壳断路器:SKDLQ", "1P C16|2P C32|3P C63|3P 100A|3P 250A",
     "只", "盒装", 18, 680},
    {2, "接触器", "交流接触器:JLJCQ", "9A AC220V|18A AC220V|32A AC380V|65A AC380V", "只", "盒装",
     45, 420},
    {2, "中间继电器", "中间继电器:ZJJDQ", "DC24V 2开2闭|AC220V 4开4闭", "只", "盒装", 12, 60},
    {1, "电线电缆"},
    {2, "电力电缆", "铜芯电力电缆:TXDLDL", "3×2.5|3×4|3×10+1×6|3×25+1×16", "米", "盘装", 6, 95},
    {2, "控制电缆", "屏蔽控制电缆:PBKZDL", "4×1.0|8×0.75|12×1.5", "米", "盘装", 3, 28},
    {1, "传感器"},
    {2, "接近开关", "电感式接近开关:DGSJJKG", "M12 NPN常开|M18 PNP常开|M30 NPN常闭", "只",
     "盒装", 25, 120},
    {2, "压力变送器", "压力变送器:YLBSQ", "0-1MPa 4-20mA|0-2.5MPa 4-20mA", "台", "箱装",
     260, 980},
    {0, "包装材料"},
    {1, "纸箱", "五层瓦楞纸箱:WCWLZX|三层瓦楞纸箱:SCWLZX", "400×300×300|600×400×400|800×600×500",
     "个", "捆扎", 3, 12},
    {1, "缠绕膜", "拉伸缠绕膜:LSCRM", "50cm×20μm|50cm×25μm", "卷", "箱装", 25, 48},
    {1, "封箱胶带", "透明封箱胶带:TMFXJD", "48mm×100m|60mm×150m", "卷", "箱装", 3, 9},
    {1, "托盘", "熏蒸木托盘:XZMTP|塑料托盘:SLTP", "1200×1000|1100×1100", "个", "散装", 45, 160},
    {0, "办公用品"},
    {1, "纸张", "复印纸:FYZ", "A4 70克|A4 80克|A3 80克", "箱", "箱装", 105, 220},
    {1, "文具", "中性笔:ZXB|文件夹:WJJ|订书机:DSJ", "标准型|加厚型", "个", "盒装", 1.5, 35},
    {1, "打印耗材", "硒鼓:XG|墨粉:MF", "黑色标准容量|黑色大容量", "个", "盒装", 80, 420},
    {0, "劳保用品"},
    {1, "手套", "丁腈浸胶手套:DJJJST|棉纱手套:MSST", "L|XL", "双", "袋装", 1.5, 9},
    {1, "安全防护", "防护眼镜:FHYJ|安全帽:AQM|防噪耳塞:FZES", "标准型|加强型", "个", "盒装", 3, 45},
    {1, "工作服", "涤棉工作服:DMGZF", "170/M|175/L|180/XL|185/XXL", "套", "袋装", 65, 150},
};

// What the suppliers of each top-level category call their trade.
const char *const Trades[][3] = {
    {"金属材料", "塑胶原料", "化工"},
    {"五金", "紧固件", "机械配件"},
    {"电气", "电缆", "自动化"},
    {"包装材料", "纸品包装", "包装制品"},
    {"办公用品", "文具", "商贸"},
    {"劳保用品", "安全防护用品", "服饰"},
};
const char *const Supplies[] = {"钢材、塑料原料、化工辅料", "紧固件、轴承、密封件",
                                "低压电器、电线电缆、传感器", "纸箱、缠绕膜、胶带、托盘",
                                "办公纸张、文具、打印耗材", "手套、防护用品、工作服"};

// City, look-up letters, telephone area code, postal code.
const char *const Cities[][4] = {
    {"苏州", "SZ", "0512", "215000"}, {"无锡", "WX", "0510", "214000"},
    {"宁波", "NB", "0574", "315000"}, {"东莞", "DG", "0769", "523000"},
    {"佛山", "FS", "0757", "528000"}, {"温州", "WZ", "0577", "325000"},
    {"常州", "CZ", "0519", "213000"}, {"嘉兴", "JX", "0573", "314000"},
    {"合肥", "HF", "0551", "230000"}, {"青岛", "QD", "0532", "266000"},
    {"天津", "TJ", "022", "300000"},  {"成都", "CD", "028", "610000"},
    {"武汉", "WH", "027", "430000"},  {"厦门", "XM", "0592", "361000"},
    {"绍兴", "SX", "0575", "312000"}, {"台州", "TZ", "0576", "318000"},
    {"潍坊", "WF", "0536", "261000"}, {"泉州", "QZ", "0595", "362000"},
    {"中山", "ZS", "0760", "528400"}, {"扬州", "YZ", "0514", "225000"},
};
// Invented trade names with their look-up letters.
const char *const Names[][2] = {
    {"鑫源", "XY"}, {"宏达", "HD"}, {"永盛", "YS"}, {"瑞丰", "RF"}, {"金桥", "JQ"},
    {"联创", "LC"}, {"新成", "XC"}, {"汇通", "HT"}, {"德润", "DR"}, {"安泰", "AT"},
    {"宝利", "BL"}, {"明辉", "MH"}, {"弘毅", "HY"}, {"博远", "BY"}, {"泰和", "TH"},
    {"启航", "QH"}, {"正源", "ZY"}, {"众合", "ZH"}, {"丰实", "FS"}, {"嘉裕", "JY"},
    {"华晟", "HS"}, {"兴隆", "XL"}, {"长荣", "CR"}, {"天纬", "TW"}, {"信诚", "XC"},
    {"达远", "DY"}, {"景程", "JC"}, {"恒川", "HC"}, {"励拓", "LT"}, {"益康", "YK"},
};
const char *const Districts[] = {"经济开发区", "高新区", "工业园区", "城东新区", "临港产业园"};
const char *const Roads[] = {"建设路", "工业大道", "长江路", "黄河路", "科技路",
                             "创业路", "兴业大道", "滨河路", "港城路", "和平路"};
const char *const Banks[] = {"中国工商银行", "中国建设银行", "中国农业银行", "中国银行",
                             "交通银行", "招商银行"};
const char *const Brands[] = {"恒固", "锐达", "东研", "嘉力", "博森", "远通", "新川", "宏宇"};
const char *const Surnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周",
                                "徐", "孙", "马", "朱", "胡", "郭", "何", "林", "罗", "高"};
const char *const GivenNames[] = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋",
                                  "勇", "艳", "杰", "涛", "明", "超", "秀英", "建华", "志强",
                                  "晓东", "海燕", "丽娟", "国庆", "文博", "春梅", "永刚"};

// Name, sex, duty; the first six buy for the six top-level categories.
const char *const Employees[][3] = {
    {"王建国", "男", "采购员"}, {"李秀梅", "女", "采购员"}, {"张伟", "男", "采购员"},
    {"刘芳", "女", "采购员"},   {"陈志强", "男", "采购员"}, {"杨丽娟", "女", "采购员"},
    {"林晓燕", "女", "采购部经理"}, {"周海燕", "女", "仓库管理员"}, {"吴军", "男", "质检员"},
    {"徐静", "女", "会计"},     {"孙明", "男", "生产主管"}, {"马晓东", "男", "工艺工程师"},
    {"朱婷", "女", "行政专员"}, {"胡涛", "男", "仓库管理员"}, {"郭敏", "女", "出纳"},
    {"何勇", "男", "设备维修"},
};
// Department, head (an employee above), location.
const char *const Departments[][3] = {
    {"采购部", "林晓燕", "办公楼二层"}, {"生产部", "孙明", "一号厂房"},
    {"技术部", "马晓东", "办公楼三层"}, {"质检部", "吴军", "一号厂房东侧"},
    {"仓储部", "周海燕", "原料仓库"},   {"财务部", "徐静", "办公楼二层"},
    {"行政部", "朱婷", "办公楼一层"},   {"设备部", "何勇", "二号厂房"},
};
const char *const Units[] = {"个", "件", "只", "台", "套", "箱", "包", "袋", "瓶",
                             "卷", "张", "米", "千克", "吨", "双", "支", "盒", "桶"};
const char *const Accounts[][2] = {
    {"现金", "库存现金"}, {"工商银行基本户", "尾号0921"},
    {"建设银行一般户", "尾号3307"}, {"招商银行结算户", "尾号5816"},
};
const char *const BillNotes[] = {"月结30天", "含运费", "分批到货", "急需物料", "按合同价结算",
                                 "供方送货上门"};
const char *const ReturnNotes[] = {"质量问题退货", "规格不符退货", "包装破损退货"};
const char *const LineNotes[] = {"外箱破损", "随货附合格证", "附质检报告", "部分到货"};

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

template<class T, size_t N>
constexpr int Count(const T (&)[N])
{
    return int(N);
}
} // namespace

// A small fast generator: the same seed gives the same data on every platform, which the
// standard distributions do not promise.
struct TDemoData::TRandom
{
    quint64 State;
    quint64 Next()
    {
        quint64 z = (State += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Below(int n) { return n <= 0 ? 0 : int(Next() % quint64(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    double Real() { return double(Next() >> 11) / double(1ULL << 53); }
    QString Digits(int count)
    {
        QString s;
        for (int i = 0; i < count; ++i)
            s += QChar(u'0' + Below(10));
        return s;
    }
    template<class T, size_t N>
    const T &Pick(const T (&list)[N]) { return list[Below(int(N))]; }
};

struct TDemoData::TLeafInfo
{
    int Category = 0;           // index into Categories
    int Top = 0;                // its top-level category, 0 …
    int CataId = 0;
    QList<int> Goods;
    QList<double> Prices;
};

// ------------------------------------------------------------------------ TDemoData

TDemoData::TDemoData(TDatabase &database, QDate lastDate, quint64 seed)
    : m_database(database), m_lastDate(lastDate), m_random(new TRandom{seed})
{
}

TDemoData::~TDemoData() = default;

RDemoCounts TDemoData::CountsOf(int scale)
{
    RDemoCounts c;
    if (scale <= 0) {
        c.Suppliers = 36;
        c.Goods = 240;
        c.Arrivals = 240;
        return c;
    }
    c.Suppliers = 20 * scale;
    c.Goods = 500 * scale;
    c.Arrivals = 5000 * scale;
    c.LinesPerArrival = 6;
    c.PaymentEvery = 3;
    c.Days = 730;
    return c;
}

QString TDemoData::Refusal() const
{
    const auto count = [this](const char *table) {
        TRecordSet set(m_database);
        set.OpenSQL(QStringLiteral("select count(*) from %1").arg(QLatin1String(table)));
        return set.DataSet()->Field(0)->AsInteger();
    };
    const int suppliers = count("supplier");
    const int goods = count("ware");
    const int bills = count("buy");
    if (suppliers + goods + bills == 0)
        return QString();
    return QStringLiteral("数据库中已有供货商 %1 家、货品 %2 种、收货单 %3 张,"
                          "演示数据只能装入没有业务数据的数据库.")
        .arg(suppliers).arg(goods).arg(bills);
}

void TDemoData::Progress(const QString &step, qint64 done, qint64 total)
{
    if (OnProgress)
        OnProgress(step, done, total);
}

void TDemoData::Fill(int scale)
{
    Fill(CountsOf(scale), scale > 0);
}

void TDemoData::Fill(const RDemoCounts &counts, bool bulk)
{
    const QString refusal = Refusal();
    if (!refusal.isEmpty())
        throw EOpenBuyError(refusal);
    FillMasterData(counts);
    if (bulk)
        InsertArrivals(counts);
    else
        SaveArrivals(counts);
}

void TDemoData::FillMasterData(const RDemoCounts &counts)
{
    // Printouts carry the company; a record left empty would also be asked for at start.
    LoadCompany();
    if (!CompanyFilled()) {
        TCompany &company = TheCompany();
        company.CompanyName = QStringLiteral("江南示范机械制造有限公司");
        company.Manager = QStringLiteral("林国栋");
        company.Tel = QStringLiteral("0512-65558000");
        company.Fax = QStringLiteral("0512-65558001");
        company.Address = QStringLiteral("苏州市高新区科技路88号");
        company.Zip = QStringLiteral("215000");
        SaveCompany();
    }
    FillUnitsBanksDepts();
    FillEmployees();
    FillCategories();
    FillSuppliers(counts.Suppliers);
    FillGoods(counts.Goods);
    FillSupplierPrices();
}

namespace {
void Require(bool saved, const QString &what)
{
    if (!saved)
        throw EOpenBuyError(QStringLiteral("演示数据没有保存: %1").arg(what));
}
} // namespace

void TDemoData::FillUnitsBanksDepts()
{
    TSaveTransaction trans(m_database);
    for (const char *name : Units) {
        RUnit unit;
        unit.Name = S(name);
        unit.Rate = 1.0;
        Require(TUnitSet::Save(unit), unit.Name);
    }
    for (const auto &account : Accounts) {
        RBank bank;
        bank.Name = S(account[0]);
        bank.Note = S(account[1]);
        Require(TBankSet::Save(bank), bank.Name);
        if (m_payBank == 0 && bank.Name.contains(QStringLiteral("银行")))
            m_payBank = bank.Id;
    }
    for (int i = 0; i < Count(Departments); ++i) {
        RDept dept;
        dept.Name = S(Departments[i][0]);
        dept.Mgr = S(Departments[i][1]);
        dept.Tel = QStringLiteral("0512-6555%1").arg(8100 + i * 11);
        dept.Addr = S(Departments[i][2]);
        Require(TDeptSet::Save(dept), dept.Name);
        m_departments << dept.Id;
    }
    trans.Commit();
}

void TDemoData::FillEmployees()
{
    TSaveTransaction trans(m_database);
    for (int i = 0; i < Count(Employees); ++i) {
        REmployee e;
        e.Name = S(Employees[i][0]);
        e.Sex = S(Employees[i][1]);
        e.Tel = QStringLiteral("13%1").arg(m_random->Digits(9));
        e.Addr = QStringLiteral("%1%2号").arg(S(m_random->Pick(Roads)))
                     .arg(m_random->Between(3, 260));
        e.Note = S(Employees[i][2]);
        Require(TEmployeeSet::Save(e), e.Name);
        if (i < 6)
            m_buyers << e.Id;
    }
    trans.Commit();
}

void TDemoData::FillCategories()
{
    RWareCatas tree;
    QList<int> parents;
    QList<int> stack;           // the open ancestors by depth
    int top = -1;
    for (int i = 0; i < Count(Categories); ++i) {
        const TCategory &c = Categories[i];
        stack.resize(c.Depth);
        RWareCata cata;
        cata.Name = S(c.Name);
        tree << cata;
        parents << (c.Depth > 0 ? stack.last() : -1);
        stack << i;
        if (c.Depth == 0)
            ++top;
        if (c.Items) {
            TLeafInfo leaf;
            leaf.Category = i;
            leaf.Top = top;
            m_leaves.push_back(leaf);
        }
    }
    QString message;
    Require(TWareCataSet::Renumber(tree, parents, &message), message);
    Require(TWareCataSet::SaveTree(tree), QStringLiteral("货品分类"));
    for (TLeafInfo &leaf : m_leaves)
        leaf.CataId = tree[leaf.Category].Id;
    // Every category of a top-level branch has the branch's buyer.
    RCataAssigns assigns;
    top = -1;
    for (int i = 0; i < tree.size(); ++i) {
        if (Categories[i].Depth == 0)
            ++top;
        assigns << RCataAssign{tree[i].Code, m_buyers.value(top % m_buyers.size())};
    }
    Require(TCataAssignSet::SaveAssignments(assigns), QStringLiteral("分类采购员"));
}

namespace {
QString PersonName(int a, int b)
{
    return S(Surnames[a % Count(Surnames)]) + S(GivenNames[b % Count(GivenNames)]);
}
} // namespace

void TDemoData::FillSuppliers(int count)
{
    const int tops = Count(Trades);
    m_supplierLeaves.clear();
    TSaveTransaction trans(m_database);
    for (int i = 0; i < count; ++i) {
        const int cityNo = i % Count(Cities);
        const int nameNo = (i / Count(Cities) + i * 7) % Count(Names);
        const int topNo = i % tops;
        const auto &city = Cities[cityNo];
        RSupplier s;
        s.Name = S(city[0]) + S(Names[nameNo][0]) + S(Trades[topNo][(i / tops) % 3])
               + QStringLiteral("有限公司");
        s.LookId = S(city[1]) + S(Names[nameNo][1]);
        const int round = i / (Count(Cities) * Count(Names));
        if (round > 0) {
            s.Name += QStringLiteral("第%1分公司").arg(round + 1);
            s.LookId += QString::number(round + 1);
        }
        s.Linkman = PersonName(m_random->Below(100), m_random->Below(100));
        s.Mobile = QStringLiteral("1%1%2").arg(m_random->Pick({3, 5, 8})).arg(m_random->Digits(9));
        const QString tel = m_random->Digits(8);
        s.Tel = S(city[2]) + u'-' + tel;
        s.Fax = S(city[2]) + u'-' + tel.left(7)
              + QString::number((tel.back().digitValue() + 1) % 10);
        s.Addr = S(city[0]) + QStringLiteral("市") + S(m_random->Pick(Districts))
               + S(m_random->Pick(Roads)) + QString::number(m_random->Between(1, 399))
               + QStringLiteral("号");
        s.Zip = S(city[3]);
        s.Email = QStringLiteral("sales%1@example.com").arg(i + 1);
        s.Lawman = PersonName(m_random->Below(100), m_random->Below(100));
        s.TaxId = QStringLiteral("91") + S(city[3]).left(4) + QStringLiteral("00")
                + m_random->Digits(9) + QChar(u'A' + m_random->Below(26));
        s.Bank = S(m_random->Pick(Banks)) + S(city[0]) + QStringLiteral("分行");
        s.AccName = s.Name.left(30);
        s.BankId = QStringLiteral("62") + m_random->Digits(17);
        s.Supplies = S(Supplies[topNo]);
        s.Credits = m_random->Chance(60) ? QStringLiteral("优")
                  : m_random->Chance(80) ? QStringLiteral("良") : QStringLiteral("中");
        QString message;
        Require(TSupplierSet::Check(s, &message), message);
        Require(TSupplierSet::Save(s), s.Name);
        m_suppliers << s.Id;
        // The supplier delivers the goods of its branch; one in four also of the next.
        QList<int> leaves;
        for (int l = 0; l < int(m_leaves.size()); ++l)
            if (m_leaves[size_t(l)].Top == topNo
                || (i % 4 == 3 && m_leaves[size_t(l)].Top == (topNo + 1) % tops))
                leaves << l;
        m_supplierLeaves << leaves;
        if (i % 500 == 499)
            Progress(QStringLiteral("供货商"), i + 1, count);
    }
    trans.Commit();
}

namespace {
// An EAN-13 number of the country prefix 69 with its check digit.
QString Ean13(const QString &twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += twelve[i].digitValue() * (i % 2 ? 3 : 1);
    return twelve + QString::number((10 - sum % 10) % 10);
}
} // namespace

void TDemoData::FillGoods(int count)
{
    const int leaves = int(m_leaves.size());
    TSaveTransaction trans(m_database);
    for (int g = 0; g < count; ++g) {
        TLeafInfo &leaf = m_leaves[size_t(g % leaves)];
        const TCategory &c = Categories[leaf.Category];
        const QStringList items = S(c.Items).split(u'|');
        const QStringList specs = S(c.Specs).split(u'|');
        const int k = g / leaves;
        const QStringList item = items[k % items.size()].split(u':');
        RWare w;
        w.ClassId = leaf.CataId;
        w.Code = QStringLiteral("%1%2%3").arg(leaf.Top + 1)
                     .arg(g % leaves + 1, 2, 10, QLatin1Char('0'))
                     .arg(k + 1, 4, 10, QLatin1Char('0'));
        w.Name = item[0];
        w.LookId = item[1];
        w.PartNo = specs[(k / items.size()) % specs.size()];
        w.Brand = S(Brands[(g % leaves + k / (items.size() * specs.size())) % Count(Brands)]);
        w.Package = S(c.Package);
        w.Barcode = Ean13(QStringLiteral("69%1").arg(g + 1, 6, 10, QLatin1Char('0'))
                          + m_random->Digits(4));
        w.Unit = S(c.Unit);
        const double price = RoundTo(c.MinPrice + (c.MaxPrice - c.MinPrice) * m_random->Real(), 2);
        w.InPrice = price;
        w.OutPrice = RoundTo(price * 1.25, 2);
        w.MinQty = price < 20 ? 200 : 5;
        w.MaxQty = price < 20 ? 5000 : 100;
        w.Location = QStringLiteral("%1%2-%3").arg(QChar(u'A' + leaf.Top))
                         .arg(g % leaves + 1, 2, 10, QLatin1Char('0')).arg(k % 20 + 1);
        w.CostId = 1;
        QString message;
        Require(TWareSet::Check(w, &message), message);
        Require(TWareSet::Save(w), w.Code);
        leaf.Goods << w.Id;
        leaf.Prices << price;
        if (g % 500 == 499)
            Progress(QStringLiteral("货品"), g + 1, count);
    }
    trans.Commit();
}

void TDemoData::FillSupplierPrices()
{
    constexpr int PerSupplier = 8;
    TSaveTransaction trans(m_database);
    for (int i = 0; i < m_suppliers.size(); ++i) {
        const QList<int> &leaves = m_supplierLeaves[i];
        const auto r = [this](qsizetype n) { return m_random->Below(int(n)); };
        QList<int> quoted;
        while (quoted.size() < PerSupplier) {
            const TLeafInfo &leaf = m_leaves[size_t(leaves[r(leaves.size())])];
            const int k = r(int(leaf.Goods.size()));
            if (quoted.contains(leaf.Goods[k]))
                continue;
            quoted << leaf.Goods[k];
            RSuppware price;
            price.SupplierId = m_suppliers[i];
            price.WareId = leaf.Goods[k];
            price.TaxPrice = RoundTo(leaf.Prices[k] * (0.95 + 0.1 * m_random->Real()), 2);
            price.Price = RoundTo(*price.TaxPrice / 1.13, 2);
            if (m_random->Chance(25))
                price.Notes = m_random->Chance(50) ? QStringLiteral("含运费, 整箱起订")
                                                   : QStringLiteral("季度框架协议价");
            Require(TSuppwareSet::Save(price), QStringLiteral("供货商报价"));
        }
    }
    trans.Commit();
}

RBuy TDemoData::MakeArrival(int index, int total, const RDemoCounts &counts)
{
    TRandom &r = *m_random;
    const QDate first = m_lastDate.addDays(1 - counts.Days);
    const QDate date = first.addDays(qint64(index) * counts.Days / std::max(total, 1));
    const bool isReturn = r.Chance(6);
    const int supplier = r.Below(int(m_suppliers.size()));
    const QList<int> &leaves = m_supplierLeaves[supplier];
    RBuy bill;
    bill.BizDate = QDateTime(date, QTime(0, 0));
    bill.SupplierId = m_suppliers[supplier];
    bill.TypeId = isReturn ? 2 : 1;
    bill.DeptId = r.Chance(70) ? m_departments[0] : m_departments[r.Between(1, 4)];
    bill.TaxRate = r.Chance(80) ? 13 : r.Chance(75) ? 0 : 3;
    bill.Billman = QStringLiteral("sa");
    if (r.Chance(70))
        bill.OldCode = QStringLiteral("SH%1%2").arg(date.toString(QStringLiteral("yyMMdd")))
                           .arg(r.Digits(3));
    if (isReturn)
        bill.Note = S(r.Pick(ReturnNotes));
    else if (r.Chance(20))
        bill.Note = S(r.Pick(BillNotes));
    const int lines = counts.LinesPerArrival > 0 ? counts.LinesPerArrival
                    : isReturn ? r.Between(1, 2) : r.Between(3, 8);
    QList<int> taken;
    for (int n = 0; n < lines; ++n) {
        const TLeafInfo &leaf = m_leaves[size_t(leaves[r.Below(int(leaves.size()))])];
        if (n == 0)
            bill.BuymanId = m_buyers.value(leaf.Top % m_buyers.size());
        const int k = r.Below(int(leaf.Goods.size()));
        RBuydl l;
        l.WareId = leaf.Goods[k];
        if (taken.contains(l.WareId) && counts.LinesPerArrival == 0)
            continue;
        taken << l.WareId;
        const double price = leaf.Prices[k];
        l.Price = RoundTo(price * (0.92 + 0.16 * r.Real()), 2);
        const int qty = price < 1 ? r.Between(5, 50) * 100 : price < 20 ? r.Between(2, 50) * 10
                      : price < 200 ? r.Between(2, 60) : r.Between(1, 10);
        l.Qty = isReturn ? std::max(1, qty / 10) : qty;
        l.Tax = bill.TaxRate;
        if (!isReturn && r.Chance(8))
            l.dlNote = S(r.Pick(LineNotes));
        bill.Lines << l;
    }
    return bill;
}

namespace {
// Older bills are mostly audited, those of the last month mostly not yet.
bool AuditedAt(const QDate &date, const QDate &last, int roll)
{
    return date.daysTo(last) > 30 ? roll < 92 : roll < 30;
}
} // namespace

void TDemoData::SaveArrivals(const RDemoCounts &counts)
{
    m_arrivals = m_returns = m_audited = 0;
    for (int i = 0; i < counts.Arrivals; ++i) {
        RBuy bill = MakeArrival(i, counts.Arrivals, counts);
        const bool audit = AuditedAt(bill.BizDate.toDate(), m_lastDate, m_random->Below(100));
        QString error;
        Require(TBuyBill2::Save(m_database, bill, error), error);
        if (audit) {
            Require(TBuyBill2::Check(m_database, bill), bill.Code);
            ++m_audited;
        }
        ++m_arrivals;
        m_returns += bill.TypeId == 2 ? 1 : 0;
        if (i % 50 == 49 || i + 1 == counts.Arrivals)
            Progress(QStringLiteral("收货单"), i + 1, counts.Arrivals);
    }
}

void TDemoData::InsertArrivals(const RDemoCounts &counts)
{
    constexpr int Batch = 1000;
    m_arrivals = m_returns = m_audited = 0;
    int dlId = 0;
    int payments = 0;
    QHash<QString, int> monthly;            // codes per "AR2612" / "FK2612"
    const auto code = [&](const QString &prefix, const QDate &date) {
        const QString stem = prefix + date.toString(QStringLiteral("yyMM"));
        return stem + QStringLiteral("%1").arg(++monthly[stem], 4, 10, QLatin1Char('0'));
    };
    const QVariant noTime{QMetaType(QMetaType::QDateTime)};
    for (int start = 0; start < counts.Arrivals; start += Batch) {
        TSaveTransaction trans(m_database);
        for (int i = start; i < std::min(counts.Arrivals, start + Batch); ++i) {
            RBuy bill = MakeArrival(i, counts.Arrivals, counts);
            const QDate date = bill.BizDate.toDate();
            const bool audit = AuditedAt(date, m_lastDate, m_random->Below(100));
            bill.Id = i + 1;
            bill.Code = code(QStringLiteral("AR"), date);
            for (RBuydl &l : bill.Lines) {
                l.Fund = RoundTo(l.Qty.toDouble() * l.Price.toDouble(), 2);
                m_database.ExecSQL(QStringLiteral(
                    "insert into buydl(dlId, MastId, WareId, Qty, Price, Tax, Fund, dlNote) "
                    "values(:dlId, :MastId, :WareId, :Qty, :Price, :Tax, :Fund, :dlNote)"),
                    {DBParam(QStringLiteral("dlId"), ++dlId),
                     DBParam(QStringLiteral("MastId"), bill.Id),
                     DBParam(QStringLiteral("WareId"), l.WareId),
                     DBParam(QStringLiteral("Qty"), l.Qty),
                     DBParam(QStringLiteral("Price"), l.Price),
                     DBParam(QStringLiteral("Tax"), bill.TaxRate),
                     DBParam(QStringLiteral("Fund"), l.Fund),
                     DBParam(QStringLiteral("dlNote"), l.dlNote)});
            }
            const double total = TBuyBill2::TotalOf(bill.Lines);
            const QDateTime made(date, QTime(9, 0).addSecs(60 * (i % 480)));
            m_database.ExecSQL(QStringLiteral(
                "insert into buy(Id, Code, OldCode, SupplierId, BuymanId, BizDate, DeptId, TypeId, "
                "TaxRate, TotalFund, Billman, BillTime, Checkman, CheckTime, [Note]) values(:Id, "
                ":Code, :OldCode, :SupplierId, :BuymanId, :BizDate, :DeptId, :TypeId, :TaxRate, "
                ":TotalFund, :Billman, :BillTime, :Checkman, :CheckTime, :Note)"),
                {DBParam(QStringLiteral("Id"), bill.Id), DBParam(QStringLiteral("Code"), bill.Code),
                 DBParam(QStringLiteral("OldCode"), bill.OldCode),
                 DBParam(QStringLiteral("SupplierId"), bill.SupplierId),
                 DBParam(QStringLiteral("BuymanId"), bill.BuymanId),
                 DBParam(QStringLiteral("BizDate"), bill.BizDate),
                 DBParam(QStringLiteral("DeptId"), bill.DeptId),
                 DBParam(QStringLiteral("TypeId"), bill.TypeId),
                 DBParam(QStringLiteral("TaxRate"), bill.TaxRate),
                 DBParam(QStringLiteral("TotalFund"), total),
                 DBParam(QStringLiteral("Billman"), bill.Billman),
                 DBParam(QStringLiteral("BillTime"), made),
                 DBParam(QStringLiteral("Checkman"), audit ? bill.Billman : QString()),
                 DBParam(QStringLiteral("CheckTime"), audit ? QVariant(made.addDays(1)) : noTime),
                 DBParam(QStringLiteral("Note"), bill.Note)});
            ++m_arrivals;
            m_returns += bill.TypeId == 2 ? 1 : 0;
            m_audited += audit ? 1 : 0;
            if (!audit || bill.TypeId == 2 || counts.PaymentEvery <= 0
                || m_audited % counts.PaymentEvery != 0)
                continue;
            // Half paid two weeks later, with a small discount.
            ++payments;
            const QDateTime paid(date.addDays(14), QTime(10, 0));
            m_database.ExecSQL(QStringLiteral(
                "insert into payment(Id, Code, BizDate, SupplierId, DeptId, BankId, PayFund, "
                "DisFund, Sign, HandmanId, Billman, BillTime, Checkman, CheckTime) values(:Id, "
                ":Code, :BizDate, :SupplierId, :DeptId, :BankId, :PayFund, 1, 1, :HandmanId, 'sa', "
                ":BillTime, 'sa', :BillTime)"),
                {DBParam(QStringLiteral("Id"), payments),
                 DBParam(QStringLiteral("Code"), code(QStringLiteral("FK"), paid.date())),
                 DBParam(QStringLiteral("BizDate"), QDateTime(paid.date(), QTime(0, 0))),
                 DBParam(QStringLiteral("SupplierId"), bill.SupplierId),
                 DBParam(QStringLiteral("DeptId"), m_departments.value(5)),
                 DBParam(QStringLiteral("BankId"), m_payBank),
                 DBParam(QStringLiteral("PayFund"), RoundTo(total / 2, 2)),
                 DBParam(QStringLiteral("HandmanId"), bill.BuymanId),
                 DBParam(QStringLiteral("BillTime"), paid)});
            m_database.ExecSQL(QStringLiteral(
                "insert into paymentdl(dlId, MastId, BuyId, BuyCode, dlPayFund, dlDisFund) "
                "values(:dlId, :MastId, :BuyId, :BuyCode, :Pay, 1)"),
                {DBParam(QStringLiteral("dlId"), payments),
                 DBParam(QStringLiteral("MastId"), payments),
                 DBParam(QStringLiteral("BuyId"), bill.Id),
                 DBParam(QStringLiteral("BuyCode"), bill.Code),
                 DBParam(QStringLiteral("Pay"), RoundTo(total / 2, 2))});
        }
        trans.Commit();
        Progress(QStringLiteral("收货单"), std::min(counts.Arrivals, start + Batch),
                 counts.Arrivals);
    }
}
