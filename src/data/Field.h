#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

class TDataSet;

enum class TFieldType {
    Integer, LargeInt, Float, Currency, String, WideString, Memo, DateTime, Boolean, Blob, Variant
};

// One typed column of a data set. A field reads and writes the data set's current row;
// values are kept as the database delivered them and converted when asked for.
class TField
{
public:
    TField(TFieldType type, int defaultSize = 0);
    virtual ~TField() = default;
    TField(const TField &) = delete;
    TField &operator=(const TField &) = delete;

    TFieldType DataType() const { return m_type; }
    TDataSet *DataSet() const { return m_dataSet; }
    int Index() const { return m_index; }

    QString FieldName;
    QString DisplayLabel;       // empty: the field name
    bool Visible = true;
    bool ReadOnly = false;
    int Size = 0;               // strings: the longest text kept
    int DisplayWidth = 0;       // in characters; 0: derived from the size
    QString DisplayFormat;      // numbers: FormatFloat patterns; dates: the system's formats
    QString EditFormat;

    QString Label() const { return DisplayLabel.isEmpty() ? FieldName : DisplayLabel; }
    bool IsString() const;
    bool IsNumeric() const;

    // The current row's value.
    QVariant Value() const;
    void SetValue(const QVariant &value);
    bool IsNull() const;
    void Clear() { SetValue(QVariant()); }

    int AsInteger() const;
    qint64 AsLargeInt() const;
    double AsFloat() const;
    QString AsString() const;
    QDateTime AsDateTime() const;
    bool AsBoolean() const;
    QByteArray AsBytes() const;
    void SetAsInteger(int value) { SetValue(value); }
    void SetAsFloat(double value) { SetValue(value); }
    void SetAsString(const QString &value);
    void SetAsDateTime(const QDateTime &value) { SetValue(value); }
    void SetAsBoolean(bool value) { SetValue(value); }

    // AsString of a stored value: unformatted, dates in the system's format.
    QString Text(const QVariant &stored) const;
    // The text a grid shows for a stored value of this field.
    virtual QString DisplayText(const QVariant &stored) const;
    QString DisplayText() const { return DisplayText(Value()); }
    // The value a stored value reads as (dates from their text form, flags from 0/1 …).
    QVariant Typed(const QVariant &stored) const;
    // Normalises a value before it is stored; raises EConvertError when it does not fit.
    virtual QVariant Convert(const QVariant &value) const;

private:
    friend class TDataSet;
    TFieldType m_type;
    TDataSet *m_dataSet = nullptr;
    int m_index = -1;
};

class TIntegerField : public TField { public: TIntegerField() : TField(TFieldType::Integer) {} };
class TLargeintField : public TField { public: TLargeintField() : TField(TFieldType::LargeInt) {} };
class TFloatField : public TField { public: TFloatField() : TField(TFieldType::Float) {} };
// Money: ",0.00", thousands separators, no currency symbol.
class TCurrencyField : public TField
{
public:
    TCurrencyField() : TField(TFieldType::Currency) { DisplayFormat = QStringLiteral(",0.00"); }
};
class TStringField : public TField { public: TStringField() : TField(TFieldType::String, 20) {} };
class TWideStringField : public TField
{
public:
    TWideStringField() : TField(TFieldType::WideString, 20) {}
};
class TMemoField : public TField { public: TMemoField() : TField(TFieldType::Memo) {} };
class TDateTimeField : public TField { public: TDateTimeField() : TField(TFieldType::DateTime) {} };
class TBooleanField : public TField { public: TBooleanField() : TField(TFieldType::Boolean) {} };
class TBlobField : public TField { public: TBlobField() : TField(TFieldType::Blob) {} };
class TVariantField : public TField { public: TVariantField() : TField(TFieldType::Variant) {} };
