#include "data/Dialect.h"

#include "data/Database.h"
#include "data/Exceptions.h"
#include "data/Utils.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {
bool IsNameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}
} // namespace

TDialect::TStatement TDialect::Translate(const QString &sql) const
{
    TStatement out;
    QString &s = out.Sql;
    s.reserve(sql.size() + 16);
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            // Quoted text and quoted names pass unchanged.
            qsizetype j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            s += QStringView(sql).mid(i, std::min(j + 1, n) - i);
            i = j + 1;
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? n : end;
            s += QStringView(sql).mid(i, stop - i);
            i = stop;
        } else if (c == u'[') {
            const qsizetype end = sql.indexOf(u']', i);
            if (end < 0)
                throw EDatabaseError(QStringLiteral("语句中的 [ 没有对应的 ]\r\n") + sql);
            s += TranslateName(sql.mid(i, end - i + 1));
            i = end + 1;
        } else if (c == u':' && i + 1 < n && IsNameStart(sql[i + 1])
                   && (i == 0 || sql[i - 1] != u':')) {
            qsizetype j = i + 1;
            while (j < n && IsNameChar(sql[j]))
                ++j;
            out.Params.append(sql.mid(i + 1, j - i - 1));
            s += u'?';
            i = j;
        } else if (IsNameStart(c)) {
            qsizetype j = i + 1;
            while (j < n && IsNameChar(sql[j]))
                ++j;
            const QStringView word = QStringView(sql).mid(i, j - i);
            if (RewriteLike() && word.compare(u"like", Qt::CaseInsensitive) == 0
                && (i == 0 || !IsNameChar(sql[i - 1])))
                s += QLatin1String("ilike");
            else
                s += word;
            i = j;
        } else {
            s += c;
            ++i;
        }
    }
    return out;
}

QVariant TDialect::BindValue(const QVariant &value) const
{
    if (value.isNull())
        return QVariant();
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return DateTimeText(value.toDateTime());
    case QMetaType::QDate:
        return DateTimeText(QDateTime(value.toDate(), QTime(0, 0)));
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    default:
        return value;
    }
}

QString TDialect::QuoteText(const QString &text) const
{
    QString escaped = text;
    escaped.replace(u'\'', QLatin1String("''"));
    return u'\'' + escaped + u'\'';
}

namespace {
QString EscapeLike(const QString &text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            out += u'\\';
        out += c;
    }
    return out;
}
} // namespace

QString TDialect::LikeContains(const QString &text) const
{
    return QuoteText(u'%' + EscapeLike(text) + u'%') + QLatin1String(" escape '\\'");
}

QString TDialect::LikePrefix(const QString &text) const
{
    return QuoteText(EscapeLike(text) + u'%') + QLatin1String(" escape '\\'");
}

// ---- SQLite -----------------------------------------------------------------------------

QString TSqliteDialect::DateLiteral(const QDate &date) const
{
    // Dates are stored as "yyyy-MM-dd hh:mm:ss": the literal names midnight in that form.
    return u'\'' + date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1String(" 00:00:00'");
}

QString TSqliteDialect::ServerNowSql() const
{
    return QStringLiteral("select datetime('now', 'localtime')");
}

namespace {
// year(), month() and day() of a stored date text, as the statements use them.
void DatePart(sqlite3_context *context, int argc, sqlite3_value **argv, int from, int length)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const int size = sqlite3_value_bytes(argv[0]);
    if (!text || size < from + length) {
        sqlite3_result_null(context);
        return;
    }
    int value = 0;
    for (int i = from; i < from + length; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            sqlite3_result_null(context);
            return;
        }
        value = value * 10 + (text[i] - '0');
    }
    sqlite3_result_int(context, value);
}

void YearFunc(sqlite3_context *c, int argc, sqlite3_value **argv) { DatePart(c, argc, argv, 0, 4); }
void MonthFunc(sqlite3_context *c, int argc, sqlite3_value **argv) { DatePart(c, argc, argv, 5, 2); }
void DayFunc(sqlite3_context *c, int argc, sqlite3_value **argv) { DatePart(c, argc, argv, 8, 2); }
} // namespace

void TSqliteDialect::Open(QSqlDatabase &db, const QString &connectionString) const
{
    const QString file = ConnectionStringProperty(connectionString, QStringLiteral("Data Source"));
    // The driver would create a missing file silently; a missing database is an error.
    if (file.isEmpty() || !QFileInfo(file).isFile())
        throw EDatabaseError(QStringLiteral("数据库文件不存在: %1").arg(file));
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    if (!db.open())
        throw EDatabaseError(db.lastError().text());
}

void TSqliteDialect::Configure(QSqlDatabase &db) const
{
    const QVariant handle = db.driver()->handle();
    auto *sqlite = handle.isValid() ? *static_cast<sqlite3 *const *>(handle.data()) : nullptr;
    if (!sqlite)
        throw EDatabaseError(QStringLiteral("无法取得 SQLite 连接"));
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(sqlite, "year", 1, flags, nullptr, YearFunc, nullptr, nullptr);
    sqlite3_create_function(sqlite, "month", 1, flags, nullptr, MonthFunc, nullptr, nullptr);
    sqlite3_create_function(sqlite, "day", 1, flags, nullptr, DayFunc, nullptr, nullptr);
    // A file that is not a database opens fine and fails at the first read: read now.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select count(*) from sqlite_master")))
        throw EDatabaseError(q.lastError().text());
    // The reports read the arrival lines more than once per query; with the default 2 MB page
    // cache every pass goes back to the file system. At most 64 MB, taken as pages are read.
    if (!q.exec(QStringLiteral("pragma cache_size=-65536")))
        throw EDatabaseError(q.lastError().text());
}

QString TSqliteDialect::ColumnType(const TSchema::TColumn &column) const
{
    using T = TSchema::TColumnType;
    switch (column.Type) {
    case T::Integer: return QStringLiteral("integer");
    case T::Float: return QStringLiteral("real");
    case T::Money: return QStringLiteral("numeric");
    case T::Text: return QStringLiteral("varchar(%1)").arg(column.Size);
    case T::Memo: return QStringLiteral("text");
    case T::DateTime: return QStringLiteral("datetime");
    case T::Boolean: return QStringLiteral("boolean");
    case T::Blob: return QStringLiteral("blob");
    case T::Variant: return QStringLiteral("text");
    }
    return QString();
}

QString TSqliteDialect::QuoteName(const QString &name) const
{
    return u'[' + name + u']';
}

QString TSqliteDialect::AutoKeyColumn(const QString &name) const
{
    return QuoteName(name) + QStringLiteral(" integer primary key autoincrement");
}

QString TSqliteDialect::ListTablesSql() const
{
    return QStringLiteral("select lower(name) from sqlite_master where type='table' "
                          "and name not like 'sqlite%'");
}

QString TSqliteDialect::ListColumnsSql(const QString &table) const
{
    return QStringLiteral("select lower(name) from pragma_table_info(%1)").arg(QuoteText(table));
}

// ---- PostgreSQL -------------------------------------------------------------------------

QString TPostgresDialect::DateLiteral(const QDate &date) const
{
    return u'\'' + date.toString(QStringLiteral("yyyy-MM-dd")) + u'\'';
}

QString TPostgresDialect::ServerNowSql() const
{
    return QStringLiteral("select localtimestamp(0)");
}

void TPostgresDialect::Open(QSqlDatabase &db, const QString &connectionString) const
{
    auto prop = [&](const char *name) {
        return ConnectionStringProperty(connectionString, QLatin1String(name));
    };
    db.setHostName(prop("Data Source"));
    const QString port = prop("Port");
    db.setPort(port.isEmpty() ? 5432 : port.toInt());
    db.setDatabaseName(prop("Initial Catalog"));
    db.setUserName(prop("User ID"));
    db.setPassword(prop("Password"));
    db.setConnectOptions(QStringLiteral("connect_timeout=120"));
    if (!db.open())
        throw EDatabaseError(db.lastError().text());
}

void TPostgresDialect::Configure(QSqlDatabase &db) const
{
    QSqlQuery q(db);
    for (const char *sql : {"set statement_timeout = 300000", "set client_min_messages = warning",
                            "set standard_conforming_strings = on"}) {
        if (!q.exec(QLatin1String(sql)))
            throw EDatabaseError(q.lastError().text());
    }
}

QString TPostgresDialect::ColumnType(const TSchema::TColumn &column) const
{
    using T = TSchema::TColumnType;
    switch (column.Type) {
    case T::Integer: return QStringLiteral("integer");
    case T::Float: return QStringLiteral("double precision");
    case T::Money: return QStringLiteral("numeric(19,4)");
    case T::Text: return QStringLiteral("varchar(%1)").arg(column.Size);
    case T::Memo: return QStringLiteral("text");
    case T::DateTime: return QStringLiteral("timestamp(0) without time zone");
    // Flags are bound as 0/1 in both dialects.
    case T::Boolean: return QStringLiteral("smallint");
    case T::Blob: return QStringLiteral("bytea");
    case T::Variant: return QStringLiteral("text");
    }
    return QString();
}

QString TPostgresDialect::QuoteName(const QString &name) const
{
    // Unquoted names fold to lower case: quoted names are written the same way.
    return u'"' + name.toLower() + u'"';
}

QString TPostgresDialect::AutoKeyColumn(const QString &name) const
{
    return QuoteName(name) + QStringLiteral(" integer generated by default as identity primary key");
}

QString TPostgresDialect::TranslateName(const QString &bracketed) const
{
    return QuoteName(bracketed.mid(1, bracketed.size() - 2));
}

QStringList TPostgresDialect::ExtraSchemaStatements() const
{
    QStringList list;
    for (const char *part : {"year", "month", "day"}) {
        list << QStringLiteral("create or replace function %1(d timestamp) returns integer "
                               "language sql immutable as $$ select extract(%1 from d)::integer $$")
                    .arg(QLatin1String(part));
    }
    return list;
}

QString TPostgresDialect::ListTablesSql() const
{
    return QStringLiteral("select lower(table_name) from information_schema.tables "
                          "where table_schema = current_schema()");
}

QString TPostgresDialect::ListColumnsSql(const QString &table) const
{
    return QStringLiteral("select lower(column_name) from information_schema.columns "
                          "where table_schema = current_schema() and table_name = %1")
        .arg(QuoteText(table.toLower()));
}
