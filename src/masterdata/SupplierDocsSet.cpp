#include "masterdata/SupplierDocsSet.h"

#include "data/Database.h"
#include "data/Numbering.h"
#include "data/RecordSet.h"
#include "masterdata/SaveTransaction.h"

#include <QFile>

TSupplierDocsSet::TSupplierDocsSet()
{
    dlIdFld = AddFieldDef<TIntegerField>(QStringLiteral("dlId"), 0, false);
    SupplierIdFld = AddFieldDef<TIntegerField>(QStringLiteral("SupplierId"), 0, false);
    BizDateFld = AddFieldDef<TDateTimeField>(QStringLiteral("BizDate"), 0, true,
                                             QStringLiteral("取得日期"));
    HandmanFld = AddFieldDef<TWideStringField>(QStringLiteral("Handman"), 50, true,
                                               QStringLiteral("经手人"));
    DocNameFld = AddFieldDef<TWideStringField>(QStringLiteral("DocName"), 50, true,
                                               QStringLiteral("文档名称"));
    DocFromFld = AddFieldDef<TWideStringField>(QStringLiteral("DocFrom"), 250, false);
    dlNotesFld = AddFieldDef<TMemoField>(QStringLiteral("dlNotes"), 0, true, QStringLiteral("备注"));
    BillmanFld = AddFieldDef<TWideStringField>(QStringLiteral("Billman"), 50, true,
                                               QStringLiteral("编制人"));
    BillTimeFld = AddFieldDef<TDateTimeField>(QStringLiteral("BillTime"), 0, true,
                                              QStringLiteral("编制时间"));
    CreateDataSet();
}

void TSupplierDocsSet::LoadBySupplier(int supplierId)
{
    TRecordSet rows;
    rows.OpenSQL(QStringLiteral("select dlId, BizDate, Handman, DocName, dlNotes, Billman, "
                                "BillTime, SupplierId from supplierdocs where SupplierId=:Id "
                                "order by dlId"),
                 {DBParam(QStringLiteral("Id"), supplierId)});
    TDataSet *src = rows.DataSet();
    m_data->DisableControls();
    m_data->EmptyDataSet();
    for (src->First(); !src->Eof(); src->Next()) {
        m_data->Append();
        for (TField *f : src->Fields())
            m_data->FieldByName(f->FieldName)->SetValue(f->Value());
        m_data->Post();
    }
    m_data->First();
    m_data->EnableControls();
}

RSupplierDoc TSupplierDocsSet::AsData() const
{
    RSupplierDoc r;
    r.dlId = dlIdFld->AsInteger();
    r.SupplierId = SupplierIdFld->AsInteger();
    r.BizDate = BizDateFld->IsNull() ? QDateTime() : BizDateFld->AsDateTime();
    r.Handman = HandmanFld->AsString();
    r.DocName = DocNameFld->AsString();
    r.DocFrom = DocFromFld->AsString();
    r.dlNotes = dlNotesFld->AsString();
    r.Billman = BillmanFld->AsString();
    r.BillTime = BillTimeFld->IsNull() ? QDateTime() : BillTimeFld->AsDateTime();
    return r;
}

void TSupplierDocsSet::SetAsData(const RSupplierDoc &data)
{
    if (data.dlId > 0 && m_data->Locate(QStringLiteral("dlId"), data.dlId))
        m_data->Edit();
    else
        m_data->Append();
    dlIdFld->SetValue(data.dlId);
    SupplierIdFld->SetValue(data.SupplierId);
    BizDateFld->SetValue(data.BizDate.isValid() ? QVariant(data.BizDate) : QVariant());
    HandmanFld->SetValue(data.Handman);
    DocNameFld->SetValue(data.DocName);
    DocFromFld->SetValue(data.DocFrom);
    dlNotesFld->SetValue(data.dlNotes);
    BillmanFld->SetValue(data.Billman);
    BillTimeFld->SetValue(data.BillTime.isValid() ? QVariant(data.BillTime) : QVariant());
    m_data->Post();
}

bool TSupplierDocsSet::SaveDocument(RSupplierDoc &data)
{
    if (!Save(data))
        return false;
    SetAsData(data);
    return true;
}

bool TSupplierDocsSet::DeleteDocument(int dlId)
{
    if (dlId == -1) {
        if (m_data->IsEmpty())
            return false;
        dlId = dlIdFld->AsInteger();
    }
    if (!Delete(dlId))
        return false;
    if (m_data->Locate(QStringLiteral("dlId"), dlId))
        m_data->Delete();
    return true;
}

namespace {
QVariant DateValue(const QDateTime &value)
{
    return value.isValid() ? QVariant(value) : QVariant();
}
} // namespace

bool TSupplierDocsSet::Save(RSupplierDoc &data)
{
    TDBParameters params{DBParam(QStringLiteral("SupplierId"), data.SupplierId),
                         DBParam(QStringLiteral("BizDate"), DateValue(data.BizDate)),
                         DBParam(QStringLiteral("Handman"), data.Handman),
                         DBParam(QStringLiteral("DocName"), data.DocName),
                         DBParam(QStringLiteral("dlNotes"), data.dlNotes),
                         DBParam(QStringLiteral("Billman"), data.Billman),
                         DBParam(QStringLiteral("BillTime"), DateValue(data.BillTime))};
    TDatabase &db = TheDatabase();
    if (data.dlId > 0) {
        params << DBParam(QStringLiteral("dlId"), data.dlId);
        TSaveTransaction trans(db);
        if (db.ExecSQL(QStringLiteral("update supplierdocs set SupplierId=:SupplierId, "
                                      "BizDate=:BizDate, Handman=:Handman, DocName=:DocName, "
                                      "dlNotes=:dlNotes, Billman=:Billman, BillTime=:BillTime "
                                      "where dlId=:dlId"),
                       params) != 1)
            return false;
        trans.Commit();
        return true;
    }
    // The file is read before anything is written: a missing file changes nothing.
    QFile file(data.DocFrom);
    if (!file.open(QIODevice::ReadOnly))
        throw EOpenBuyError(QStringLiteral("无法读取文件 %1: %2").arg(data.DocFrom, file.errorString()));
    const QByteArray bytes = file.readAll();
    TSaveTransaction trans(db);
    const int id = NewId(db, QStringLiteral("supplierdocs"), QStringLiteral("dlId"));
    params << DBParam(QStringLiteral("dlId"), id);
    if (db.ExecSQL(QStringLiteral("insert into supplierdocs(dlId, SupplierId, BizDate, Handman, "
                                  "DocName, DocData, dlNotes, Billman, BillTime)values(:dlId,"
                                  ":SupplierId,:BizDate,:Handman,:DocName,:DocData,:dlNotes,"
                                  ":Billman,:BillTime)"),
                   params, {xDBParam(QStringLiteral("DocData"), &bytes)}) != 1)
        return false;
    trans.Commit();
    data.dlId = id;
    return true;
}

bool TSupplierDocsSet::Delete(int dlId)
{
    TDatabase &db = TheDatabase();
    TSaveTransaction trans(db);
    if (db.ExecSQL(QStringLiteral("delete from supplierdocs where dlId=:dlId"),
                   {DBParam(QStringLiteral("dlId"), dlId)}) != 1)
        return false;
    trans.Commit();
    return true;
}

bool TSupplierDocsSet::FetchDocumentData(int dlId, QByteArray &data)
{
    TRecordSet set;
    if (set.OpenSQL(QStringLiteral("select DocData from supplierdocs where dlId=:Id"),
                    {DBParam(QStringLiteral("Id"), dlId)}) != 1)
        return false;
    data = set.DataSet()->Field(0)->AsBytes();
    return true;
}
