#pragma once

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

class QWidget;

// Answers the modal dialogs a call opens: every step runs on the modal dialog that is open
// when its turn comes. Dialogs still opening after the last step are rejected and named in
// Unexpected, so that a wrong loop fails the test instead of hanging it.
class TModalScript
{
public:
    using TStep = std::function<void(QWidget *dialog)>;
    explicit TModalScript(QList<TStep> steps);
    ~TModalScript();
    int StepsDone() const;
    QStringList Unexpected() const;

    struct TState;

private:
    std::shared_ptr<TState> m_state;
};
