#include "reports/ui/ReportPreviewFrm.h"

#include "data/Messages.h"
#include "reports/ReportLayout.h"
#include "reports/ReportRenderer.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

// The page on screen: a white sheet with a shadow on a grey desk.
class TPageView : public QWidget
{
public:
    explicit TPageView(QWidget *parent) : QWidget(parent) {}
    void SetImage(const QImage &image)
    {
        m_image = image;
        setFixedSize(image.width() + 2 * Margin, image.height() + 2 * Margin);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        p.fillRect(QRect(Margin + 4, Margin + 4, m_image.width(), m_image.height()),
                   QColor(0x40, 0x40, 0x40));
        p.drawImage(Margin, Margin, m_image);
    }

private:
    static constexpr int Margin = 16;
    QImage m_image;
};

namespace {
constexpr double ScreenDpi = 96;
constexpr int LayoutBatch = 20;     // pages laid out between two looks at the event queue
} // namespace

TReportPreviewFrm::TReportPreviewFrm(std::unique_ptr<TReportLayout> layout, QWidget *parent)
    : TaFrm(parent, QStringLiteral("ReportPreviewFrm")), m_layout(std::move(layout))
{
    setWindowTitle(QStringLiteral("打印预览"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    PlaceAtCursorOnShow = false;
    resize(980, 760);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    BuildToolBar();
    box->addWidget(m_toolBar);
    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new TPageView(m_scroll);
    m_scroll->setWidget(m_view);
    box->addWidget(m_scroll, 1);
    m_layout->LayoutNextPage();
    ShowPage(0);
    if (!m_layout->Finished())
        QTimer::singleShot(0, this, &TReportPreviewFrm::LayoutMore);
}

TReportPreviewFrm::~TReportPreviewFrm() = default;

void TReportPreviewFrm::BuildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->addAction(QStringLiteral("打印(&P)"), this, &TReportPreviewFrm::PrintClicked);
    auto *exportButton = new QToolButton(m_toolBar);
    exportButton->setText(QStringLiteral("导出(&E)"));
    exportButton->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(exportButton);
    const QList<QPair<QString, TExport>> kinds = {
        {QStringLiteral("PDF 文件..."), TExport::Pdf},
        {QStringLiteral("Excel 表格 (XLSX)..."), TExport::Xlsx},
        {QStringLiteral("RTF 文档..."), TExport::Rtf},
        {QStringLiteral("PNG 图片..."), TExport::Png},
        {QStringLiteral("JPEG 图片..."), TExport::Jpeg},
    };
    for (const auto &k : kinds) {
        const TExport kind = k.second;
        menu->addAction(k.first, this, [this, kind] { ExportClicked(kind); });
    }
    exportButton->setMenu(menu);
    m_toolBar->addWidget(exportButton);
    m_toolBar->addSeparator();
    m_toolBar->addAction(QStringLiteral("首页"), this, [this] { ShowPage(0); });
    m_toolBar->addAction(QStringLiteral("上一页"), this, [this] { ShowPage(m_page - 1); });
    m_toolBar->addAction(QStringLiteral("下一页"), this, [this] { ShowPage(m_page + 1); });
    m_toolBar->addAction(QStringLiteral("末页"), this, [this] {
        m_layout->LayoutAll();
        ShowPage(m_layout->PageCount() - 1);
    });
    m_pageLabel = new QLabel(m_toolBar);
    m_pageLabel->setMinimumWidth(110);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    m_toolBar->addWidget(m_pageLabel);
    m_toolBar->addSeparator();
    m_toolBar->addWidget(new QLabel(QStringLiteral(" 显示比例: "), m_toolBar));
    m_zoomBox = new QComboBox(m_toolBar);
    for (int percent : {50, 75, 100, 125, 150, 200})
        m_zoomBox->addItem(QStringLiteral("%1%").arg(percent), percent / 100.0);
    m_zoomBox->setCurrentIndex(2);
    connect(m_zoomBox, &QComboBox::activated, this, &TReportPreviewFrm::ZoomChosen);
    m_toolBar->addWidget(m_zoomBox);
    m_toolBar->addSeparator();
    m_toolBar->addAction(QStringLiteral("关闭(&C)"), this, &QDialog::reject);
}

void TReportPreviewFrm::LayoutMore()
{
    for (int i = 0; i < LayoutBatch && m_layout->LayoutNextPage(); ++i) {
    }
    if (!m_layout->Finished())
        QTimer::singleShot(0, this, &TReportPreviewFrm::LayoutMore);
    else
        ShowPage(m_page);       // the page count printed on the page is known now
    UpdateStatus();
}

void TReportPreviewFrm::UpdateStatus()
{
    const QString count = m_layout->Finished() ? QString::number(m_layout->PageCount())
                                               : QStringLiteral("%1+").arg(m_layout->PageCount());
    m_pageLabel->setText(QStringLiteral("第 %1 / %2 页").arg(m_page + 1).arg(count));
}

void TReportPreviewFrm::ShowPage(int index)
{
    while (index >= m_layout->PageCount() && m_layout->LayoutNextPage()) {
    }
    m_page = std::clamp(index, 0, std::max(0, m_layout->PageCount() - 1));
    if (m_layout->PageCount() > 0) {
        // The page count is only known at the end; until then [Pages] shows what is known.
        m_view->SetImage(PageImage(m_layout->Page(m_page), m_layout->PageCount(),
                                   ScreenDpi * m_zoom));
    }
    UpdateStatus();
}

void TReportPreviewFrm::SetZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.25, 4.0);
    ShowPage(m_page);
}

void TReportPreviewFrm::ZoomChosen(int index) { SetZoom(m_zoomBox->itemData(index).toDouble()); }

bool TReportPreviewFrm::ExportTo(TExport kind, const QString &fileName)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    bool ok = false;
    switch (kind) {
    case TExport::Pdf:
        ok = ExportPdf(*m_layout, fileName, &error);
        break;
    case TExport::Png:
        ok = ExportImages(*m_layout, fileName, "PNG", 150, nullptr, &error);
        break;
    case TExport::Jpeg:
        ok = ExportImages(*m_layout, fileName, "JPEG", 150, nullptr, &error);
        break;
    case TExport::Xlsx:
        ok = ExportXlsx(*m_layout, fileName, &error);
        break;
    case TExport::Rtf:
        ok = ExportRtf(*m_layout, fileName, &error);
        break;
    }
    QApplication::restoreOverrideCursor();
    UpdateStatus();
    if (!ok)
        ShowWarning(error);
    return ok;
}

void TReportPreviewFrm::ExportClicked(TExport kind)
{
    static const char *filters[] = {"PDF 文件 (*.pdf)", "PNG 图片 (*.png)", "JPEG 图片 (*.jpg)",
                                    "Excel 表格 (*.xlsx)", "RTF 文档 (*.rtf)"};
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("导出"), QString(),
                                                      QString::fromUtf8(filters[int(kind)]));
    if (!file.isEmpty())
        ExportTo(kind, file);
}

void TReportPreviewFrm::PrintTo(QPrinter &printer)
{
    m_layout->LayoutAll();
    QPainter painter(&printer);
    const double dpi = printer.resolution();
    for (int i = 0; i < m_layout->PageCount(); ++i) {
        if (i > 0)
            printer.newPage();
        PaintPage(painter, m_layout->Page(i), m_layout->PageCount(), dpi);
    }
}

void TReportPreviewFrm::PrintClicked()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        PrintTo(printer);
}

bool TReportPreviewFrm::PreviewKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        ShowPage(m_page + 1);
        return true;
    case Qt::Key_PageUp:
        ShowPage(m_page - 1);
        return true;
    case Qt::Key_Home:
        ShowPage(0);
        return true;
    default:
        return TaFrm::PreviewKey(event);
    }
}
