#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help: HTML topics shipped with it (":/help/<topic>.htm"), one window that
// follows links between them.
class THelpViewer : public QWidget
{
    Q_OBJECT
public:
    // Shows the viewer (one per process) at the topic; "faq" is the list of common questions.
    static THelpViewer *Open(const QString &topic, QWidget *parent = nullptr);
    static bool HasTopic(const QString &topic);
    QString CurrentTopic() const { return m_topic; }
    void ShowTopic(const QString &topic);

private:
    explicit THelpViewer(QWidget *parent);
    QTextBrowser *m_browser;
    QString m_topic;
};
