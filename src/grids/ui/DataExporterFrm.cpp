#include "grids/ui/DataExporterFrm.h"

#include "data/DataSet.h"
#include "data/Messages.h"
#include "grids/ui/ksDBGrid.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
struct TFormat
{
    const char *Caption;
    const char *Filter;
    const char *Extension;
};
constexpr TFormat Formats[] = {
    {"文本文件 (*.txt)", "文本文件(*.txt)", "txt"},
    {"Microsoft Excel电子表格 (*.xls)", "Microsoft Excel 电子表格 (*.xls)", "xls"},
    {"网页 (*.html)", "网页文件(*.htm *.html)", "html"},
    {"CSV文件 (*.csv)", "CSV文件(*.csv)", "csv"},
};
constexpr int FieldRole = Qt::UserRole + 1;
} // namespace

TDataExporterFrm::TDataExporterFrm(TDataSet *dataSet, QWidget *parent)
    : TaFrm(parent, QStringLiteral("DataExporterFrm"), Qt::Dialog), m_dataSet(dataSet)
{
    setWindowTitle(QStringLiteral("导出..."));
    m_tabs = new QTabWidget(this);

    // Page 1: the columns.
    auto *page1 = new QWidget;
    m_available = new QListWidget(page1);
    m_chosen = new QListWidget(page1);
    m_add = new QPushButton(QStringLiteral(" >"), page1);
    m_remove = new QPushButton(QStringLiteral("< "), page1);
    m_up = new QPushButton(QStringLiteral("上移"), page1);
    m_down = new QPushButton(QStringLiteral("下移"), page1);
    for (QPushButton *b : {m_add, m_remove, m_up, m_down})
        b->setFixedWidth(60);
    auto *hint = new QLabel(QStringLiteral("请从左边列表框中双击或点击\">\"按纽选择您将要导出的列,"
                                           "上下移动按纽可以调整列的前后位置."), page1);
    hint->setWordWrap(true);
    auto *grid1 = new QGridLayout(page1);
    grid1->addWidget(hint, 0, 0, 1, 3);
    grid1->addWidget(new QLabel(QStringLiteral("可选项"), page1), 1, 0);
    grid1->addWidget(new QLabel(QStringLiteral("已选项"), page1), 1, 2);
    grid1->addWidget(m_available, 2, 0);
    auto *middle = new QVBoxLayout;
    middle->addStretch();
    for (QPushButton *b : {m_add, m_remove, m_up, m_down})
        middle->addWidget(b);
    middle->addStretch();
    grid1->addLayout(middle, 2, 1);
    grid1->addWidget(m_chosen, 2, 2);

    // Page 2: format, code page and file.
    auto *page2 = new QWidget;
    auto *formatBox = new QGroupBox(QStringLiteral("输出格式"), page2);
    auto *formatLayout = new QVBoxLayout(formatBox);
    m_formats = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton(QString::fromUtf8(Formats[i].Caption), formatBox);
        m_formats->addButton(radio, i);
        formatLayout->addWidget(radio);
    }
    auto *placeBox = new QGroupBox(QStringLiteral("输出位置"), page2);
    m_file = new QLineEdit(placeBox);
    auto *browse = new QPushButton(QStringLiteral("浏览..."), placeBox);
    m_encoding = new QComboBox(placeBox);
    m_encoding->addItem(QStringLiteral("GB18030 (简体中文)"));
    m_encoding->addItem(QStringLiteral("UTF-8"));
    auto *placeLayout = new QGridLayout(placeBox);
    placeLayout->addWidget(new QLabel(QStringLiteral("文件"), placeBox), 0, 0);
    placeLayout->addWidget(m_file, 0, 1);
    placeLayout->addWidget(browse, 0, 2);
    placeLayout->addWidget(new QLabel(QStringLiteral("编码"), placeBox), 1, 0);
    placeLayout->addWidget(m_encoding, 1, 1);
    auto *layout2 = new QVBoxLayout(page2);
    layout2->addWidget(formatBox);
    layout2->addWidget(placeBox);
    layout2->addStretch();

    m_tabs->addTab(page1, QStringLiteral("选择数据列"));
    m_tabs->addTab(page2, QStringLiteral("输出"));

    m_prior = new QPushButton(QStringLiteral("上一步(&P)"), this);
    m_next = new QPushButton(QStringLiteral("下一步(&N)"), this);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    auto *help = new QPushButton(QStringLiteral("帮助"), this);
    m_next->setDefault(true);
    auto *strip = new QHBoxLayout;
    strip->addStretch();
    for (QPushButton *b : {m_prior, m_next, cancel, help})
        strip->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(strip);
    resize(520, 380);

    for (const TField *f : dataSet->Fields()) {
        auto *item = new QListWidgetItem(f->Label(), m_available);
        item->setData(FieldRole, f->Index());
    }
    connect(m_add, &QPushButton::clicked, this, &TDataExporterFrm::AddSelected);
    connect(m_remove, &QPushButton::clicked, this, &TDataExporterFrm::RemoveSelected);
    connect(m_available, &QListWidget::itemDoubleClicked, this, &TDataExporterFrm::AddSelected);
    connect(m_chosen, &QListWidget::itemDoubleClicked, this, &TDataExporterFrm::RemoveSelected);
    connect(m_up, &QPushButton::clicked, this, [this] { MoveChosen(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { MoveChosen(1); });
    connect(m_available, &QListWidget::itemSelectionChanged, this,
            &TDataExporterFrm::UpdateButtons);
    connect(m_chosen, &QListWidget::itemSelectionChanged, this,
            &TDataExporterFrm::UpdateButtons);
    connect(m_formats, &QButtonGroup::idClicked, this, &TDataExporterFrm::FormatChosen);
    connect(browse, &QPushButton::clicked, this, &TDataExporterFrm::Browse);
    connect(m_next, &QPushButton::clicked, this, &TDataExporterFrm::NextClicked);
    connect(m_prior, &QPushButton::clicked, this, &TDataExporterFrm::PriorClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(); });
    ShowPage(0);
    UpdateButtons();
}

void TDataExporterFrm::ShowPage(int page)
{
    m_page = page;
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->setTabVisible(i, i == page);
    m_tabs->setCurrentIndex(page);
    m_prior->setEnabled(page > 0);
    m_next->setText(page == m_tabs->count() - 1 ? QStringLiteral("确定(&N)")
                                                : QStringLiteral("下一步(&N)"));
}

void TDataExporterFrm::UpdateButtons()
{
    m_add->setEnabled(m_available->count() > 0 && m_available->currentRow() >= 0);
    const bool chosen = m_chosen->currentRow() >= 0;
    m_remove->setEnabled(chosen);
    m_up->setEnabled(chosen);
    m_down->setEnabled(chosen);
}

void TDataExporterFrm::MoveItem(QListWidget *from, QListWidget *to)
{
    const int row = from->currentRow();
    if (row < 0)
        return;
    to->addItem(from->takeItem(row));
    if (from->count() > 0)
        from->setCurrentRow(std::min(row, from->count() - 1));
    from->setFocus();
}

void TDataExporterFrm::AddSelected()
{
    MoveItem(m_available, m_chosen);
    UpdateButtons();
}

void TDataExporterFrm::RemoveSelected()
{
    MoveItem(m_chosen, m_available);
    UpdateButtons();
}

void TDataExporterFrm::MoveChosen(int delta)
{
    const int row = m_chosen->currentRow();
    const int to = row + delta;
    if (row < 0 || to < 0 || to >= m_chosen->count())
        return;
    m_chosen->insertItem(to, m_chosen->takeItem(row));
    m_chosen->setCurrentRow(to);
}

QString TDataExporterFrm::SelectedFields() const
{
    QStringList labels;
    for (int i = 0; i < m_chosen->count(); ++i)
        labels << m_chosen->item(i)->text();
    return labels.join(u'\n');
}

void TDataExporterFrm::SetSelectedFields(const QString &labels)
{
    for (const QString &label : labels.split(u'\n', Qt::SkipEmptyParts)) {
        const QList<QListWidgetItem *> found = m_available->findItems(label.trimmed(),
                                                                      Qt::MatchExactly);
        if (found.isEmpty())
            continue;
        m_chosen->addItem(m_available->takeItem(m_available->row(found.first())));
    }
    UpdateButtons();
}

int TDataExporterFrm::FormatIndex() const
{
    return m_formats->checkedId();
}

void TDataExporterFrm::SetFormatIndex(int index)
{
    if (QAbstractButton *b = m_formats->button(index)) {
        b->setChecked(true);
        FormatChosen(index);
    }
}

TExportEncoding TDataExporterFrm::Encoding() const
{
    return m_encoding->currentIndex() == 1 ? TExportEncoding::Utf8 : TExportEncoding::Gb18030;
}

void TDataExporterFrm::SetEncoding(TExportEncoding encoding)
{
    m_encoding->setCurrentIndex(encoding == TExportEncoding::Utf8 ? 1 : 0);
}

void TDataExporterFrm::FormatChosen(int index)
{
    if (index < 0 || index > 3)
        return;
    m_filter = QString::fromUtf8(Formats[index].Filter);
    m_extension = QString::fromLatin1(Formats[index].Extension);
    const QString file = m_file->text().trimmed();
    if (file.isEmpty())
        return;
    const QFileInfo info(file);
    const qsizetype cut = info.suffix().isEmpty() ? 0 : info.suffix().size() + 1;
    const QString base = file.left(file.size() - cut);
    m_file->setText(base + u'.' + m_extension);
}

void TDataExporterFrm::Browse()
{
    const QString name = TksDBGrid::AskSaveFileName(this, m_filter, m_extension);
    if (!name.isEmpty())
        m_file->setText(name);
}

void TDataExporterFrm::NextClicked()
{
    if (m_page < m_tabs->count() - 1) {
        ShowPage(m_page + 1);
        return;
    }
    if (Finish())
        accept();
}

void TDataExporterFrm::PriorClicked()
{
    if (m_page > 0)
        ShowPage(m_page - 1);
}

bool TDataExporterFrm::Finish()
{
    if (m_chosen->count() == 0) {
        ShowInfo(QStringLiteral("没有选择任何要导出的列,请返回上一步并选择."));
        return false;
    }
    if (FormatIndex() < 0) {
        ShowInfo(QStringLiteral("必须指定要导出的格式."));
        return false;
    }
    const QString path = m_file->text().trimmed();
    if (path.isEmpty()) {
        ShowInfo(QStringLiteral("必须指定要导出的文件位置."));
        m_file->setFocus();
        return false;
    }
    if (QFileInfo::exists(path)
        && !Confirm(QStringLiteral("\n该文件已经存在,是否继续执行并覆盖文件?")))
        return false;
    RExportColumns columns;
    for (int i = 0; i < m_chosen->count(); ++i)
        columns.append({m_chosen->item(i)->data(FieldRole).toInt(), m_chosen->item(i)->text()});
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        if (FormatIndex() == 2)
            WriteHtmlFile(*m_dataSet, columns, path, Encoding(), TExportText::FieldText);
        else
            WriteDelimitedFile(*m_dataSet, columns, path, FormatIndex() == 3 ? u',' : u'\t',
                               Encoding());
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    if (MessageLayer().Ask(TMessageLayer::Kind::Confirm,
                           QStringLiteral("\r\n数据导出成功,共 %1条记录,是否现在就打开?    ")
                               .arg(m_dataSet->RecordCount())))
        TksDBGrid::OpenDocument(path);
    return true;
}
