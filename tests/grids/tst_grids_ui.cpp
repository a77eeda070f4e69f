#include "support/TestSupport.h"

#include "GridTestData.h"
#include "config/Operator.h"
#include "data/DataSetModel.h"
#include "data/Exceptions.h"
#include "data/RecordSet.h"
#include "grids/GridLayout.h"
#include "grids/ui/BatchUpdateFrm.h"
#include "grids/ui/BillGrid.h"
#include "grids/ui/DBGrid.h"
#include "grids/ui/DataExporterFrm.h"
#include "grids/ui/FltrDlgFrm.h"
#include "grids/ui/GridDelegate.h"
#include "grids/ui/SortFrm.h"
#include "grids/ui/TblFrm.h"
#include "grids/ui/Title1Fra.h"
#include "grids/ui/ksComboBox.h"
#include "grids/ui/ksDateTimePicker.h"
#include "grids/ui/ksEdit.h"
#include "grids/ui/ksPopupMenu.h"
#include "grids/ui/xVisibleFrm.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {
// Runs the action once the next modal dialog is up (the grid's commands run them modally).
void WhenModal(std::function<void(QWidget *)> action)
{
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        action(modal);
    });
}

QStringList Column(const TDataSet &ds, const QString &name)
{
    QStringList values;
    const int c = ds.FieldByName(name)->Index();
    for (int pos = 0; pos < ds.RecordCount(); ++pos)
        values << ds.ValueAt(pos, c).toString();
    return values;
}

QPoint TitleCenter(const TksDBGrid &grid, const QString &field)
{
    const int logical = grid.DataSet()->FieldByName(field)->Index();
    const QHeaderView *h = grid.horizontalHeader();
    return QPoint(h->sectionViewportPosition(logical) + h->sectionSize(logical) / 2,
                  h->height() / 2);
}

void ClickTitle(TksDBGrid &grid, const QString &field, Qt::KeyboardModifiers mods = {})
{
    QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, mods,
                      TitleCenter(grid, field));
}

QPoint CellCenter(const TksDBGrid &grid, int row, const QString &field)
{
    const QModelIndex index = grid.model()->index(row,
                                                  grid.DataSet()->FieldByName(field)->Index());
    return grid.visualRect(index).center();
}

// Types text the way an input method delivers it (QtTest only types ASCII keys).
void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void SaveShot(QWidget *widget, const QString &name)
{
    widget->grab().save(QStringLiteral("/tmp/grids_%1.png").arg(name));
}

void GrantAll()
{
    TheOperator().Clear();
    TheOperator().LoginId = QStringLiteral("sa");
}

// Pixels dark enough to be text (a button's "..." rather than its bevel).
int DarkPixels(const QImage &image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    return dark;
}

// Drops row `from` of a dialog's list onto row `to` (-1: below the last row) the way the
// view ends a drag: the dragged row's item data handed to the model's drop.
void DropRow(QTableWidget *table, int from, int to)
{
    QVERIFY(table->dragEnabled());
    table->selectRow(from);
    QAbstractItemModel *model = table->model();
    QModelIndexList cells;
    for (int c = 0; c < model->columnCount(); ++c)
        cells << model->index(from, c);
    const std::unique_ptr<QMimeData> data(model->mimeData(cells));
    const QModelIndex target = to < 0 ? QModelIndex() : model->index(to, 0);
    QVERIFY(model->canDropMimeData(data.get(), Qt::MoveAction, -1, -1, target));
    QVERIFY(model->dropMimeData(data.get(), Qt::MoveAction, -1, -1, target));
}

// Each row of a dialog's list as "caption/second column".
QStringList Rows(const QTableWidget *table)
{
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r)
        rows << table->item(r, 0)->text() + u'/' + table->item(r, 1)->text();
    return rows;
}

QPushButton *Button(QWidget *dialog, const QString &text)
{
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}
} // namespace

class TstDBGrid : public QObject
{
    Q_OBJECT
    TTestDatabase m_db;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        m_db.CreateFull();
        GrantAll();
    }
    void init() { GrantAll(); }

    void defaultColumns()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        QWidget panel;
        TksDBGrid *grid = TksDBGrid::CreateInPanel(&panel, 7001, &ds, &panel);
        QCOMPARE(grid->Tag, 7001);
        QCOMPARE(grid->ColumnCount(), 6);         // the hidden key has no column
        QStringList captions;
        for (int c = 0; c < grid->ColumnCount(); ++c)
            captions << grid->ColumnCaption(c);
        QCOMPARE(captions, QStringList({"代码", "名称", "数量", "金额", "日期", "备注"}));
        QVERIFY(grid->isColumnHidden(0));
        QCOMPARE(grid->ColumnOfField(ds.FieldByName("Id")), -1);
        QCOMPARE(grid->ColumnOfField(ds.FieldByName("Qty")), 2);
        const QList<QAction *> items = grid->PopupMenuKs()->actions();
        QStringList menu;
        for (QAction *a : items)
            menu << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(menu, QStringList({"排序", "-", "列选择", "保存表格样式", "-", "导出到Excel文档",
                                    "导出到Html网页文件"}));
        // A window's items stand above the grid's, the last added on top.
        TksPopupMenu::AddCommandItem(grid->PopupMenuKs(), "打印", true, nullptr)->setData(1);
        TksPopupMenu::AddCommandItem(grid->PopupMenuKs(), "预览", true, nullptr)->setData(1);
        QCOMPARE(grid->PopupMenuKs()->actions().value(0)->text(), QStringLiteral("预览"));
        QCOMPARE(grid->PopupMenuKs()->actions().value(1)->text(), QStringLiteral("打印"));
        QAbstractItemModelTester tester(grid->DataSource(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        grid->QuickFilter("螺栓");
        grid->TitleClick(ds.FieldByName("Code")->Index(), false);
        grid->QuickFilter(QString());
    }

    void sortByTwoTitles()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TDBGrid grid;
        grid.SetDataSet(&ds);
        grid.resize(700, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        ClickTitle(grid, "Code");
        ClickTitle(grid, "Name", Qt::ControlModifier);
        QCOMPARE(ds.SortText(), QStringLiteral("Code, Name"));
        QCOMPARE(Column(ds, "Name"), QStringList({"垫片", "轴承", "螺栓, M8", "螺栓 M10"}));
        QCOMPARE(grid.SortRank(ds.FieldByName("Name")->Index()), 1);
        ClickTitle(grid, "Name", Qt::ControlModifier);
        QCOMPARE(ds.SortText(), QStringLiteral("Code, Name DESC"));
        QCOMPARE(Column(ds, "Name").mid(0, 2), QStringList({"轴承", "垫片"}));
        // The columns keep their places and visibility through the model resets.
        QVERIFY(grid.isColumnHidden(0));
        QCOMPARE(grid.horizontalHeader()->visualIndex(ds.FieldByName("Code")->Index()), 0);
        SaveShot(&grid, "list_sorted");
        // A plain click sorts by that column alone; three clicks go asc, desc, none.
        ClickTitle(grid, "Qty");
        QCOMPARE(ds.SortText(), QStringLiteral("Qty"));
        ClickTitle(grid, "Qty");
        QCOMPARE(ds.SortText(), QStringLiteral("Qty DESC"));
        QCOMPARE(Column(ds, "Qty").first(), QStringLiteral("10"));
        ClickTitle(grid, "Qty");
        QCOMPARE(ds.SortText(), QString());
        QCOMPARE(grid.SortMarkCount(), 0);
        QVERIFY(grid.selectionModel()->selectedColumns().isEmpty());
    }

    void quickFilterAndFilterDialog()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *grid = new TDBGrid(&window);
        QLineEdit *box = grid->CreateQuickFilterEdit(&window);
        layout->addWidget(box);
        layout->addWidget(grid);
        grid->SetDataSet(&ds);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClicks(box, "m8");                // any text column, ignoring case
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(grid->model()->rowCount(), 1);
        box->clear();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(grid->model()->rowCount(), 4);

        WhenModal([](QWidget *w) {
            auto *dialog = qobject_cast<TFltrDlgFrm *>(w);
            QVERIFY(dialog);
            QVERIFY(!dialog->OkButton()->isEnabled());
            QCOMPARE(dialog->Columns()->count(), 2);       // Code and Name
            const QListWidgetItem *name = dialog->Columns()->item(1);
            const QPoint p = dialog->Columns()->visualItemRect(name).center();
            QTest::mouseClick(dialog->Columns()->viewport(), Qt::LeftButton, {}, p);
            QTest::mouseDClick(dialog->Columns()->viewport(), Qt::LeftButton, {}, p);
            QCOMPARE(dialog->Page(), 1);
            SaveShot(dialog, "filter_dialog");
            TypeText(dialog->Keyword(), "螺栓");
            QTest::keyClick(dialog->Keyword(), Qt::Key_Return);
        });
        grid->FilterClick();
        QCOMPARE(Column(ds, "Code"), QStringList({"A02", "B01"}));
        WhenModal([](QWidget *w) {
            auto *dialog = static_cast<TFltrDlgFrm *>(w);
            dialog->Columns()->setCurrentRow(0);
            dialog->NextPage();
            dialog->OkButton()->click();        // empty keyword: all rows again
        });
        grid->FilterClick();
        QCOMPARE(ds.RecordCount(), 4);
    }

    void hideColumnSaveLayoutSecondGrid()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TScriptedMessageScope messages;
        QWidget panel;
        TksDBGrid *grid = TksDBGrid::CreateInPanel(&panel, 7002, &ds, &panel);
        panel.resize(700, 300);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        WhenModal([](QWidget *w) {
            auto *dialog = qobject_cast<TxVisibleFrm *>(w);
            QVERIFY(dialog);
            QTableWidget *table = dialog->Grid();
            SaveShot(dialog, "column_choice");
            const QPoint name = table->visualRect(table->model()->index(1, 1)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, name);
            QCOMPARE(table->item(1, 1)->text(), QString());
            // 备注 moves up in front of 日期.
            table->selectRow(5);
            dialog->MoveSelected(-1);
            dialog->OkButton()->click();
        });
        grid->PickColumnsClick();
        const int nameField = ds.FieldByName("Name")->Index();
        QVERIFY(grid->isColumnHidden(nameField));
        // The operator drags 数量 to the front and widens it.
        QHeaderView *h = grid->horizontalHeader();
        h->moveSection(h->visualIndex(ds.FieldByName("Qty")->Index()), 0);
        h->resizeSection(ds.FieldByName("Qty")->Index(), 111);
        grid->SaveLayoutClick();
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n列样式保存成功.\t"));
        QCOMPARE(LoadLayoutText(7002), grid->LayoutText());
        QVERIFY(grid->LayoutText().startsWith("Qty=True111\r\nCode=True"));

        TDataSet other;
        FillLines(other, SampleRows());
        QWidget panel2;
        TksDBGrid *second = TksDBGrid::CreateInPanel(&panel2, 7002, &other, &panel2);
        QStringList order;
        for (int c = 0; c < second->ColumnCount(); ++c)
            order << second->ColumnField(c)->FieldName + (second->ColumnVisible(c) ? "" : "-");
        QCOMPARE(order, QStringList({"Qty", "Code", "Name-", "Amount", "Note", "BizDate"}));
        QCOMPARE(second->columnWidth(other.FieldByName("Qty")->Index()), 111);
        QVERIFY(second->isColumnHidden(nameField));
        QCOMPARE(second->horizontalHeader()->visualIndex(other.FieldByName("Note")->Index()), 4);
        // The second save updates the one row.
        second->SaveLayoutClick();
        TRecordSet rows;
        QCOMPARE(rows.OpenSQL("select F02 from syscols where F02=:Id", {DBParam("Id", 7002)}), 1);
    }

    void refusedRights_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("right");
        QTest::newRow("save layout") << 0 << 10006;
        QTest::newRow("column choice") << 1 << 10008;
        QTest::newRow("excel") << 2 << 10004;
        QTest::newRow("html") << 3 << 10004;
        QTest::newRow("export") << 4 << 10004;
    }
    void refusedRights()
    {
        QFETCH(int, command);
        QFETCH(int, right);
        TDataSet ds;
        FillLines(ds, SampleRows());
        TDBGrid grid;
        grid.SetDataSet(&ds);
        grid.SetLayoutId(7003);
        TheOperator().LoginId = QStringLiteral("clerk");
        TheOperator().Rights = QStringLiteral(",10001,");
        TScriptedMessageScope messages;
        const std::function<void()> commands[] = {
            [&] { grid.SaveLayoutClick(); }, [&] { grid.PickColumnsClick(); },
            [&] { grid.SaveToExcelClick(); }, [&] { grid.SaveToHtmlClick(); },
            [&] { grid.ExportClick(); }};
        QVERIFY_THROWS_EXCEPTION(EAbort, commands[command]());
        QCOMPARE(messages->Messages.size(), 1);
        QVERIFY(messages->LastText().contains(QString::number(right)));
        QCOMPARE(LoadLayoutText(7003), QString());
    }

    void dataReadiness_data()
    {
        QTest::addColumn<bool>("withDataSet");
        QTest::addColumn<QString>("message");
        QTest::newRow("no data set") << false
            << "系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!";
        QTest::newRow("closed") << true << "系统提示: 请先打开数据再操作!";
    }
    void dataReadiness()
    {
        QFETCH(bool, withDataSet);
        QFETCH(QString, message);
        TDataSet ds;
        FillLines(ds, SampleRows());
        ds.Close();
        TDBGrid grid;
        if (withDataSet)
            grid.SetDataSet(&ds);
        TScriptedMessageScope messages;
        grid.SortClick();
        grid.FilterClick();
        QCOMPARE(messages->Messages.size(), 2);
        QVERIFY(messages->LastText().contains(message));
    }

    void keyboard()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TksDBGrid grid;
        grid.SetDataSet(&ds);
        grid.SetColumnVisible(2, false);            // 数量 hidden
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setCurrentIndex(grid.model()->index(0, ds.FieldByName("Name")->Index()));
        QTest::keyClick(&grid, Qt::Key_Left);       // never onto the first column
        QCOMPARE(grid.currentIndex().column(), ds.FieldByName("Name")->Index());
        QTest::keyClick(&grid, Qt::Key_Right);      // over the hidden column
        QCOMPARE(grid.currentIndex().column(), ds.FieldByName("Amount")->Index());
        QTest::keyClick(&grid, Qt::Key_Down);
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(ds.RecNo(), 3);
        QCOMPARE(grid.currentIndex().row(), 2);
        QTest::keyClick(&grid, Qt::Key_Up);
        QCOMPARE(ds.RecNo(), 2);
        // Clicking a row moves the data set.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 3, "Code"));
        QCOMPARE(ds.RecNo(), 4);
    }

    void exportToExcel()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TDBGrid grid;
        grid.SetDataSet(&ds);
        grid.SetColumnVisible(5, false);           // 备注 not exported
        QString opened;
        const auto keep = TksDBGrid::OpenDocument;
        TksDBGrid::OpenDocument = [&](const QString &path) { opened = path; return false; };
        TScriptedMessageScope messages;
        grid.SaveToExcelClick();
        TksDBGrid::OpenDocument = keep;
        QVERIFY(opened.endsWith(".xlsx"));
        QVERIFY(messages->LastText().contains(QDir::toNativeSeparators(opened)));
        QProcess reader;
        reader.start(QStringLiteral("xlsx2csv"), {opened});
        QVERIFY(reader.waitForFinished(30000));
        const QStringList lines = QString::fromUtf8(reader.readAllStandardOutput())
                                      .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0).trimmed(), QStringLiteral("代码,名称,数量,金额,日期"));
        QCOMPARE(lines.value(2).trimmed(), QStringLiteral("A01,垫片,3,\"1,234.00\",2026-12-02"));
        QCOMPARE(lines.size(), 5);
        QFile::remove(opened);
    }

    void exportToHtml()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TDBGrid grid;
        grid.SetDataSet(&ds);
        const QString path = m_dir.filePath("grid.html");
        const auto keepAsk = TksDBGrid::AskSaveFileName;
        const auto keepOpen = TksDBGrid::OpenDocument;
        TksDBGrid::AskSaveFileName = [&](QWidget *, const QString &, const QString &) {
            return path;
        };
        int opened = 0;
        TksDBGrid::OpenDocument = [&](const QString &) { return ++opened > 0; };
        TScriptedMessageScope messages;
        messages->Answers = {false};
        grid.SaveToHtmlClick();
        TksDBGrid::AskSaveFileName = keepAsk;
        TksDBGrid::OpenDocument = keepOpen;
        QCOMPARE(opened, 0);
        QVERIFY(messages->LastText().contains("导出成功,是否现在就打开?"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QStringDecoder("GB18030").decode(f.readAll());
        QVERIFY(html.contains("<td nowrap>名称&nbsp;</td>\r\n"));
        QVERIFY(html.contains("<td nowrap>1,234.00&nbsp;</td>"));
    }

    void batchUpdate()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TDBGrid grid;
        grid.SetDataSet(&ds);
        TScriptedMessageScope messages;
        grid.BatchUpdateClick();
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n没有指定更新过程BatchProc, 操作被取消.\t"));
        QStringList persisted;
        grid.BatchProc = [&](TDataSet &d) { persisted << d.FieldByName("Code")->AsString(); };
        grid.show();
        ds.SetRecNo(4);
        grid.selectionModel()->clearSelection();
        grid.selectionModel()->select(grid.model()->index(0, 1),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
        grid.selectionModel()->select(grid.model()->index(2, 1),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
        WhenModal([](QWidget *w) {
            auto *dialog = qobject_cast<TBatchUpdateFrm *>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->ItemsBox()->count(), 5);      // not the read-only amount
            dialog->OkButton()->click();                   // no column: stays open
            QVERIFY(dialog->isVisible());
            dialog->SetItemIndex(2);
            dialog->SetValue("7.5");
            SaveShot(dialog, "batch_update");
            dialog->OkButton()->click();
        });
        grid.BatchUpdateClick();
        QCOMPARE(persisted, QStringList({"A02", "B01"}));
        QCOMPARE(Column(ds, "Qty"), QStringList({"7.5", "3", "7.5", "2"}));
        QCOMPARE(ds.RecNo(), 4);
    }
};

class TstBillGrid : public QObject
{
    Q_OBJECT
private slots:
    void editEnterAndFooters()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        // The line rule: amount = quantity × 10.
        ds.BeforePost = [](TDataSet &d) {
            d.FieldByName("Amount")->SetValue(d.FieldByName("Qty")->AsFloat() * 10);
        };
        TBillGrid grid;
        grid.SetDataSet(&ds);
        grid.SetColumnReadOnly(ds.FieldByName("Code"), true);
        grid.SetSumFooter(ds.FieldByName("Qty"));
        grid.SetSumFooter(ds.FieldByName("Amount"));
        grid.resize(720, 220);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const int qty = ds.FieldByName("Qty")->Index();
        const int amount = ds.FieldByName("Amount")->Index();
        QCOMPARE(grid.FooterText(qty), QStringLiteral("20.5"));
        QCOMPARE(grid.FooterText(amount), QStringLiteral("1,339.50"));

        // Type a quantity into the first line, Enter: the row posts, the footers follow.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 0, "Qty"));
        QCOMPARE(grid.currentIndex().column(), qty);
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit *>(editor));
        static_cast<QLineEdit *>(editor)->selectAll();
        QTest::keyClicks(editor, "20");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(grid.currentIndex().column(), ds.FieldByName("BizDate")->Index());
        QCOMPARE(ds.State(), TDataSetState::Browse);
        QCOMPARE(ds.ValueAt(0, amount).toDouble(), 200.0);
        QCOMPARE(grid.FooterText(qty), QStringLiteral("30.5"));
        QCOMPARE(grid.FooterText(amount), QStringLiteral("1,514.00"));
        SaveShot(&grid, "bill_footers");

        // Enter past the last editable cell goes to the next line's first editable cell.
        QSignalSpy pass(&grid, &TksBillGrid::PassLastCell);
        grid.setCurrentIndex(grid.model()->index(0, ds.FieldByName("Note")->Index()));
        QApplication::processEvents();
        grid.EnterKey();
        QCOMPARE(ds.RecNo(), 2);
        QCOMPARE(grid.currentIndex().column(), ds.FieldByName("Name")->Index());
        QCOMPARE(pass.count(), 0);
        // On the last line the event fires instead.
        grid.setCurrentIndex(grid.model()->index(3, ds.FieldByName("Note")->Index()));
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(pass.count(), 1);
        QCOMPARE(ds.RecNo(), 4);
    }

    void readOnlyColours()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TksBillGrid grid;
        grid.SetDataSet(&ds);
        const auto colour = [&](int row, const QString &field) {
            QStyleOptionViewItem option;
            grid.CellStyle(grid.model()->index(row, ds.FieldByName(field)->Index()), &option);
            return option.backgroundBrush.color();
        };
        grid.setCurrentIndex(grid.model()->index(3, 1));
        grid.selectionModel()->clearSelection();
        QCOMPARE(colour(0, "Amount"), TksBillGrid::Cream);
        QCOMPARE(colour(1, "Amount"), TksBillGrid::MoneyGreen);
        QCOMPARE(colour(0, "Qty"), QColor(Qt::white));
        grid.SetColumnReadOnly(ds.FieldByName("Qty"), true);
        QCOMPARE(colour(1, "Qty"), TksBillGrid::MoneyGreen);
        // The owner colours whole rows after the grid.
        connect(&grid, &TksDBGrid::DrawColumnCell, &grid,
                [](const QModelIndex &index, TField *, QStyleOptionViewItem *option) {
                    if (index.row() == 2)
                        option->backgroundBrush = QColor(Qt::yellow);
                });
        QCOMPARE(colour(2, "Amount"), QColor(Qt::yellow));
    }

    void shiftClickSelectsRowRange()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TksBillGrid grid;
        grid.SetDataSet(&ds);
        grid.resize(700, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 3, "Amount"));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          CellCenter(grid, 1, "Amount"));
        QCOMPARE(grid.SelectedRows(), QList<int>({1, 2, 3}));
        QVERIFY(grid.selectionModel()->isRowSelected(2, QModelIndex()));
    }

    void ellipsisButton_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("ellipsis");
        QTest::addColumn<bool>("editor");       // entering the cell opens an editor
        QTest::newRow("editable column: on the editor") << "Name" << true << true;
        QTest::newRow("read-only column: drawn on the current cell") << "Amount" << true << false;
        QTest::newRow("column without the button") << "Code" << false << true;
    }

    void ellipsisButton()
    {
        QFETCH(QString, field);
        QFETCH(bool, ellipsis);
        QFETCH(bool, editor);
        TDataSet ds;
        FillLines(ds, SampleRows());
        TBillGrid grid;
        grid.SetDataSet(&ds);
        TField *target = ds.FieldByName(field);
        if (ellipsis)
            grid.SetEllipsisButton(target);
        grid.SetColumnReadOnly(ds.FieldByName("Qty"), true);
        // The layout a window loads after setting up its columns keeps those settings.
        grid.LoadLayout(0);
        QCOMPARE(grid.HasEllipsisButton(target), ellipsis);
        QVERIFY(grid.ColumnReadOnly(grid.ColumnOfField(ds.FieldByName("Qty"))));
        QList<TField *> clicked;
        connect(&grid, &TksDBGrid::EditButtonClick, &grid, [&](TField *f) { clicked << f; });
        grid.resize(720, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        // Row 2 has no amount, so nothing but a button can darken the cell's right end.
        const QModelIndex cell = grid.model()->index(2, target->Index());
        const QRect button = TGridDelegate::ButtonRect(grid.visualRect(cell));
        QCOMPARE(DarkPixels(grid.viewport()->grab(button).toImage()), 0);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(cell).center());
        QCOMPARE(grid.currentIndex(), cell);
        auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QCOMPARE(edit != nullptr, editor);
        if (edit) {
            auto *tool = edit->findChild<QToolButton *>();
            QCOMPARE(tool != nullptr, ellipsis);
            if (tool) {
                QCOMPARE(tool->text(), QStringLiteral("..."));
                QVERIFY(tool->isVisible());
                QVERIFY(DarkPixels(tool->grab().toImage()) > 0);
                SaveShot(&grid, "ellipsis_editor");
                QTest::mouseClick(tool, Qt::LeftButton);
            } else {
                QTest::mouseClick(edit, Qt::LeftButton, {},
                                  QPoint(edit->width() - 5, edit->height() / 2));
            }
        } else {
            QVERIFY(DarkPixels(grid.viewport()->grab(button).toImage()) > 0);
            SaveShot(&grid, "ellipsis_read_only");
            // Where the next line's button will be, a click first makes that cell current.
            const QModelIndex below = grid.model()->index(3, target->Index());
            const QPoint belowButton = TGridDelegate::ButtonRect(grid.visualRect(below)).center();
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, belowButton);
            QCOMPARE(grid.currentIndex(), below);
            QVERIFY(clicked.isEmpty());
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, belowButton);
            // A click beside the button is a click on the cell.
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                              grid.visualRect(below).topLeft() + QPoint(4, 4));
        }
        QCOMPARE(clicked, ellipsis ? QList<TField *>({target}) : QList<TField *>());
    }
};

class TstGridTools : public QObject
{
    Q_OBJECT
private slots:
    void sortDialog()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TSortFrm dialog;
        dialog.Fill(&ds, true);
        QCOMPARE(dialog.Grid()->rowCount(), 6);        // the memo is never listed
        QCOMPARE(dialog.Grid()->item(0, 0)->text(), QStringLiteral("编号"));
        dialog.SetSortString("Code ASC,Name DESC");
        QCOMPARE(dialog.Grid()->item(0, 0)->text(), QStringLiteral("代码"));
        QCOMPARE(dialog.Grid()->item(1, 1)->text(), QStringLiteral("降序"));
        QCOMPARE(dialog.SortString(), QStringLiteral("Code ASC,Name DESC"));
        QCOMPARE(dialog.SortLabels(), QStringLiteral("代码 升序,名称 降序"));
        dialog.Grid()->selectRow(1);
        dialog.MoveSelected(-1);
        QCOMPARE(dialog.SortString(), QStringLiteral("Name DESC,Code ASC"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        SaveShot(&dialog, "sort_dialog");
        const QPoint qty = dialog.Grid()->visualRect(dialog.Grid()->model()->index(3, 1)).center();
        QTest::mouseClick(dialog.Grid()->viewport(), Qt::LeftButton, {}, qty);
        QTest::mouseDClick(dialog.Grid()->viewport(), Qt::LeftButton, {}, qty);
        QCOMPARE(dialog.Grid()->item(3, 1)->text(), QStringLiteral("升序"));
        for (int row : {0, 1, 1, 3, 3})
            dialog.CycleDirection(row);
        QCOMPARE(dialog.SortString(), QString());

        TSortFrm visibleOnly;
        visibleOnly.Fill(&ds, false);
        QCOMPARE(visibleOnly.Grid()->rowCount(), 5);
        // The grid's own sort text ("Code, Name DESC") opens the same way.
        visibleOnly.SetSortString("Code, Name DESC");
        QCOMPARE(visibleOnly.SortString(), QStringLiteral("Code ASC,Name DESC"));
    }

    void sortFromGrid()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TDBGrid grid;
        grid.SetDataSet(&ds);
        grid.TitleClick(ds.FieldByName("Code")->Index(), false);
        WhenModal([](QWidget *w) {
            auto *dialog = qobject_cast<TSortFrm *>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->SortString(), QStringLiteral("Code ASC"));
            dialog->CycleDirection(0);               // descending
            dialog->OkButton()->click();
        });
        grid.SortClick();
        QCOMPARE(ds.SortText(), QStringLiteral("Code DESC"));
        QVERIFY(grid.SortDescending(ds.FieldByName("Code")->Index()));
        QCOMPARE(Column(ds, "Code").first(), QStringLiteral("B01"));
    }

    void sortDialogRowDrag_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");                // -1: below the last row
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("sortText");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("down");
        const QString rest = QStringLiteral("编号/,数量/,金额/");
        QTest::newRow("third onto the first")
            << 2 << 0 << ("日期/升序,代码/升序,名称/降序," + rest).split(u',')
            << "BizDate ASC,Code ASC,Name DESC" << false << true;
        QTest::newRow("first below the last row")
            << 0 << -1 << ("名称/降序,日期/升序," + rest + ",代码/升序").split(u',')
            << "Name DESC,BizDate ASC,Code ASC" << true << false;
        QTest::newRow("one place down")
            << 0 << 1 << ("名称/降序,代码/升序,日期/升序," + rest).split(u',')
            << "Name DESC,Code ASC,BizDate ASC" << true << true;
        QTest::newRow("onto itself")
            << 1 << 1 << ("代码/升序,名称/降序,日期/升序," + rest).split(u',')
            << "Code ASC,Name DESC,BizDate ASC" << true << true;
    }

    void sortDialogRowDrag()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, rows);
        QFETCH(QString, sortText);
        QFETCH(bool, up);
        QFETCH(bool, down);
        TDataSet ds;
        FillLines(ds, SampleRows());
        TSortFrm dialog;
        dialog.Fill(&ds, true);
        dialog.SetSortString("Code ASC,Name DESC,BizDate ASC");
        DropRow(dialog.Grid(), from, to);
        // The names and directions behind the rows moved with them.
        QCOMPARE(Rows(dialog.Grid()), rows);
        QCOMPARE(dialog.SortString(), sortText);
        QCOMPARE(Button(&dialog, "上移(&U)")->isEnabled(), up);
        QCOMPARE(Button(&dialog, "下移(&D)")->isEnabled(), down);
    }

    void columnChoiceDragReordersGrid()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TDBGrid grid;
        grid.SetDataSet(&ds);
        WhenModal([](QWidget *w) {
            auto *dialog = static_cast<TxVisibleFrm *>(w);
            dialog->Toggle(5);                      // 备注 hidden, then dragged to the top
            DropRow(dialog->Grid(), 5, 0);
            DropRow(dialog->Grid(), 1, -1);         // 代码 to the end
            QCOMPARE(Rows(dialog->Grid()),
                     QStringList({"备注/", "名称/√", "数量/√", "金额/√", "日期/√", "代码/√"}));
            QVERIFY(!Button(dialog, "下移(&D)")->isEnabled());    // the moved row is selected
            dialog->OkButton()->click();
        });
        grid.PickColumnsClick();
        QStringList captions;
        for (int c = 0; c < grid.ColumnCount(); ++c)
            captions << grid.ColumnCaption(c);
        QCOMPARE(captions, QStringList({"备注", "名称", "数量", "金额", "日期", "代码"}));
        QVERIFY(!grid.ColumnVisible(0));
        const QHeaderView *h = grid.horizontalHeader();
        QVERIFY(h->visualIndex(ds.FieldByName("Name")->Index())
                < h->visualIndex(ds.FieldByName("Code")->Index()));
        QVERIFY(grid.LayoutText().startsWith(QStringLiteral("Note=False")));
    }

    void columnChoiceAllHidden()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TDBGrid grid;
        grid.SetDataSet(&ds);
        WhenModal([](QWidget *w) {
            auto *dialog = static_cast<TxVisibleFrm *>(w);
            for (int r = 0; r < dialog->Grid()->rowCount(); ++r)
                dialog->Toggle(r);
            dialog->OkButton()->click();
        });
        grid.PickColumnsClick();
        for (int c = 0; c < grid.ColumnCount(); ++c)
            QVERIFY(!grid.ColumnVisible(c));
        grid.LoadLayout(0);
        QVERIFY(grid.ColumnVisible(0));
    }
};

class TstDataExporter : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void columnsPage()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TDataExporterFrm form(&ds);
        QCOMPARE(form.Available()->count(), 7);          // the hidden key included
        QVERIFY(!form.PriorButton()->isEnabled());
        form.Available()->setCurrentRow(1);
        form.AddSelected();                              // 代码
        QCOMPARE(form.Available()->currentItem()->text(), QStringLiteral("名称"));
        const QPoint first = form.Available()->visualItemRect(form.Available()->item(0)).center();
        QTest::mouseClick(form.Available()->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(form.Available()->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(form.SelectedFields(), QStringLiteral("代码\n编号"));
        form.Chosen()->setCurrentRow(1);
        form.MoveChosen(-1);
        QCOMPARE(form.SelectedFields(), QStringLiteral("编号\n代码"));
        form.Chosen()->setCurrentRow(0);
        form.RemoveSelected();                           // back at the end, not its old place
        QCOMPARE(form.Available()->item(form.Available()->count() - 1)->text(),
                 QStringLiteral("编号"));
        form.SetSelectedFields("名称\n没有\n金额");
        QCOMPARE(form.SelectedFields(), QStringLiteral("代码\n名称\n金额"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        SaveShot(&form, "exporter_columns");
        form.NextClicked();
        QCOMPARE(form.NextButton()->text(), QStringLiteral("确定(&N)"));
        form.FileBox()->setText(m_dir.filePath("a.txt"));
        form.SetFormatIndex(3);
        QCOMPARE(form.FileBox()->text(), m_dir.filePath("a.csv"));
        QCOMPARE(form.DefaultExtension(), QStringLiteral("csv"));
        SaveShot(&form, "exporter_output");
        form.PriorClicked();
        QCOMPARE(form.NextButton()->text(), QStringLiteral("下一步(&N)"));
        QVERIFY(form.isVisible());
    }

    void finishChecks()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TScriptedMessageScope messages;
        TDataExporterFrm form(&ds);
        form.show();
        form.NextClicked();
        form.NextClicked();
        QCOMPARE(messages->LastText(),
                 QStringLiteral("\r\n没有选择任何要导出的列,请返回上一步并选择.\t"));
        form.SetSelectedFields("代码\n名称\n金额");
        form.NextClicked();
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n必须指定要导出的格式.\t"));
        form.SetFormatIndex(3);
        form.SetEncoding(TExportEncoding::Utf8);
        form.FileBox()->setText("   ");
        form.NextClicked();
        QCOMPARE(messages->LastText(), QStringLiteral("\r\n必须指定要导出的文件位置.\t"));
        const QString path = m_dir.filePath("lines.csv");
        QFile(path).open(QIODevice::WriteOnly);
        form.FileBox()->setText(path);
        messages->Answers = {false};                  // do not overwrite
        form.NextClicked();
        QVERIFY(messages->LastText().contains("该文件已经存在"));
        QVERIFY(form.isVisible());
        messages->Answers = {true, false};            // overwrite, do not open
        form.NextClicked();
        QVERIFY(messages->LastText().contains("数据导出成功,共 4条记录,是否现在就打开?    "));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(f.readAll()).split("\r\n");
        QCOMPARE(lines.value(0), QStringLiteral("代码,名称,金额,"));
        // The comma in a value stays as it is: that line has one column more.
        QCOMPARE(lines.value(1), QStringLiteral("A02,螺栓, M8,25.5,"));
    }

    void fromGrid()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TDBGrid grid;
        grid.SetDataSet(&ds);
        GrantAll();
        WhenModal([](QWidget *w) {
            QVERIFY(qobject_cast<TDataExporterFrm *>(w));
            static_cast<QDialog *>(w)->reject();
        });
        grid.ExportClick();
    }
};

class TstInputControls : public QObject
{
    Q_OBJECT
private slots:
    void numberKeys_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no minus") << int(TEditType::etNumber) << "-5" << "5";
        QTest::newRow("point into empty") << int(TEditType::etNumber) << "." << "";
        QTest::newRow("one point") << int(TEditType::etNumber) << "1.2.3" << "1.23";
        QTest::newRow("no second leading zero") << int(TEditType::etNumber) << "00" << "0";
        QTest::newRow("zero point") << int(TEditType::etNumber) << "0.05" << "0.05";
        QTest::newRow("letters") << int(TEditType::etNumber) << "1a2" << "12";
        QTest::newRow("integer") << int(TEditType::etInteger) << "1.5-" << "15";
        QTest::newRow("free") << int(TEditType::etFree) << "-1.a" << "-1.a";
    }
    void numberKeys()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TksEdit edit;
        edit.SetEditType(TEditType(type));
        QTest::keyClicks(&edit, typed);
        QCOMPARE(edit.text(), shown);
    }

    void typedAccess()
    {
        TksEdit edit;
        edit.SetEditType(TEditType::etNumber);
        edit.SetAsDouble(0);
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edit.AsDouble(), 0.0);
        QVERIFY(edit.AsVariant().isNull());
        edit.SetAsDouble(0.1 + 0.2);
        QCOMPARE(edit.text(), QStringLiteral("0.30000000000000004"));
        edit.SetAsVariant(12.5);
        QCOMPARE(edit.AsVariant(), QVariant(12.5));
        edit.setText("abc");
        try {
            edit.AsDouble();
            QFAIL("no error");
        } catch (const EConvertError &e) {
            QCOMPARE(e.Message(), QStringLiteral("\"abc\" 不是有效的数字."));
        }
        edit.setText("2026-02-30");
        QVERIFY_THROWS_EXCEPTION(EConvertError, edit.AsDate());
        edit.setText("2026-02-28");
        QCOMPARE(edit.AsDate(), QVariant(QDate(2026, 2, 28)));
        edit.SetAsDate(QVariant());
        QVERIFY(edit.AsDate().isNull());
        edit.SetAsDateTime(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
        QCOMPARE(edit.text(), QStringLiteral("2026-01-02 03:04:05"));
        edit.SetEditType(TEditType::etInteger);
        edit.setText("x");
        QVERIFY_THROWS_EXCEPTION(EConvertError, edit.AsInteger());
    }

    void enterAsTabAndColours()
    {
        QWidget form;
        auto *layout = new QVBoxLayout(&form);
        auto *first = new TksEdit(&form);
        auto *second = new TksEdit(&form);
        auto *combo = new TksComboBox(&form);
        combo->addItems({"一", "二"});
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(combo);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        first->setFocus();
        QApplication::setActiveWindow(&form);
        QTRY_VERIFY(first->hasFocus());
        QCOMPARE(first->palette().color(QPalette::Base), QColor(0, 255, 255));
        QTest::keyClick(first, Qt::Key_Return);
        QTRY_VERIFY(second->hasFocus());
        QVERIFY(first->palette().color(QPalette::Base) != QColor(0, 255, 255));
        QTest::keyClick(second, Qt::Key_Return, Qt::ShiftModifier);
        QTRY_VERIFY(first->hasFocus());
        second->setReadOnly(true);
        second->setFocus();
        QTRY_COMPARE(second->palette().color(QPalette::Base), QColor(255, 255, 0));
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());
        QCOMPARE(combo->SelectedText(), QStringLiteral("一"));
        QSignalSpy changed(combo, &QComboBox::currentIndexChanged);
        QTest::keyClick(combo, Qt::Key_Delete);
        QCOMPARE(combo->SelectedText(), QString());
        QCOMPARE(changed.count(), 1);
    }

    void datePicker()
    {
        TksDateTimePicker withBox(nullptr, true);
        QVERIFY(withBox.AsDate().isNull());
        QCOMPARE(withBox.Editor()->date(), QDate::currentDate());
        withBox.SetAsDate(QDate(2026, 3, 4));
        QCOMPARE(withBox.AsDate(), QVariant(QDate(2026, 3, 4)));
        withBox.SetAsTime(QVariant());
        QVERIFY(withBox.AsTime().isNull());
        withBox.FirstOfMonth();
        QCOMPARE(withBox.AsDate().toDate().day(), 1);
        withBox.ResetToNow();
        QVERIFY(withBox.AsDate().isNull());
        TksDateTimePicker plain;
        QCOMPARE(plain.AsDate(), QVariant(QDate::currentDate()));
    }

    void tableWindow()
    {
        TDataSet ds;
        FillLines(ds, SampleRows());
        TTblFrm form(nullptr, QStringLiteral("TblFrm"));
        form.Title()->SetTitle(QStringLiteral("采购询价单价格管理"));
        form.Grid()->SetDataSet(&ds);
        form.Grid()->SetSumFooter(ds.FieldByName("Amount"));
        form.Status()->setText(QStringLiteral("共 4 条记录"));
        form.DoProgress(10, 4);
        QVERIFY(form.Progress()->isVisibleTo(&form));
        form.resize(760, 320);
        form.PlaceAtCursorOnShow = false;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.showNormal();
        form.resize(760, 320);
        QApplication::processEvents();
        SaveShot(&form, "list_window");
        form.DoProgress(10, 10);
        QVERIFY(!form.Progress()->isVisibleTo(&form));
        QCOMPARE(form.Title()->height(), 49);
    }
};

OPENBUY_TEST_MAIN(new TstDBGrid, new TstBillGrid, new TstGridTools, new TstDataExporter,
                  new TstInputControls)

#include "tst_grids_ui.moc"
