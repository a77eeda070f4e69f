#pragma once

#include "data/RecordSet.h"

#include <QString>

class QWidget;

// One item of the tools menu (table link): a web link or a program or document.
struct TLink
{
    int Id = -1;                // -1: not stored yet
    int GroupId = 0;
    QString Title;
    QString lpFile;             // "IEXPLORE.EXE" for a web link
    QString lpParameters;       // the address of a web link
    QString Note;
    bool IsWebLink() const { return lpFile == QLatin1String("IEXPLORE.EXE"); }
};

// Every link in Id order.
class TLinkSet : public TRecordSet
{
    Q_OBJECT
public:
    TLinkSet();
    TField *IdFld;
    TField *TitleFld;
    TField *lpFileFld;
    TField *lpParametersFld;
    TField *NoteFld;
};

// True when exactly one row was read or affected.
bool LoadLink(TLink &link, int id);
bool InsertLink(const TLink &link);
bool UpdateLink(const TLink &link);
bool DeleteLink(const TLink &link);
// Opens the link as a separate process and does not wait; failures show nothing.
void RunLink(const TLink &link, QWidget *owner = nullptr);

// The desktop's own text editor and calculator: the first of the known programs installed.
QString FindTextEditor();
QString FindCalculator();
// Starts the editor ("计事本") or the calculator ("计算器"), or says that none is installed.
void RunTextEditor();
void RunCalculator();
