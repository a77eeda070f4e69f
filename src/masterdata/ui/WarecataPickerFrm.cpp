#include "masterdata/ui/WarecataPickerFrm.h"

#include "data/Exceptions.h"
#include "masterdata/ui/WarecataTree.h"

#include <QHBoxLayout>
#include <QPushButton>

TWarecataPickerFrm::TWarecataPickerFrm(QWidget *owner, const QString &code,
                                       TCataTreeMode mode, TCataCallback accept,
                                       const QString &name)
    : TADlgFrm(owner, name), m_accept(std::move(accept))
{
    setWindowTitle(QStringLiteral("选择"));
    m_tree = new TWarecataTree(Client());
    m_tree->setFixedSize(260, 360);
    auto *layout = new QHBoxLayout(Client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    m_settings = new QPushButton(QStringLiteral("设置"), this);
    m_settings->setObjectName(QStringLiteral("btnSettings"));
    ButtonStrip()->insertWidget(0, m_settings);
    if (mode == TCataTreeMode::Edit)
        m_tree->LoadEdit();
    else
        m_tree->LoadBrowse();
    if (!code.isEmpty())
        m_tree->SelectByCode(code);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            &TWarecataPickerFrm::TreeDoubleClicked);
    connect(m_settings, &QPushButton::clicked, this, &TWarecataPickerFrm::SettingsClicked);
}

void TWarecataPickerFrm::OkClicked()
{
    if (!m_tree->currentItem())
        return;
    if (!m_accept || m_accept(m_tree->SelectedWithPath()))
        accept();
}

void TWarecataPickerFrm::TreeDoubleClicked(QTreeWidgetItem *item)
{
    // A double click on a category with sub-categories only opens or closes it.
    if (item && item->childCount() == 0)
        OkClicked();
}

void TWarecataPickerFrm::SettingsClicked()
{
    try {
        if (EditCategories(this))
            m_tree->Refresh();
    } catch (const EAbort &) {
        // The missing right was shown by the check.
    }
}
