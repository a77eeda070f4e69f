#include "shell/ui/Mall.h"

#include "data/Database.h"
#include "data/RecordSet.h"

#include <QApplication>
#include <QWidget>

void Tmall::RegisterBill(int kind, TBillOpener opener)
{
    m_bills.insert(kind, std::move(opener));
}

QString Tmall::HeaderTable(int kind)
{
    static const char *const tables[] = {"buorderfrm", "buy", "payment", "shouldout", "buplanfrm",
                                         "buinquiryfrm", "buappfrm", "buinvfrm", "buqualifrm"};
    return kind >= 0 && kind <= 8 ? QString::fromLatin1(tables[kind]) : QString();
}

bool Tmall::OpenBill(int kind, QWidget *owner, int id)
{
    m_lastOpened = nullptr;
    const auto opener = m_bills.constFind(kind);
    if (opener == m_bills.constEnd() || kind == 13)
        return false;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    struct TRestore { ~TRestore() { QApplication::restoreOverrideCursor(); } } restore;
    // Without an id the window opens on the latest bill; a plan always starts a new one.
    if (id <= 0 && kind != bkPlan && !HeaderTable(kind).isEmpty()) {
        TRecordSet &lookup = TheLookupSet();
        lookup.OpenSQL(QStringLiteral("select max(Id) from %1").arg(HeaderTable(kind)));
        id = lookup.DataSet()->Field(0)->AsInteger();
    }
    bool loaded = false;
    QWidget *window = opener.value()(owner, id > 0 ? id : 0, &loaded);
    if (window) {
        window->show();
        window->raise();
        window->activateWindow();
    }
    m_lastOpened = window;
    return loaded;
}

void Tmall::Register(const QString &name, TWindowOpener opener)
{
    m_windows.insert(name, std::move(opener));
}

bool Tmall::Open(const QString &name, QWidget *owner)
{
    const auto opener = m_windows.constFind(name);
    if (opener == m_windows.constEnd())
        return false;
    opener.value()(owner);
    return true;
}

void Tmall::PickEmployee(QWidget *owner, TEmployeeCallback callback)
{
    if (EmployeePicker)
        EmployeePicker(owner, std::move(callback));
}

void Tmall::CheckCompanyInfo(QWidget *owner)
{
    if (CompanyInfoCheck)
        CompanyInfoCheck(owner);
}

Tmall &TheMall()
{
    static Tmall *mall = [] {
        auto *m = new Tmall;
        if (qApp)
            m->setParent(qApp);
        return m;
    }();
    return *mall;
}
