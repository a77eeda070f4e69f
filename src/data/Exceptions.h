#pragma once

#include <QString>

#include <exception>

// The system's error classes. A failed statement raises EDatabaseError (provider message,
// line break, SQL); a refused right raises EAbort, which the global handler swallows;
// a value that does not fit a field raises EConvertError.
class EOpenBuyError : public std::exception
{
public:
    explicit EOpenBuyError(QString message) : m_message(std::move(message)),
        m_utf8(m_message.toUtf8()) {}
    const QString &Message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

class EDatabaseError : public EOpenBuyError
{
public:
    using EOpenBuyError::EOpenBuyError;
};

class EConvertError : public EOpenBuyError
{
public:
    using EOpenBuyError::EOpenBuyError;
};

// Silent: the action is abandoned after its own message was shown.
class EAbort : public EOpenBuyError
{
public:
    EAbort() : EOpenBuyError(QStringLiteral("Operation aborted")) {}
};
