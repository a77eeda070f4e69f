#include "config/PickList.h"

#include <QRegularExpression>

bool TPickList::ReadPickList(int key, QString &text)
{
    TRecordSet set;
    if (set.OpenSQL(QStringLiteral("select [Key], [Label], [List] from options where [Key]=:Key"),
                    {DBParam(QStringLiteral("Key"), key)})
        != 1)
        return false;
    text = set.DataSet()->Field(2)->AsString();
    return true;
}

bool TPickList::WritePickList(int key, const QString &text)
{
    const TDBParameters params = {DBParam(QStringLiteral("Label"), QString()),
                                  DBParam(QStringLiteral("List"), text),
                                  DBParam(QStringLiteral("Key"), key)};
    if (TheDatabase().ExecSQL(QStringLiteral("update options set [Label]=:Label, [List]=:List "
                                             "where [Key]=:Key"),
                              params)
        == 1)
        return true;
    return TheDatabase().ExecSQL(QStringLiteral("insert into options([Label], [List], [Key])"
                                                "values(:Label, :List, :Key)"),
                                 params)
        == 1;
}

QStringList TPickList::Items(int key)
{
    QString text;
    if (!ReadPickList(key, text))
        return {};
    return text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts);
}

const QStringList &TPickList::Names()
{
    static const QStringList names = {QStringLiteral("常用计量单位"), QStringLiteral("特殊字符"),
                                      QStringLiteral("信誉评价"), QStringLiteral("付款方式")};
    return names;
}

TPickListSet::TPickListSet()
{
    KeyFld = AddField<TIntegerField>(QStringLiteral("Key"));
    LabelFld = AddField<TWideStringField>(QStringLiteral("Label"), 50);
    ListFld = AddField<TMemoField>(QStringLiteral("List"));
}

void TPickListSet::EnsureOpen()
{
    if (!DataSet()->Active())
        OpenSQL(QStringLiteral("select [Key], [Label], [List] from options order by [Key]"));
}

int TPickListSet::Count()
{
    EnsureOpen();
    return DataSet()->RecordCount();
}

void TPickListSet::SetCount(int count)
{
    EnsureOpen();
    if (count <= DataSet()->RecordCount())
        return;
    while (DataSet()->RecordCount() < count) {
        TRecordSet &lookup = TheLookupSet();
        lookup.OpenSQL(QStringLiteral("select max([Key]) from options"));
        const TField *max = lookup.DataSet()->Field(0);
        const int key = max->IsNull() ? 0 : max->AsInteger() + 1;
        Database().ExecCommand(
            QStringLiteral("insert into options([Key], List) values (:Key, :List)"),
            {DBParam(QStringLiteral("Key"), key), DBParam(QStringLiteral("List"), QVariant())});
        Refresh();
    }
}

void TPickListSet::Reopen()
{
    Close();
}

TPickListSet &ThePickList()
{
    static TPickListSet *set = new TPickListSet;
    return *set;
}
