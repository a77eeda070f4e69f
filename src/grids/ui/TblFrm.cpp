#include "grids/ui/TblFrm.h"

#include "grids/ui/DBGrid.h"
#include "grids/ui/Title1Fra.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QVBoxLayout>

TTblFrm::TTblFrm(QWidget *parent, const QString &name) : TWinFrm(parent, name)
{
    m_title = new TTitle1Fra(this);
    m_grid = new TDBGrid(this);
    auto *status = new QFrame(this);
    status->setFrameShape(QFrame::StyledPanel);
    m_status = new QLabel(status);
    m_progress = new QProgressBar(status);
    m_progress->setFixedWidth(200);
    m_progress->setMaximumHeight(14);
    m_progress->setTextVisible(false);
    m_progress->hide();
    auto *statusLayout = new QHBoxLayout(status);
    statusLayout->setContentsMargins(4, 1, 4, 1);
    statusLayout->addWidget(m_status, 1);
    statusLayout->addWidget(m_progress);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addWidget(m_grid, 1);
    layout->addWidget(status);
}

void TTblFrm::DoProgress(int count, int position)
{
    if (count == position) {
        m_progress->setValue(0);
        m_progress->hide();
        return;
    }
    m_progress->setMaximum(count);
    m_progress->setValue(position);
    m_progress->show();
}

void TTblFrm::PopupMenu(QWidget *control)
{
    m_grid->PopupButtonClick(control);
}

void TTblFrm::showEvent(QShowEvent *event)
{
    TWinFrm::showEvent(event);
    if (!isMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
}
