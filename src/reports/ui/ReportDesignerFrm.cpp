#include "reports/ui/ReportDesignerFrm.h"

#include "data/Messages.h"
#include "reports/Barcode.h"
#include "reports/Rep.h"
#include "reports/ReportLayout.h"
#include "reports/ui/DesignCanvas.h"
#include "reports/ui/ReportPreviewFrm.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const char *const FileFilter = "Fr3文件 (*.Fr3 *.fr3);;所有文件 (*.*)";

// An empty template starts with the bands most layouts need.
TReportTemplate EmptyPage()
{
    TReportTemplate t;
    for (auto [kind, height] : {std::pair{TBandKind::ReportTitle, 16.0},
                                {TBandKind::ColumnHeader, 8.0}, {TBandKind::MasterData, 7.0},
                                {TBandKind::Summary, 12.0}, {TBandKind::PageFooter, 8.0}}) {
        TReportBand b;
        b.Kind = kind;
        b.Height = height;
        t.Bands.append(b);
    }
    return t;
}

QDoubleSpinBox *MmBox(QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setRange(0, 500);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setKeyboardTracking(false);
    return box;
}

// Field items carry the text a drop puts on a band.
class TFieldTree : public QTreeWidget
{
public:
    using QTreeWidget::QTreeWidget;

protected:
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override
    {
        auto *data = new QMimeData;
        if (!items.isEmpty())
            data->setText(items.first()->data(0, Qt::UserRole).toString());
        return data;
    }
};
} // namespace

TReportDesignerFrm::TReportDesignerFrm(TRep &rep, QWidget *parent)
    : TaFrm(parent, QStringLiteral("ReportDesignerFrm")), m_rep(rep)
{
    setWindowTitle(QStringLiteral("报表设计"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    PlaceAtCursorOnShow = false;
    resize(1240, 820);
    TReportTemplate report = rep.Report();
    if (report.IsEmpty())
        report = EmptyPage();
    // The standard layouts become ordinary objects for the data at hand.
    ExpandAutoObjects(report, rep.Context());
    m_model.SetTemplate(report);
    m_model.SetModified(report != rep.Report());
    m_model.OnChanged = [this] { ModelChanged(); };

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    m_canvas = new TDesignCanvas(m_model, this);
    m_designContext.SetVariables(rep.VarNames(), rep.VarValues());
    for (const QString &name : rep.DataSetNames())
        m_designContext.AddDataSet(name, rep.DataSetByName(name));
    m_canvas->Evaluate = [this](const QString &text) { return m_designContext.Substitute(text); };
    connect(m_canvas, &TDesignCanvas::SelectionChanged, this,
            &TReportDesignerFrm::SelectionChanged);
    BuildToolBar();
    box->addWidget(m_toolBar);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(BuildFieldTree());
    auto *scroll = new QScrollArea(splitter);
    scroll->setWidget(m_canvas);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll->setBackgroundRole(QPalette::Dark);
    splitter->addWidget(scroll);
    splitter->addWidget(BuildProperties());
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 860, 200});
    box->addWidget(splitter, 1);
    SelectionChanged();
}

void TReportDesignerFrm::BuildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->addAction(QStringLiteral("保存"), this, &TReportDesignerFrm::Save);
    m_toolBar->addAction(QStringLiteral("另存为..."), this, [this] {
        QString file = QFileDialog::getSaveFileName(this, QStringLiteral("另存为"), QString(),
                                                    QString::fromUtf8(FileFilter));
        if (file.isEmpty())
            return;
        if (QFileInfo(file).suffix().isEmpty())
            file += QStringLiteral(".fr3");
        SaveAs(file);
    });
    m_toolBar->addAction(QStringLiteral("打开..."), this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("打开"),
                                                          QString(), QString::fromUtf8(FileFilter));
        if (!file.isEmpty())
            OpenFile(file);
    });
    m_toolBar->addSeparator();
    m_toolBar->addAction(QStringLiteral("撤销"), this, [this] { m_model.Undo(); })
        ->setShortcut(QKeySequence::Undo);
    m_toolBar->addAction(QStringLiteral("重做"), this, [this] { m_model.Redo(); })
        ->setShortcut(QKeySequence::Redo);
    m_toolBar->addAction(QStringLiteral("复制"), this, [this] {
        if (m_canvas->Selected().Valid())
            m_model.Copy(m_canvas->Selected());
    })->setShortcut(QKeySequence::Copy);
    m_toolBar->addAction(QStringLiteral("粘贴"), this, [this] {
        if (m_model.CanPaste() && TargetBand() >= 0)
            m_canvas->Select(m_model.Paste(TargetBand()));
    })->setShortcut(QKeySequence::Paste);
    m_toolBar->addAction(QStringLiteral("删除"), this, [this] {
        if (m_canvas->Selected().Valid()) {
            m_model.DeleteObject(m_canvas->Selected());
            m_canvas->Select({});
        }
    });
    m_toolBar->addSeparator();
    m_toolBar->addAction(QStringLiteral("文本"), this, [this] {
        AddObject(TObjectKind::Text, QStringLiteral("文本"));
    });
    m_toolBar->addAction(QStringLiteral("线条"), this, [this] { AddObject(TObjectKind::Line); });
    m_toolBar->addAction(QStringLiteral("矩形"), this, [this] { AddObject(TObjectKind::Rect); });
    m_toolBar->addAction(QStringLiteral("条码"), this, [this] {
        AddObject(TObjectKind::Barcode, QStringLiteral("[Code]"));
    });
    m_toolBar->addAction(QStringLiteral("图片..."), this, [this] {
        const QString file = QFileDialog::getOpenFileName(
            this, QStringLiteral("选择图片"), QString(),
            QStringLiteral("图片 (*.png *.jpg *.jpeg *.bmp)"));
        QFile f(file);
        if (file.isEmpty() || !f.open(QIODevice::ReadOnly))
            return;
        const TObjectRef ref = AddObject(TObjectKind::Picture);
        TReportObject o = m_model.Object(ref);
        QImage image;
        image.loadFromData(f.readAll());
        QBuffer buffer(&o.Picture);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        m_model.SetObject(ref, o);
    });
    auto *bandButton = new QToolButton(m_toolBar);
    bandButton->setText(QStringLiteral("添加栏"));
    bandButton->setPopupMode(QToolButton::InstantPopup);
    auto *bandMenu = new QMenu(bandButton);
    for (int k = 0; k <= int(TBandKind::Summary); ++k)
        bandMenu->addAction(BandCaption(TBandKind(k)), this,
                            [this, k] { m_canvas->SelectBand(m_model.AddBand(TBandKind(k))); });
    bandButton->setMenu(bandMenu);
    m_toolBar->addWidget(bandButton);
    QAction *snap = m_toolBar->addAction(QStringLiteral("对齐网格"));
    snap->setCheckable(true);
    snap->setChecked(m_model.SnapToGrid);
    connect(snap, &QAction::toggled, this, [this](bool on) { m_model.SnapToGrid = on; });
    m_toolBar->addSeparator();
    m_toolBar->addAction(QStringLiteral("预览"), this, &TReportDesignerFrm::ShowPreview);
    m_toolBar->addAction(QStringLiteral("关闭"), this, &TReportDesignerFrm::reject);
}

QWidget *TReportDesignerFrm::BuildFieldTree()
{
    m_fields = new TFieldTree(this);
    m_fields->setHeaderLabel(QStringLiteral("数据字段与变量"));
    m_fields->setDragEnabled(true);
    m_fields->setDragDropMode(QAbstractItemView::DragOnly);
    const auto add = [](QTreeWidgetItem *parent, const QString &caption, const QString &text) {
        auto *item = new QTreeWidgetItem(parent, {caption});
        item->setData(0, Qt::UserRole, text);
        item->setToolTip(0, text);
    };
    TReportContext &context = m_rep.Context();
    for (const QString &name : m_rep.DataSetNames()) {
        auto *set = new QTreeWidgetItem(m_fields, {QStringLiteral("数据集 %1").arg(name)});
        if (const TReportDataSource *source = context.Source(name))
            for (const TReportField &f : source->Fields())
                add(set,
                    f.Label == f.Name ? f.Name : QStringLiteral("%1 (%2)").arg(f.Label, f.Name),
                    QStringLiteral("[%1.%2]").arg(name, f.Name));
        set->setExpanded(name == u"d0");
    }
    auto *vars = new QTreeWidgetItem(m_fields, {QStringLiteral("变量")});
    for (const QString &name : m_rep.VarNames())
        add(vars, name, QStringLiteral("[%1]").arg(name));
    vars->setExpanded(true);
    auto *system = new QTreeWidgetItem(m_fields, {QStringLiteral("系统变量")});
    const QList<QPair<QString, QString>> builtIns = {
        {QStringLiteral("页码"), QStringLiteral("[Page]")},
        {QStringLiteral("总页数"), QStringLiteral("[Pages]")},
        {QStringLiteral("打印日期"), QStringLiteral("[Date]")},
        {QStringLiteral("行号"), QStringLiteral("[Line]")},
        {QStringLiteral("合计金额"), QStringLiteral("[Total]")},
        {QStringLiteral("金额大写"), QStringLiteral("[AmountInWords(Total)]")},
    };
    for (const auto &b : builtIns)
        add(system, b.first, b.second);
    system->setExpanded(true);
    connect(m_fields, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        const QString text = item->data(0, Qt::UserRole).toString();
        if (!text.isEmpty())
            AddObject(TObjectKind::Text, text);
    });
    return m_fields;
}

QWidget *TReportDesignerFrm::BuildProperties()
{
    auto *panel = new QWidget(this);
    auto *box = new QVBoxLayout(panel);
    auto *pageGroup = new QGroupBox(QStringLiteral("页面"), panel);
    auto *pageForm = new QFormLayout(pageGroup);
    m_paper = new QComboBox(pageGroup);
    m_paper->addItem(QStringLiteral("A4 (210×297)"), QSizeF(210, 297));
    m_paper->addItem(QStringLiteral("A5 (148×210)"), QSizeF(148, 210));
    m_paper->addItem(QStringLiteral("B5 (176×250)"), QSizeF(176, 250));
    m_paper->addItem(QStringLiteral("二等分 (241×140)"), QSizeF(241, 140));
    m_paper->addItem(QStringLiteral("三等分 (241×93)"), QSizeF(241, 93));
    pageForm->addRow(QStringLiteral("纸张:"), m_paper);
    m_landscape = new QCheckBox(QStringLiteral("横向"), pageGroup);
    pageForm->addRow(QString(), m_landscape);
    m_marginLeft = MmBox(pageGroup);
    m_marginTop = MmBox(pageGroup);
    pageForm->addRow(QStringLiteral("左右边距:"), m_marginLeft);
    pageForm->addRow(QStringLiteral("上下边距:"), m_marginTop);
    connect(m_paper, &QComboBox::activated, this, &TReportDesignerFrm::PageEdited);
    connect(m_landscape, &QCheckBox::toggled, this, &TReportDesignerFrm::PageEdited);
    connect(m_marginLeft, &QDoubleSpinBox::valueChanged, this, &TReportDesignerFrm::PageEdited);
    connect(m_marginTop, &QDoubleSpinBox::valueChanged, this, &TReportDesignerFrm::PageEdited);
    box->addWidget(pageGroup);
    auto *bandGroup = new QGroupBox(QStringLiteral("栏"), panel);
    auto *bandForm = new QFormLayout(bandGroup);
    m_bandHeight = MmBox(bandGroup);
    bandForm->addRow(QStringLiteral("高度:"), m_bandHeight);
    connect(m_bandHeight, &QDoubleSpinBox::valueChanged, this,
            &TReportDesignerFrm::BandHeightEdited);
    box->addWidget(bandGroup);
    auto *group = new QGroupBox(QStringLiteral("对象属性"), panel);
    m_objectBox = group;
    auto *form = new QFormLayout(group);
    m_text = new QLineEdit(group);
    form->addRow(QStringLiteral("内容:"), m_text);
    m_x = MmBox(group);
    m_y = MmBox(group);
    m_w = MmBox(group);
    m_h = MmBox(group);
    form->addRow(QStringLiteral("左:"), m_x);
    form->addRow(QStringLiteral("上:"), m_y);
    form->addRow(QStringLiteral("宽:"), m_w);
    form->addRow(QStringLiteral("高:"), m_h);
    m_fontSize = new QDoubleSpinBox(group);
    m_fontSize->setRange(4, 72);
    m_fontSize->setDecimals(1);
    m_fontSize->setSuffix(QStringLiteral(" 磅"));
    m_fontSize->setKeyboardTracking(false);
    form->addRow(QStringLiteral("字号:"), m_fontSize);
    m_bold = new QCheckBox(QStringLiteral("粗体"), group);
    form->addRow(QString(), m_bold);
    m_align = new QComboBox(group);
    m_align->addItem(QStringLiteral("左对齐"), int(Qt::AlignLeft | Qt::AlignVCenter));
    m_align->addItem(QStringLiteral("居中"), int(Qt::AlignCenter));
    m_align->addItem(QStringLiteral("右对齐"), int(Qt::AlignRight | Qt::AlignVCenter));
    form->addRow(QStringLiteral("对齐:"), m_align);
    m_frame = new QCheckBox(QStringLiteral("边框"), group);
    form->addRow(QString(), m_frame);
    m_wrap = new QCheckBox(QStringLiteral("自动换行 (否则截断)"), group);
    m_wrap->setToolTip(QStringLiteral("文本一行印不下时换行, 所在的栏随之增高"));
    form->addRow(QString(), m_wrap);
    m_stretch = new QCheckBox(QStringLiteral("随栏伸展"), group);
    m_stretch->setToolTip(QStringLiteral("栏因换行的文本增高时一同伸长 (行的边框、竖线); "
                                         "横线随栏的下边下移"));
    form->addRow(QString(), m_stretch);
    m_format = new QComboBox(group);
    m_format->setEditable(true);
    m_format->addItems({QString(), QStringLiteral("0.00"), QStringLiteral(",0.00"),
                        QStringLiteral("0.####"), QStringLiteral("yyyy-MM-dd")});
    form->addRow(QStringLiteral("格式:"), m_format);
    m_barcode = new QComboBox(group);
    m_barcode->addItems(BarcodeTypes());
    form->addRow(QStringLiteral("条码类型:"), m_barcode);
    box->addWidget(group);
    box->addStretch();
    connect(m_text, &QLineEdit::editingFinished, this, &TReportDesignerFrm::PropertyEdited);
    for (QDoubleSpinBox *s : {m_x, m_y, m_w, m_h, m_fontSize})
        connect(s, &QDoubleSpinBox::valueChanged, this, &TReportDesignerFrm::PropertyEdited);
    for (QCheckBox *c : {m_bold, m_frame, m_wrap, m_stretch})
        connect(c, &QCheckBox::toggled, this, &TReportDesignerFrm::PropertyEdited);
    for (QComboBox *c : {m_align, m_barcode})
        connect(c, &QComboBox::activated, this, &TReportDesignerFrm::PropertyEdited);
    connect(m_format, &QComboBox::currentTextChanged, this, &TReportDesignerFrm::PropertyEdited);
    return panel;
}

int TReportDesignerFrm::TargetBand() const
{
    if (m_canvas->SelectedBand() >= 0)
        return m_canvas->SelectedBand();
    const TReportTemplate &t = m_model.Template();
    for (int b = 0; b < t.Bands.size(); ++b)
        if (t.Bands[b].Kind == TBandKind::MasterData)
            return b;
    return t.Bands.isEmpty() ? -1 : 0;
}

TObjectRef TReportDesignerFrm::AddObject(TObjectKind kind, const QString &text)
{
    int band = TargetBand();
    if (band < 0)
        band = m_model.AddBand(TBandKind::MasterData);
    TReportObject o;
    o.Kind = kind;
    o.Text = text;
    const double h = m_model.Template().Bands[band].Height;
    switch (kind) {
    case TObjectKind::Line:
        o.Rect = QRectF(0, 1, 40, 0);
        break;
    case TObjectKind::Barcode:
        o.BarcodeType = QStringLiteral("Code128");
        o.Rect = QRectF(0, 0, 40, std::min(h, 12.0));
        break;
    case TObjectKind::Picture:
        o.Rect = QRectF(0, 0, 20, std::min(h, 20.0));
        break;
    default:
        o.Rect = QRectF(0, 0, 30, std::min(h, 6.0));
    }
    const TObjectRef ref = m_model.AddObject(band, o);
    m_canvas->Select(ref);
    return ref;
}

void TReportDesignerFrm::ModelChanged()
{
    m_canvas->Rebuild();
    SelectionChanged();
    setWindowTitle(QStringLiteral("报表设计")
                   + (m_model.Modified() ? QStringLiteral(" *") : QString()));
}

void TReportDesignerFrm::SelectionChanged()
{
    m_loading = true;
    const TObjectRef ref = m_canvas->Selected();
    const int band = ref.Valid() ? ref.Band : m_canvas->SelectedBand();
    const TPageSettings &page = m_model.Template().Page;
    const int paper = m_paper->findData(QSizeF(page.Width, page.Height));
    if (paper < 0)
        m_paper->addItem(QStringLiteral("自定义 (%1×%2)").arg(page.Width).arg(page.Height),
                         QSizeF(page.Width, page.Height));
    m_paper->setCurrentIndex(m_paper->findData(QSizeF(page.Width, page.Height)));
    m_landscape->setChecked(page.Landscape);
    m_marginLeft->setValue(page.LeftMargin);
    m_marginTop->setValue(page.TopMargin);
    m_bandHeight->setEnabled(band >= 0);
    if (band >= 0)
        m_bandHeight->setValue(m_model.Template().Bands[band].Height);
    m_objectBox->setEnabled(ref.Valid());
    if (ref.Valid()) {
        const TReportObject &o = m_model.Object(ref);
        m_text->setText(o.Text);
        m_x->setValue(o.Rect.x());
        m_y->setValue(o.Rect.y());
        m_w->setValue(o.Rect.width());
        m_h->setValue(o.Rect.height());
        m_fontSize->setValue(o.FontSize);
        m_bold->setChecked(o.Bold);
        m_frame->setChecked(o.Frame);
        m_wrap->setChecked(o.WordWrap);
        m_stretch->setChecked(o.Stretch);
        const int h = o.Align & int(Qt::AlignHorizontal_Mask);
        m_align->setCurrentIndex(h == Qt::AlignRight ? 2 : h == Qt::AlignHCenter ? 1 : 0);
        m_format->setCurrentText(o.Format);
        m_barcode->setCurrentText(o.BarcodeType.isEmpty() ? QStringLiteral("Code128")
                                                          : o.BarcodeType);
        m_barcode->setEnabled(o.Kind == TObjectKind::Barcode);
    }
    m_loading = false;
}

void TReportDesignerFrm::PropertyEdited()
{
    const TObjectRef ref = m_canvas->Selected();
    if (m_loading || !ref.Valid())
        return;
    TReportObject o = m_model.Object(ref);
    o.Text = m_text->text();
    o.Rect = QRectF(m_x->value(), m_y->value(), m_w->value(), m_h->value());
    o.FontSize = m_fontSize->value();
    o.Bold = m_bold->isChecked();
    o.Frame = m_frame->isChecked();
    o.WordWrap = m_wrap->isChecked();
    o.Stretch = m_stretch->isChecked();
    o.Align = m_align->currentData().toInt();
    o.Format = m_format->currentText();
    if (o.Kind == TObjectKind::Barcode)
        o.BarcodeType = m_barcode->currentText();
    m_model.SetObject(ref, o);
}

void TReportDesignerFrm::BandHeightEdited()
{
    const TObjectRef ref = m_canvas->Selected();
    const int band = ref.Valid() ? ref.Band : m_canvas->SelectedBand();
    if (!m_loading && band >= 0)
        m_model.SetBandHeight(band, m_bandHeight->value());
}

void TReportDesignerFrm::PageEdited()
{
    if (m_loading)
        return;
    TPageSettings page = m_model.Template().Page;
    const QSizeF paper = m_paper->currentData().toSizeF();
    page.Width = paper.width();
    page.Height = paper.height();
    page.Landscape = m_landscape->isChecked();
    page.LeftMargin = page.RightMargin = m_marginLeft->value();
    page.TopMargin = page.BottomMargin = m_marginTop->value();
    m_model.SetPage(page);
}

void TReportDesignerFrm::Save()
{
    m_rep.Report() = m_model.Template();
    m_rep.SaveTemplate();
    m_model.SetModified(false);
    ModelChanged();
}

bool TReportDesignerFrm::SaveAs(const QString &fileName)
{
    TRep copy;
    copy.Report() = m_model.Template();
    QString error;
    if (copy.SaveToFile(fileName, &error))
        return true;
    ShowWarning(error);
    return false;
}

bool TReportDesignerFrm::OpenFile(const QString &fileName)
{
    QString error;
    if (!m_rep.LoadFromFile(fileName, &error)) {
        ShowWarning(error);
        return false;
    }
    m_model.SetTemplate(m_rep.Report());
    m_model.SetModified(true);
    m_canvas->Select({});
    ModelChanged();
    return true;
}

void TReportDesignerFrm::ShowPreview()
{
    TReportPreviewFrm preview(std::make_unique<TReportLayout>(m_model.Template(), m_rep.Context()),
                              this);
    preview.exec();
}

void TReportDesignerFrm::reject()
{
    if (m_model.Modified() && Confirm(QStringLiteral("报表已修改, 要保存吗?")))
        Save();
    TaFrm::reject();
}
