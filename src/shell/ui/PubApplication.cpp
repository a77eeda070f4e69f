#include "shell/ui/PubApplication.h"

#include "data/Exceptions.h"
#include "data/Messages.h"
#include "shell/ui/Mall.h"

TPubApplication::TPubApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TPubApplication::notify(QObject *receiver, QEvent *event)
{
    if (!m_active)
        return QApplication::notify(receiver, event);
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        HandleException(error);
    }
    return false;
}

QString ErrorReportText(const QString &message)
{
    return QStringLiteral("\r\n非常抱歉,系统遇到如下异常:\r\n\r\n") + message;
}

void HandleException(const std::exception &error)
{
    if (dynamic_cast<const EAbort *>(&error))
        return;
    const auto *own = dynamic_cast<const EOpenBuyError *>(&error);
    const QString message = own ? own->Message() : QString::fromUtf8(error.what());
    // With an error-report window installed the operator may send the problem on.
    if (TheMall().Has(QStringLiteral("OpenErrorReport"))) {
        if (Confirm(ErrorReportText(message)
                    + QStringLiteral("\r\n\r\n请参考相关异常说明,如果有必要点击\"是\"将此问题"
                                     "发送到我们的网站上!")))
            TheMall().Open(QStringLiteral("OpenErrorReport"));
        return;
    }
    ShowError(ErrorReportText(message));
}
