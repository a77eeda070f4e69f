#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// Bill kinds: the shared code of a document type.
enum TBillKind {
    bkOrder = 0, bkBuy = 1, bkPayment = 2, bkShldout = 3, bkPlan = 4, bkInquiry = 5,
    bkApp = 6, bkInvoice = 7, bkQuality = 8
};

// The launcher: opens windows for the menus, the desktop and the report windows, and above
// all the bill window of a kind on a given bill. Modules register what they can open when the
// program starts, so that the launcher knows every window without depending on them.
class Tmall : public QObject
{
    Q_OBJECT
public:
    // Creates the bill window of a kind, owned by owner; loads the bill when id > 0 and
    // returns whether it was loaded (false: the window started a new bill). The window is
    // shown by the launcher.
    using TBillOpener = std::function<QWidget *(QWidget *owner, int id, bool *loaded)>;
    using TWindowOpener = std::function<void(QWidget *owner)>;

    void RegisterBill(int kind, TBillOpener opener);
    bool HasBill(int kind) const { return m_bills.contains(kind); }
    // The header table of a kind ("buy" for 1); empty for kinds without a table here.
    static QString HeaderTable(int kind);
    // Opens the kind's window; id <= 0 opens the latest bill (a new one for plans). Kinds
    // without a window open nothing. True when a bill was loaded.
    bool OpenBill(int kind, QWidget *owner, int id);
    QWidget *LastOpened() const { return m_lastOpened; }

    // Named windows: "OpenWareList", "OpenSuppliers", "OpenBanks", …
    void Register(const QString &name, TWindowOpener opener);
    bool Has(const QString &name) const { return m_windows.contains(name); }
    bool Open(const QString &name, QWidget *owner = nullptr);

    // Chooses an employee in the general picker; the callback receives its id and name.
    using TEmployeeCallback = std::function<void(int id, const QString &name)>;
    std::function<void(QWidget *owner, TEmployeeCallback)> EmployeePicker;
    void PickEmployee(QWidget *owner, TEmployeeCallback callback);
    // The company dialog when the operator holds 10000 and the company record is empty.
    std::function<void(QWidget *owner)> CompanyInfoCheck;
    virtual void CheckCompanyInfo(QWidget *owner = nullptr);

private:
    QHash<int, TBillOpener> m_bills;
    QHash<QString, TWindowOpener> m_windows;
    QWidget *m_lastOpened = nullptr;
};

Tmall &TheMall();
