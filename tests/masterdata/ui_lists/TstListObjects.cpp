#include "Tests.h"
#include "UiTestKit.h"
#include "../../config/ModalScript.h"

#include "data/Exceptions.h"
#include "masterdata/ui/SmallEditors.h"
#include "masterdata/ui/ViewList.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

using namespace UiKit;

namespace {
// A list object of the kind named by a test row, loaded.
std::unique_ptr<IViewList> MakeList(const QString &kind)
{
    std::unique_ptr<IViewList> list;
    if (kind == QLatin1String("supplier"))
        list = std::make_unique<TSupplierList>();
    else if (kind == QLatin1String("employee"))
        list = std::make_unique<TEmployeeList>();
    else if (kind == QLatin1String("goods"))
        list = std::make_unique<TWareList>();
    else if (kind == QLatin1String("bank"))
        list = std::make_unique<TBankList>();
    else if (kind == QLatin1String("dept"))
        list = std::make_unique<TDeptList>();
    else if (kind == QLatin1String("unit"))
        list = std::make_unique<TUnitList>();
    else if (kind == QLatin1String("planType"))
        list = std::make_unique<TbuPlanTypeList>();
    else if (kind == QLatin1String("orderType"))
        list = std::make_unique<TbuOrderTypeList>();
    else if (kind == QLatin1String("payable"))
        list = std::make_unique<TShldoutItemList>();
    else if (kind == QLatin1String("house"))
        list = std::make_unique<THouseList>();
    list->Refresh();
    return list;
}

const QString Integrity = QStringLiteral("为了数据的完整性,现在不能删除该资料,因为有的单据中已引用了,"
                                         "除非先把相关的单据删除.\r\n如果是初始使用，请选择“文件”菜单里"
                                         "的初始数据功能来清除. 系统描述如下:\r\n");
} // namespace

class TstListObjects : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;

private slots:
    void initTestCase()
    {
        m_db.CreateFull();
        LoginAs(QStringLiteral("sa"));
    }

    // What an operator does with an employee: add in the editor, change, delete.
    void employeeThroughEditor()
    {
        TScriptedMessageScope messages;
        TEmployeeList list;
        list.LoadAll();
        const int before = Count(QStringLiteral("employee"));
        {
            TModalScript script({[](QWidget *d) {
                Type(Child<QLineEdit>(d, QStringLiteral("edtName")), QStringLiteral("赵敏"));
                Child<QComboBox>(d, QStringLiteral("cmbSex"))->setCurrentIndex(1);
                Type(Child<QLineEdit>(d, QStringLiteral("edtTel")), QStringLiteral("13800000001"));
                Child<QPlainTextEdit>(d, QStringLiteral("memNote"))
                    ->setPlainText(QStringLiteral("采购部\n负责五金"));
                Click(d, QStringLiteral("btnOk"));
            }});
            list.AddItem(nullptr);
            QCOMPARE(script.StepsDone(), 1);
            QVERIFY(script.Unexpected().isEmpty());
        }
        QCOMPARE(Count(QStringLiteral("employee")), before + 1);
        REmployee added = list.AsData();
        QVERIFY(added.Id > 0);
        REmployee stored;
        QVERIFY(TEmployeeSet::GetById(added.Id, stored));
        QCOMPARE(stored.Name, QStringLiteral("赵敏"));
        QCOMPARE(stored.Sex, QStringLiteral("女"));
        QCOMPARE(stored.Note, QStringLiteral("采购部\n负责五金"));

        {
            TModalScript script({[](QWidget *d) {
                QCOMPARE(Child<QLineEdit>(d, QStringLiteral("edtName"))->text(),
                         QStringLiteral("赵敏"));
                Type(Child<QLineEdit>(d, QStringLiteral("edtName")), QStringLiteral("赵敏华"));
                Click(d, QStringLiteral("btnOk"));
            }});
            list.EditItem(nullptr);
        }
        QVERIFY(TEmployeeSet::GetById(added.Id, stored));
        QCOMPARE(stored.Name, QStringLiteral("赵敏华"));
        QCOMPARE(stored.Tel, QStringLiteral("13800000001"));
        QCOMPARE(list.AsData().Name, QStringLiteral("赵敏华"));
        QCOMPARE(list.DataSet()->RecordCount(), before + 1);

        // Cancelled confirmation: nothing goes.
        messages->Answers = {false};
        list.DeleteItem(nullptr);
        QVERIFY(TEmployeeSet::GetById(added.Id, stored));
        messages->Answers = {true};
        list.DeleteItem(nullptr);
        QVERIFY(messages->LastText().contains(QStringLiteral("赵敏华")));
        QVERIFY(!TEmployeeSet::GetById(added.Id, stored));
        QCOMPARE(list.DataSet()->RecordCount(), before);
    }

    // Every small editor refuses a blank name, stays open and saves nothing.
    void editorsRequireName_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("employee") << "employee" << "名称不能为空" << "职员";
        QTest::newRow("bank") << "bank" << "名称不能为空" << "添加";
        QTest::newRow("dept") << "dept" << "名称不能为空" << "部门";
        QTest::newRow("unit") << "unit" << "单位名称必须填写" << "包装单位";
        QTest::newRow("house") << "house" << "名称不能为空" << "仓库";
    }
    void editorsRequireName()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QFETCH(QString, title);
        TScriptedMessageScope messages;
        std::unique_ptr<IViewList> list = MakeList(kind);
        const int rows = list->ListSet()->RecordCount();
        QString seenTitle;
        bool focused = false;
        TModalScript script({[&](QWidget *d) {
            seenTitle = d->windowTitle();
            auto *name = Child<QLineEdit>(d, QStringLiteral("edtName"));
            Type(name, QStringLiteral("   "));
            Child<QWidget>(d, QStringLiteral("btnCancel"))->setFocus();
            Click(d, QStringLiteral("btnOk"));
            QVERIFY(d->isVisible());
            focused = d->focusWidget() == name;
            Click(d, QStringLiteral("btnCancel"));
        }});
        list->AddItem(nullptr);
        QCOMPARE(script.StepsDone(), 1);
        QCOMPARE(seenTitle, title);
        QCOMPARE(messages->Messages.size(), 1);
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n") + message + u'\t');
        QVERIFY(focused);
        QCOMPARE(list->ListSet()->RecordCount(), rows);
    }

    // A record that an arrival names cannot go: the list says why and keeps everything.
    void referencedRecordIsKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("table");
        QTest::newRow("supplier named by an arrival") << "supplier" << "supplier";
        QTest::newRow("buyer named by an arrival") << "employee" << "employee";
        QTest::newRow("goods on an arrival line") << "goods" << "ware";
    }
    void referencedRecordIsKept()
    {
        QFETCH(QString, kind);
        QFETCH(QString, table);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).left(8);
        const int supplier = AddSupplier(QStringLiteral("引用供应商") + tag, QStringLiteral("YY"));
        const int employee = AddEmployee(QStringLiteral("引用职员") + tag);
        const int ware = AddWare(QStringLiteral("R-") + tag, QStringLiteral("引用货品"));
        AddArrival(supplier, employee, ware);
        const int id = kind == QLatin1String("supplier") ? supplier
                       : kind == QLatin1String("employee") ? employee : ware;

        TScriptedMessageScope messages;
        std::unique_ptr<IViewList> list = MakeList(kind);
        TDataSet *data = list->ListSet();
        QVERIFY(data->Locate(QStringLiteral("Id"), id));
        const int rows = data->RecordCount();
        const int stored = Count(table);
        list->DeleteItem(nullptr);
        QCOMPARE(messages->Messages.size(), 2);     // the confirmation, then the refusal
        QVERIFY2(messages->LastText().startsWith(QStringLiteral("\r\n") + Integrity),
                 qPrintable(messages->LastText()));
        QVERIFY(messages->LastText().contains(QStringLiteral("采购收货单")));
        QCOMPARE(Count(table), stored);
        QCOMPARE(data->RecordCount(), rows);
        QCOMPARE(data->FieldByName(QStringLiteral("Id"))->AsInteger(), id);
    }

    // Without the list's right nothing opens. With it, import says it is not built until the
    // wizard is installed (and 导入 is disabled for the tables it serves); then the tables
    // with an importer run it and the others still say they are entered by hand.
    void rightsAndImport_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("importer");
        QTest::newRow("goods") << "goods" << 1014 << "goods";
        QTest::newRow("supplier") << "supplier" << 1010 << "suppliers";
        QTest::newRow("employee") << "employee" << 1011 << "employees";
        QTest::newRow("dept") << "dept" << 1012 << "";
        QTest::newRow("bank") << "bank" << 1052 << "";
        QTest::newRow("unit") << "unit" << 62 << "";
        QTest::newRow("plan types") << "planType" << 1008 << "";
        QTest::newRow("order types") << "orderType" << 1008 << "";
        QTest::newRow("payable items") << "payable" << 1062 << "";
        QTest::newRow("warehouses") << "house" << 2013 << "";
    }
    void rightsAndImport()
    {
        QFETCH(QString, kind);
        QFETCH(int, right);
        TScriptedMessageScope messages;
        std::unique_ptr<IViewList> list = MakeList(kind);
        QCOMPARE(list->Right(), right);
        LoginAs(QStringLiteral("li"), QStringLiteral(",1,"));
        {
            TModalScript script({});
            QVERIFY_THROWS_EXCEPTION(EAbort, list->AddItem(nullptr));
            QVERIFY_THROWS_EXCEPTION(EAbort, list->EditItem(nullptr));
            QVERIFY_THROWS_EXCEPTION(EAbort, list->DeleteItem(nullptr));
            QVERIFY_THROWS_EXCEPTION(EAbort, list->ImportItems(nullptr));
            QVERIFY(script.Unexpected().isEmpty());
        }
        QCOMPARE(messages->Messages.size(), 4);
        QVERIFY(messages->LastText().contains(QString::number(right)));
        messages->Reset();
        LoginAs(QStringLiteral("li"), QStringLiteral(",%1,").arg(right));
        QFETCH(QString, importer);
        list->ImportItems(nullptr);
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n不支持导入功能,请手工录入\t"));
        QCOMPARE(list->CanImport(), importer.isEmpty());
        QStringList asked;
        ImportWizard() = [&asked](QWidget *, const QString &kind) {
            asked << kind;
            return false;
        };
        QVERIFY(list->CanImport());
        messages->Reset();
        list->ImportItems(nullptr);
        ImportWizard() = nullptr;
        QCOMPARE(asked, importer.isEmpty() ? QStringList() : QStringList{importer});
        QCOMPARE(messages->Messages.size(), importer.isEmpty() ? 1 : 0);
        LoginAs(QStringLiteral("sa"));
    }
};

QObject *NewListObjectsTest()
{
    return new TstListObjects;
}

#include "TstListObjects.moc"
