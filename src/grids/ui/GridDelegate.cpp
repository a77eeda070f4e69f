#include "grids/ui/GridDelegate.h"

#include "data/DataSet.h"
#include "data/Utils.h"
#include "grids/ui/ksDBGrid.h"

#include <QAction>
#include <QLineEdit>

TGridDelegate::TGridDelegate(TksDBGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

namespace {
// The text an editor starts from: numbers in full precision, without thousands separators.
QString EditText(const QVariant &value)
{
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().time() == QTime(0, 0) ? DateText(value.toDateTime())
                                                        : DateTimeText(value.toDateTime());
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("是") : QStringLiteral("否");
    return value.toString();
}
} // namespace

void TGridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    m_grid->CellStyle(index, option);
}

QWidget *TGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                     const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    TField *field = m_grid->DataSet() ? m_grid->DataSet()->Field(index.column()) : nullptr;
    if (field && field->IsNumeric())
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (field && m_grid->HasEllipsisButton(field)) {
        QAction *button = editor->addAction(QIcon(), QLineEdit::TrailingPosition);
        button->setText(QStringLiteral("…"));
        button->setToolTip(QStringLiteral("选择"));
        connect(button, &QAction::triggered, m_grid, [grid = m_grid, field] {
            emit grid->EditButtonClick(field);
        });
    }
    return editor;
}

void TGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QLineEdit *>(editor)->setText(EditText(index.data(Qt::EditRole)));
}

void TGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                 const QModelIndex &index) const
{
    const QString text = static_cast<QLineEdit *>(editor)->text();
    // An untouched cell is not written, so that leaving it does not start an edit.
    if (text == EditText(index.data(Qt::EditRole)))
        return;
    const TField *field = m_grid->DataSet()->Field(index.column());
    model->setData(index, text.isEmpty() && !field->IsString() ? QVariant() : QVariant(text));
}
