#include "reports/ui/ReporterFrm.h"

#include "config/Operator.h"
#include "data/Messages.h"
#include "reports/Rep.h"
#include "reports/RepSet.h"
#include "reports/ReportLayout.h"
#include "reports/StandardTemplates.h"
#include "reports/ui/ReportDesignerFrm.h"
#include "reports/ui/ReportPreviewFrm.h"

#include <QApplication>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int PrintRight = 10002;
constexpr int DesignRight = 10003;
const char *const NothingSelected = "请先从左框列表中选中您要操作的项目.";
} // namespace

QPoint ReporterPlacement(const QSize &window, const QPoint &cursor, const QRect &screen)
{
    int top = cursor.y() - window.height() / 4;
    int left = cursor.x() - window.width() / 2;
    if (top + window.height() > screen.bottom() || left + window.width() > screen.right())
        return QPoint(screen.x() + (screen.width() - window.width()) / 2,
                      screen.y() + (screen.height() - window.height()) / 2);
    if (top < 0)
        top = 10;
    if (left < 0)
        left = 10;
    top = std::min(top, screen.height() - window.height());
    left = std::min(left, screen.width() - window.width());
    return QPoint(left, top);
}

TReporterFrm::TReporterFrm(TRep &rep, int group, bool canDesign, QWidget *parent)
    : TaFrm(parent, QStringLiteral("ReporterFrm")), m_rep(rep)
{
    setWindowTitle(QStringLiteral("打印"));
    PlaceAtCursorOnShow = false;
    resize(380, 300);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(6, 4, 6, 6);
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_new = m_toolBar->addAction(QStringLiteral("新建"), this, &TReporterFrm::NewClicked);
    m_rename = m_toolBar->addAction(QStringLiteral("重命名"), this, &TReporterFrm::RenameClicked);
    m_delete = m_toolBar->addAction(QStringLiteral("删除"), this, &TReporterFrm::DeleteClicked);
    m_toolBar->addSeparator();
    m_design = m_toolBar->addAction(QStringLiteral("设计"), this, &TReporterFrm::DesignClicked);
    for (QAction *a : {m_new, m_rename, m_delete, m_design})
        a->setEnabled(canDesign);
    box->addWidget(m_toolBar);
    box->addWidget(new QLabel(QStringLiteral("请选择一种打印样式"), this));
    auto *row = new QHBoxLayout;
    m_list = new QListWidget(this);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TReporterFrm::PreviewClicked);
    row->addWidget(m_list, 1);
    auto *buttons = new QVBoxLayout;
    auto *preview = new QPushButton(QStringLiteral("预览(&V)"), this);
    preview->setDefault(true);
    connect(preview, &QPushButton::clicked, this, &TReporterFrm::PreviewClicked);
    auto *close = new QPushButton(QStringLiteral("关闭(&C)"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(preview);
    buttons->addWidget(close);
    buttons->addStretch();
    row->addLayout(buttons);
    box->addLayout(row, 1);
    SetGroup(group);
}

void TReporterFrm::showEvent(QShowEvent *event)
{
    TaFrm::showEvent(event);
    if (const QScreen *screen = QGuiApplication::screenAt(QCursor::pos()))
        move(ReporterPlacement(frameGeometry().size(), QCursor::pos(), screen->geometry()));
}

void TReporterFrm::SetGroup(int group)
{
    m_group = group;
    m_rep.SetGroup(group);
    Refill();
}

void TReporterFrm::Refill(int selectId)
{
    m_list->clear();
    TRepSet set;
    set.Open(m_group);
    for (TDataSet *d = set.DataSet(); !d->Eof(); d->Next()) {
        auto *item = new QListWidgetItem(set.TitleFld->AsString(), m_list);
        item->setData(Qt::UserRole, set.IdFld->AsInteger());
        if (set.IdFld->AsInteger() == selectId)
            m_list->setCurrentItem(item);
    }
    if (!m_list->currentItem() && m_list->count() > 0)
        m_list->setCurrentRow(0);
}

int TReporterFrm::SelectedId() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

QString TReporterFrm::SelectedTitle() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->text() : QString();
}

bool TReporterFrm::CheckSelected() const
{
    if (m_list->currentItem())
        return true;
    ShowInfo(QString::fromUtf8(NothingSelected));
    return false;
}

void TReporterFrm::PreviewClicked()
{
    if (!CheckSelected())
        return;
    m_rep.Preview(SelectedId());
    accept();
}

void TReporterFrm::NewClicked()
{
    QString title;
    if (!InputQuery(QStringLiteral("添加报表"), QStringLiteral("请输入报表名称:"), title)
        || title.trimmed().isEmpty())
        return;
    const int id = TRep::NewTemplate(title.trimmed(), m_group);
    // A new template may start from the standard layout of the data at hand.
    if (Confirm(QStringLiteral("以标准格式为新报表的初始样式吗? (选\"否\"从空白页开始)"))) {
        TReportTemplate report = StandardTemplate(m_group);
        ExpandAutoObjects(report, m_rep.Context());
        m_rep.Report() = report;
        m_rep.SetTag(id);
        m_rep.SaveTemplate();
    }
    Refill(id);
}

void TReporterFrm::RenameClicked()
{
    if (!CheckSelected())
        return;
    QString title = SelectedTitle();
    if (!InputQuery(QStringLiteral("修改报表标题"), QStringLiteral("请输入新的报表名称:"), title)
        || title.trimmed().isEmpty())
        return;
    const int id = SelectedId();
    TRep::RenameTemplate(id, title.trimmed());
    Refill(id);
}

void TReporterFrm::DeleteClicked()
{
    if (!CheckSelected())
        return;
    if (!MessageLayer().Ask(TMessageLayer::Kind::ConfirmDelete,
                            QStringLiteral("确定要删除") + SelectedTitle() + QStringLiteral("吗?")))
        return;
    TRep::DeleteTemplate(SelectedId());
    Refill();
}

void TReporterFrm::DesignClicked()
{
    if (!CheckSelected())
        return;
    m_rep.Design(SelectedId());
}

void InstallReportWindows()
{
    TRep::SetPreviewHook([](TRep &rep) {
        TReportPreviewFrm preview(rep.CreateLayout(), QApplication::activeWindow());
        preview.exec();
    });
    TRep::SetDesignHook([](TRep &rep) {
        // Windows that stay on top would cover the designer while it is open.
        QList<QPointer<QWidget>> onTop;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint)) {
                onTop.append(w);
                w->setWindowFlag(Qt::WindowStaysOnTopHint, false);
                w->show();
            }
        TReportDesignerFrm designer(rep, QApplication::activeWindow());
        designer.exec();
        for (const QPointer<QWidget> &w : onTop) {
            if (!w)
                continue;
            w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
            w->show();
        }
    });
}

void ShowReporter(TRep &rep, int group, QWidget *parent)
{
    CheckRight(PrintRight);
    InstallReportWindows();
    TReporterFrm chooser(rep, group, HasRight(DesignRight), parent);
    chooser.exec();
}

void PrintDataSets(const QList<TDataSet *> &dataSets, int group, QWidget *parent)
{
    CheckRight(PrintRight);
    TProjRep rep;
    rep.AddDataSets(dataSets);
    ShowReporter(rep, group, parent);
}
