#include "grids/GridLayout.h"

#include "data/Database.h"
#include "data/RecordSet.h"

#include <QRegularExpression>

QString LayoutText(const RLayoutColumns &columns)
{
    QStringList lines;
    lines.reserve(columns.size());
    for (const RLayoutColumn &c : columns)
        lines << QStringLiteral("%1=%2%3").arg(c.FieldName,
                                               c.Visible ? QStringLiteral("True")
                                                         : QStringLiteral("False"))
                                          .arg(c.Width);
    return lines.join(QStringLiteral("\r\n"));
}

namespace {
struct TLine
{
    QString Name;
    QString Value;
};

QList<TLine> ReadLines(const QString &text)
{
    QList<TLine> lines;
    const QStringList raw = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")),
                                       Qt::SkipEmptyParts);
    for (const QString &line : raw) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        lines.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
    return lines;
}

int FindColumn(const RLayoutColumns &columns, const QString &name)
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].FieldName.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const TLine *FindLine(const QList<TLine> &lines, const QString &name)
{
    for (const TLine &line : lines)
        if (line.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &line;
    return nullptr;
}
} // namespace

void ApplyLayoutText(RLayoutColumns &columns, const QString &text)
{
    if (text.trimmed().isEmpty())
        return;
    QList<TLine> lines = ReadLines(text);
    // Lines of fields the data set no longer has take no place in the order.
    lines.removeIf([&](const TLine &l) { return FindColumn(columns, l.Name) < 0; });
    static const QRegularExpression flags(QStringLiteral("true|false"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (RLayoutColumn &column : columns) {
        const TLine *line = FindLine(lines, column.FieldName);
        if (!line)
            continue;
        column.Visible = line->Value.contains(QLatin1String("True"), Qt::CaseInsensitive);
        bool ok = false;
        const int width = QString(line->Value).remove(flags).trimmed().toInt(&ok);
        if (!ok || width < 0)
            return;             // unreadable: what was applied so far stays
        column.Width = width;
    }
    // Front to back, so that every column with a line ends at its line's place, also when
    // the text names only some of the columns.
    for (int pos = 0; pos < int(lines.size()); ++pos) {
        const int from = FindColumn(columns, lines[pos].Name);
        const int to = std::min(pos, int(columns.size()) - 1);
        if (from >= 0 && from != to)
            columns.move(from, to);
    }
}

QString LoadLayoutText(int layoutId)
{
    TRecordSet set;
    set.OpenSQL(QStringLiteral("select F06 from syscols where F02=:KeyId"),
                {DBParam(QStringLiteral("KeyId"), layoutId)});
    return set.DataSet()->IsEmpty() ? QString() : set.DataSet()->Field(0)->AsString();
}

bool SaveLayoutText(int layoutId, const QString &text)
{
    TRecordSet set;
    const int found = set.OpenSQL(QStringLiteral("select 1 from syscols where F02=:Id"),
                                  {DBParam(QStringLiteral("Id"), layoutId)});
    set.Close();
    TDatabase &db = TheDatabase();
    if (found == 1)
        return db.ExecSQL(QStringLiteral("update syscols set F06=:Value where F02=:KeyId"),
                          {DBParam(QStringLiteral("Value"), text),
                           DBParam(QStringLiteral("KeyId"), layoutId)}) == 1;
    return db.ExecSQL(QStringLiteral("insert into syscols (F02,F06) values (:Id, :S)"),
                      {DBParam(QStringLiteral("Id"), layoutId),
                       DBParam(QStringLiteral("S"), text)}) == 1;
}
