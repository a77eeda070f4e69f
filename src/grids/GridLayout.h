#pragma once

#include <QList>
#include <QString>

// One grid column as its saved layout sees it.
struct RLayoutColumn
{
    QString FieldName;
    bool Visible = true;
    int Width = 64;
};
using RLayoutColumns = QList<RLayoutColumn>;

// "Code=True120" per column, in column order, lines joined by CR LF.
QString LayoutText(const RLayoutColumns &columns);
// Applies a layout text to the default columns: visibility and width for every column that
// has a line, then the columns that have lines move to the lines' order; columns without a
// line keep the places left over. A line that cannot be read ends the reading silently and
// what was applied so far stays; lines naming fields the grid lacks are ignored.
void ApplyLayoutText(RLayoutColumns &columns, const QString &text);

// The saved layouts in syscols (one row per layout id, shared by every operator).
// An absent row reads as an empty text.
QString LoadLayoutText(int layoutId);
// Updates the row of the id or inserts it; true when exactly one row was written.
bool SaveLayoutText(int layoutId, const QString &text);
