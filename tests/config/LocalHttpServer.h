#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

// A tiny HTTP server on 127.0.0.1 that answers every request with one fixed response; it
// runs in the test's own event loop, which the blocking client spins while it waits.
class TLocalHttpServer : public QObject
{
    Q_OBJECT
public:
    enum class TMode { Answer, Silent };
    TLocalHttpServer(int status, QByteArray body, TMode mode = TMode::Answer);

    QString Url(const QString &path = QStringLiteral("/qam")) const;
    // The request target of the last request ("/qam?user=…").
    QString LastTarget() const { return m_lastTarget; }
    int Requests() const { return m_requests; }
    // An address where nothing listens.
    static QString UnreachableUrl();

private:
    void Accept();
    void Answer(QTcpSocket *socket);

    QTcpServer m_server;
    int m_status;
    QByteArray m_body;
    TMode m_mode;
    QString m_lastTarget;
    int m_requests = 0;
};
