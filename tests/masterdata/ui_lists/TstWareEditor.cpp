#include "Tests.h"
#include "grids/ui/ksEdit.h"
#include "UiTestKit.h"
#include "../../config/ModalScript.h"

#include "config/Settings.h"
#include "masterdata/ui/ViewList.h"
#include "masterdata/ui/WareEditorFrm.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

using namespace UiKit;

class TstWareEditor : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;

private slots:
    void initTestCase()
    {
        m_db.CreateFull();
        // The captions as the program has them after start-up: the labels of the database.
        LoadCommonSettings();
        LoginAs(QStringLiteral("sa"));
    }

    // Number and name are required, in that order; the message names the box's caption
    // and the box gets the focus.
    void requiredFields_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no number") << "" << "螺丝" << "请填写货号." << "edtCode";
        QTest::newRow("neither") << " " << "" << "请填写货号." << "edtCode";
        QTest::newRow("blank name") << "LS-01" << "  " << "请填写品名." << "edtName";
    }
    void requiredFields()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TScriptedMessageScope messages;
        int saves = 0;
        QString focused;
        TModalScript script({[&](QWidget *d) {
            auto *editor = qobject_cast<TbuWareEditorFrm *>(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("添加"));
            Type(editor->edtCode, code);
            Type(editor->edtName, name);
            editor->edtNote->setFocus();
            Click(d, QStringLiteral("btnOk"));
            QVERIFY(d->isVisible());
            focused = d->focusWidget() ? d->focusWidget()->objectName() : QString();
            Click(d, QStringLiteral("btnCancel"));
        }});
        QVERIFY(!EditWare(nullptr, RWare(), [&saves](RWare &) { return ++saves > 0; }));
        QCOMPARE(saves, 0);
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n") + message + u'\t');
        QCOMPARE(focused, focus);
    }

    // An empty numeric box is stored as NULL, a filled one as its number; a new item goes
    // into the list's default category.
    void numbersAndCategory()
    {
        RWareCata cata;
        cata.Name = QStringLiteral("紧固件");
        cata.Code = QStringLiteral("1.");
        cata.SlfId = 1;
        TheDatabase().ExecSQL(QStringLiteral("insert into wareclass(Id, Code, Name, SlfId, PrtId)"
                                             "values(7, '1.', :Name, 1, 0)"),
                              {DBParam(QStringLiteral("Name"), cata.Name)});
        cata.Id = 7;
        TWareList list;
        list.Load();
        list.DefaultCategory = cata;
        QString shownCategory;
        TModalScript script({[&](QWidget *d) {
            auto *editor = qobject_cast<TbuWareEditorFrm *>(d);
            shownCategory = editor->edtCata->text();
            Type(editor->edtCode, QStringLiteral("LS-M6"));
            Type(editor->edtName, QStringLiteral("六角螺栓"));
            Type(editor->edtF[1], QStringLiteral("2.5"));
            editor->cmbUnit->setEditText(QStringLiteral("个"));
            UiKit::Shot(d, QStringLiteral("goods-editor"));
            Click(d, QStringLiteral("btnOk"));
        }});
        list.AddItem(nullptr);
        QCOMPARE(shownCategory, QStringLiteral("紧固件"));
        const int id = list.AsData().Id;
        QVERIFY(id > 0);
        const TDBParameters key{DBParam(QStringLiteral("Id"), id)};
        QVERIFY(Scalar(QStringLiteral("select F01 from ware where Id=:Id"), key).isNull());
        QCOMPARE(Scalar(QStringLiteral("select F02 from ware where Id=:Id"), key).toDouble(), 2.5);
        QCOMPARE(Scalar(QStringLiteral("select ClassId from ware where Id=:Id"), key).toInt(), 7);
        QCOMPARE(Scalar(QStringLiteral("select Unit from ware where Id=:Id"), key).toString(),
                 QStringLiteral("个"));
        QCOMPARE(list.AsData().CataName, QStringLiteral("紧固件"));
    }

    // Changing an item keeps what the editor does not show (prices, location), and a number
    // emptied in the editor becomes NULL again.
    void editKeepsHiddenMembers()
    {
        RWare ware;
        ware.Code = QStringLiteral("DZ-1");
        ware.Name = QStringLiteral("垫圈");
        ware.InPrice = 3.5;
        ware.Location = QStringLiteral("A-01");
        ware.F[0] = 9;
        QVERIFY(TWareSet::Save(ware));
        TWareList list;
        list.Load();
        QVERIFY(list.DataSet()->Locate(QStringLiteral("Id"), ware.Id));
        TModalScript script({[](QWidget *d) {
            auto *editor = qobject_cast<TbuWareEditorFrm *>(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("修改"));
            QCOMPARE(editor->edtF[0]->text(), QStringLiteral("9"));
            Type(editor->edtF[0], QString());
            Type(editor->edtName, QStringLiteral("平垫圈"));
            Click(d, QStringLiteral("btnOk"));
        }});
        list.EditItem(nullptr);
        RWare stored;
        QVERIFY(TWareSet::GetById(ware.Id, stored));
        QCOMPARE(stored.Name, QStringLiteral("平垫圈"));
        QCOMPARE(stored.InPrice, std::optional<double>(3.5));
        QCOMPARE(stored.Location, QStringLiteral("A-01"));
        QVERIFY(!stored.F[0]);
        QVERIFY(!stored.ClassId);
    }

    // Captions come from the goods labels; the hint tells where they are set.
    void captions()
    {
        TbuWareEditorFrm editor(nullptr, RWare(), [](RWare &) { return true; });
        QCOMPARE(editor.lblHint->text(), QStringLiteral("标签可以在文件菜单下选项中设置!"));
        QStringList labels;
        for (QWidget *box : {static_cast<QWidget *>(editor.edtLookId),
                             static_cast<QWidget *>(editor.edtCode),
                             static_cast<QWidget *>(editor.edtName),
                             static_cast<QWidget *>(editor.cmbUnit)})
            for (QLabel *l : editor.findChildren<QLabel *>())
                if (l->buddy() == box)
                    labels << l->text();
        QCOMPARE(labels, (QStringList{"助查码", "货号", "品名", "基本单位"}));
    }
};

QObject *NewWareEditorTest()
{
    return new TstWareEditor;
}

#include "TstWareEditor.moc"
