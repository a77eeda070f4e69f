#include "grids/ui/ksImgBtn.h"

#include <QPainter>

TksImgBtn::TksImgBtn(QWidget *parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

QSize TksImgBtn::sizeHint() const
{
    return Picture.isNull() ? QSize(32, 32) : Picture.deviceIndependentSize().toSize();
}

void TksImgBtn::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPixmap &pixmap = m_hover && HoverSwap && !HoverPicture.isNull() ? HoverPicture
                                                                            : Picture;
    if (!pixmap.isNull())
        p.drawPixmap(rect(), pixmap);
    if (!text().isEmpty())
        p.drawText(rect(), Qt::AlignCenter, text());
}

void TksImgBtn::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    update();
    emit MouseEnter();
    QAbstractButton::enterEvent(event);
}

void TksImgBtn::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    emit MouseLeave();
    QAbstractButton::leaveEvent(event);
}
