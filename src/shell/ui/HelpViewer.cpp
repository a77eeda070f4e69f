#include "shell/ui/HelpViewer.h"

#include "shell/ui/Forms.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
QPointer<THelpViewer> s_viewer;

QString TopicPath(const QString &topic)
{
    return QStringLiteral(":/help/%1.htm").arg(topic);
}
} // namespace

THelpViewer::THelpViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewerFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ProgramFont());
    setWindowTitle(QStringLiteral("帮助"));
    m_browser = new QTextBrowser(this);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 520);
}

bool THelpViewer::HasTopic(const QString &topic)
{
    return QFile::exists(TopicPath(topic));
}

void THelpViewer::ShowTopic(const QString &topic)
{
    // A window without a topic of its own shows the main page rather than nothing.
    m_topic = HasTopic(topic) ? topic : QStringLiteral("index");
    m_browser->setSource(QUrl(QStringLiteral("qrc") + TopicPath(m_topic)));
    if (!HasTopic(m_topic))
        m_browser->setHtml(QStringLiteral("<p>没有找到帮助主题 %1。</p>").arg(topic.toHtmlEscaped()));
}

THelpViewer *THelpViewer::Open(const QString &topic, QWidget *parent)
{
    if (!s_viewer)
        s_viewer = new THelpViewer(parent);
    s_viewer->ShowTopic(topic);
    s_viewer->show();
    s_viewer->raise();
    s_viewer->activateWindow();
    return s_viewer;
}
