#include "masterdata/ui/SupplierListFrm.h"

#include "grids/ui/DBGrid.h"
#include "grids/ui/ksComboBox.h"
#include "masterdata/ui/ViewList.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

TSupplierListFrm::TSupplierListFrm(QWidget *owner)
    : TInfoListFrm(owner, std::make_unique<TSupplierList>(), QStringLiteral("供应商"), 1116,
                   QStringLiteral("SupplierListFrm"))
{
    // The list exports through "设置", as the goods list does.
    if (QAction *exp = Action(QStringLiteral("导出")))
        ToolBar()->removeAction(exp);
    TSupplierList *list = Suppliers();
    QWidget *search = CreateSearchRow({list->NameFld, list->LookIdFld, list->TelFld,
                                       list->LinkmanFld, list->AddrFld}, 1);
    cmbField = FieldCombo();
    edtKeyword = KeywordEdit();
    MainLayout()->insertWidget(1, search);
    resize(860, 520);

    TDBGrid *grid = Grid();
    m_setupMenu = new QMenu(this);
    m_setupMenu->addAction(grid->ActionColVisible);
    m_setupMenu->addAction(grid->ActionTableStyleSave);
    m_setupMenu->addSeparator();
    m_setupMenu->addAction(grid->ActionExport2Excel);
    m_setupMenu->addAction(grid->ActionExport2Html);
}

TSupplierList *TSupplierListFrm::Suppliers() const
{
    return static_cast<TSupplierList *>(List());
}

void TSupplierListFrm::SetupClick()
{
    QAction *setup = Action(QStringLiteral("设置"));
    QWidget *button = setup ? ToolBar()->widgetForAction(setup) : ToolBar();
    m_setupMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void OpenSupplierList(QWidget *owner)
{
    if (TInfoListFrm::ShowOpen(QStringLiteral("供应商")))
        return;
    auto *window = new TSupplierListFrm(owner);
    window->Suppliers()->LoadAll();
    window->show();
    window->raise();
}
