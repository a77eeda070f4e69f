#include "ModalScript.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

struct TModalScript::TState
{
    QList<TStep> Steps;
    int Done = 0;
    QStringList Unexpected;
    bool Stopped = false;
    QWidget *LastDialog = nullptr;
    bool LastVisible = false;
};

namespace {
void Poll(const std::shared_ptr<TModalScript::TState> &state)
{
    if (state->Stopped)
        return;
    QWidget *dialog = QApplication::activeModalWidget();
    if (dialog && dialog->isVisible()) {
        if (state->Done < state->Steps.size()) {
            const int step = state->Done++;
            state->Steps[step](dialog);
        } else if (auto *d = qobject_cast<QDialog *>(dialog)) {
            state->Unexpected.append(dialog->windowTitle());
            d->reject();
        }
    }
    QTimer::singleShot(5, qApp, [state] { Poll(state); });
}
} // namespace

TModalScript::TModalScript(QList<TStep> steps) : m_state(std::make_shared<TState>())
{
    m_state->Steps = std::move(steps);
    QTimer::singleShot(0, qApp, [state = m_state] { Poll(state); });
}

TModalScript::~TModalScript()
{
    m_state->Stopped = true;
}

int TModalScript::StepsDone() const
{
    return m_state->Done;
}

QStringList TModalScript::Unexpected() const
{
    return m_state->Unexpected;
}
