#include "data/Messages.h"

#include <cstdio>

namespace {
std::unique_ptr<TMessageLayer> &Layer()
{
    static std::unique_ptr<TMessageLayer> layer = std::make_unique<TConsoleMessages>();
    return layer;
}
} // namespace

std::unique_ptr<TMessageLayer> SetMessageLayer(std::unique_ptr<TMessageLayer> layer)
{
    std::unique_ptr<TMessageLayer> previous = std::move(Layer());
    Layer() = layer ? std::move(layer) : std::make_unique<TConsoleMessages>();
    return previous;
}

TMessageLayer &MessageLayer()
{
    return *Layer();
}

void ShowInfo(const QString &text)
{
    MessageLayer().Show(TMessageLayer::Kind::Info, QStringLiteral("\r\n") + text + u'\t');
}

void ShowWarning(const QString &text)
{
    MessageLayer().Show(TMessageLayer::Kind::Warning, text);
}

void ShowError(const QString &text)
{
    MessageLayer().Show(TMessageLayer::Kind::Error, text);
}

bool Confirm(const QString &text)
{
    return MessageLayer().Ask(TMessageLayer::Kind::Confirm, u'\r' + text);
}

bool ConfirmDelete(const QString &what)
{
    const QString subject = what.isEmpty() ? QStringLiteral("当前记录") : what;
    return MessageLayer().Ask(TMessageLayer::Kind::ConfirmDelete,
                              QStringLiteral("\r您确定要删除 %1 吗?\t\t").arg(subject));
}

TAnswer ConfirmYesNoCancel(const QString &text)
{
    return MessageLayer().AskYesNoCancel(u'\r' + text);
}

bool InputQuery(const QString &caption, const QString &prompt, QString &value)
{
    return MessageLayer().Input(caption, prompt, value);
}

void TScriptedMessages::Show(Kind kind, const QString &text)
{
    Messages.append({kind, text});
}

bool TScriptedMessages::Ask(Kind kind, const QString &text)
{
    Messages.append({kind, text});
    return Answers.isEmpty() ? true : Answers.takeFirst();
}

TAnswer TScriptedMessages::AskYesNoCancel(const QString &text)
{
    Messages.append({Kind::Confirm, text});
    return Choices.isEmpty() ? TAnswer::Yes : Choices.takeFirst();
}

bool TScriptedMessages::Input(const QString &caption, const QString &prompt, QString &value)
{
    Messages.append({Kind::Confirm, prompt});
    if (Inputs.isEmpty())
        return false;
    value = Inputs.takeFirst();
    return true;
}

void TConsoleMessages::Show(Kind, const QString &text)
{
    std::fprintf(stderr, "%s\n", text.trimmed().toLocal8Bit().constData());
}

bool TConsoleMessages::Ask(Kind, const QString &text)
{
    std::fprintf(stderr, "%s [是]\n", text.trimmed().toLocal8Bit().constData());
    return true;
}

bool TConsoleMessages::Input(const QString &, const QString &, QString &)
{
    return false;
}
