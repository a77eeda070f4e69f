#include "masterdata/ui/CataAssignFrm.h"

#include "data/Exceptions.h"
#include "data/Messages.h"
#include "grids/ui/ksEdit.h"
#include "masterdata/ui/Lookups.h"
#include "masterdata/ui/WarecataTree.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TCataAssignFrm::TCataAssignFrm(QWidget *owner)
    : TADlgFrm(owner, QStringLiteral("CataAssignFrm"))
{
    setWindowTitle(QStringLiteral("采购分配"));
    auto *treeBox = new QGroupBox(QStringLiteral("物资类别"), Client());
    m_tree = new TWarecataTree(treeBox);
    m_tree->setFixedSize(240, 360);
    auto *treeLayout = new QVBoxLayout(treeBox);
    treeLayout->addWidget(m_tree);

    m_box = new QGroupBox(QStringLiteral("默认采购员"), Client());
    m_path = new TksEdit(m_box);
    m_path->setObjectName(QStringLiteral("edtPath"));
    m_path->setReadOnly(true);
    m_path->setMinimumWidth(240);
    m_buyer = new TLookupCombo(TLookupKind::Employees, m_box);
    m_buyer->setObjectName(QStringLiteral("cmbBuyer"));
    m_pick = new QPushButton(QStringLiteral("..."), m_box);
    m_pick->setObjectName(QStringLiteral("btnPick"));
    m_pick->setFixedWidth(28);
    auto *grid = new QGridLayout(m_box);
    grid->addWidget(new QLabel(QStringLiteral("类别"), m_box), 0, 0);
    grid->addWidget(m_path, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("采购员"), m_box), 1, 0);
    grid->addWidget(m_buyer, 1, 1);
    grid->addWidget(m_pick, 1, 2);
    auto *hint = new QLabel(QStringLiteral("选中左边的类别, 再选择负责该类物资的采购员."),
                            Client());
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #606060;"));
    auto *right = new QVBoxLayout;
    right->addWidget(m_box);
    right->addWidget(hint);
    right->addStretch();
    auto *layout = new QHBoxLayout(Client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(treeBox);
    layout->addLayout(right);

    m_buyer->Fill();
    m_assigns = TCataAssignSet::LoadAssignments();
    for (int i = 0; i < m_assigns.size(); ++i)
        m_indexOfCode.insert(m_assigns[i].Code, i);
    connect(m_tree, &TWarecataTree::Changed, this, &TCataAssignFrm::CategoryChanged);
    connect(m_buyer, &TLookupCombo::Changed, this, &TCataAssignFrm::BuyerChanged);
    connect(m_pick, &QPushButton::clicked, this, [this] { m_buyer->Pick(); });
    m_tree->LoadEdit();
    CategoryChanged(m_tree->SelectedWithPath());
}

std::optional<int> TCataAssignFrm::BuyerOf(const QString &code) const
{
    const int i = m_indexOfCode.value(code, -1);
    return i < 0 ? std::nullopt : m_assigns[i].BuymanId;
}

void TCataAssignFrm::CategoryChanged(const RWareCata &cata)
{
    const bool usable = m_tree->currentItem() && !cata.Code.isEmpty();
    m_code = usable ? cata.Code : QString();
    m_path->setText(usable ? cata.Path : QString());
    {
        const QSignalBlocker blocker(m_buyer);
        m_buyer->SelectId(BuyerOf(m_code).value_or(0));
        if (!BuyerOf(m_code))
            m_buyer->setCurrentIndex(-1);
    }
    m_box->setEnabled(usable);
}

void TCataAssignFrm::BuyerChanged()
{
    const int i = m_indexOfCode.value(m_code, -1);
    if (i < 0)
        return;
    const int id = m_buyer->SelectedId();
    m_assigns[i].BuymanId = id > 0 ? std::optional<int>(id) : std::nullopt;
}

void TCataAssignFrm::OkClicked()
{
    try {
        if (!TCataAssignSet::SaveAssignments(m_assigns)) {
            ShowWarning(QStringLiteral("保存失败, 没有返回成功值."));
            return;
        }
    } catch (const EDatabaseError &error) {
        ShowError(error.Message());
        return;
    }
    ShowInfo(QStringLiteral("采购分配设置成功, 数据已保存."));
    accept();
}

bool TCataAssignFrm::event(QEvent *event)
{
    // Employees may have been added or removed in another window meanwhile.
    if (event->type() == QEvent::WindowActivate && m_buyer) {
        const int id = m_buyer->SelectedId();
        const QSignalBlocker blocker(m_buyer);
        m_buyer->Fill();
        if (id > 0)
            m_buyer->SelectId(id);
    }
    return TADlgFrm::event(event);
}
