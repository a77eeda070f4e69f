#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// An operator as logged in: login name, password, rights.
class TOperator
{
public:
    QString LoginId;
    QString Password;
    QString Name;
    QString Contact;
    QString Note;
    QString Rights;             // ",code," per granted right

    // Exactly one row fills every member; otherwise the operator becomes empty.
    void Load(const QString &loginId);
    void Clear();
    bool CheckPassword(const QString &password) const;
    // "sa" (exactly) holds every right.
    bool HasRight(int code) const;
    // HasRight; when missing shows the refusal with the code and, with abort, raises EAbort.
    bool CheckRight(int code, bool abort) const;
    bool IsSa() const { return LoginId == QLatin1String("sa"); }
};

// One row of the operators window.
struct ROperator
{
    QString LoginId;
    QString Password;
    QString Name;
    QString Contact;
    QString Rights;
    QString Note;
    QVariant EmployeeId;        // an integer or null
};
using ROperators = QList<ROperator>;

// One right offered in the operators window.
struct RRightItem
{
    int Code = 0;
    QString Name;
};
using TRightItems = QList<RRightItem>;

// The logged-in operator of this process.
TOperator &TheOperator();
bool HasRight(int code);
// Stops the current action silently (EAbort) after the refusal message when the right is missing.
void CheckRight(int code);
// Only sa: otherwise "只有系统用户(sa)才能执行此操作." and a silent abort.
void RequireSa();

// ",1012,,1013," for the codes in order.
QString RightsText(const QList<int> &codes);
bool RightsContain(const QString &rights, int code);

void SetPassword(const TOperator &op, const QString &password);
ROperators ReadOperators();
// Updates the operator of that login or adds it; true when one row was written.
bool SaveOperator(const ROperator &op);
// Adds a new operator; refuses a login name that exists (sa included) with a message.
bool AddOperator(const ROperator &op, QString *error);
bool OperatorExists(const QString &loginId);
bool DeleteOperator(const QString &loginId);

// The 45 rights of the operators window, in the order of its check list.
const TRightItems &OfferedRights();
