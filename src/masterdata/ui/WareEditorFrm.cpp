#include "masterdata/ui/WareEditorFrm.h"

#include "config/Operator.h"
#include "config/PickList.h"
#include "data/Messages.h"
#include "grids/ui/ksComboBox.h"
#include "grids/ui/ksEdit.h"
#include "masterdata/WareCaptions.h"
#include "masterdata/ui/CategoryWindows.h"
#include "masterdata/ui/EditorForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString Label(const char *name)
{
    return WareCaptions::Caption(QString::fromLatin1(name));
}

std::optional<double> NumberOf(const TksEdit *edit)
{
    const QVariant v = edit->AsVariant();
    return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
}
} // namespace

TbuWareEditorFrm::TbuWareEditorFrm(QWidget *owner, const RWare &ware, TSaveCallback<RWare> save)
    : TADlgFrm(owner, QStringLiteral("buWareEditorFrm")), m_ware(ware), m_save(std::move(save))
{
    setWindowTitle(ware.Id > 0 ? QStringLiteral("修改") : QStringLiteral("添加"));
    auto *fields = new QWidget(Client());
    TEditorForm form(fields, 2);

    auto *cataBox = new QWidget(fields);
    edtCata = new TksEdit(cataBox);
    edtCata->setObjectName(QStringLiteral("edtCata"));
    edtCata->setReadOnly(true);
    btnCata = new QPushButton(QStringLiteral("..."), cataBox);
    btnCata->setObjectName(QStringLiteral("btnCata"));
    btnCata->setFixedWidth(28);
    btnCata->setAutoDefault(false);
    auto *cataRow = new QHBoxLayout(cataBox);
    cataRow->setContentsMargins(0, 0, 0, 0);
    cataRow->setSpacing(2);
    cataRow->addWidget(edtCata, 1);
    cataRow->addWidget(btnCata);
    form.AddWidget(QStringLiteral("类别"), cataBox, 2);

    edtLookId = form.AddEdit(Label("WareS03"), QStringLiteral("edtLookId"), 30);
    edtCode = form.AddEdit(Label("WareS01"), QStringLiteral("edtCode"), 30);
    edtName = form.AddEdit(Label("WareS02"), QStringLiteral("edtName"), 30);
    edtPartNo = form.AddEdit(Label("WareS04"), QStringLiteral("edtPartNo"), 200);
    edtBrand = form.AddEdit(Label("WareS05"), QStringLiteral("edtBrand"), 30);
    edtPackage = form.AddEdit(Label("WareS06"), QStringLiteral("edtPackage"), 30);
    edtBarcode = form.AddEdit(Label("WareS07"), QStringLiteral("edtBarcode"), 30);
    for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("WareS%1").arg(i + 8, 2, 10, QLatin1Char('0'));
        const QString box = QStringLiteral("edtS%1").arg(i + 8, 2, 10, QLatin1Char('0'));
        edtS[size_t(i)] = form.AddEdit(WareCaptions::Caption(name), box, 50);
    }
    cmbUnit = new TksComboBox(fields);
    cmbUnit->setObjectName(QStringLiteral("cmbUnit"));
    cmbUnit->setEditable(true);
    cmbUnit->addItems(TPickList::Items(plUnits));
    cmbUnit->lineEdit()->setMaxLength(30);
    form.AddWidget(Label("WareS12"), cmbUnit);
    for (int i = 0; i < 5; ++i) {
        const QString name = QStringLiteral("WareF%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        edtF[size_t(i)] = form.AddNumber(WareCaptions::Caption(name),
                                         QStringLiteral("edtF%1").arg(i + 1, 2, 10,
                                                                      QLatin1Char('0')));
    }
    form.NewRow();
    edtNote = new TksEdit(fields);
    edtNote->setObjectName(QStringLiteral("edtNote"));
    edtNote->setMaxLength(50);
    form.AddWidget(QStringLiteral("备注"), edtNote, 2);

    lblHint = new QLabel(QStringLiteral("标签可以在文件菜单下选项中设置!"), Client());
    lblHint->setStyleSheet(QStringLiteral("color: #0000c0;"));
    auto *layout = new QVBoxLayout(Client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fields);
    layout->addWidget(lblHint);

    connect(btnCata, &QPushButton::clicked, this, &TbuWareEditorFrm::btnCataClick);
    Fill();
}

void TbuWareEditorFrm::Fill()
{
    m_cata.Clear();
    if (m_ware.ClassId && *m_ware.ClassId > 0) {
        m_cata.Id = *m_ware.ClassId;
        m_cata.Code = m_ware.CataCode;
        m_cata.Name = m_ware.CataName;
        m_cata.Path = m_ware.CataPath.isEmpty() ? m_ware.CataName : m_ware.CataPath;
    }
    edtCata->setText(m_cata.Id > 0 ? m_cata.Path : QString());
    edtLookId->setText(m_ware.LookId);
    edtCode->setText(m_ware.Code);
    edtName->setText(m_ware.Name);
    edtPartNo->setText(m_ware.PartNo);
    edtBrand->setText(m_ware.Brand);
    edtPackage->setText(m_ware.Package);
    edtBarcode->setText(m_ware.Barcode);
    const std::array<const QString *, 4> s{&m_ware.S08, &m_ware.S09, &m_ware.S10, &m_ware.S11};
    for (size_t i = 0; i < 4; ++i)
        edtS[i]->setText(*s[i]);
    cmbUnit->setCurrentText(m_ware.Unit);
    for (size_t i = 0; i < 5; ++i)
        edtF[i]->SetAsVariant(m_ware.F[i] ? QVariant(*m_ware.F[i]) : QVariant());
    edtNote->setText(m_ware.Note);
}

bool TbuWareEditorFrm::AcceptCategory(const RWareCata &cata)
{
    m_cata = cata;
    edtCata->setText(cata.Id > 0 ? (cata.Path.isEmpty() ? cata.Name : cata.Path) : QString());
    return true;
}

void TbuWareEditorFrm::btnCataClick()
{
    PickCategory(this, m_cata.Code, TCataTreeMode::Browse,
                 [this](const RWareCata &c) { return AcceptCategory(c); });
}

RWare TbuWareEditorFrm::Collect() const
{
    RWare w = m_ware;
    if (m_cata.Id > 0) {
        w.ClassId = m_cata.Id;
        w.CataCode = m_cata.Code;
        w.CataName = m_cata.Name;
        w.CataPath = m_cata.Name;
    } else {
        w.ClassId.reset();
        w.CataCode.clear();
        w.CataName.clear();
        w.CataPath.clear();
    }
    w.LookId = edtLookId->text();
    w.Code = edtCode->text().trimmed();
    w.Name = edtName->text().trimmed();
    w.PartNo = edtPartNo->text();
    w.Brand = edtBrand->text();
    w.Package = edtPackage->text();
    w.Barcode = edtBarcode->text();
    const std::array<QString *, 4> s{&w.S08, &w.S09, &w.S10, &w.S11};
    for (size_t i = 0; i < 4; ++i)
        *s[i] = edtS[i]->text();
    w.Unit = cmbUnit->currentText();
    for (size_t i = 0; i < 5; ++i)
        w.F[i] = NumberOf(edtF[i]);
    w.Note = edtNote->text();
    return w;
}

void TbuWareEditorFrm::OkClicked()
{
    const auto require = [](TksEdit *box, const char *label) {
        if (!box->text().trimmed().isEmpty())
            return true;
        ShowInfo(QStringLiteral("请填写%1.").arg(Label(label)));
        box->setFocus();
        return false;
    };
    if (!require(edtCode, "WareS01") || !require(edtName, "WareS02"))
        return;
    RWare ware = Collect();
    if (m_save(ware))
        accept();
}

bool EditWare(QWidget *owner, const RWare &ware, const TSaveCallback<RWare> &save)
{
    CheckRight(1014);
    TbuWareEditorFrm editor(owner, ware, save);
    return editor.exec() == QDialog::Accepted;
}
