#include "shell/ui/Link.h"

#include "data/Database.h"
#include "data/Messages.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

TLinkSet::TLinkSet()
{
    IdFld = AddField<TIntegerField>(QStringLiteral("Id"), -1, false);
    AddField<TIntegerField>(QStringLiteral("GroupId"), -1, false);
    TitleFld = AddField<TStringField>(QStringLiteral("Title"), 50, true, QStringLiteral("标题"));
    lpFileFld = AddField<TStringField>(QStringLiteral("lpFile"), 255, true,
                                       QStringLiteral("文件"));
    lpParametersFld = AddField<TStringField>(QStringLiteral("lpParameters"), 255, true,
                                             QStringLiteral("参数"));
    NoteFld = AddField<TStringField>(QStringLiteral("Note"), 250, true, QStringLiteral("说明"));
    OpenSQL(QStringLiteral("select Id,GroupId,Title,lpFile,lpParameters,[Note] from link "
                           "order by Id"));
}

namespace {
TDBParameters LinkParams(const TLink &link)
{
    return {DBParam(QStringLiteral("GroupId"), link.GroupId),
            DBParam(QStringLiteral("Title"), link.Title),
            DBParam(QStringLiteral("lpFile"), link.lpFile),
            DBParam(QStringLiteral("lpParameters"), link.lpParameters),
            DBParam(QStringLiteral("Note"), link.Note)};
}
} // namespace

bool LoadLink(TLink &link, int id)
{
    TRecordSet set;
    if (set.OpenSQL(QStringLiteral("select Id,GroupId,Title,lpFile,lpParameters,[Note] "
                                   "from link where Id=:Id"),
                    {DBParam(QStringLiteral("Id"), id)})
        != 1)
        return false;
    const TDataSet *d = set.DataSet();
    link.Id = d->Field(0)->AsInteger();
    link.GroupId = d->Field(1)->AsInteger();
    link.Title = d->Field(2)->AsString();
    link.lpFile = d->Field(3)->AsString();
    link.lpParameters = d->Field(4)->AsString();
    link.Note = d->Field(5)->AsString();
    return true;
}

bool InsertLink(const TLink &link)
{
    return TheDatabase().ExecSQL(
               QStringLiteral("insert into link(GroupId,Title,lpFile,lpParameters,[Note])"
                              "values(:GroupId,:Title,:lpFile,:lpParameters,:Note)"),
               LinkParams(link))
        == 1;
}

bool UpdateLink(const TLink &link)
{
    TDBParameters params = LinkParams(link);
    params.append(DBParam(QStringLiteral("Id"), link.Id));
    return TheDatabase().ExecSQL(
               QStringLiteral("update link set GroupId=:GroupId,Title=:Title,lpFile=:lpFile,"
                              "lpParameters=:lpParameters,[Note]=:Note where Id=:Id"),
               params)
        == 1;
}

bool DeleteLink(const TLink &link)
{
    return TheDatabase().ExecSQL(QStringLiteral("delete from link where Id=:Id"),
                                 {DBParam(QStringLiteral("Id"), link.Id)})
        == 1;
}

void RunLink(const TLink &link, QWidget *)
{
    // A web link opens in the desktop's browser, whatever program name it was stored with.
    if (link.lpFile.compare(QLatin1String("IEXPLORE.EXE"), Qt::CaseInsensitive) == 0) {
        QDesktopServices::openUrl(QUrl::fromUserInput(link.lpParameters));
        return;
    }
    const QString program = QStandardPaths::findExecutable(link.lpFile);
    const QFileInfo file(link.lpFile);
    if (!program.isEmpty() || (file.isFile() && file.isExecutable())) {
        QProcess::startDetached(program.isEmpty() ? file.absoluteFilePath() : program,
                                QProcess::splitCommand(link.lpParameters));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

namespace {
QString FirstInstalled(std::initializer_list<const char *> programs)
{
    for (const char *name : programs) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}
} // namespace

QString FindTextEditor()
{
#ifdef Q_OS_WIN
    return FirstInstalled({"notepad.exe"});
#else
    return FirstInstalled({"gedit", "gnome-text-editor", "mousepad", "kate", "kwrite", "xed",
                           "pluma", "featherpad", "leafpad"});
#endif
}

QString FindCalculator()
{
#ifdef Q_OS_WIN
    return FirstInstalled({"calc.exe"});
#else
    return FirstInstalled({"gnome-calculator", "kcalc", "galculator", "qalculate-gtk",
                           "mate-calc", "xcalc"});
#endif
}

void RunTextEditor()
{
    const QString program = FindTextEditor();
    if (program.isEmpty()) {
        ShowInfo(QStringLiteral("本机没有安装文本编辑器(如 gedit、mousepad、kate、xed 或 "
                                "gnome-text-editor),请先安装其中之一."));
        return;
    }
    QProcess::startDetached(program, {});
}

void RunCalculator()
{
    const QString program = FindCalculator();
    if (program.isEmpty()) {
        ShowInfo(QStringLiteral("本机没有安装计算器(如 gnome-calculator、kcalc、galculator 或 "
                                "qalculate-gtk),请先安装其中之一."));
        return;
    }
    QProcess::startDetached(program, {});
}
