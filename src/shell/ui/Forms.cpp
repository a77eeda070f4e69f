#include "shell/ui/Forms.h"

#include "shell/ui/HelpViewer.h"

#include <QCursor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QFont ProgramFont()
{
    static const QFont font = [] {
        const QStringList families = QFontDatabase::families();
        for (const char *name : {"宋体", "SimSun", "AR PL UMing CN", "WenQuanYi Micro Hei"}) {
            const QString family = QString::fromUtf8(name);
            if (families.contains(family)) {
                QFont f(family);
                f.setPointSize(9);
                return f;
            }
        }
        QFont f;
        f.setPointSize(9);
        return f;
    }();
    return font;
}

QPoint PlaceAtCursor(const QSize &window, const QPoint &cursor, const QRect &screen)
{
    const int w = window.width();
    const int h = window.height();
    int left = cursor.x() - w / 2;
    if (left < 0)
        left = 20;
    else if (left > screen.width() - w - 20)
        left = screen.width() - w - 20;
    int top = cursor.y() - h / 2;
    if (top < 0)
        top = 20;
    else if (top + h > screen.height() - 50)
        top = screen.height() - h - 50;
    return {screen.left() + left, screen.top() + top};
}

void MoveToCursor(QWidget *window)
{
    const QPoint cursor = QCursor::pos();
    QScreen *screen = QGuiApplication::screenAt(cursor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(PlaceAtCursor(window->frameGeometry().size(), cursor - area.topLeft(), area));
}

Qt::Edges BorderAt(int x, int y, int w, int h)
{
    if (x <= 9 && y <= 9)
        return Qt::TopEdge | Qt::LeftEdge;
    if (x > w - 10 && y < 10)
        return Qt::TopEdge | Qt::RightEdge;
    if (x > w - 10 && y > h - 10)
        return Qt::BottomEdge | Qt::RightEdge;
    if (x < 10 && y > h - 10)
        return Qt::BottomEdge | Qt::LeftEdge;
    if (x <= 4)
        return Qt::LeftEdge;
    if (y <= 4)
        return Qt::TopEdge;
    if (x > w - 5)
        return Qt::RightEdge;
    if (y > h - 5)
        return Qt::BottomEdge;
    return {};
}

QString HelpTopicOf(const QWidget *window)
{
    const QString name = window ? window->objectName() : QString();
    return name.size() > 3 ? name.left(name.size() - 3) : name;
}

void ShowHelpTopic(const QString &topic, QWidget *parent)
{
    THelpViewer::Open(topic, parent);
}
