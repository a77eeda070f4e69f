#include "data/Labels.h"

#include "data/KeyValueSet.h"

#include <QRegularExpression>

TLabels::TLabels()
{
    SetText(TKeyValueSet::ReadText(LabelsKey));
}

void TLabels::SetText(const QString &text)
{
    m_lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts);
}

QString TLabels::GetLabel(const QString &name) const
{
    const QString prefix = name + u'=';
    for (const QString &line : m_lines)
        if (line.startsWith(prefix, Qt::CaseInsensitive))
            return line.mid(prefix.size());
    return name;
}

void TLabels::SetLabel(const QString &name, const QString &text)
{
    const QString prefix = name + u'=';
    for (QString &line : m_lines) {
        if (line.startsWith(prefix, Qt::CaseInsensitive)) {
            line = prefix + text;
            return;
        }
    }
    m_lines.append(prefix + text);
}

bool TLabels::SaveLabels() const
{
    return TKeyValueSet::WriteText(LabelsKey, m_lines.join(QStringLiteral("\r\n")));
}
