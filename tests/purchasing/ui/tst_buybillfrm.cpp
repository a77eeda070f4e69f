#include "purchasing/ui/UiFixture.h"
#include "purchasing/ui/UiTestObjects.h"

#include "config/Operator.h"
#include "data/Exceptions.h"
#include "data/RecordSet.h"
#include "grids/ui/BillGrid.h"
#include "masterdata/WareSet.h"
#include "masterdata/ui/Lookups.h"
#include "purchasing/BuyBill2.h"
#include "purchasing/BuyBillSums.h"
#include "purchasing/BuydlSet.h"
#include "purchasing/ui/BuyBillFrm.h"
#include "purchasing/ui/BuyPickerFrm.h"
#include "purchasing/ui/PurchasingWindows.h"
#include "shell/ui/Mall.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
RWare Ware(int id)
{
    RWare ware;
    if (!TWareSet::GetById(id, ware))
        qFatal("no goods %d", id);
    return ware;
}

// The header a save requires, chosen in the lists.
void FillHeader(TBuyBillFrm &frm)
{
    frm.lkpType1->SelectId(1);
    frm.lkpClient1->SelectId(1);
    frm.lkpHouse1->SelectId(1);
    frm.lkpBuyman1->SelectId(1);
}

void SetQty(TBuyBillFrm &frm, int recNo, const QVariant &qty)
{
    TDataSet *lines = frm.Lines()->DataSet();
    lines->SetRecNo(recNo);
    lines->Edit();
    frm.Lines()->QtyFld->SetValue(qty);
    lines->Post();
}

QStringList EnabledCommands(const TBuyBillFrm &frm)
{
    QStringList names;
    for (QAction *action : {frm.SaveAction1, frm.CancelAction1, frm.NewAction1,
                            frm.FindAction1, frm.PriorAction1, frm.NextAction1,
                            frm.DeleteAction1, frm.CheckAction1, frm.CopyAction1,
                            frm.PrintAction1, frm.AddLineAction1, frm.DeleteLineAction1})
        if (action->isEnabled())
            names.append(action->objectName().chopped(7));      // less "Action1"
    if (frm.btnQuality->isEnabled())
        names.append(QStringLiteral("Quality"));
    return names;
}
} // namespace

class TstBuyBillFrm : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<TUiFixture>(); }
    void cleanup()
    {
        delete m_frm;
        m_fixture.reset();
    }

    void stateTable_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QString>("checkText");
        QTest::addColumn<bool>("headerEnabled");
        const QStringList editing{"Save", "Cancel", "AddLine", "DeleteLine"};
        QTest::newRow("0 新建") << 0 << "采购收货 - 新建" << editing << "审核" << true;
        QTest::newRow("1 修改") << 1 << "采购收货 - 修改" << editing << "审核" << true;
        QTest::newRow("2 浏览")
            << 2 << "采购收货 - 浏览"
            << QStringList{"New", "Find", "Prior", "Next", "Delete", "Check", "Copy", "Print",
                           "AddLine", "DeleteLine"}
            << "审核" << true;
        QTest::newRow("3 关闭") << 3 << "采购收货 - 关闭"
                                << QStringList{"New", "Find", "Prior", "Next"} << "审核"
                                << false;
        QTest::newRow("4 审核") << 4 << "采购收货 - 审核"
                                << QStringList{"New", "Find", "Prior", "Next", "Check", "Copy",
                                               "Print"}
                                << "反审" << false;
    }
    void stateTable()
    {
        QFETCH(int, state);
        const RBuy saved = TUiFixture::SaveBill();
        const RBuy audited = TUiFixture::SaveBill(1, true);
        m_frm = new TBuyBillFrm;
        switch (state) {
        case bsNew:
            m_frm->NewAction1->trigger();
            break;
        case bsModify:
            QVERIFY(m_frm->OpenBill(saved.Id));
            m_frm->edtNote1->setText(QStringLiteral("改过"));
            break;
        case bsBrowse:
            QVERIFY(m_frm->OpenBill(saved.Id));
            break;
        case bsClosed:
            break;
        case bsAudited:
            QVERIFY(m_frm->OpenBill(audited.Id));
            break;
        }
        QCOMPARE(m_frm->State(), state);
        QTEST(m_frm->windowTitle(), "title");
        QTEST(EnabledCommands(*m_frm), "enabled");
        QTEST(m_frm->CheckAction1->text(), "checkText");
        QTEST(m_frm->edtNote1->isEnabled(), "headerEnabled");
        QCOMPARE(m_frm->DBGrid1->editTriggers() == QAbstractItemView::NoEditTriggers,
                 state >= bsClosed);
    }

    // Any change of a shown bill makes it a changed one: header, tax rate, lines.
    void changesOfBrowsedBill_data()
    {
        QTest::addColumn<int>("change");
        QTest::newRow("note") << 0;
        QTest::newRow("supplier") << 1;
        QTest::newRow("tax rate") << 2;
        QTest::newRow("line edit") << 3;
        QTest::newRow("line removed") << 4;
    }
    void changesOfBrowsedBill()
    {
        QFETCH(int, change);
        TScriptedMessageScope messages;
        const RBuy saved = TUiFixture::SaveBill();
        m_frm = new TBuyBillFrm;
        QVERIFY(m_frm->OpenBill(saved.Id));
        QCOMPARE(m_frm->State(), int(bsBrowse));
        switch (change) {
        case 0:
            QTest::keyClicks(m_frm->edtNote1, QStringLiteral("x"));
            break;
        case 1:
            m_frm->lkpClient1->SelectId(2);
            break;
        case 2:
            m_frm->edtTaxRate1->setText(QStringLiteral("13"));
            QCOMPARE(m_frm->Lines()->TaxFld->AsInteger(), 13);
            QCOMPARE(m_frm->Lines()->PurePriceFld->AsFloat(), 1.035398230);
            break;
        case 3:
            SetQty(*m_frm, 2, 5);
            break;
        case 4:
            m_frm->DeleteLineAction1->trigger();
            QCOMPARE(m_frm->Lines()->DataSet()->RecordCount(), 2);
            break;
        }
        QCOMPARE(m_frm->State(), int(bsModify));
        QCOMPARE(m_frm->windowTitle(), QStringLiteral("采购收货 - 修改"));
    }

    void requiredHeaderFields_data()
    {
        QTest::addColumn<QList<int>>("filled");       // type, supplier, dept, buyer
        QTest::addColumn<QString>("missing");
        QTest::newRow("none") << QList<int>{0, 0, 0, 0} << "类型, 供货, 部门, 采购";
        QTest::newRow("type only") << QList<int>{1, 0, 0, 0} << "供货, 部门, 采购";
        QTest::newRow("buyer missing") << QList<int>{1, 1, 1, 0} << "采购";
        QTest::newRow("dept and type") << QList<int>{0, 1, 0, 1} << "类型, 部门";
    }
    void requiredHeaderFields()
    {
        QFETCH(QList<int>, filled);
        QFETCH(QString, missing);
        TScriptedMessageScope messages;
        m_frm = new TBuyBillFrm;
        m_frm->NewAction1->trigger();
        m_frm->lkpType1->SelectId(filled[0]);
        m_frm->lkpClient1->SelectId(filled[1]);
        m_frm->lkpHouse1->SelectId(filled[2]);
        m_frm->lkpBuyman1->SelectId(filled[3]);
        m_frm->AddWare(Ware(1));
        SetQty(*m_frm, 1, 2);

        m_frm->SaveAction1->trigger();
        QCOMPARE(messages->Messages.size(), 1);
        QCOMPARE(messages->LastText(),
                 QStringLiteral("\r\n必须填写以下项目: %1\t").arg(missing));
        QCOMPARE(TUiFixture::Count("select count(*) from buy"), 0);
        QCOMPARE(m_frm->State(), int(bsNew));
        // The captions of the missing ones are red, the others not.
        const QStringList captions{"类型", "供货", "部门", "采购"};
        for (QLabel *label : m_frm->findChildren<QLabel *>()) {
            const int i = captions.indexOf(label->text());
            if (i < 0)
                continue;
            const bool red = label->palette().color(QPalette::WindowText) == QColor(Qt::red);
            QCOMPARE(red, filled[i] == 0);
        }
    }

    void linesWithoutQuantity()
    {
        TScriptedMessageScope messages;
        m_frm = new TBuyBillFrm;
        m_frm->NewAction1->trigger();
        FillHeader(*m_frm);
        for (int ware = 1; ware <= 4; ++ware)
            m_frm->AddWare(Ware(ware));
        SetQty(*m_frm, 1, 3);
        SetQty(*m_frm, 3, 1);
        m_frm->SaveAction1->trigger();
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n明细表第 2, 4 数量不能为空\t"));
        QCOMPARE(TUiFixture::Count("select count(*) from buy"), 0);
        QCOMPARE(m_frm->State(), int(bsNew));
        QCOMPARE(m_frm->Lines()->DataSet()->RecordCount(), 4);
    }

    // A new bill: the goods lines with their attributes, the save, then 删除 and 审核.
    void firstSave()
    {
        TScriptedMessageScope messages;
        m_frm = new TBuyBillFrm;
        m_frm->show();
        m_frm->NewAction1->trigger();
        FillHeader(*m_frm);
        m_frm->edtTaxRate1->setText(QStringLiteral("17"));
        m_frm->AddWare(Ware(1));
        // The line carries the goods attributes under their labels; the cursor is on Qty.
        TBuydlSet *lines = m_frm->Lines();
        QCOMPARE(lines->WareSFld[0]->AsString(), QStringLiteral("W001"));
        QCOMPARE(lines->WareSFld[1]->AsString(), QStringLiteral("螺丝M3"));
        QCOMPARE(lines->WareSFld[3]->AsString(), QStringLiteral("M3x10"));
        QCOMPARE(lines->WareSFld[11]->AsString(), QStringLiteral("个"));
        QCOMPARE(m_frm->DBGrid1->currentIndex().column(), lines->QtyFld->Index());
        SetQty(*m_frm, 1, 4);
        lines->DataSet()->Edit();
        lines->PriceFld->SetValue(11.7);
        lines->DataSet()->Post();

        QVERIFY(m_frm->SaveAction1Execute());
        QVERIFY2(messages->Messages.isEmpty(), qPrintable(messages->LastText()));
        QCOMPARE(m_frm->State(), int(bsBrowse));
        QVERIFY(m_frm->DeleteAction1->isEnabled());
        QVERIFY(m_frm->CheckAction1->isEnabled());
        RBuy saved;
        QVERIFY(TBuyBill2::Load(m_frm->Current().Id, saved));
        QCOMPARE(saved.TaxRate, 17);
        QCOMPARE(saved.TotalFund.toDouble(), 46.8);
        QCOMPARE(saved.Lines.size(), 1);
        QCOMPARE(saved.Billman, QStringLiteral("sa"));
        // The code and the line keys are shown at once, so a second save updates the line.
        QCOMPARE(m_frm->LblCode1->text(), QStringLiteral("NO. ") + saved.Code);
        QCOMPARE(lines->dlIdFld->AsInteger(), saved.Lines[0].dlId);
        SetQty(*m_frm, 1, 5);
        QVERIFY(m_frm->SaveAction1Execute());
        QVERIFY(TBuyBill2::Load(saved.Id, saved));
        QCOMPARE(saved.Lines[0].dlId, lines->dlIdFld->AsInteger());
        QCOMPARE(saved.Lines[0].Qty.toDouble(), 5.0);
    }

    void cancel_data()
    {
        QTest::addColumn<bool>("fromSaved");
        QTest::addColumn<int>("state");
        QTest::newRow("new after a saved bill") << true << int(bsBrowse);
        QTest::newRow("new without a saved bill") << false << int(bsClosed);
    }
    void cancel()
    {
        QFETCH(bool, fromSaved);
        QFETCH(int, state);
        TScriptedMessageScope messages;
        const RBuy saved = TUiFixture::SaveBill();
        m_frm = new TBuyBillFrm;
        if (fromSaved)
            QVERIFY(m_frm->OpenBill(saved.Id));
        m_frm->NewAction1->trigger();
        FillHeader(*m_frm);
        m_frm->AddWare(Ware(4));

        messages->Answers = {false};
        m_frm->CancelAction1->trigger();
        QCOMPARE(m_frm->State(), int(bsNew));
        QCOMPARE(m_frm->Lines()->DataSet()->RecordCount(), 1);
        m_frm->CancelAction1->trigger();
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n确定要取消所做的修改吗?\t\t"));
        QCOMPARE(m_frm->State(), state);
        QCOMPARE(m_frm->Lines()->DataSet()->RecordCount(), fromSaved ? 3 : 0);
        QCOMPARE(m_frm->LblCode1->text(),
                 QStringLiteral("NO. ") + (fromSaved ? saved.Code : QString()));
        QCOMPARE(m_frm->lkpHouse1->SelectedId(), fromSaved ? 1 : 0);
    }

    void copyKeepsLinesAsNewBill()
    {
        TScriptedMessageScope messages;
        const RBuy saved = TUiFixture::SaveBill();
        m_frm = new TBuyBillFrm;
        QVERIFY(m_frm->OpenBill(saved.Id));
        m_frm->CopyAction1->trigger();
        QCOMPARE(m_frm->State(), int(bsNew));
        QCOMPARE(m_frm->LblCode1->text(), QStringLiteral("NO. "));
        QVERIFY(m_frm->SaveAction1Execute());
        QCOMPARE(TUiFixture::Count("select count(*) from buy"), 2);
        QCOMPARE(TUiFixture::Count("select count(*) from buydl"), 6);
        QVERIFY(m_frm->Current().Id != saved.Id);
    }

    void deleteByAuthorOnly_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("bills");
        QTest::addColumn<int>("state");
        QTest::newRow("other operator")
            << "li" << true << "\r\n对不起, 您不是该单据的编制人,不允许删除.\t" << 1
            << int(bsBrowse);
        QTest::newRow("author, cancelled") << "sa" << false << "" << 1 << int(bsBrowse);
        QTest::newRow("author") << "sa" << true << "" << 0 << int(bsClosed);
    }
    void deleteByAuthorOnly()
    {
        QFETCH(QString, login);
        QFETCH(bool, confirm);
        QFETCH(QString, message);
        TScriptedMessageScope messages;
        const RBuy saved = TUiFixture::SaveBill();
        TUiFixture::LoginAs(login);
        m_frm = new TBuyBillFrm;
        QVERIFY(m_frm->OpenBill(saved.Id));
        messages->Answers = {confirm};
        m_frm->DeleteAction1->trigger();
        if (message.isEmpty())
            QCOMPARE(messages->Messages.first().text,
                     QStringLiteral("\r\n您确定要删除该单据%1吗?\t\t").arg(saved.Code));
        else
            QCOMPARE(messages->LastText(), message);
        QTEST(TUiFixture::Count("select count(*) from buy"), "bills");
        QTEST(m_frm->State(), "state");
    }

    void deleteRefusedWhileInvoiced()
    {
        TScriptedMessageScope messages;
        const RBuy saved = TUiFixture::SaveBill();
        TheDatabase().ExecSQL("insert into buinvfrm(Id, Code) values(1, 'IV26030001')");
        TheDatabase().ExecSQL(QStringLiteral("insert into buinvfrmdl(dlId, MastId, BuydlId) "
                                             "values(1, 1, %1)").arg(saved.Lines[1].dlId));
        m_frm = new TBuyBillFrm;
        QVERIFY(m_frm->OpenBill(saved.Id));
        m_frm->DeleteAction1->trigger();
        QVERIFY(messages->LastText().contains(QStringLiteral("发票单IV26030001")));
        QCOMPARE(TUiFixture::Count("select count(*) from buy"), 1);
        // The invoiced line cannot leave the grid either.
        m_frm->Lines()->DataSet()->SetRecNo(2);
        m_frm->DeleteLineAction1->trigger();
        QVERIFY(messages->LastText().contains(QStringLiteral("发票单IV26030001已引用此记录")));
        QCOMPARE(m_frm->Lines()->DataSet()->RecordCount(), 3);
        QCOMPARE(m_frm->State(), int(bsBrowse));
    }

    void audit()
    {
        TScriptedMessageScope messages;
        const RBuy saved = TUiFixture::SaveBill();
        TUiFixture::LoginAs(QStringLiteral("li"));
        m_frm = new TBuyBillFrm;
        QVERIFY(m_frm->OpenBill(saved.Id));
        // Without right 1017: the rights message, then a silent stop.
        QVERIFY_THROWS_EXCEPTION(EAbort, m_frm->CheckAction1Execute());
        QVERIFY(messages->LastText().contains(QStringLiteral("1017")));
        QCOMPARE(m_frm->State(), int(bsBrowse));
        QCOMPARE(TUiFixture::Count("select count(*) from buy where CheckTime is null"), 1);

        TUiFixture::LoginAs(QStringLiteral("li"), QStringLiteral(",1017,"));
        m_frm->CheckAction1Execute();
        QCOMPARE(m_frm->State(), int(bsAudited));
        QCOMPARE(m_frm->CheckAction1->text(), QStringLiteral("反审"));
        QCOMPARE(TUiFixture::Count("select count(*) from buy where CheckTime is null"), 0);
        // A picked goods item does not reach an audited bill.
        m_frm->AddWare(Ware(4));
        QCOMPARE(m_frm->Lines()->DataSet()->RecordCount(), 3);

        m_frm->CheckAction1Execute();
        QCOMPARE(m_frm->State(), int(bsBrowse));
        QCOMPARE(TUiFixture::Count("select count(*) from buy where CheckTime is null"), 1);
    }

    void closingWithChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("note");
        QTest::newRow("yes saves") << int(TAnswer::Yes) << true << "改过";
        QTest::newRow("no discards") << int(TAnswer::No) << true << "到货";
        QTest::newRow("cancel stays") << int(TAnswer::Cancel) << false << "到货";
    }
    void closingWithChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        TScriptedMessageScope messages;
        const RBuy saved = TUiFixture::SaveBill();
        m_frm = new TBuyBillFrm;
        m_frm->show();
        QVERIFY(m_frm->OpenBill(saved.Id));
        m_frm->edtNote1->setText(QStringLiteral("改过"));
        messages->Choices = {TAnswer(answer)};
        m_frm->close();
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n单据已修改,是否保存?\t\t"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_frm.isNull(), closed);
        RBuy stored;
        QVERIFY(TBuyBill2::Load(saved.Id, stored));
        QTEST(stored.Note, "note");
    }

    void closingUnchangedAsksNothing()
    {
        TScriptedMessageScope messages;
        const RBuy saved = TUiFixture::SaveBill();
        m_frm = new TBuyBillFrm;
        m_frm->show();
        QVERIFY(m_frm->OpenBill(saved.Id));
        m_frm->ExitAction1->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_frm.isNull());
        QVERIFY(messages->Messages.isEmpty());
    }

    // 上一单 and 下一单 walk the rows of the last find, then go on by key.
    void priorNextThroughFinderList()
    {
        TScriptedMessageScope messages;
        const RBuy first = TUiFixture::SaveBill(1);
        const RBuy other = TUiFixture::SaveBill(2);
        const RBuy third = TUiFixture::SaveBill(1);
        const RBuy fourth = TUiFixture::SaveBill(2);
        m_frm = new TBuyBillFrm;
        TBuyBillSums *list = m_frm->FinderSums();
        list->Where()->SupplierIdFld->SetValue(1);
        list->Query();
        list->DataSet()->SetSortText(QStringLiteral("Id"));
        list->DataSet()->First();
        QVERIFY(m_frm->OpenBill(first.Id));

        const auto step = [this](QAction *action) {
            action->trigger();
            return m_frm->Current().Id;
        };
        QCOMPARE(step(m_frm->NextAction1), third.Id);       // the list skips the other one
        QCOMPARE(step(m_frm->NextAction1), fourth.Id);      // past its end: by key
        QCOMPARE(step(m_frm->NextAction1), fourth.Id);      // no later bill: nothing
        QCOMPARE(step(m_frm->PriorAction1), first.Id);      // the list's row before
        QCOMPARE(step(m_frm->PriorAction1), first.Id);      // before its first row: by key
        Q_UNUSED(other);
        QVERIFY(messages->Messages.isEmpty());
    }

    void addLinesNeedsDepartment()
    {
        TScriptedMessageScope messages;
        m_frm = new TBuyBillFrm;
        m_frm->show();
        m_frm->NewAction1->trigger();
        m_frm->btnAddLine->click();
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n请先选择部门.\t"));
        QVERIFY(!m_frm->Picker());
        m_frm->lkpHouse1->SelectId(1);
        QTest::keyClick(m_frm->DBGrid1, Qt::Key_Insert);     // the grid's insert request
        QVERIFY(m_frm->Picker());
        QVERIFY(m_frm->Picker()->isVisible());
        QCOMPARE(m_frm->Lines()->DataSet()->RecordCount(), 0);
    }

    void openedByKind_data()
    {
        QTest::addColumn<int>("bills");
        QTest::addColumn<int>("id");           // -1: the latest
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("message");
        QTest::newRow("latest") << 2 << -1 << true << int(bsBrowse) << "";
        QTest::newRow("empty table") << 0 << -1 << false << int(bsClosed) << "";
        QTest::newRow("given bill") << 2 << 1 << true << int(bsBrowse) << "";
        QTest::newRow("gone bill") << 2 << 9 << false << int(bsClosed)
                                   << "\r\n对不起,找不到单据(9),请刷新检查.\t";
    }
    void openedByKind()
    {
        QFETCH(int, bills);
        QFETCH(int, id);
        QFETCH(QString, message);
        TScriptedMessageScope messages;
        for (int i = 0; i < bills; ++i)
            TUiFixture::SaveBill();
        Tmall mall;
        RegisterPurchasingWindows(mall);
        QVERIFY(mall.HasBill(bkBuy));
        QTEST(mall.OpenBill(bkBuy, nullptr, id), "loaded");
        m_frm = qobject_cast<TBuyBillFrm *>(mall.LastOpened());
        QVERIFY(m_frm);
        QVERIFY(m_frm->isVisible());
        QTEST(m_frm->State(), "state");
        if (bills > 0 && id < 0)
            QCOMPARE(m_frm->Current().Id, bills);
        QCOMPARE(messages->LastText(), message);
    }

private:
    std::unique_ptr<TUiFixture> m_fixture;
    QPointer<TBuyBillFrm> m_frm;
};

QObject *NewBuyBillFrmTest()
{
    return new TstBuyBillFrm;
}

#include "tst_buybillfrm.moc"
