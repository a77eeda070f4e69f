#pragma once

#include "masterdata/ui/InfoListFrm.h"

class QComboBox;
class QLineEdit;
class TSupplierList;

// "供应商": every supplier in the list grid, with a search row that narrows the list to the
// suppliers whose chosen field contains the keyword.
class TSupplierListFrm : public TInfoListFrm
{
    Q_OBJECT
public:
    explicit TSupplierListFrm(QWidget *owner);

    TSupplierList *Suppliers() const;
    QComboBox *cmbField;
    QLineEdit *edtKeyword;

    void SetupClick() override;

private:
    QMenu *m_setupMenu = nullptr;
};
