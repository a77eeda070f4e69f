#include "shell/ui/SplashFrm.h"

#include "shell/ui/AppInfo.h"
#include "shell/ui/Forms.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TSplashFrm::TSplashFrm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(386, 271);
    setFont(ProgramFont());
    setWindowTitle(AppTitle());
    // Without the picture the splash shows only its frame and the status line.
    m_picture.load(QStringLiteral(":/pictures/splash.png"));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TSplashFrm::ShowHint(const QString &text)
{
    if (text.isEmpty())
        m_status += u'.';
    else
        m_status = text;
    repaint();
}

void TSplashFrm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(246, 248, 251));
    if (!m_picture.isNull())
        p.drawPixmap(QRect(0, 0, width(), m_picture.height() * width() / m_picture.width()),
                     m_picture);
    const int top = m_picture.isNull() ? 0 : m_picture.height() * width() / m_picture.width();
    p.setPen(QColor(110, 110, 110));
    p.drawText(QRect(12, top, width() - 24, height() - top), Qt::AlignLeft | Qt::AlignVCenter,
               m_status);
    p.setPen(QColor(90, 110, 140));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
