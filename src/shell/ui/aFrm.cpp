#include "shell/ui/aFrm.h"

#include "shell/ui/Forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {
// One application filter hands key presses to the TaFrm that holds the focused control.
class TKeyPreview : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        auto *form = qobject_cast<TaFrm *>(widget->window());
        if (!form)
            return false;
        // A key a control leaves unhandled travels on to its parents: preview it only
        // where it starts, at the focused control (or the window when nothing has focus).
        QWidget *focus = form->focusWidget();
        if (widget != (focus ? focus : form))
            return false;
        return form->HandlePreviewKey(static_cast<QKeyEvent *>(event));
    }
};

void InstallKeyPreview()
{
    static TKeyPreview *preview = nullptr;
    if (!preview && qApp) {
        preview = new TKeyPreview;
        preview->setParent(qApp);
        qApp->installEventFilter(preview);
    }
}
} // namespace

TaFrm::TaFrm(QWidget *parent, const QString &name, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (!name.isEmpty())
        setObjectName(name);
    setFont(ProgramFont());
    InstallKeyPreview();
}

void TaFrm::ShowHelp(const QString &keyword)
{
    ShowHelpTopic(keyword.isEmpty() ? HelpTopicOf(this) : keyword, this);
}

bool TaFrm::PreviewKey(QKeyEvent *)
{
    return false;
}

void TaFrm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TaFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Placed once, when first shown; a maximised window stays where it is.
    if (!m_placed && PlaceAtCursorOnShow && !isMaximized() && !isFullScreen())
        MoveToCursor(this);
    m_placed = true;
}

void TaFrm::mousePressEvent(QMouseEvent *event)
{
    if (windowFlags().testFlag(Qt::FramelessWindowHint) && windowHandle()) {
        const QPoint p = event->position().toPoint();
        const Qt::Edges edges = BorderAt(p.x(), p.y(), width(), height());
        if (edges && windowHandle()->startSystemResize(edges))
            return;
    }
    QDialog::mousePressEvent(event);
}

void TaFrm::mouseMoveEvent(QMouseEvent *event)
{
    if (windowFlags().testFlag(Qt::FramelessWindowHint)) {
        const QPoint p = event->position().toPoint();
        const Qt::Edges e = BorderAt(p.x(), p.y(), width(), height());
        Qt::CursorShape shape = Qt::ArrowCursor;
        if (e == (Qt::TopEdge | Qt::LeftEdge) || e == (Qt::BottomEdge | Qt::RightEdge))
            shape = Qt::SizeFDiagCursor;
        else if (e == (Qt::TopEdge | Qt::RightEdge) || e == (Qt::BottomEdge | Qt::LeftEdge))
            shape = Qt::SizeBDiagCursor;
        else if (e == Qt::LeftEdge || e == Qt::RightEdge)
            shape = Qt::SizeHorCursor;
        else if (e == Qt::TopEdge || e == Qt::BottomEdge)
            shape = Qt::SizeVerCursor;
        setCursor(shape);
    }
    QDialog::mouseMoveEvent(event);
}
