#include "data/QuerySet.h"

#include "data/Messages.h"
#include "data/Schema.h"

#include <QHash>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

TQuerySet::TQuerySet() : TQuerySet(TheDatabase()) {}

TQuerySet::TQuerySet(TDatabase &database)
    : m_database(&database), m_data(new TDataSet(this))
{
}

TQuerySet::~TQuerySet() = default;

void TQuerySet::SetupField(TField *field, int size)
{
    field->DisplayWidth = 75;
    if (size >= 0)
        field->Size = size;
}

void TQuerySet::FlushEdits()
{
    m_data->FlushEdits();
}

void TQuerySet::Close()
{
    m_data->Close();
}

int TQuerySet::OpenSQL(const QString &sql, const TDBParameters &params)
{
    try {
        Load(sql, params);
    } catch (const EDatabaseError &e) {
        m_data->Close();
        ShowInfo(QStringLiteral("SQL语句错误,原文如下:\r\n") + sql
                 + QStringLiteral("\r\n\r\n错误提示:\r\n") + e.Message());
        throw EDatabaseError(QStringLiteral("数据集没有打开: 查询失败"));
    }
    return m_data->RecordCount();
}

namespace {
TFieldType TypeOfColumn(const QSqlField &column)
{
    // SQLite reports dates as text: the schema knows which columns hold dates.
    TSchema::TColumnType known;
    if (TSchema::Standard().FindColumnType(column.name(), &known)) {
        if (known == TSchema::TColumnType::DateTime)
            return TFieldType::DateTime;
        if (known == TSchema::TColumnType::Boolean)
            return TFieldType::Boolean;
        if (known == TSchema::TColumnType::Memo)
            return TFieldType::Memo;
    }
    switch (column.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
        return TFieldType::Integer;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return TFieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return TFieldType::Float;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return TFieldType::DateTime;
    case QMetaType::Bool:
        return TFieldType::Boolean;
    case QMetaType::QByteArray:
        return TFieldType::Blob;
    default:
        return TFieldType::WideString;
    }
}

// The server folds unquoted names to lower case; the statement has them as written.
QString NameAsWritten(const QString &name, const QString &sql,
                      QHash<QString, QString> &spellings)
{
    if (spellings.isEmpty()) {
        const qsizetype n = sql.size();
        for (qsizetype i = 0; i < n;) {
            if (sql[i].isLetter() || sql[i] == u'_') {
                qsizetype j = i + 1;
                while (j < n && (sql[j].isLetterOrNumber() || sql[j] == u'_'))
                    ++j;
                const QString word = sql.mid(i, j - i);
                const QString key = word.toLower();
                if (!spellings.contains(key) && word != key)
                    spellings.insert(key, word);
                i = j;
            } else {
                ++i;
            }
        }
        spellings.insert(QString(), QString());
    }
    return spellings.value(name.toLower(), name);
}
} // namespace

void TQuerySet::Load(const QString &sql, const TDBParameters &params)
{
    m_sql = sql;
    m_params = params;
    QSqlQuery &q = m_database->RunSelect(sql, params);
    const QSqlRecord record = q.record();
    const int columns = record.count();
    TDataSet *data = m_data;
    // Without persistent fields the columns of the result become the fields.
    if (data->FieldCount() == 0 || property("openbuy_dynamic").toBool()) {
        data->ClearFields();
        QHash<QString, QString> spellings;
        for (int i = 0; i < columns; ++i) {
            const QSqlField column = record.field(i);
            const QString name = m_database->IsSqlServer()
                ? NameAsWritten(column.name(), sql, spellings) : column.name();
            TField *field = data->AddField(TypeOfColumn(column), name);
            if (field->IsString() && column.length() > 0)
                field->Size = column.length();
        }
        setProperty("openbuy_dynamic", true);
    }
    const bool dynamic = property("openbuy_dynamic").toBool();
    std::vector<int> target(size_t(columns), -1);
    for (int i = 0; i < columns; ++i) {
        if (dynamic)
            target[size_t(i)] = i;
        else if (TField *field = data->FindField(record.fieldName(i)))
            target[size_t(i)] = field->Index();
    }
    for (TField *field : data->Fields()) {
        if (std::find(target.begin(), target.end(), field->Index()) == target.end()) {
            m_database->FinishSelect();
            throw EDatabaseError(QStringLiteral("字段 '%1' 没有找到").arg(field->FieldName));
        }
    }
    data->BeginLoad(q.size() > 0 ? q.size() : 0);
    int rows = 0;
    while (q.next()) {
        QVariant *row = data->AppendLoadRow();
        for (int i = 0; i < columns; ++i) {
            const int t = target[size_t(i)];
            if (t >= 0)
                row[t] = q.value(i);
        }
        if (OnLoadProgress && (++rows % 5000) == 0)
            OnLoadProgress(rows);
    }
    m_database->FinishSelect();
    data->EndLoad();
}
