#include "data/Schema.h"

#include "data/Database.h"
#include "data/Dialect.h"
#include "data/Exceptions.h"
#include "data/RecordSet.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

const TSchema::TColumn *TSchema::TTable::FindColumn(const QString &name) const
{
    for (const TColumn &c : Columns)
        if (c.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

namespace {
QString ReadResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EDatabaseError(QStringLiteral("无法读取数据库定义 %1").arg(path));
    return QString::fromUtf8(file.readAll());
}

// Splits the rows file into statements: a statement ends with ';' outside quotes.
QStringList SplitStatements(const QString &text)
{
    QStringList statements;
    QString current;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'\'')
            quoted = !quoted;
        if (c == u';' && !quoted) {
            if (!current.trimmed().isEmpty())
                statements.append(current.trimmed());
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

TSchema::TColumnType ParseType(const QString &word, int *size, int lineNo)
{
    using T = TSchema::TColumnType;
    static const QRegularExpression textRe(QStringLiteral("^text\\((\\d+)\\)$"));
    const auto m = textRe.match(word);
    if (m.hasMatch()) {
        *size = m.captured(1).toInt();
        return T::Text;
    }
    static const QHash<QString, T> types = {
        {QStringLiteral("integer"), T::Integer}, {QStringLiteral("float"), T::Float},
        {QStringLiteral("money"), T::Money},     {QStringLiteral("memo"), T::Memo},
        {QStringLiteral("datetime"), T::DateTime}, {QStringLiteral("boolean"), T::Boolean},
        {QStringLiteral("blob"), T::Blob},       {QStringLiteral("variant"), T::Variant},
    };
    if (!types.contains(word))
        throw EDatabaseError(QStringLiteral("数据库定义第 %1 行: 未知类型 %2").arg(lineNo).arg(word));
    return types.value(word);
}
} // namespace

const TSchema &TSchema::Standard()
{
    static const TSchema schema = Parse(ReadResource(QStringLiteral(":/schema/openbuy.schema")),
                                        ReadResource(QStringLiteral(":/schema/rows.sql")));
    return schema;
}

TSchema TSchema::Parse(const QString &text, const QString &rowsText)
{
    TSchema schema;
    const QStringList lines = text.split(u'\n');
    static const QRegularExpression indexRe(QStringLiteral("^index\\s*\\(([^)]*)\\)$"));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        const qsizetype hash = line.indexOf(u'#');
        if (hash >= 0)
            line.truncate(hash);
        line = line.simplified();
        if (line.isEmpty())
            continue;
        const int lineNo = i + 1;
        const QStringList words = line.split(u' ');
        if (words[0] == u"table") {
            TTable table;
            table.Name = words.value(1);
            const qsizetype comment = lines[i].indexOf(u'#');
            if (comment >= 0)
                table.Comment = lines[i].mid(comment + 1).trimmed();
            schema.Tables.append(table);
            continue;
        }
        if (schema.Tables.isEmpty())
            throw EDatabaseError(QStringLiteral("数据库定义第 %1 行: 列不属于任何表").arg(lineNo));
        TTable &table = schema.Tables.last();
        if (const auto m = indexRe.match(line); m.hasMatch()) {
            QStringList cols;
            for (const QString &c : m.captured(1).split(u','))
                cols.append(c.trimmed());
            table.Indexes.append(cols);
            continue;
        }
        TColumn column;
        column.Name = words[0];
        column.Type = ParseType(words.value(1), &column.Size, lineNo);
        for (int w = 2; w < words.size(); ++w) {
            const QString &flag = words[w];
            if (flag == u"key")
                column.Key = true;
            else if (flag == u"auto")
                column.Auto = true;
            else if (flag == u"index")
                column.Index = true;
            else if (flag == u"unique")
                column.Unique = true;
            else if (flag == u"notnull")
                column.NotNull = true;
            else if (flag == u"default" && w + 1 < words.size())
                column.Default = words[++w];
            else
                throw EDatabaseError(QStringLiteral("数据库定义第 %1 行: 未知标记 %2")
                                         .arg(lineNo).arg(flag));
        }
        table.Columns.append(column);
    }
    schema.Rows = SplitStatements(rowsText);
    return schema;
}

const TSchema::TTable *TSchema::FindTable(const QString &name) const
{
    for (const TTable &t : Tables)
        if (t.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

bool TSchema::FindColumnType(const QString &column, TColumnType *type) const
{
    // Built once: the loader asks for every column of every select.
    static QHash<const TSchema *, QHash<QString, TColumnType>> maps;
    auto &map = maps[this];
    if (map.isEmpty()) {
        for (const TTable &t : Tables)
            for (const TColumn &c : t.Columns)
                if (!map.contains(c.Name.toLower()))
                    map.insert(c.Name.toLower(), c.Type);
        map.insert(QString(), TColumnType::Integer);
    }
    const auto it = map.constFind(column.toLower());
    if (it == map.constEnd() || column.isEmpty())
        return false;
    *type = it.value();
    return true;
}

QStringList TSchema::CreateStatements(const TDialect &dialect) const
{
    QStringList statements;
    for (const TTable &table : Tables) {
        QStringList defs;
        QStringList keys;
        for (const TColumn &c : table.Columns) {
            QString def = dialect.QuoteName(c.Name) + u' ' + dialect.ColumnType(c);
            if (c.Auto)
                def = dialect.AutoKeyColumn(c.Name);
            if (c.NotNull)
                def += QStringLiteral(" not null");
            if (!c.Default.isEmpty())
                def += QStringLiteral(" default ") + c.Default;
            defs.append(def);
            if (c.Key && !c.Auto)
                keys.append(dialect.QuoteName(c.Name));
        }
        if (!keys.isEmpty())
            defs.append(QStringLiteral("primary key (%1)").arg(keys.join(QStringLiteral(", "))));
        statements.append(QStringLiteral("create table %1 (%2)")
                              .arg(dialect.QuoteName(table.Name), defs.join(QStringLiteral(", "))));
        const QString base = table.Name.toLower();
        for (const TColumn &c : table.Columns) {
            if (!c.Index && !c.Unique)
                continue;
            statements.append(QStringLiteral("create %1index %2 on %3 (%4)")
                                  .arg(c.Unique ? QStringLiteral("unique ") : QString(),
                                       dialect.QuoteName(QStringLiteral("ix_%1_%2")
                                                             .arg(base, c.Name.toLower())),
                                       dialect.QuoteName(table.Name), dialect.QuoteName(c.Name)));
        }
        for (const QStringList &cols : table.Indexes) {
            QStringList quoted;
            for (const QString &c : cols)
                quoted.append(dialect.QuoteName(c));
            statements.append(QStringLiteral("create index %1 on %2 (%3)")
                                  .arg(dialect.QuoteName(QStringLiteral("ix_%1_%2")
                                                             .arg(base, cols.join(u'_').toLower())),
                                       dialect.QuoteName(table.Name),
                                       quoted.join(QStringLiteral(", "))));
        }
    }
    statements += dialect.ExtraSchemaStatements();
    return statements;
}

QStringList TSchema::ExistingTables(TDatabase &database)
{
    TRecordSet set(database);
    set.OpenSQL(database.Dialect().ListTablesSql());
    QStringList tables;
    for (TDataSet *d = set.DataSet(); !d->Eof(); d->Next())
        tables.append(d->Field(0)->AsString());
    return tables;
}

namespace {
QList<TSchema::TRowProvider> &RowProviders()
{
    static QList<TSchema::TRowProvider> providers;
    return providers;
}
} // namespace

void TSchema::AddRowProvider(TRowProvider provider) { RowProviders().append(std::move(provider)); }

bool TSchema::CreateDatabase(TDatabase &database, QString *error) const
{
    const QStringList existing = ExistingTables(database);
    if (!existing.isEmpty()) {
        if (error)
            *error = QStringLiteral("数据库中已经有 %1 个表 (%2 …), 不能在其中新建数据库")
                         .arg(existing.size())
                         .arg(existing.mid(0, 5).join(QStringLiteral(", ")));
        return false;
    }
    database.BeginTrans();
    try {
        for (const QString &sql : CreateStatements(database.Dialect()))
            database.ExecCommand(sql);
        for (const QString &sql : Rows)
            database.ExecCommand(sql);
        for (const TRowProvider &provider : RowProviders())
            provider(database);
        database.CommitTrans();
    } catch (const EOpenBuyError &e) {
        database.RollbackTrans();
        if (error)
            *error = e.Message();
        return false;
    }
    return true;
}

QStringList TSchema::MissingObjects(TDatabase &database) const
{
    QStringList missing;
    const QStringList existing = ExistingTables(database);
    for (const TTable &table : Tables) {
        if (!existing.contains(table.Name.toLower())) {
            missing.append(QStringLiteral("表 %1").arg(table.Name));
            continue;
        }
        TRecordSet set(database);
        set.OpenSQL(database.Dialect().ListColumnsSql(table.Name));
        QStringList columns;
        for (TDataSet *d = set.DataSet(); !d->Eof(); d->Next())
            columns.append(d->Field(0)->AsString());
        for (const TColumn &c : table.Columns)
            if (!columns.contains(c.Name.toLower()))
                missing.append(QStringLiteral("列 %1.%2").arg(table.Name, c.Name));
    }
    return missing;
}
