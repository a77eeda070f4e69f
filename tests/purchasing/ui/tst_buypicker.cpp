#include "purchasing/ui/UiFixture.h"
#include "purchasing/ui/UiTestObjects.h"

#include "config/KeyValue.h"
#include "config/KeyValue2.h"
#include "grids/ui/DBGrid.h"
#include "grids/ui/ksDateTimePicker.h"
#include "grids/ui/ksEdit.h"
#include "masterdata/WareSet.h"
#include "masterdata/ui/Lookups.h"
#include "masterdata/ui/ViewList.h"
#include "masterdata/ui/WarecataTree.h"
#include "purchasing/BuyBillSums.h"
#include "purchasing/BuydlSet.h"
#include "purchasing/ui/BuyBillFrm.h"
#include "purchasing/ui/BuyFinderFrm.h"
#include "purchasing/ui/BuyPickerFrm.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
// The goods codes the picker's grid shows.
QStringList ShownCodes(TBuyPickerFrm &picker)
{
    TDataSet *wares = picker.WareList()->DataSet();
    QStringList codes;
    for (int pos = 0; pos < wares->RecordCount(); ++pos)
        codes.append(wares->ValueAt(pos, picker.WareList()->CodeFld->Index()).toString());
    codes.sort();
    return codes;
}

QStringList FoundCodes(TBuyBillSums &sums)
{
    QStringList codes;
    for (int pos = 0; pos < sums.DataSet()->RecordCount(); ++pos)
        codes.append(sums.DataSet()->ValueAt(pos, sums.CodeFld->Index()).toString());
    return codes;
}
} // namespace

class TstBuyPickerFinder : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<TUiFixture>(); }
    void cleanup()
    {
        delete m_frm;
        m_fixture.reset();
    }

    // Only goods can be picked until order and plan lines can be listed.
    void startsOnGoods()
    {
        m_frm = new TBuyBillFrm;
        TBuyPickerFrm picker(m_frm);
        picker.SetMode(TBuyPickerFrm::pmOrders);
        QCOMPARE(picker.Mode(), int(TBuyPickerFrm::pmOther));
        QVERIFY(picker.rbOther->isChecked());
        QVERIFY(!picker.rbOrders->isEnabled());
        QVERIFY(!picker.rbPlans->isEnabled());
        QCOMPARE(picker.windowTitle(), QStringLiteral("选择"));
        QCOMPARE(ShownCodes(picker), (QStringList{"W001", "W002", "W003", "W004"}));
        QCOMPARE(picker.CurrentGrid()->LayoutId(), 1101);
    }

    void categoryAndSearchFilter_data()
    {
        QTest::addColumn<QString>("category");     // a node's code, empty: none chosen
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("category with children")
            << "1." << "" << QStringList{"W001", "W002", "W003"};
        QTest::newRow("leaf category") << "1.2." << "" << QStringList{"W001", "W002"};
        QTest::newRow("search text") << "" << "W003" << QStringList{"W003"};
        QTest::newRow("category and search") << "1.2." << "M4" << QStringList{"W002"};
    }
    void categoryAndSearchFilter()
    {
        QFETCH(QString, category);
        QFETCH(QString, search);
        m_frm = new TBuyBillFrm;
        TBuyPickerFrm picker(m_frm);
        if (!category.isEmpty())
            QVERIFY(picker.TreeView1->SelectByCode(category));
        QTest::keyClicks(picker.edtSearch, search);
        QTEST(ShownCodes(picker), "codes");
    }

    // Enter in the grid hands the goods item over; 自动隐藏 decides whether the picker stays.
    void takeWithEnter_data()
    {
        QTest::addColumn<bool>("autoHide");
        QTest::newRow("auto-hide") << true;
        QTest::newRow("stays") << false;
    }
    void takeWithEnter()
    {
        QFETCH(bool, autoHide);
        TScriptedMessageScope messages;
        m_frm = new TBuyBillFrm;
        m_frm->show();
        m_frm->NewAction1->trigger();
        m_frm->lkpHouse1->SelectId(1);
        m_frm->btnAddLine->click();
        TBuyPickerFrm *picker = m_frm->Picker();
        QVERIFY(picker && picker->isVisible());
        picker->chkAutoHide->setChecked(autoHide);
        QVERIFY(picker->WareList()->DataSet()->Locate(QStringLiteral("Id"), 3));
        QTest::keyClick(picker->CurrentGrid(), Qt::Key_Return);
        QCOMPARE(m_frm->Lines()->DataSet()->RecordCount(), 1);
        QCOMPARE(m_frm->Lines()->WareIdFld->AsInteger(), 3);
        QCOMPARE(m_frm->Lines()->WareSFld[1]->AsString(), QStringLiteral("扳手"));
        QCOMPARE(picker->isVisible(), !autoHide);
    }

    void autoHideSurvivesNewPicker_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::newRow("checked") << true;
        QTest::newRow("unchecked") << false;
    }
    void autoHideSurvivesNewPicker()
    {
        QFETCH(bool, checked);
        m_frm = new TBuyBillFrm;
        {
            TBuyPickerFrm picker(m_frm);
            picker.chkAutoHide->setChecked(checked);
        }
        // A restart reads the store afresh.
        TheKeyValue2().Reopen();
        TBuyPickerFrm picker(m_frm);
        QCOMPARE(picker.chkAutoHide->isChecked(), checked);
        QCOMPARE(TheKeyValue2().GetBool(skPickerAutoHide), checked);
    }

    void finderCriteria_data()
    {
        QTest::addColumn<int>("criterion");
        QTest::addColumn<QStringList>("codes");     // by bill number: 1, 2, 3
        QTest::newRow("reset: all") << 0 << QStringList{"1", "2", "3"};
        QTest::newRow("supplier") << 1 << QStringList{"1", "3"};
        QTest::newRow("audited") << 2 << QStringList{"3"};
        QTest::newRow("not audited") << 3 << QStringList{"1", "2"};
        QTest::newRow("goods") << 4 << QStringList{"1", "3"};
        QTest::newRow("goods code text") << 5 << QStringList{"1", "3"};
        QTest::newRow("date range after the bills") << 6 << QStringList{};
    }
    void finderCriteria()
    {
        QFETCH(int, criterion);
        QFETCH(QStringList, codes);
        QStringList billCodes;
        billCodes << TUiFixture::SaveBill(1).Code << TUiFixture::SaveBill(2, false, 1).Code
                  << TUiFixture::SaveBill(1, true).Code;
        m_frm = new TBuyBillFrm;
        TBuyFinderFrm finder(m_frm, m_frm->FinderSums());
        QCOMPARE(finder.windowTitle(), QStringLiteral("打开"));
        switch (criterion) {
        case 1: {
            RSupplier supplier;
            supplier.Id = 1;
            supplier.Name = QStringLiteral("东方五金");
            finder.edtSupplier->AcceptSupplier(supplier);
            break;
        }
        case 2:
            finder.cmbCheck->Select(true);
            break;
        case 3:
            finder.cmbCheck->Select(false);
            break;
        case 4: {
            RWare ware;
            QVERIFY(TWareSet::GetById(2, ware));
            finder.edtWare->AcceptWare(ware);
            break;
        }
        case 5:
            QTest::keyClicks(finder.edtWareS01, QStringLiteral("W003"));
            break;
        case 6:
            finder.edtBeginDate->SetChecked(true);
            finder.edtBeginDate->SetAsDate(QDate::currentDate().addDays(40));
            break;
        }
        QTest::mouseClick(finder.btnQuery, Qt::LeftButton);
        QStringList expected;
        for (const QString &n : codes)
            expected.append(billCodes[n.toInt() - 1]);
        QCOMPARE(FoundCodes(*m_frm->FinderSums()), expected);
        QCOMPARE(finder.DBGrid1->LayoutId(), 1212);

        // 重置 clears the criteria: the next query finds every bill.
        QTest::mouseClick(finder.btnReset, Qt::LeftButton);
        QTest::mouseClick(finder.btnQuery, Qt::LeftButton);
        QCOMPARE(FoundCodes(*m_frm->FinderSums()), billCodes);
    }

    void finderOpensChosenRow()
    {
        TScriptedMessageScope messages;
        TUiFixture::SaveBill(1);
        const RBuy second = TUiFixture::SaveBill(2);
        m_frm = new TBuyBillFrm;
        TBuyFinderFrm finder(m_frm, m_frm->FinderSums());
        finder.btnOpen->click();            // nothing found yet: stays open
        QCOMPARE(finder.result(), int(QDialog::Rejected));
        QVERIFY(!messages->Messages.size());
        finder.btnQuery->click();
        m_frm->FinderSums()->DataSet()->SetRecNo(2);
        finder.btnOpen->click();
        QCOMPARE(finder.result(), int(QDialog::Accepted));
        QCOMPARE(m_frm->FinderSums()->IdFld->AsInteger(), second.Id);
    }

private:
    std::unique_ptr<TUiFixture> m_fixture;
    QPointer<TBuyBillFrm> m_frm;
};

QObject *NewBuyPickerFinderTest()
{
    return new TstBuyPickerFinder;
}

#include "tst_buypicker.moc"
