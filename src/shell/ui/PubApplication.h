#pragma once

#include <QApplication>
#include <QString>

#include <exception>

// The program's application object. Its event delivery is the global error handler: an
// error that escapes an event handler reaches the operator as a message and the program goes
// on; a silent abort (a refused right, after its message) shows nothing.
class TPubApplication : public QApplication
{
    Q_OBJECT
public:
    TPubApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
    // Off until start-up has created the shared resources; errors before it end the program.
    void SetHandlerActive(bool active) { m_active = active; }
    bool HandlerActive() const { return m_active; }

private:
    bool m_active = false;
};

// The text of the global error message for an error's message.
QString ErrorReportText(const QString &message);
// What the handler does with an error that escaped: EAbort nothing, others the message.
void HandleException(const std::exception &error);
