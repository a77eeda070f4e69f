#pragma once

#include "shell/ui/aFrm.h"

#include <QList>

class QListWidget;
class QToolBar;
class QAction;
class QPushButton;
class TDataSet;
class TRep;

// The chooser "打印": the templates of one report group, to preview, and with the design
// right to create, rename, delete and design.
class TReporterFrm : public TaFrm
{
    Q_OBJECT
public:
    TReporterFrm(TRep &rep, int group, bool canDesign, QWidget *parent = nullptr);

    void SetGroup(int group);
    int Group() const { return m_group; }
    QListWidget *List() const { return m_list; }
    int SelectedId() const;             // 0 when none
    QString SelectedTitle() const;

    void PreviewClicked();
    void NewClicked();
    void RenameClicked();
    void DeleteClicked();
    void DesignClicked();

    QAction *NewAction() const { return m_new; }
    QAction *RenameAction() const { return m_rename; }
    QAction *DeleteAction() const { return m_delete; }
    QAction *DesignAction() const { return m_design; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool CheckSelected() const;
    void Refill(int selectId = 0);

    TRep &m_rep;
    int m_group = 0;
    QListWidget *m_list = nullptr;
    QToolBar *m_toolBar = nullptr;
    QAction *m_new = nullptr;
    QAction *m_rename = nullptr;
    QAction *m_delete = nullptr;
    QAction *m_design = nullptr;
};

// Where the chooser opens: a quarter of its height above and half its width left of the
// pointer, centred when it would cross the screen's bottom or right edge, kept on screen.
QPoint ReporterPlacement(const QSize &window, const QPoint &cursor, const QRect &screen);

// The print entry points of every print site. Both need right 10002 (EAbort after the
// message without it); the design tools need right 10003.
void ShowReporter(TRep &rep, int group, QWidget *parent = nullptr);
void PrintDataSets(const QList<TDataSet *> &dataSets, int group, QWidget *parent = nullptr);
// The preview and the designer of TRep::Preview and TRep::Design.
void InstallReportWindows();
