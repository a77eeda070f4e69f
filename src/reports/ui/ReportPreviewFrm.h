#pragma once

#include "shell/ui/aFrm.h"

#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QToolBar;
class TReportLayout;
class TPageView;

// The preview of a report: one page at a time with zoom and page navigation, printing and
// the exports. The first page shows at once; the rest is laid out while the window runs.
class TReportPreviewFrm : public TaFrm
{
    Q_OBJECT
public:
    enum class TExport { Pdf, Png, Jpeg, Xlsx, Rtf };

    explicit TReportPreviewFrm(std::unique_ptr<TReportLayout> layout, QWidget *parent = nullptr);
    ~TReportPreviewFrm() override;

    TReportLayout &Layout() const { return *m_layout; }
    int CurrentPage() const { return m_page; }
    void ShowPage(int index);
    double Zoom() const { return m_zoom; }
    void SetZoom(double zoom);
    // Writes the report; false after the failure message.
    bool ExportTo(TExport kind, const QString &fileName);
    void PrintTo(QPrinter &printer);

protected:
    bool PreviewKey(QKeyEvent *event) override;

private:
    void BuildToolBar();
    void LayoutMore();
    void UpdateStatus();
    void ExportClicked(TExport kind);
    void PrintClicked();
    void ZoomChosen(int index);

    std::unique_ptr<TReportLayout> m_layout;
    QToolBar *m_toolBar = nullptr;
    QScrollArea *m_scroll = nullptr;
    TPageView *m_view = nullptr;
    QLabel *m_pageLabel = nullptr;
    QComboBox *m_zoomBox = nullptr;
    int m_page = 0;
    double m_zoom = 1.0;
};
