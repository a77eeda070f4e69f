#pragma once

#include <QList>
#include <QString>

class TDataSet;

// The code page of exported text: GB18030 is what spreadsheet programs on Chinese desktops
// read; UTF-8 for everything else.
enum class TExportEncoding { Gb18030, Utf8 };
// Which text a cell gets: the field's plain text (AsString) or what the grid shows.
enum class TExportText { FieldText, DisplayText };

struct RExportColumn
{
    int FieldIndex = 0;
    QString Caption;
};
using RExportColumns = QList<RExportColumn>;

// Every writer reads the rows from the first to the last with bound controls quiet and puts
// the data set back on its row afterwards. A file that cannot be written raises
// EOpenBuyError with the file system's reason. The result is the number of rows written.

// A header line of captions, then one line per row; every value is followed by the
// separator and lines end with CR LF. Values are written as they stand.
int WriteDelimitedFile(TDataSet &dataSet, const RExportColumns &columns, const QString &path,
                       QChar separator, TExportEncoding encoding,
                       TExportText text = TExportText::FieldText);
// An HTML table, one tag group per line: the captions, then a row per record.
int WriteHtmlFile(TDataSet &dataSet, const RExportColumns &columns, const QString &path,
                  TExportEncoding encoding, TExportText text = TExportText::DisplayText);
// A workbook with the captions in row 1 and the rows below, every cell a text cell.
int WriteXlsxFile(TDataSet &dataSet, const RExportColumns &columns, const QString &path,
                  TExportText text = TExportText::DisplayText);
// Escapes &, <, > and quotes so that a value cannot break the table.
QString HtmlEscaped(const QString &text);
