#include "masterdata/ui/SuppwareEditFrm.h"

#include "data/Exceptions.h"
#include "data/Messages.h"
#include "grids/ui/ksEdit.h"
#include "masterdata/WareCaptions.h"
#include "masterdata/ui/EditorForm.h"

namespace {
QVariant ValueOf(const std::optional<double> &v)
{
    return v ? QVariant(*v) : QVariant();
}

std::optional<double> NumberOf(const TksEdit *edit)
{
    const QVariant v = edit->AsVariant();
    return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
}
} // namespace

TSuppwareEditFrm::TSuppwareEditFrm(QWidget *owner, TSuppwareSet &prices, const RSuppware &item)
    : TADlgFrm(owner, QStringLiteral("SuppwareEditFrm")), m_prices(prices), m_item(item)
{
    setWindowTitle(item.Id > 0 ? QStringLiteral("修改供货信息") : QStringLiteral("添加供货信息"));
    TEditorForm form(Client());
    edtSupplier = form.AddEdit(QStringLiteral("供应商"), QStringLiteral("edtSupplier"), 0);
    edtSupplier->setText(item.SuppName);
    edtSupplier->setReadOnly(true);
    const QStringList names = WareCaptions::TextNames();
    for (int i = 0; i < 5; ++i) {
        TksEdit *edit = form.AddEdit(WareCaptions::Caption(names[i]),
                                     QStringLiteral("edt") + names[i], 0);
        edit->setText(item.WareS[size_t(i)]);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
        edtWare[size_t(i)] = edit;
    }
    edtSupplier->setFocusPolicy(Qt::ClickFocus);
    edtPrice = form.AddNumber(QStringLiteral("单价"), QStringLiteral("edtPrice"));
    edtTaxPrice = form.AddNumber(QStringLiteral("含税价"), QStringLiteral("edtTaxPrice"));
    edtNotes = form.AddEdit(QStringLiteral("备注"), QStringLiteral("edtNotes"), 250);
    edtPrice->SetAsVariant(ValueOf(item.Price));
    edtTaxPrice->SetAsVariant(ValueOf(item.TaxPrice));
    edtNotes->setText(item.Notes);
    edtPrice->setFocus();
}

void TSuppwareEditFrm::OkClicked()
{
    RSuppware item = m_item;
    item.Price = NumberOf(edtPrice);
    item.TaxPrice = NumberOf(edtTaxPrice);
    item.Notes = edtNotes->text();
    try {
        if (!m_prices.SaveItem(item))
            return;
    } catch (const EDatabaseError &e) {
        ShowError(e.Message());
        return;
    }
    m_item = item;
    accept();
}
