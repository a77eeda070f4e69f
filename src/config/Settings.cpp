#include "config/Settings.h"

#include "config/Company.h"
#include "config/KeyValue.h"
#include "data/KeyValueSet.h"
#include "data/Labels.h"

#include <QHash>

namespace {
struct TCommonSettings
{
    int QtyDecimals = 8;
    int PriceDecimals = 8;
    QHash<QString, QString> Captions;       // lower-case name → caption
    QHash<int, KeyData> Keys;
};

TCommonSettings &Common()
{
    static TCommonSettings settings;
    return settings;
}

int Decimals(int key)
{
    // A value out of range would make a format that cannot show a number.
    return qBound(0, TKeyValue::GetIntDef(key, 0), 100);
}

void LoadKeys(std::initializer_list<int> keys)
{
    for (int key : keys) {
        KeyData data;
        if (TKeyValueSet::ReadKey(key, data))
            Common().Keys.insert(key, data);
        else
            Common().Keys.remove(key);
    }
}

void LoadCaptions()
{
    const TLabels labels;
    QHash<QString, QString> captions;
    for (const QString &line : labels.Lines()) {
        const qsizetype eq = line.indexOf(u'=');
        // The first definition of a name counts, as it does for TLabels.
        if (eq > 0 && !captions.contains(line.left(eq).toLower()))
            captions.insert(line.left(eq).toLower(), line.mid(eq + 1));
    }
    Common().Captions = captions;
}
} // namespace

void LoadCommonSettings()
{
    TCommonSettings &common = Common();
    common.QtyDecimals = Decimals(skQtyDecimals);
    common.PriceDecimals = Decimals(skPriceDecimals);
    LoadKeys({19, 20});
    LoadCaptions();
    LoadCompany();
    LoadKeys({2015, 2037, 2038, skPickerSearchItem, 2040});
}

bool CompanyInfoEmpty()
{
    LoadCompany();
    return !CompanyFilled();
}

QString DecimalFormat(int places)
{
    return QStringLiteral("0.") + QString(qMax(places, 0), u'0');
}

QString QtyFormat()
{
    return DecimalFormat(Common().QtyDecimals);
}

QString PriceFormat()
{
    return DecimalFormat(Common().PriceDecimals);
}

QString MoneyFormat()
{
    return QStringLiteral("0.00");
}

int QtyDecimals()
{
    return Common().QtyDecimals;
}

int PriceDecimals()
{
    return Common().PriceDecimals;
}

QString Caption(const QString &name)
{
    return Common().Captions.value(name.toLower(), name);
}

const QList<RLabelGroup> &LabelGroups()
{
    static const QList<RLabelGroup> groups = [] {
        QStringList goods;
        for (int i = 1; i <= 12; ++i)
            goods << QStringLiteral("WareS%1").arg(i, 2, 10, QLatin1Char('0'));
        for (int i = 1; i <= 5; ++i)
            goods << QStringLiteral("WareF%1").arg(i, 2, 10, QLatin1Char('0'));
        goods << QStringLiteral("WareColorLabel") << QStringLiteral("WareSizeLabel")
              << QStringLiteral("WarePropLabel");
        const QStringList inquiry = {QStringLiteral("InquiryBillName"),
                                     QStringLiteral("InquiryDate"),
                                     QStringLiteral("InquiryBillCode"),
                                     QStringLiteral("InquiryBuyman"),
                                     QStringLiteral("InquiryNote")};
        return QList<RLabelGroup>{{QStringLiteral("货品资料"), goods},
                                  {QStringLiteral("询价单"), inquiry}};
    }();
    return groups;
}

bool CommonSetting(int key, KeyData &data)
{
    const auto it = Common().Keys.constFind(key);
    if (it == Common().Keys.constEnd())
        return false;
    data = it.value();
    return true;
}
