#include "masterdata/UnitSet.h"

TUnitSet::TUnitSet() : TMasterSet(Table(), QString())
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, true, QStringLiteral("ID"));
    NameFld = AddField<TWideStringField>(QStringLiteral("Name"), 30, true, QStringLiteral("名称"));
    RateFld = AddField<TFloatField>(QStringLiteral("Rate"), -1, true, QStringLiteral("换算率"));
    NoteFld = AddField<TWideStringField>(QStringLiteral("NoteX"), 50, true, QStringLiteral("备注"));
}

const TMasterTable &TUnitSet::Table()
{
    static const TMasterTable table{
        QStringLiteral("unit"),
        {QStringLiteral("Name"), QStringLiteral("Rate"), QStringLiteral("[NoteX]")},
        QStringLiteral("Id"), {}, {}, {}};
    return table;
}

RUnit TUnitSet::AsData() const
{
    return {IdFld->AsInteger(), TextOf(NameFld), OptFloat(RateFld), TextOf(NoteFld)};
}

void TUnitSet::SetAsData(const RUnit &data)
{
    EditOrAppend(data.Id);
    IdFld->SetValue(data.Id);
    NameFld->SetValue(data.Name);
    RateFld->SetValue(Nullable(data.Rate));
    NoteFld->SetValue(data.NoteX);
    DataSet()->Post();
}

bool TUnitSet::Check(const RUnit &data, QString *message)
{
    if (!data.Name.trimmed().isEmpty())
        return true;
    if (message)
        *message = QStringLiteral("单位名称必须填写");
    return false;
}

bool TUnitSet::Save(RUnit &data)
{
    return Table().Save({DBParam(QStringLiteral("Name"), data.Name),
                         DBParam(QStringLiteral("Rate"), Nullable(data.Rate)),
                         DBParam(QStringLiteral("NoteX"), data.NoteX)},
                        data.Id);
}

bool TUnitSet::Delete(int id, QString *error)
{
    try {
        return Table().Delete(id, {}, error);
    } catch (const EDatabaseError &e) {
        if (error)
            *error = e.Message();
        ShowDeleteRefused(e.Message());
        return false;
    }
}

bool TUnitSet::GetById(int id, RUnit &data)
{
    TUnitSet set;
    if (!set.LoadById(id))
        return false;
    data = set.AsData();
    return true;
}
