#include "LocalHttpServer.h"

#include <QTcpSocket>

TLocalHttpServer::TLocalHttpServer(int status, QByteArray body, TMode mode)
    : m_status(status), m_body(std::move(body)), m_mode(mode)
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &TLocalHttpServer::Accept);
}

QString TLocalHttpServer::Url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

QString TLocalHttpServer::UnreachableUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/qam").arg(port);
}

void TLocalHttpServer::Accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
    }
}

void TLocalHttpServer::Answer(QTcpSocket *socket)
{
    const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    ++m_requests;
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    m_lastTarget = QString::fromUtf8(requestLine.value(1));
    if (m_mode == TMode::Silent)
        return;
    const QByteArray head = "HTTP/1.1 " + QByteArray::number(m_status) + " Status\r\n"
                            "Content-Type: text/plain; charset=utf-8\r\n"
                            "Content-Length: " + QByteArray::number(m_body.size()) + "\r\n"
                            "Connection: close\r\n\r\n";
    socket->write(head + m_body);
    socket->disconnectFromHost();
}
