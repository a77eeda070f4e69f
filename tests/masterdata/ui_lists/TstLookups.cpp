#include "Tests.h"
#include "UiTestKit.h"
#include "../../config/ModalScript.h"

#include "grids/ui/ksDBGrid.h"
#include "masterdata/ui/Lookups.h"
#include "masterdata/ui/PickerFrm.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace UiKit;

class TstLookups : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;
    int m_hongxing = 0;
    int m_dadi = 0;

private slots:
    void initTestCase()
    {
        m_db.CreateFull();
        LoginAs(QStringLiteral("sa"));
        m_dadi = AddSupplier(QStringLiteral("大地五金"), QStringLiteral("DDWJ"), "0571-1");
        m_hongxing = AddSupplier(QStringLiteral("红星电子"), QStringLiteral("HXDZ"), "0571-2");
        AddSupplier(QStringLiteral("星光塑料"), QStringLiteral("XGSL"), "0571-3");
    }

    // The look-up code typed into the picker's search box narrows the rows; Down, then
    // Enter, takes the row into the combo.
    void pickSupplierByLookupCode()
    {
        TLookupCombo combo(TLookupKind::Suppliers);
        combo.Fill();
        QCOMPARE(combo.currentIndex(), -1);
        QSignalSpy changed(&combo, &TLookupCombo::Changed);
        int rows = -1;
        QString title;
        TModalScript script({[&](QWidget *d) {
            auto *picker = qobject_cast<TPickerFrm *>(d);
            title = d->windowTitle();
            QCOMPARE(picker->Grid()->LayoutId(), 1295);
            picker->SearchEdit()->setFocus();
            QTest::keyClicks(picker->SearchEdit(), QStringLiteral("hxd"));
            rows = picker->Grid()->DataSet()->RecordCount();
            QTest::keyClick(picker->SearchEdit(), Qt::Key_Down);
            QCOMPARE(d->focusWidget(), static_cast<QWidget *>(picker->Grid()));
            QTest::keyClick(picker->Grid(), Qt::Key_Return);
        }});
        QVERIFY(combo.Pick());
        QCOMPARE(title, QStringLiteral("选择"));
        QCOMPARE(rows, 1);
        QCOMPARE(combo.SelectedId(), m_hongxing);
        QCOMPARE(combo.currentText(), QStringLiteral("红星电子"));
        QCOMPARE(combo.Supplier().LookId, QStringLiteral("HXDZ"));
        QCOMPARE(changed.count(), 1);
    }

    // A supplier added through "新添" while picking is not in the combo yet: it is added
    // and selected.
    void pickedSupplierIsAddedToCombo()
    {
        TScriptedMessageScope messages;
        TLookupCombo combo(TLookupKind::Suppliers);
        combo.Fill();
        const int items = combo.count();
        combo.SelectId(m_dadi);
        TModalScript script({
            [this](QWidget *picker) {
                // The picker starts on the supplier the combo holds.
                QCOMPARE(qobject_cast<TPickerFrm *>(picker)->Grid()->DataSet()
                             ->FieldByName(QStringLiteral("Id"))->AsInteger(),
                         m_dadi);
                // Later, so that the script goes on while the editor runs modally.
                QTimer::singleShot(0, picker,
                                   [picker] { Click(picker, QStringLiteral("btnNew")); });
            },
            [](QWidget *editor) {
                Type(Child<QLineEdit>(editor, QStringLiteral("edtName")),
                     QStringLiteral("新源包装"));
                Click(editor, QStringLiteral("btnOk"));
                Click(editor, QStringLiteral("btnClose"));
            },
            [](QWidget *picker) { Click(picker, QStringLiteral("btnOk")); },
        });
        QVERIFY(combo.Pick());
        QCOMPARE(script.StepsDone(), 3);
        QCOMPARE(combo.count(), items + 1);
        QCOMPARE(combo.currentText(), QStringLiteral("新源包装"));
        const int id = combo.SelectedId();
        QVERIFY(id > 0);
        QCOMPARE(Scalar(QStringLiteral("select Name from supplier where Id=:Id"),
                        {DBParam(QStringLiteral("Id"), id)}).toString(),
                 QStringLiteral("新源包装"));
        // Picking it again finds the item instead of adding a second one.
        TModalScript again({[id](QWidget *picker) {
            auto *p = qobject_cast<TPickerFrm *>(picker);
            p->Grid()->DataSet()->Locate(QStringLiteral("Id"), id);
            p->AcceptCurrent();
        }});
        combo.SelectId(m_dadi);
        QVERIFY(combo.Pick());
        QCOMPARE(combo.count(), items + 1);
        QCOMPARE(combo.SelectedId(), id);
    }

    // "(全部)" closes the list with Id -1 and the first entry is chosen; a key the combo
    // lacks chooses nothing; Delete clears the choice and says so.
    void selectionRules()
    {
        for (const QString &name : {QStringLiteral("采购部"), QStringLiteral("仓储部")}) {
            RDept d;
            d.Name = name;
            QVERIFY(TDeptSet::Save(d));
        }
        TLookupCombo combo(TLookupKind::Depts);
        combo.Fill(true);
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.itemText(2), QStringLiteral("(全部)"));
        QCOMPARE(combo.currentIndex(), 0);
        QCOMPARE(combo.currentText(), QStringLiteral("采购部"));
        combo.setCurrentIndex(2);
        QCOMPARE(combo.SelectedId(), -1);
        QCOMPARE(combo.Dept().Id, -1);

        combo.SelectId(4711);
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(combo.SelectedId(), 0);
        QVERIFY(combo.Dept().Id <= 0);
        QVERIFY(combo.Dept().Name.isEmpty());

        combo.SelectId(combo.Dept().Id);     // nothing chosen stays nothing chosen
        QCOMPARE(combo.currentIndex(), -1);
        combo.setCurrentIndex(1);
        QSignalSpy changed(&combo, &TLookupCombo::Changed);
        QTest::keyClick(&combo, Qt::Key_Delete);
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(changed.count(), 1);
    }

    void choiceCombo_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("sign minus") << int(TChoiceKind::Sign) << QVariant(-1) << "减少";
        QTest::newRow("unchecked") << int(TChoiceKind::CheckStatus) << QVariant(false) << "未审";
        QTest::newRow("invoiced") << int(TChoiceKind::InvoiceStatus) << QVariant(0) << "已开票";
        QTest::newRow("stopped") << int(TChoiceKind::CompletionStatus) << QVariant(3) << "已中止";
        QTest::newRow("inspection failed")
            << int(TChoiceKind::InspectionStatus) << QVariant(1) << "质检不合格";
        QTest::newRow("unknown value") << int(TChoiceKind::CompletionStatus) << QVariant(7) << "";
        QTest::newRow("null") << int(TChoiceKind::InvoiceStatus) << QVariant() << "";
    }
    void choiceCombo()
    {
        QFETCH(int, kind);
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        TChoiceCombo combo(static_cast<TChoiceKind>(kind));
        combo.Fill();
        QVERIFY(combo.Get().isNull());
        combo.setCurrentIndex(0);
        combo.Select(value);
        QCOMPARE(combo.currentText(), text);
        if (text.isEmpty())
            QVERIFY(combo.Get().isNull());
        else
            QCOMPARE(combo.Get(), value);
    }

    // The supplier edit browses the supplier picker and shows what was taken.
    void lookupEditBrowse()
    {
        TLookupEdit edit(TLookupEditKind::Supplier);
        QSignalSpy changed(&edit, &TLookupEdit::Changed);
        TModalScript script({[](QWidget *d) {
            auto *picker = qobject_cast<TPickerFrm *>(d);
            Type(picker->SearchEdit(), QStringLiteral("星光"));
            QTest::keyClick(picker->SearchEdit(), Qt::Key_Return);
            QTest::keyClick(picker->Grid(), Qt::Key_Return);
        }});
        edit.Browse();
        QCOMPARE(edit.text(), QStringLiteral("星光塑料"));
        QVERIFY(edit.HeldId() > 0);
        QCOMPARE(edit.Supplier().LookId, QStringLiteral("XGSL"));
        QCOMPARE(changed.count(), 1);
        edit.ClearHeld();
        QCOMPARE(edit.HeldId(), 0);
        QVERIFY(edit.text().isEmpty());
    }
};

QObject *NewLookupsTest()
{
    return new TstLookups;
}

#include "TstLookups.moc"
