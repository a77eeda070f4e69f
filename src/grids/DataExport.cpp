#include "grids/DataExport.h"

#include "data/DataSet.h"
#include "data/Exceptions.h"

#include <QFile>
#include <QStringEncoder>

#include <xlsxwriter.h>

#include <functional>

namespace {
// Walks the rows first to last without the grid following, and returns to the row it found.
class TRowWalk
{
public:
    explicit TRowWalk(TDataSet &dataSet) : m_data(dataSet)
    {
        m_data.CheckBrowseMode();
        m_data.DisableControls();
        m_bookmark = m_data.GetBookmark();
    }
    ~TRowWalk()
    {
        if (m_data.BookmarkValid(m_bookmark))
            m_data.GotoBookmark(m_bookmark);
        m_data.EnableControls();
    }
    int Run(const std::function<void()> &row)
    {
        int count = 0;
        for (m_data.First(); !m_data.Eof(); m_data.Next()) {
            row();
            ++count;
            if (m_data.RecNo() >= m_data.RecordCount())
                break;
        }
        return count;
    }

private:
    TDataSet &m_data;
    TBookmark m_bookmark = NoBookmark;
};

QString CellText(const TDataSet &dataSet, int fieldIndex, TExportText text)
{
    const TField *field = dataSet.Field(fieldIndex);
    return text == TExportText::FieldText ? field->AsString() : field->DisplayText();
}

class TTextFile
{
public:
    TTextFile(const QString &path, TExportEncoding encoding)
        : m_file(path),
          m_encoder(encoding == TExportEncoding::Utf8 ? "UTF-8" : "GB18030")
    {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw EOpenBuyError(QStringLiteral("无法创建文件 %1:\r\n%2")
                                    .arg(path, m_file.errorString()));
    }
    void Line(const QString &text)
    {
        const QByteArray bytes = m_encoder.encode(text + QStringLiteral("\r\n"));
        if (m_file.write(bytes) != bytes.size())
            throw EOpenBuyError(QStringLiteral("写文件 %1 失败:\r\n%2")
                                    .arg(m_file.fileName(), m_file.errorString()));
    }
    void Close()
    {
        if (!m_file.flush())
            throw EOpenBuyError(QStringLiteral("写文件 %1 失败:\r\n%2")
                                    .arg(m_file.fileName(), m_file.errorString()));
        m_file.close();
    }

private:
    QFile m_file;
    QStringEncoder m_encoder;
};
} // namespace

int WriteDelimitedFile(TDataSet &dataSet, const RExportColumns &columns, const QString &path,
                       QChar separator, TExportEncoding encoding, TExportText text)
{
    TTextFile file(path, encoding);
    QString line;
    for (const RExportColumn &c : columns)
        line += c.Caption + separator;
    file.Line(line);
    TRowWalk walk(dataSet);
    const int count = walk.Run([&] {
        line.clear();
        for (const RExportColumn &c : columns)
            line += CellText(dataSet, c.FieldIndex, text) + separator;
        file.Line(line);
    });
    file.Close();
    return count;
}

QString HtmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

int WriteHtmlFile(TDataSet &dataSet, const RExportColumns &columns, const QString &path,
                  TExportEncoding encoding, TExportText text)
{
    TTextFile file(path, encoding);
    const auto cell = [](const QString &value) {
        return QStringLiteral("<td nowrap>") + HtmlEscaped(value) + QStringLiteral("&nbsp;</td>");
    };
    // The code page is declared so that a browser does not have to guess it.
    const QString charset = encoding == TExportEncoding::Utf8 ? QStringLiteral("UTF-8")
                                                              : QStringLiteral("GB18030");
    for (const char *tag : {"<html>", "<head>"})
        file.Line(QLatin1String(tag));
    file.Line(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                             "charset=%1\">").arg(charset));
    for (const char *tag : {"<title></title>", "</head>", "<body>", "<table>", "<tr>"})
        file.Line(QLatin1String(tag));
    for (const RExportColumn &c : columns)
        file.Line(cell(c.Caption));
    file.Line(QStringLiteral("</tr>"));
    TRowWalk walk(dataSet);
    const int count = walk.Run([&] {
        file.Line(QStringLiteral("<tr>"));
        for (const RExportColumn &c : columns)
            file.Line(cell(CellText(dataSet, c.FieldIndex, text)));
        file.Line(QStringLiteral("</tr>"));
    });
    for (const char *tag : {"</table>", "</body>", "</html>"})
        file.Line(QLatin1String(tag));
    file.Close();
    return count;
}

namespace {
void Check(lxw_error error, const QString &path)
{
    if (error != LXW_NO_ERROR)
        throw EOpenBuyError(QStringLiteral("写文件 %1 失败:\r\n%2")
                                .arg(path, QString::fromUtf8(lxw_strerror(error))));
}
} // namespace

int WriteXlsxFile(TDataSet &dataSet, const RExportColumns &columns, const QString &path,
                  TExportText text)
{
    const QByteArray name = QFile::encodeName(path);
    lxw_workbook *book = workbook_new(name.constData());
    if (!book)
        throw EOpenBuyError(QStringLiteral("无法创建文件 %1").arg(path));
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
    lxw_format *textFormat = workbook_add_format(book);
    format_set_num_format(textFormat, "@");
    lxw_format *captionFormat = workbook_add_format(book);
    format_set_num_format(captionFormat, "@");
    format_set_bold(captionFormat);
    // Every cell is text, as the grid shows it, so codes keep their leading zeros.
    worksheet_set_column(sheet, 0, lxw_col_t(std::max<qsizetype>(columns.size(), 1) - 1), 14,
                         textFormat);
    int count = 0;
    try {
        for (int c = 0; c < columns.size(); ++c)
            Check(worksheet_write_string(sheet, 0, lxw_col_t(c),
                                         columns[c].Caption.toUtf8().constData(),
                                         captionFormat), path);
        TRowWalk walk(dataSet);
        count = walk.Run([&] {
            const lxw_row_t row = lxw_row_t(count + 1);
            for (int c = 0; c < columns.size(); ++c) {
                const QString value = CellText(dataSet, columns[c].FieldIndex, text);
                if (!value.isEmpty())
                    Check(worksheet_write_string(sheet, row, lxw_col_t(c),
                                                 value.toUtf8().constData(), textFormat), path);
            }
            ++count;
        });
    } catch (...) {
        workbook_close(book);
        QFile::remove(path);
        throw;
    }
    Check(workbook_close(book), path);
    return count;
}
