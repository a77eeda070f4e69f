#pragma once

#include <QStringList>

// User-defined captions (keyvalue 37): one "Name=Text" line per renamed caption.
class TLabels
{
public:
    static constexpr int LabelsKey = 37;
    TLabels();                          // loads the definitions
    QString GetLabel(const QString &name) const;   // the name itself when undefined
    void SetLabel(const QString &name, const QString &text);
    bool SaveLabels() const;
    QStringList Lines() const { return m_lines; }
    void SetText(const QString &text);

private:
    QStringList m_lines;
};
