#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// The answer to a Yes/No/Cancel question.
enum class TAnswer { Yes, No, Cancel };

// Every message box of the system goes through this one layer. The program installs the
// layer that shows real message boxes; tests install one that answers from a script.
class TMessageLayer
{
public:
    enum class Kind { Info, Warning, Error, Confirm, ConfirmDelete };
    virtual ~TMessageLayer() = default;
    virtual void Show(Kind kind, const QString &text) = 0;
    // Confirm (Yes/No) and ConfirmDelete (OK/Cancel): true for Yes or OK.
    virtual bool Ask(Kind kind, const QString &text) = 0;
    // Yes/No/Cancel (closing a window that holds changes). A layer without such a box
    // answers through Ask: Yes or No.
    virtual TAnswer AskYesNoCancel(const QString &text)
    {
        return Ask(Kind::Confirm, text) ? TAnswer::Yes : TAnswer::No;
    }
    // An input box: false when cancelled.
    virtual bool Input(const QString &caption, const QString &prompt, QString &value) = 0;
};

// Installs a layer (taking ownership) and returns the previous one.
std::unique_ptr<TMessageLayer> SetMessageLayer(std::unique_ptr<TMessageLayer> layer);
TMessageLayer &MessageLayer();

// Information box: the text is framed as "\r\n" + text + "\t".
void ShowInfo(const QString &text);
void ShowWarning(const QString &text);
void ShowError(const QString &text);
// Yes/No box showing "\r" + text; true on Yes.
bool Confirm(const QString &text);
// OK/Cancel warning "\r您确定要删除 %s 吗?\t\t"; an empty text asks about 当前记录.
bool ConfirmDelete(const QString &what = QString());
// Yes/No/Cancel box showing "\r" + text.
TAnswer ConfirmYesNoCancel(const QString &text);
bool InputQuery(const QString &caption, const QString &prompt, QString &value);

// A layer that records every message and answers from a queue; for tests and console tools.
class TScriptedMessages : public TMessageLayer
{
public:
    struct Message { Kind kind; QString text; };
    void Show(Kind kind, const QString &text) override;
    bool Ask(Kind kind, const QString &text) override;
    TAnswer AskYesNoCancel(const QString &text) override;
    bool Input(const QString &caption, const QString &prompt, QString &value) override;

    QList<Message> Messages;
    QList<bool> Answers;        // taken from the front; true when empty
    QList<TAnswer> Choices;     // Yes/No/Cancel answers, taken from the front; Yes when empty
    QStringList Inputs;         // taken from the front; cancelled when empty
    QString LastText() const { return Messages.isEmpty() ? QString() : Messages.last().text; }
    void Reset() { Messages.clear(); Answers.clear(); Choices.clear(); Inputs.clear(); }
};

// Console layer: writes messages to stderr, answers Yes.
class TConsoleMessages : public TMessageLayer
{
public:
    void Show(Kind kind, const QString &text) override;
    bool Ask(Kind kind, const QString &text) override;
    bool Input(const QString &caption, const QString &prompt, QString &value) override;
};
