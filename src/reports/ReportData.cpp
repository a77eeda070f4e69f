#include "reports/ReportData.h"

#include "data/DataSet.h"
#include "data/Exceptions.h"
#include "data/Utils.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {
bool LooksLikeMoney(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("fund|amount|money|金额"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re.match(name).hasMatch();
}

bool IsNumber(const QVariant &v)
{
    const int t = v.typeId();
    return t == QMetaType::Double || t == QMetaType::Int || t == QMetaType::LongLong
        || t == QMetaType::Float || t == QMetaType::UInt || t == QMetaType::ULongLong;
}

QString Formatted(const QVariant &v, const QString &format, const QString &fallback)
{
    if (format.isEmpty() || v.isNull())
        return fallback;
    if (IsNumber(v))
        return FormatFloat(format, v.toDouble());
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(format);
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(format);
    bool ok = false;
    const double d = fallback.toDouble(&ok);
    return ok ? FormatFloat(format, d) : fallback;
}
} // namespace

// ------------------------------------------------------------------------ TDataSetSource

TDataSetSource::TDataSetSource(const QString &name, TDataSet *dataSet)
    : m_name(name), m_dataSet(dataSet)
{
    Open();
}

void TDataSetSource::Open()
{
    m_sums.clear();
    m_pos = (m_dataSet && m_dataSet->RecNo() > 0) ? m_dataSet->RecNo() - 1 : 0;
}

QList<TReportField> TDataSetSource::Fields() const
{
    QList<TReportField> fields;
    if (!m_dataSet)
        return fields;
    for (TField *f : m_dataSet->Fields()) {
        TReportField r;
        r.Name = f->FieldName;
        r.Label = f->Label();
        r.Visible = f->Visible;
        r.Numeric = f->IsNumeric();
        r.Money = f->DataType() == TFieldType::Currency
               || (f->DataType() == TFieldType::Float && LooksLikeMoney(f->FieldName));
        r.Width = f->DisplayWidth > 0 ? f->DisplayWidth : (f->Size > 0 ? f->Size : 10);
        r.Format = f->DisplayFormat;
        fields.append(r);
    }
    return fields;
}

int TDataSetSource::RowCount() const
{
    return m_dataSet && m_dataSet->Active() ? m_dataSet->RecordCount() : 0;
}

int TDataSetSource::Column(const QString &field) const
{
    if (!m_dataSet)
        return -1;
    const TField *f = m_dataSet->FindField(field);
    return f ? f->Index() : -1;
}

bool TDataSetSource::HasField(const QString &field) const { return Column(field) >= 0; }

QVariant TDataSetSource::Value(const QString &field) const
{
    const int c = Column(field);
    if (c < 0 || m_pos < 0 || m_pos >= RowCount())
        return QVariant();
    return m_dataSet->Field(c)->Typed(m_dataSet->StoredValue(m_dataSet->RowIdAt(m_pos), c));
}

QString TDataSetSource::DisplayText(const QString &field) const
{
    const int c = Column(field);
    if (c < 0 || m_pos < 0 || m_pos >= RowCount())
        return QString();
    return m_dataSet->Field(c)->DisplayText(
        m_dataSet->StoredValue(m_dataSet->RowIdAt(m_pos), c));
}

double TDataSetSource::Sum(const QString &field) const
{
    const auto cached = m_sums.constFind(field.toLower());
    if (cached != m_sums.cend())
        return *cached;
    const int c = Column(field);
    double sum = 0;
    for (int pos = 0, n = RowCount(); c >= 0 && pos < n; ++pos)
        sum += m_dataSet->StoredValue(m_dataSet->RowIdAt(pos), c).toDouble();
    m_sums.insert(field.toLower(), sum);
    return sum;
}

// ------------------------------------------------------------------------ TReportContext

TReportContext::TReportContext() : Date(QDate::currentDate()) {}
TReportContext::~TReportContext() = default;

void TReportContext::AddDataSource(std::unique_ptr<TReportDataSource> source)
{
    for (auto &s : m_sources)
        if (s->Name().compare(source->Name(), Qt::CaseInsensitive) == 0) {
            s = std::move(source);
            return;
        }
    m_sources.push_back(std::move(source));
}

void TReportContext::AddDataSet(const QString &name, TDataSet *dataSet)
{
    AddDataSource(std::make_unique<TDataSetSource>(name, dataSet));
}

TReportDataSource *TReportContext::Source(const QString &name) const
{
    for (const auto &s : m_sources)
        if (s->Name().compare(name, Qt::CaseInsensitive) == 0)
            return s.get();
    return nullptr;
}

QStringList TReportContext::SourceNames() const
{
    QStringList names;
    for (const auto &s : m_sources)
        names.append(s->Name());
    return names;
}

void TReportContext::Clear()
{
    m_sources.clear();
    m_varNames.clear();
    m_varValues.clear();
}

void TReportContext::SetVariables(const QStringList &names, const QStringList &values)
{
    m_varNames = names;
    m_varValues = values;
}

bool TReportContext::FindVariable(const QString &name, QString *value) const
{
    // A name set twice (a print site overriding a company variable) reads its last value.
    const int i = m_varNames.lastIndexOf(name);
    if (i < 0 || i >= m_varValues.size())
        return false;
    *value = m_varValues[i];
    return true;
}

QString TReportContext::UserField(const QString &name) const
{
    QString value;
    return FindVariable(name, &value) ? value : name;
}

double TReportContext::Total() const
{
    QString text;
    bool ok = false;
    if (FindVariable(QStringLiteral("TotalFund"), &text)) {
        const double v = QString(text).remove(u',').trimmed().toDouble(&ok);
        if (ok)
            return v;
    }
    if (const TReportDataSource *d0 = Source(QStringLiteral("d0")))
        for (const TReportField &f : d0->Fields())
            if (f.Money)
                return d0->Sum(f.Name);
    return 0;
}

QString TReportContext::ReplacePages(QString text, int pages)
{
    return text.replace(PagesMark(), QString::number(pages));
}

QVariant TReportContext::Evaluate(const QString &expression, QString *text) const
{
    const QString e = expression.trimmed();
    QVariant value;
    QString shown;
    const int open = e.indexOf(u'(');
    if (open > 0 && e.endsWith(u')')) {
        const QString func = e.left(open).trimmed().toLower();
        const QString arg = e.mid(open + 1, e.size() - open - 2).trimmed();
        const int dot = arg.indexOf(u'.');
        if (func == u"sum") {
            const TReportDataSource *s = dot > 0 ? Source(arg.left(dot)) : nullptr;
            value = s ? s->Sum(arg.mid(dot + 1)) : 0.0;
            shown = FormatFloat(QStringLiteral(",0.00"), value.toDouble());
        } else if (func == u"count") {
            const TReportDataSource *s = Source(dot > 0 ? arg.left(dot) : arg);
            value = s ? s->RowCount() : 0;
            shown = value.toString();
        } else if (func == u"amountinwords") {
            QString inner;
            const double amount = Evaluate(arg, &inner).toDouble();
            try {
                shown = AmountInWords(amount < 0 ? -amount : amount);
                if (amount < 0)
                    shown.prepend(QStringLiteral("负"));
            } catch (const EConvertError &) {
                shown = inner;
            }
            value = shown;
        }
    } else if (e.compare(u"Page", Qt::CaseInsensitive) == 0) {
        value = Page;
        shown = value.toString();
    } else if (e.compare(u"Pages", Qt::CaseInsensitive) == 0) {
        shown = PagesMark();
        value = shown;
    } else if (e.compare(u"Date", Qt::CaseInsensitive) == 0) {
        value = Date;
        shown = Date.toString(QLatin1String(ShortDateFormat));
    } else if (e.compare(u"Line", Qt::CaseInsensitive) == 0) {
        value = Line;
        shown = value.toString();
    } else if (e.compare(u"Total", Qt::CaseInsensitive) == 0) {
        value = Total();
        shown = FormatFloat(QStringLiteral(",0.00"), value.toDouble());
    } else if (const int dot = e.indexOf(u'.'); dot > 0) {
        const QString set = e.left(dot);
        const QString field = e.mid(dot + 1);
        if (set.compare(u"u", Qt::CaseInsensitive) == 0) {
            shown = UserField(field);
            value = shown;
        } else if (const TReportDataSource *s = Source(set)) {
            value = s->Value(field);
            shown = s->DisplayText(field);
        }
    } else {
        FindVariable(e, &shown);
        value = shown;
    }
    if (text)
        *text = shown;
    return value;
}

QString TReportContext::Substitute(const QString &text, const QString &format) const
{
    if (!text.contains(u'['))
        return text;
    QString out;
    out.reserve(text.size());
    int i = 0;
    while (i < text.size()) {
        const int open = text.indexOf(u'[', i);
        int close = open < 0 ? -1 : text.indexOf(u']', open);
        if (open < 0 || close < 0) {
            out += QStringView(text).mid(i);
            break;
        }
        out += QStringView(text).mid(i, open - i);
        QString shown;
        const QVariant v = Evaluate(text.mid(open + 1, close - open - 1), &shown);
        out += Formatted(v, format, shown);
        i = close + 1;
    }
    return out;
}

// ------------------------------------------------------------------------ CSV

namespace {
QStringList SplitCsvLine(const QString &line)
{
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            cells.append(cell);
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.append(cell);
    return cells;
}
} // namespace

std::unique_ptr<TDataSet> LoadCsvDataSet(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EConvertError(QStringLiteral("无法读取文件 %1: %2").arg(fileName, file.errorString()));
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(u'\n');
    for (QString &l : lines)
        if (l.endsWith(u'\r'))
            l.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        throw EConvertError(QStringLiteral("文件 %1 是空的, 第一行应为字段名").arg(fileName));
    const QStringList names = SplitCsvLine(lines.takeFirst());
    QList<QStringList> rows;
    for (const QString &l : std::as_const(lines))
        rows.append(SplitCsvLine(l));
    auto data = std::make_unique<TDataSet>();
    for (int c = 0; c < names.size(); ++c) {
        bool numeric = !rows.isEmpty();
        for (const QStringList &r : std::as_const(rows)) {
            bool ok = true;
            if (c < r.size() && !r[c].isEmpty())
                r[c].toDouble(&ok);
            numeric = numeric && ok;
        }
        TField *f = data->AddField(numeric ? TFieldType::Float : TFieldType::WideString,
                                   names[c].trimmed());
        f->Size = 0;
        // Columns as wide as their longest text, a Chinese character counting two.
        int width = int(f->FieldName.size());
        for (const QStringList &r : std::as_const(rows))
            if (c < r.size()) {
                int w = 0;
                for (const QChar ch : r[c])
                    w += ch.unicode() >= 0x2E80 ? 2 : 1;
                width = std::max(width, w);
            }
        f->DisplayWidth = std::clamp(width, 4, 40);
        if (numeric && LooksLikeMoney(f->FieldName))
            f->DisplayFormat = QStringLiteral(",0.00");
    }
    data->Open();
    data->BeginLoad(int(rows.size()));
    for (const QStringList &r : std::as_const(rows)) {
        QVariant *row = data->AppendLoadRow();
        for (int c = 0; c < names.size(); ++c) {
            const QString cell = c < r.size() ? r[c] : QString();
            if (cell.isEmpty())
                continue;
            row[c] = data->Field(c)->IsNumeric() ? QVariant(cell.toDouble()) : QVariant(cell);
        }
    }
    data->EndLoad();
    data->First();
    return data;
}
