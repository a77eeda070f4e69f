#include "shell/ui/PictureButton.h"

#include "data/Messages.h"

#include <QFile>
#include <QImageReader>
#include <QMouseEvent>

QPixmap TPictureButton::LoadPicture(const QString &name)
{
    QImageReader reader(QStringLiteral(":/pictures/%1.png").arg(name));
    const QImage image = reader.read();
    if (image.isNull()) {
        ShowInfo(name + u':' + reader.errorString());
        return QPixmap();
    }
    return QPixmap::fromImage(image);
}

TPictureButton::TPictureButton(const QString &name, QWidget *parent, bool hover)
    : QLabel(parent), m_hoverSwitches(hover)
{
    setObjectName(name);
    m_normal = LoadPicture(name + u'A');
    if (hover)
        m_high = LoadPicture(name + u'B');
    setCursor(hover ? Qt::PointingHandCursor : Qt::ArrowCursor);
    Update();
}

void TPictureButton::SetHighlighted(bool on)
{
    m_on = on;
    Update();
}

void TPictureButton::Update()
{
    const bool high = (m_on || m_hover) && !m_high.isNull();
    setPixmap(high ? m_high : m_normal);
}

void TPictureButton::enterEvent(QEnterEvent *event)
{
    m_hover = m_hoverSwitches;
    Update();
    QLabel::enterEvent(event);
}

void TPictureButton::leaveEvent(QEvent *event)
{
    m_hover = false;
    Update();
    QLabel::leaveEvent(event);
}

void TPictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
