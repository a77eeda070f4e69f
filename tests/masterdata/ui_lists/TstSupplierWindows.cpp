#include "Tests.h"
#include "grids/ui/ksEdit.h"
#include "UiTestKit.h"
#include "../../config/ModalScript.h"

#include "config/Configer.h"
#include "config/Settings.h"
#include "grids/ui/DBGrid.h"
#include "masterdata/ui/SupDocsEditorFrm.h"
#include "masterdata/ui/SupplierEditorFrm.h"
#include "masterdata/ui/SupplierListFrm.h"
#include "masterdata/ui/ViewList.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace UiKit;

namespace {
bool TabsShown(const TSupplierEditorFrm &editor)
{
    return editor.Pages->isTabVisible(1) && editor.Pages->isTabVisible(2);
}

QString Buttons(const TSupplierEditorFrm &e)
{
    QString s;
    for (const QPushButton *b : {e.btnNew, e.btnDelete, e.btnOk, e.btnCancel})
        s += b->isEnabled() ? u'1' : u'0';
    return s;
}
} // namespace

class TstSupplierWindows : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;
    QTemporaryDir m_dir;
    int m_shown = 0;

private slots:
    void initTestCase()
    {
        m_db.CreateFull();
        LoadCommonSettings();       // the goods captions, as after start-up
        LoginAs(QStringLiteral("sa"));
        QVERIFY(m_dir.isValid());
        TConfiger::SetProgramLocation(m_dir.path(), QStringLiteral("openbuy"));
        m_shown = AddSupplier(QStringLiteral("华南电器"), QStringLiteral("HNDQ"), "020-8888");
        AddSupplier(QStringLiteral("北方机电"), QStringLiteral("BFJD"), "010-1");
    }
    void cleanupTestCase()
    {
        TConfiger::SetProgramLocation(QString(), QString());
    }

    // Add, change and delete a supplier from the supplier list through its editor.
    void supplierThroughEditor()
    {
        TScriptedMessageScope messages;
        TSupplierList list;
        list.LoadAll();
        const int before = Count(QStringLiteral("supplier"));
        int stateAfterSave = -1;
        bool tabsAfterSave = false;
        QString title;
        TModalScript add({[&](QWidget *d) {
            auto *e = qobject_cast<TSupplierEditorFrm *>(d);
            title = e->windowTitle();
            QVERIFY(!TabsShown(*e));
            QCOMPARE(Buttons(*e), QStringLiteral("0011"));
            Type(e->edtName, QStringLiteral("东方轴承"));
            Type(e->edtLookId, QStringLiteral("DFZC"));
            e->cmbCredits->setEditText(QStringLiteral("优"));
            Click(e, QStringLiteral("btnOk"));
            stateAfterSave = e->State();
            tabsAfterSave = TabsShown(*e);
            QCOMPARE(e->windowTitle(), QStringLiteral("东方轴承"));
            QCOMPARE(Buttons(*e), QStringLiteral("1100"));
            Click(e, QStringLiteral("btnClose"));
        }});
        list.AddItem(nullptr);
        QCOMPARE(title, QStringLiteral("新建供应商"));
        QCOMPARE(stateAfterSave, int(TSupplierEditorFrm::stBrowse));
        QVERIFY(tabsAfterSave);
        QCOMPARE(Count(QStringLiteral("supplier")), before + 1);
        const RSupplier added = list.AsData();
        QCOMPARE(added.Name, QStringLiteral("东方轴承"));
        QCOMPARE(added.Credits, QStringLiteral("优"));

        TModalScript change({[](QWidget *d) {
            auto *e = qobject_cast<TSupplierEditorFrm *>(d);
            QCOMPARE(e->State(), int(TSupplierEditorFrm::stBrowse));
            Type(e->edtTel, QStringLiteral("0512-66"));
            QCOMPARE(e->State(), int(TSupplierEditorFrm::stChanged));
            QCOMPARE(Buttons(*e), QStringLiteral("0011"));
            Click(e, QStringLiteral("btnOk"));
            Click(e, QStringLiteral("btnClose"));
        }});
        list.EditItem(nullptr);
        RSupplier stored;
        QVERIFY(TSupplierSet::GetById(added.Id, stored));
        QCOMPARE(stored.Tel, QStringLiteral("0512-66"));
        QCOMPARE(list.AsData().Tel, QStringLiteral("0512-66"));

        TModalScript remove({[](QWidget *d) { Click(d, QStringLiteral("btnDelete")); }});
        list.EditItem(nullptr);
        QCOMPARE(messages->LastText(), QStringLiteral("\r确定要删除' 东方轴承 '吗?"));
        QVERIFY(!TSupplierSet::GetById(added.Id, stored));
        QCOMPARE(list.DataSet()->RecordCount(), before);
    }

    // "新建" then "取消" shows the supplier from before again; without one the window closes.
    void newThenCancel()
    {
        TScriptedMessageScope messages;
        int saves = 0;
        const auto save = [&saves](RSupplier &) { return ++saves > 0; };
        RSupplier shown;
        QVERIFY(TSupplierSet::GetById(m_shown, shown));
        TSupplierEditorFrm editor(nullptr, save, {});
        editor.ShowSupplier(shown);
        editor.show();
        Click(&editor, QStringLiteral("btnNew"));
        QCOMPARE(editor.State(), int(TSupplierEditorFrm::stNew));
        QCOMPARE(editor.windowTitle(), QStringLiteral("新建供应商"));
        QVERIFY(editor.edtName->text().isEmpty());
        QVERIFY(!TabsShown(editor));
        Type(editor.edtName, QStringLiteral("半途而废"));
        Click(&editor, QStringLiteral("btnCancel"));
        QCOMPARE(editor.State(), int(TSupplierEditorFrm::stBrowse));
        QCOMPARE(editor.edtName->text(), QStringLiteral("华南电器"));
        QCOMPARE(editor.edtTel->text(), QStringLiteral("020-8888"));
        QCOMPARE(editor.Supplier().Id, m_shown);
        QVERIFY(TabsShown(editor));
        QVERIFY(editor.isVisible());

        // The name is required; nothing is saved without it.
        Click(&editor, QStringLiteral("btnNew"));
        Click(&editor, QStringLiteral("btnOk"));
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n请输入单位名称.\t"));
        QCOMPARE(saves, 0);

        TSupplierEditorFrm fresh(nullptr, save, {});
        fresh.ShowNew();
        fresh.show();
        Click(&fresh, QStringLiteral("btnCancel"));
        QVERIFY(!fresh.isVisible());
        QCOMPARE(fresh.result(), int(QDialog::Rejected));
    }

    // A document is stored with its bytes; "打开" writes tmp_<name> beside the program and
    // opens it; renaming keeps the bytes.
    void documents()
    {
        TScriptedMessageScope messages;
        const QByteArray bytes("%PDF-1.4 合同正文\x00\x01\xff", 24);
        const QString source = m_dir.filePath(QStringLiteral("source/合同.pdf"));
        QDir().mkpath(m_dir.filePath(QStringLiteral("source")));
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const auto previousAsk = TSupDocsEditorFrm::AskOpenFileName;
        TSupDocsEditorFrm::AskOpenFileName = [source](QWidget *) { return source; };
        QString opened;
        const auto previousOpen = TksDBGrid::OpenDocument;
        TksDBGrid::OpenDocument = [&opened](const QString &path) {
            opened = path;
            return true;
        };

        RSupplier shown;
        QVERIFY(TSupplierSet::GetById(m_shown, shown));
        TSupplierEditorFrm editor(nullptr, [](RSupplier &) { return true; }, {});
        editor.ShowSupplier(shown);
        editor.show();
        {
            TModalScript script({[](QWidget *d) {
                QCOMPARE(d->windowTitle(), QStringLiteral("供应商文档"));
                Click(d, QStringLiteral("btnChoose"));
                QCOMPARE(Child<QLineEdit>(d, QStringLiteral("edtDocName"))->text(),
                         QStringLiteral("合同.pdf"));
                Click(d, QStringLiteral("btnOk"));
            }});
            Click(&editor, QStringLiteral("btnDocAdd"));
            QCOMPARE(script.StepsDone(), 1);
        }
        QCOMPARE(editor.Docs->DataSet()->RecordCount(), 1);
        QCOMPARE(editor.Docs->AsData().Billman, QStringLiteral("sa"));
        Click(&editor, QStringLiteral("btnDocOpen"));
        const QString expected = QDir(m_dir.path()).filePath(QStringLiteral("tmp_合同.pdf"));
        QCOMPARE(opened, expected);
        QFile written(expected);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), bytes);

        {
            TModalScript script({[](QWidget *d) {
                QVERIFY(!Child<QPushButton>(d, QStringLiteral("btnChoose"))->isEnabled());
                Type(Child<QLineEdit>(d, QStringLiteral("edtDocName")), QStringLiteral("合同2.pdf"));
                Click(d, QStringLiteral("btnOk"));
            }});
            Click(&editor, QStringLiteral("btnDocEdit"));
        }
        const int dlId = editor.Docs->AsData().dlId;
        QCOMPARE(editor.Docs->AsData().DocName, QStringLiteral("合同2.pdf"));
        QByteArray stored;
        QVERIFY(TSupplierDocsSet::FetchDocumentData(dlId, stored));
        QCOMPARE(stored, bytes);
        editor.Pages->setCurrentIndex(1);
        UiKit::Shot(&editor, QStringLiteral("supplier-editor-documents"));

        TSupDocsEditorFrm::AskOpenFileName = previousAsk;
        TksDBGrid::OpenDocument = previousOpen;
    }

    // A price for a goods item: added from the picked goods, NULL where the box is empty,
    // then deleted after the question.
    void prices()
    {
        TScriptedMessageScope messages;
        RWare ware;
        ware.Code = QStringLiteral("ZC-6204");
        ware.Name = QStringLiteral("深沟球轴承");
        ware.PartNo = QStringLiteral("6204-2RS");
        ware.Brand = QStringLiteral("哈轴");
        QVERIFY(TWareSet::Save(ware));
        RSupplier shown;
        QVERIFY(TSupplierSet::GetById(m_shown, shown));
        TSupplierEditorFrm editor(nullptr, [](RSupplier &) { return true; }, {});
        editor.ShowSupplier(shown);
        editor.show();
        editor.Pages->setCurrentIndex(2);
        QString title, goods;
        TModalScript script({[&](QWidget *d) {
            title = d->windowTitle();
            goods = Child<QLineEdit>(d, QStringLiteral("edtWareS02"))->text();
            Type(Child<QLineEdit>(d, QStringLiteral("edtPrice")), QStringLiteral("12.5"));
            Click(d, QStringLiteral("btnOk"));
        }});
        QVERIFY(editor.AddPriceFor(ware));
        QCOMPARE(title, QStringLiteral("添加供货信息"));
        QCOMPARE(goods, QStringLiteral("深沟球轴承"));
        QCOMPARE(editor.Prices->DataSet()->RecordCount(), 1);
        const int id = editor.Prices->AsData().Id;
        const TDBParameters key{DBParam(QStringLiteral("Id"), id)};
        QCOMPARE(Scalar(QStringLiteral("select Price from suppwares where Id=:Id"), key)
                     .toDouble(), 12.5);
        QVERIFY(Scalar(QStringLiteral("select TaxPrice from suppwares where Id=:Id"), key)
                    .isNull());
        QCOMPARE(Scalar(QStringLiteral("select SupplierId from suppwares where Id=:Id"), key)
                     .toInt(), m_shown);
        UiKit::Shot(&editor, QStringLiteral("supplier-editor-prices"));

        messages->Answers = {false};
        Click(&editor, QStringLiteral("btnPriceDelete"));
        QCOMPARE(editor.Prices->DataSet()->RecordCount(), 1);
        QCOMPARE(messages->LastText(), QStringLiteral("\r确定要删除此供货信息吗?"));
        Click(&editor, QStringLiteral("btnPriceDelete"));
        QCOMPARE(editor.Prices->DataSet()->RecordCount(), 0);
        QVERIFY(Scalar(QStringLiteral("select Id from suppwares where Id=:Id"), key).isNull());
    }

    // The keyword narrows the list in the chosen field; look-up code is chosen at start.
    void listKeyword_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("look-up code, any case") << "" << "hndq" << QStringList{"华南电器"};
        QTest::newRow("name part") << "Name" << "华南" << QStringList{"华南电器"};
        QTest::newRow("telephone") << "Tel" << "8888" << QStringList{"华南电器"};
        QTest::newRow("nothing") << "Addr" << "北京" << QStringList{};
    }
    void listKeyword()
    {
        QFETCH(QString, field);
        QFETCH(QString, keyword);
        QFETCH(QStringList, names);
        auto *window = new TSupplierListFrm(nullptr);
        window->Suppliers()->LoadAll();
        QCOMPARE(window->windowTitle(), QStringLiteral("供应商"));
        QCOMPARE(window->Grid()->LayoutId(), 1116);
        QCOMPARE(window->cmbField->currentData().toString(), QStringLiteral("LookId"));
        if (!field.isEmpty())
            window->cmbField->setCurrentIndex(window->cmbField->findData(field));
        Type(window->edtKeyword, keyword);
        QCOMPARE(Column(window->Suppliers()->DataSet(), QStringLiteral("Name")), names);
        Type(window->edtKeyword, QString());
        QCOMPARE(window->Suppliers()->DataSet()->RecordCount(), Count(QStringLiteral("supplier")));
        window->close();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QObject *NewSupplierWindowsTest()
{
    return new TstSupplierWindows;
}

#include "TstSupplierWindows.moc"
