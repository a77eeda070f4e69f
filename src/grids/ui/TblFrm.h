#pragma once

#include "shell/ui/WinFrm.h"

class QLabel;
class QProgressBar;
class QStatusBar;
class TDBGrid;
class TTitle1Fra;

// A list window: the title banner, one grid filling the window and a status panel with a
// progress bar (hidden until a long operation shows it). It opens maximised.
class TTblFrm : public TWinFrm
{
    Q_OBJECT
public:
    explicit TTblFrm(QWidget *parent = nullptr, const QString &name = QString());

    TTitle1Fra *Title() const { return m_title; }
    TDBGrid *Grid() const { return m_grid; }
    QLabel *Status() const { return m_status; }
    QProgressBar *Progress() const { return m_progress; }
    // Position == Count hides the bar; otherwise it shows how far the work is.
    void DoProgress(int count, int position);
    // Opens the grid's menu just below the control.
    void PopupMenu(QWidget *control);

protected:
    void showEvent(QShowEvent *event) override;

private:
    TTitle1Fra *m_title;
    TDBGrid *m_grid;
    QLabel *m_status;
    QProgressBar *m_progress;
};
