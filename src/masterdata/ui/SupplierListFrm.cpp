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
    auto *search = new QWidget(this);
    cmbField = new TksComboBox(search);
    cmbField->setObjectName(QStringLiteral("cmbField"));
    TSupplierList *list = Suppliers();
    for (TField *f : {list->NameFld, list->LookIdFld, list->TelFld, list->LinkmanFld,
                      list->AddrFld})
        cmbField->addItem(f->Label(), f->FieldName);
    cmbField->setCurrentIndex(1);
    edtKeyword = new QLineEdit(search);
    edtKeyword->setObjectName(QStringLiteral("edtKeyword"));
    edtKeyword->setClearButtonEnabled(true);
    auto *row = new QHBoxLayout(search);
    row->setContentsMargins(6, 4, 6, 4);
    row->addWidget(new QLabel(QStringLiteral("搜索"), search));
    row->addWidget(cmbField);
    row->addWidget(new QLabel(QStringLiteral("关键字"), search));
    row->addWidget(edtKeyword);
    row->addStretch();
    MainLayout()->insertWidget(1, search);
    resize(860, 520);

    connect(edtKeyword, &QLineEdit::textChanged, this, &TSupplierListFrm::ApplyKeyword);
    connect(cmbField, &QComboBox::currentIndexChanged, this, &TSupplierListFrm::ApplyKeyword);

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

void TSupplierListFrm::ApplyKeyword()
{
    TDataSet *data = Suppliers()->DataSet();
    data->ClearFilter();
    const QString keyword = edtKeyword->text();
    if (keyword.isEmpty() || cmbField->currentIndex() < 0)
        return;
    const int column = data->FieldByName(cmbField->currentData().toString())->Index();
    data->SetFilter([column, keyword](const TDataSet &set, int rowId) {
        return set.StoredValue(rowId, column).toString().contains(keyword, Qt::CaseInsensitive);
    });
}

void TSupplierListFrm::SetupClick()
{
    QAction *setup = Action(QStringLiteral("设置"));
    QWidget *button = setup ? ToolBar()->widgetForAction(setup) : ToolBar();
    m_setupMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void OpenSupplierList(QWidget *owner)
{
    auto *window = new TSupplierListFrm(owner);
    window->Suppliers()->LoadAll();
    window->show();
    window->raise();
}
