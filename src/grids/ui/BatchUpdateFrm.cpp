#include "grids/ui/BatchUpdateFrm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

TBatchUpdateFrm::TBatchUpdateFrm(QWidget *parent)
    : TADlgFrm(parent, QStringLiteral("BatchUpdateFrm"))
{
    setWindowTitle(QStringLiteral("修改"));
    auto *group = new QGroupBox(QStringLiteral("批量更新"), Client());
    m_items = new QComboBox(group);
    m_items->setMinimumWidth(200);
    m_value = new QLineEdit(group);
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("项目"), m_items);
    form->addRow(QStringLiteral("值为"), m_value);
    auto *layout = new QVBoxLayout(Client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
}

void TBatchUpdateFrm::AddItem(const QString &label, const QString &fieldName)
{
    m_items->addItem(label, fieldName);
    m_items->setCurrentIndex(-1);
}

int TBatchUpdateFrm::ItemIndex() const
{
    return m_items->currentIndex();
}

void TBatchUpdateFrm::SetItemIndex(int index)
{
    m_items->setCurrentIndex(index);
}

QString TBatchUpdateFrm::FieldName() const
{
    return m_items->currentData().toString();
}

QString TBatchUpdateFrm::Value() const
{
    return m_value->text();
}

void TBatchUpdateFrm::SetValue(const QString &value)
{
    m_value->setText(value);
}

void TBatchUpdateFrm::OkClicked()
{
    // Without a chosen column there is nothing to update: the dialog stays.
    if (m_items->currentIndex() < 0) {
        m_items->setFocus();
        return;
    }
    accept();
}
