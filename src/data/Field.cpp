#include "data/Field.h"

#include "data/DataSet.h"
#include "data/Exceptions.h"
#include "data/Utils.h"

TField::TField(TFieldType type, int defaultSize) : Size(defaultSize), m_type(type) {}

bool TField::IsString() const
{
    return m_type == TFieldType::String || m_type == TFieldType::WideString
        || m_type == TFieldType::Memo;
}

bool TField::IsNumeric() const
{
    return m_type == TFieldType::Integer || m_type == TFieldType::LargeInt
        || m_type == TFieldType::Float || m_type == TFieldType::Currency;
}

QVariant TField::Value() const
{
    return m_dataSet ? Typed(m_dataSet->CurrentValue(m_index)) : QVariant();
}

void TField::SetValue(const QVariant &value)
{
    if (!m_dataSet)
        throw EDatabaseError(QStringLiteral("字段 %1 不属于任何数据集").arg(FieldName));
    m_dataSet->SetCurrentValue(m_index, Convert(value));
}

bool TField::IsNull() const
{
    return !m_dataSet || m_dataSet->CurrentValue(m_index).isNull();
}

int TField::AsInteger() const
{
    const QVariant v = Value();
    if (v.isNull())
        return 0;
    if (m_type == TFieldType::Float || m_type == TFieldType::Currency)
        return int(std::llround(v.toDouble()));
    bool ok = false;
    const int result = v.toInt(&ok);
    if (!ok && v.typeId() == QMetaType::QString && !v.toString().trimmed().isEmpty())
        throw EConvertError(QStringLiteral("'%1' 不是有效的整数值").arg(v.toString()));
    return result;
}

qint64 TField::AsLargeInt() const
{
    const QVariant v = Value();
    return v.isNull() ? 0 : v.toLongLong();
}

double TField::AsFloat() const
{
    const QVariant v = Value();
    if (v.isNull())
        return 0.0;
    bool ok = false;
    const double result = v.toDouble(&ok);
    if (!ok && v.typeId() == QMetaType::QString && !v.toString().trimmed().isEmpty())
        throw EConvertError(QStringLiteral("'%1' 不是有效的浮点数值").arg(v.toString()));
    return result;
}

QString TField::AsString() const
{
    return Text(Value());
}

QString TField::Text(const QVariant &stored) const
{
    const QVariant v = Typed(stored);
    if (v.isNull())
        return QString();
    switch (m_type) {
    case TFieldType::DateTime:
        return DisplayText(v);
    case TFieldType::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldType::Float:
    case TFieldType::Currency:
        return QString::number(v.toDouble(), 'g', 15);
    default:
        return v.toString();
    }
}

QDateTime TField::AsDateTime() const
{
    const QVariant v = Value();
    return v.isNull() ? QDateTime() : v.toDateTime();
}

bool TField::AsBoolean() const
{
    const QVariant v = Value();
    return !v.isNull() && v.toBool();
}

QByteArray TField::AsBytes() const
{
    const QVariant v = Value();
    return v.isNull() ? QByteArray() : v.toByteArray();
}

void TField::SetAsString(const QString &value)
{
    if (value.isEmpty() && !IsString()) {
        Clear();
        return;
    }
    SetValue(value);
}

QVariant TField::Typed(const QVariant &stored) const
{
    if (stored.isNull())
        return stored;
    switch (m_type) {
    case TFieldType::DateTime:
        if (stored.typeId() == QMetaType::QString)
            return ParseDateTime(stored.toString());
        return stored.toDateTime();
    case TFieldType::Boolean:
        return stored.toBool();
    default:
        return stored;
    }
}

QString TField::DisplayText(const QVariant &stored) const
{
    if (stored.isNull())
        return QString();
    switch (m_type) {
    case TFieldType::Float:
    case TFieldType::Currency:
        return FormatFloat(DisplayFormat, stored.toDouble());
    case TFieldType::Integer:
    case TFieldType::LargeInt:
        return DisplayFormat.isEmpty() ? stored.toString()
                                       : FormatFloat(DisplayFormat, stored.toDouble());
    case TFieldType::DateTime: {
        const QDateTime dt = Typed(stored).toDateTime();
        if (!dt.isValid())
            return QString();
        if (!DisplayFormat.isEmpty())
            return dt.toString(DisplayFormat);
        // A date without time of day shows as a date alone.
        return dt.time() == QTime(0, 0) ? DateText(dt) : DateTimeText(dt);
    }
    case TFieldType::Boolean:
        return stored.toBool() ? QStringLiteral("是") : QStringLiteral("否");
    case TFieldType::Blob:
        return QStringLiteral("(BLOB)");
    default:
        return stored.toString();
    }
}

QVariant TField::Convert(const QVariant &value) const
{
    if (value.isNull())
        return QVariant();
    const bool isText = value.typeId() == QMetaType::QString;
    bool ok = true;
    switch (m_type) {
    case TFieldType::Integer: {
        const int v = isText ? value.toString().trimmed().toInt(&ok) : value.toInt(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' 不是有效的整数值").arg(value.toString()));
        return v;
    }
    case TFieldType::LargeInt: {
        const qint64 v = value.toLongLong(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' 不是有效的整数值").arg(value.toString()));
        return v;
    }
    case TFieldType::Float:
    case TFieldType::Currency: {
        const double v = isText ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' 不是有效的浮点数值").arg(value.toString()));
        return v;
    }
    case TFieldType::String:
    case TFieldType::WideString: {
        QString text = value.typeId() == QMetaType::QDateTime ? DisplayText(value)
                                                              : value.toString();
        if (Size > 0 && text.size() > Size)
            text.truncate(Size);
        return text;
    }
    case TFieldType::Memo:
        return value.toString();
    case TFieldType::DateTime: {
        if (isText) {
            const QDateTime dt = ParseDateTime(value.toString());
            if (!dt.isValid())
                throw EConvertError(
                    QStringLiteral("'%1' 不是有效的日期时间").arg(value.toString()));
            return dt;
        }
        if (value.typeId() == QMetaType::QDate)
            return QDateTime(value.toDate(), QTime(0, 0));
        const QDateTime dt = value.toDateTime();
        if (!dt.isValid())
            throw EConvertError(QStringLiteral("'%1' 不是有效的日期时间").arg(value.toString()));
        return dt;
    }
    case TFieldType::Boolean:
        if (isText) {
            const QString t = value.toString().trimmed().toLower();
            return !(t.isEmpty() || t == u"0" || t == u"false" || t == u"否");
        }
        return value.toBool();
    case TFieldType::Blob:
        return value.toByteArray();
    case TFieldType::Variant:
        return value;
    }
    return value;
}
