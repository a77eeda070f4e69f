#include "grids/ui/FltrDlgFrm.h"

#include "data/DataSet.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TFltrDlgFrm::TFltrDlgFrm(TDataSet *dataSet, QWidget *parent)
    : TADlgFrm(parent, QStringLiteral("FltrDlgFrm")), m_dataSet(dataSet)
{
    setWindowTitle(QStringLiteral("过滤"));
    m_pages = new QStackedWidget(Client());
    auto *page1 = new QWidget;
    auto *l1 = new QVBoxLayout(page1);
    l1->setContentsMargins(0, 0, 0, 0);
    l1->addWidget(new QLabel(QStringLiteral("请选择过滤项目"), page1));
    m_columns = new QListWidget(page1);
    m_columns->setFixedSize(260, 200);
    l1->addWidget(m_columns);
    l1->addWidget(new QLabel(QStringLiteral("双击选择快捷确认"), page1));
    auto *page2 = new QWidget;
    auto *l2 = new QVBoxLayout(page2);
    l2->setContentsMargins(0, 0, 0, 0);
    m_chosen = new QLabel(page2);
    l2->addWidget(m_chosen);
    l2->addWidget(new QLabel(QStringLiteral("请输入关键字"), page2));
    m_keyword = new QLineEdit(page2);
    l2->addWidget(m_keyword);
    l2->addStretch();
    m_pages->addWidget(page1);
    m_pages->addWidget(page2);
    auto *layout = new QVBoxLayout(Client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    for (const TField *f : dataSet->Fields())
        if (f->Visible && (f->DataType() == TFieldType::String
                           || f->DataType() == TFieldType::WideString)) {
            m_columns->addItem(f->Label());
            m_fieldNames << f->FieldName;
        }
    OkButton()->setText(QStringLiteral("下一步"));
    OkButton()->setEnabled(false);
    connect(m_columns, &QListWidget::currentRowChanged, this,
            [this](int row) { OkButton()->setEnabled(row >= 0 || Page() == 1); });
    connect(m_columns, &QListWidget::itemDoubleClicked, this, [this] { NextPage(); });
}

int TFltrDlgFrm::Page() const
{
    return m_pages->currentIndex();
}

void TFltrDlgFrm::NextPage()
{
    if (m_columns->currentRow() < 0)
        return;
    m_chosen->setText(QStringLiteral("过滤项目: %1").arg(m_columns->currentItem()->text()));
    m_pages->setCurrentIndex(1);
    OkButton()->setText(QStringLiteral("确定"));
    OkButton()->setEnabled(true);
    m_keyword->setFocus();
}

void TFltrDlgFrm::OkClicked()
{
    if (Page() == 0) {
        NextPage();
        return;
    }
    Apply();
    accept();
}

void TFltrDlgFrm::Apply()
{
    const QString keyword = m_keyword->text();
    const TField *field = m_dataSet->FindField(m_fieldNames.value(m_columns->currentRow()));
    if (keyword.isEmpty() || !field) {
        m_dataSet->ClearFilter();
        return;
    }
    const int column = field->Index();
    // Matches as the database's like '%keyword%' does: literally and ignoring case.
    m_dataSet->SetFilter([column, keyword](const TDataSet &data, int rowId) {
        return data.StoredValue(rowId, column).toString().contains(keyword, Qt::CaseInsensitive);
    });
}
