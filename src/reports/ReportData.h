#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class TDataSet;

// What a template sees of a column of a data set.
struct TReportField
{
    QString Name;
    QString Label;
    bool Visible = true;
    bool Numeric = false;
    bool Money = false;         // summed in the footers of the standard layouts
    int Width = 10;             // characters
    QString Format;
};

// The cursor the bands run over: open, first, next, eof and values by field name.
class TReportDataSource
{
public:
    virtual ~TReportDataSource() = default;
    virtual QString Name() const = 0;
    virtual QList<TReportField> Fields() const = 0;
    virtual int RowCount() const = 0;
    virtual void Open() {}
    virtual void First() = 0;
    virtual void Next() = 0;
    virtual bool Eof() const = 0;
    virtual bool HasField(const QString &field) const = 0;
    // The value of the current row, and the text a grid would show for it.
    virtual QVariant Value(const QString &field) const = 0;
    virtual QString DisplayText(const QString &field) const = 0;
    // The sum of a field over every row (empty values count as 0).
    virtual double Sum(const QString &field) const = 0;
};

// A data set of the system as a report data source. The data set is not moved, so bound
// grids stay quiet; outside the master band the data set's current row is the one shown.
class TDataSetSource : public TReportDataSource
{
public:
    TDataSetSource(const QString &name, TDataSet *dataSet);
    QString Name() const override { return m_name; }
    QList<TReportField> Fields() const override;
    int RowCount() const override;
    void Open() override;
    void First() override { m_pos = 0; }
    void Next() override { ++m_pos; }
    bool Eof() const override { return m_pos >= RowCount(); }
    bool HasField(const QString &field) const override;
    QVariant Value(const QString &field) const override;
    QString DisplayText(const QString &field) const override;
    double Sum(const QString &field) const override;
    TDataSet *DataSet() const { return m_dataSet; }

private:
    int Column(const QString &field) const;
    QString m_name;
    TDataSet *m_dataSet;
    int m_pos = 0;
    mutable QHash<QString, double> m_sums;
};

// Data sets by name, the variables and the page numbers of one run, and the evaluation of
// the [expressions] in texts.
class TReportContext
{
public:
    TReportContext();
    ~TReportContext();

    void AddDataSource(std::unique_ptr<TReportDataSource> source);
    void AddDataSet(const QString &name, TDataSet *dataSet);
    TReportDataSource *Source(const QString &name) const;
    QStringList SourceNames() const;
    void Clear();

    // Variables, also offered as the fields of the user data set "u".
    void SetVariables(const QStringList &names, const QStringList &values);
    const QStringList &VariableNames() const { return m_varNames; }
    // As a report variable: a known name yields its value, an unknown one nothing.
    bool FindVariable(const QString &name, QString *value) const;
    // As a field of "u": a known name yields its value, an unknown one the name itself.
    QString UserField(const QString &name) const;

    int Page = 1;
    int Line = 0;                   // the row number within the master band
    QDate Date;

    // "[d0.Qty] 件" → the text with every [expression] replaced. Numbers and dates take the
    // format when one is given. [Pages] stays a mark until the page count is known.
    QString Substitute(const QString &text, const QString &format = QString()) const;
    QVariant Evaluate(const QString &expression, QString *text = nullptr) const;
    // The bill's total: the variable TotalFund when set, else the sum of the first money
    // column of "d0".
    double Total() const;

    static QChar PagesMark() { return QChar(0xE000); }
    static QString ReplacePages(QString text, int pages);

private:
    std::vector<std::unique_ptr<TReportDataSource>> m_sources;
    QStringList m_varNames;
    QStringList m_varValues;
};

// A data set from comma-separated text whose first row holds the field names. Columns whose
// every value is a number become numeric fields. Raises EConvertError on a bad file.
std::unique_ptr<TDataSet> LoadCsvDataSet(const QString &fileName);
