#include "purchasing/ui/UiTestObjects.h"
#include "support/TestSupport.h"

#include "config/Operator.h"
#include "data/KsClientDataSet.h"
#include "grids/ui/BillGrid.h"
#include "grids/ui/ksEdit.h"
#include "purchasing/ui/BillFrm.h"

#include <QAction>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QtTest>

namespace {
// A kind without goods, copy or audit right: bills kept in a map, one header field, one
// line column, one extra button for audited bills. It declares only what differs.
struct RMemo
{
    int Id = 0;
    QString Code;
    QString Billman;
    bool Audited = false;
    QString Title;
    QStringList Lines;
};

RMemo NewMemo()
{
    RMemo memo;
    memo.Billman = TheOperator().LoginId;
    return memo;
}

class TMemoLines : public TKsClientDataSet
{
public:
    TMemoLines()
    {
        TextFld = AddFieldDef<TWideStringField>(QStringLiteral("Text"), 30, true,
                                                QStringLiteral("内容"));
        CreateDataSet();
    }
    TField *TextFld;
};

class TMemoBillFrm : public TBillFrm
{
public:
    explicit TMemoBillFrm(QMap<int, RMemo> &store)
        : TBillFrm(nullptr, {QStringLiteral("MemoBillFrm"), QStringLiteral("备忘单"), 9001,
                             false}),
          m_store(store)
    {
        edtTitle = new TksEdit(this);
        AddRequired(AddHeaderField(0, 0, QStringLiteral("标题"), edtTitle), edtTitle,
                    [this] { return !edtTitle->text().isEmpty(); });
        SetLineSet(m_lines.DataSet());
        btnSend = AddSideButton(QStringLiteral("发送"), InStates({bsAudited}),
                                [this] { ++Sent; });
        ShowClosed();
    }

    TksEdit *edtTitle;
    QPushButton *btnSend;
    int Sent = 0;
    RMemo Current;

protected:
    bool LoadCurrent(int id) override
    {
        if (!m_store.contains(id))
            return false;
        Current = m_store[id];
        return true;
    }
    void Display(const RMemo &memo)
    {
        ShowCode(memo.Code);
        edtTitle->setText(memo.Title);
        m_lines.DataSet()->EmptyDataSet();
        for (const QString &line : memo.Lines) {
            m_lines.DataSet()->Append();
            m_lines.TextFld->SetValue(line);
            m_lines.DataSet()->Post();
        }
    }
    void ShowCurrent() override { Display(Current); }
    void ShowNew() override { Display(NewMemo()); }
    void ShowCopy() override {}
    void ShowEmpty() override
    {
        Current = RMemo();
        Display(Current);
    }
    int CurrentId() const override { return Current.Id; }
    bool CurrentAudited() const override { return Current.Audited; }
    QString CurrentBillman() const override { return Current.Billman; }
    QString CurrentCode() const override { return Current.Code; }
    bool SaveCurrent(bool fresh) override
    {
        RMemo memo = fresh ? NewMemo() : Current;
        memo.Title = edtTitle->text();
        memo.Lines.clear();
        for (int pos = 0; pos < m_lines.DataSet()->RecordCount(); ++pos)
            memo.Lines.append(m_lines.DataSet()->ValueAt(pos, 0).toString());
        if (memo.Id == 0) {
            memo.Id = m_store.isEmpty() ? 1 : m_store.lastKey() + 1;
            memo.Code = QStringLiteral("MM%1").arg(memo.Id, 4, 10, QLatin1Char('0'));
        }
        m_store[memo.Id] = memo;
        Current = memo;
        return true;
    }
    bool CheckDeleteCurrent(QString &) override { return true; }
    bool DeleteCurrent(QString &) override { return m_store.remove(Current.Id) == 1; }
    bool CheckCurrent() override
    {
        Current.Audited = !Current.Audited;
        m_store[Current.Id] = Current;
        return true;
    }
    int PriorIdOfCurrent() const override
    {
        auto it = m_store.lowerBound(Current.Id);
        return it == m_store.cbegin() ? 0 : std::prev(it).key();
    }
    int NextIdOfCurrent() const override
    {
        auto it = m_store.upperBound(Current.Id);
        return it == m_store.cend() ? 0 : it.key();
    }
    void PrintCurrent() override {}
    bool RunFinder() override { return false; }
    TDataSet *FinderList() const override { return nullptr; }
    void AddLines() override
    {
        m_lines.DataSet()->Append();
        m_lines.TextFld->SetValue(QStringLiteral("新的一行"));
        m_lines.DataSet()->Post();
    }

private:
    QMap<int, RMemo> &m_store;
    TMemoLines m_lines;
};
} // namespace

// The skeleton with a kind of its own: nothing of the arrival is needed.
class TstBillFrm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // The grid reads its saved layout.
        m_db = std::make_unique<TTestDatabase>();
        m_db->CreateFull();
        TheOperator().Clear();
        TheOperator().LoginId = QStringLiteral("sa");
    }
    void cleanup() { m_db.reset(); }

    void kindDeclaresWhatDiffers()
    {
        TScriptedMessageScope messages;
        QMap<int, RMemo> store;
        TMemoBillFrm frm(store);
        QCOMPARE(frm.windowTitle(), QStringLiteral("备忘单 - 关闭"));
        QVERIFY(!frm.CopyAction1->isVisible());
        QCOMPARE(frm.DBGrid1->LayoutId(), 9001);

        frm.NewAction1->trigger();
        frm.SaveAction1->trigger();
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n必须填写以下项目: 标题\t"));
        frm.edtTitle->setText(QStringLiteral("周一例会"));
        frm.btnAddLine->click();
        QVERIFY(frm.SaveAction1Execute());
        QCOMPARE(frm.State(), int(bsBrowse));
        QCOMPARE(store[1].Lines, QStringList{QStringLiteral("新的一行")});
        QCOMPARE(frm.LblCode1->text(), QStringLiteral("NO. MM0001"));
        QVERIFY(!frm.CopyAction1->isEnabled());

        // The kind's own button follows the states it declared.
        QVERIFY(!frm.btnSend->isEnabled());
        frm.CheckAction1->trigger();
        QCOMPARE(frm.State(), int(bsAudited));
        QVERIFY(frm.btnSend->isEnabled());
        frm.btnSend->click();
        QCOMPARE(frm.Sent, 1);
        QVERIFY(!frm.edtTitle->isEnabled());
        frm.CheckAction1->trigger();
        QVERIFY(!frm.btnSend->isEnabled());

        // Navigation by key when there was no find.
        frm.NewAction1->trigger();
        frm.edtTitle->setText(QStringLiteral("周二例会"));
        QVERIFY(frm.SaveAction1Execute());
        frm.PriorAction1->trigger();
        QCOMPARE(frm.Current.Id, 1);
        frm.NextAction1->trigger();
        QCOMPARE(frm.Current.Id, 2);
        frm.DeleteAction1->trigger();
        QCOMPARE(frm.State(), int(bsClosed));
        QCOMPARE(store.keys(), QList<int>{1});
    }

private:
    std::unique_ptr<TTestDatabase> m_db;
};

QObject *NewBillFrmTest()
{
    return new TstBillFrm;
}

#include "tst_billfrm.moc"
