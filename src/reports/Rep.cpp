#include "reports/Rep.h"

#include "config/Operator.h"
#include "data/Database.h"
#include "data/Numbering.h"
#include "data/RecordSet.h"
#include "reports/ReportLayout.h"

#include <QFile>

namespace {
TRep::TWindowHook &PreviewHook()
{
    static TRep::TWindowHook hook;
    return hook;
}

TRep::TWindowHook &DesignHook()
{
    static TRep::TWindowHook hook;
    return hook;
}
} // namespace

TRep::TRep() = default;
TRep::~TRep() = default;

void TRep::SetPreviewHook(TWindowHook hook) { PreviewHook() = std::move(hook); }
void TRep::SetDesignHook(TWindowHook hook) { DesignHook() = std::move(hook); }

void TRep::Preview(int id)
{
    LoadTemplate(id);
    if (PreviewHook())
        PreviewHook()(*this);
}

void TRep::Design(int id)
{
    LoadTemplate(id);
    if (DesignHook())
        DesignHook()(*this);
}

void TRep::AddVar(const QString &name, const QString &text)
{
    if (name.isEmpty())
        return;
    m_varNames.append(name);
    m_varValues.append(text.isEmpty() ? QStringLiteral(" ") : text);
    m_context.SetVariables(m_varNames, m_varValues);
}

void TRep::AddDataSet(const QString &name, TDataSet *dataSet)
{
    const int at = m_dataSetNames.indexOf(name);
    if (at >= 0) {
        m_dataSets[at] = dataSet;
    } else {
        m_dataSetNames.append(name);
        m_dataSets.append(dataSet);
    }
    m_context.AddDataSet(name, dataSet);
}

void TRep::AddDataSets(const QList<TDataSet *> &dataSets)
{
    for (int i = 0; i < dataSets.size(); ++i)
        AddDataSet(QStringLiteral("d%1").arg(i), dataSets[i]);
}

TDataSet *TRep::DataSetByName(const QString &name) const
{
    const int at = m_dataSetNames.indexOf(name);
    return at >= 0 ? m_dataSets[at] : nullptr;
}

bool TRep::FindVariable(const QString &name, QString *value) const
{
    return m_context.FindVariable(name, value);
}

QString TRep::UserField(const QString &name) const { return m_context.UserField(name); }

void TRep::LoadTemplate(int id)
{
    m_report = TReportTemplate();
    TRecordSet set;
    set.OpenSQL(QStringLiteral("select * from report where Id=:Id"),
                {DBParam(QStringLiteral("Id"), id)});
    TDataSet *d = set.DataSet();
    if (!d->IsEmpty()) {
        m_group = d->FieldByName(QStringLiteral("GrpId"))->AsInteger();
        const QByteArray bytes = d->FieldByName(QStringLiteral("Fr3File"))->AsBytes();
        QString error;
        if (!bytes.isEmpty() && !m_report.FromXml(bytes, &error))
            throw EConvertError(error);
    }
    m_tag = id;
}

int TRep::NewTemplate(const QString &title, int group)
{
    const int id = NewId(QStringLiteral("report"));
    TheDatabase().ExecSQL(
        QStringLiteral("insert into report(Id,GrpId,Title)values(:Id,:GroupId,:Title)"),
        {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("GroupId"), group),
         DBParam(QStringLiteral("Title"), title)});
    return id;
}

void TRep::RenameTemplate(int id, const QString &title)
{
    TheDatabase().ExecSQL(QStringLiteral("update report set Title=:Title where Id=:Id"),
                          {DBParam(QStringLiteral("Title"), title),
                           DBParam(QStringLiteral("Id"), id)});
}

void TRep::DeleteTemplate(int id)
{
    TheDatabase().ExecSQL(QStringLiteral("delete from report where Id=:Id"),
                          {DBParam(QStringLiteral("Id"), id)});
}

void TRep::SaveTemplate()
{
    const QByteArray bytes = m_report.ToXml();
    TDatabase &db = TheDatabase();
    db.BeginTrans();
    try {
        TRecordSet set;
        const bool exists = set.OpenSQL(QStringLiteral("select 1 from report where Id=:Id"),
                                        {DBParam(QStringLiteral("Id"), m_tag)}) > 0;
        const QString sql = exists
            ? QStringLiteral("update report set Fr3File=:Fr3File where Id=:Id")
            : QStringLiteral("insert into report (Fr3File,Id)values(:Fr3File,:Id)");
        db.ExecSQL(sql, {DBParam(QStringLiteral("Id"), m_tag)},
                   {xDBParam(QStringLiteral("Fr3File"), &bytes)});
        db.CommitTrans();
    } catch (...) {
        db.RollbackTrans();
        throw;
    }
}

bool TRep::SaveToFile(const QString &fileName, QString *error) const
{
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(m_report.ToXml()) >= 0)
        return true;
    if (error)
        *error = QStringLiteral("无法写入文件 %1: %2").arg(fileName, file.errorString());
    return false;
}

bool TRep::LoadFromFile(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("无法读取文件 %1: %2").arg(fileName, file.errorString());
        return false;
    }
    TReportTemplate report;
    if (!report.FromXml(file.readAll(), error))
        return false;
    m_report = report;
    return true;
}

std::unique_ptr<TReportLayout> TRep::CreateLayout()
{
    for (int i = 0; i < m_dataSets.size(); ++i)
        m_context.AddDataSet(m_dataSetNames[i], m_dataSets[i]);
    return std::make_unique<TReportLayout>(m_report, m_context);
}

TProjRep::TProjRep()
{
    TRecordSet set;
    set.OpenSQL(QStringLiteral("select CompanyName,Tel,Fax,Address,Zip from Company order by Id"));
    const auto text = [&](int column) {
        return set.DataSet()->IsEmpty() ? QString() : set.DataSet()->Field(column)->AsString();
    };
    AddVar(QStringLiteral("u_Company"), text(0));
    AddVar(QStringLiteral("u_Tel"), text(1));
    AddVar(QStringLiteral("u_Fax"), text(2));
    AddVar(QStringLiteral("u_Address"), text(3));
    AddVar(QStringLiteral("u_Zip"), text(4));
    AddVar(QStringLiteral("u_Operator"), TheOperator().LoginId);
}
