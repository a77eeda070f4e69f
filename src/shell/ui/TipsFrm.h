#pragma once

#include "shell/ui/aFrm.h"

#include <QStringList>

class QCheckBox;
class QTextEdit;

// "每日一贴": one of the tips at random, and whether it opens at start-up.
class TTipsFrm : public TaFrm
{
    Q_OBJECT
public:
    explicit TTipsFrm(QWidget *parent = nullptr);
    static const QStringList &Tips();
    // Setting 1 of the key-value table.
    static bool DailyTipPrompt();
    static void SetDailyTipPrompt(bool on);

    void ShowTip(int index);
    void ShowRandomTip();
    int CurrentTip() const { return m_current; }
    QCheckBox *PromptBox() const { return m_prompt; }
    QString Memo() const;

private:
    QTextEdit *m_memo;
    QCheckBox *m_prompt;
    int m_current = -1;
};
