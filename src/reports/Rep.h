#pragma once

#include "reports/ReportData.h"
#include "reports/ReportLayout.h"
#include "reports/ReportTemplate.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class TDataSet;

// The report object of every print site: named data sets ("d0", "d1", …), named text
// variables (also the fields of the user data set "u") and the template last loaded.
class TRep
{
public:
    TRep();
    virtual ~TRep();
    TRep(const TRep &) = delete;
    TRep &operator=(const TRep &) = delete;

    virtual void Preview(int id);
    virtual void Design(int id);

    void AddVar(const QString &name, const QString &text);
    void AddDataSet(const QString &name, TDataSet *dataSet);
    void AddDataSets(const QList<TDataSet *> &dataSets);

    // Clears the report and loads the template of that id; Tag() becomes the id.
    void LoadTemplate(int id);
    static int NewTemplate(const QString &title, int group);
    static void RenameTemplate(int id, const QString &title);
    static void DeleteTemplate(int id);
    // The designer's save: the template into report.Fr3File of Tag(), one transaction.
    void SaveTemplate();
    bool SaveToFile(const QString &fileName, QString *error) const;
    // Loads a template file into the report; the tag stays.
    bool LoadFromFile(const QString &fileName, QString *error);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    int Group() const { return m_group; }
    void SetGroup(int group) { m_group = group; }
    TReportTemplate &Report() { return m_report; }
    const TReportTemplate &Report() const { return m_report; }

    // As a report variable: known names yield their value, unknown ones nothing.
    bool FindVariable(const QString &name, QString *value) const;
    // As a field of "u": known names yield their value, unknown ones the name itself.
    QString UserField(const QString &name) const;
    const QStringList &VarNames() const { return m_varNames; }
    const QStringList &VarValues() const { return m_varValues; }
    TReportContext &Context() { return m_context; }
    QStringList DataSetNames() const { return m_dataSetNames; }
    TDataSet *DataSetByName(const QString &name) const;

    // A layout of the loaded template over the data at hand (first page not yet laid out).
    std::unique_ptr<TReportLayout> CreateLayout();

    // The windows of the preview and the designer, installed by the window library.
    using TWindowHook = std::function<void(TRep &)>;
    static void SetPreviewHook(TWindowHook hook);
    static void SetDesignHook(TWindowHook hook);

private:
    TReportTemplate m_report;
    int m_tag = 0;
    int m_group = 0;
    QStringList m_varNames;
    QStringList m_varValues;
    QStringList m_dataSetNames;
    QList<TDataSet *> m_dataSets;
    TReportContext m_context;
};

// The form every print site uses: adds the company's and the operator's variables.
class TProjRep : public TRep
{
public:
    TProjRep();
};
