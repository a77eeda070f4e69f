#include "grids/ui/GridDelegate.h"

#include "data/DataSet.h"
#include "data/Utils.h"
#include "grids/ui/ksDBGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QToolButton>

TGridDelegate::TGridDelegate(TksDBGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

namespace {
constexpr int ButtonWidth = 18;
const QString EllipsisText = QStringLiteral("...");

// The editor of an ellipsis column: the text and, at its right end, the button.
class TEllipsisEdit : public QLineEdit
{
public:
    explicit TEllipsisEdit(QWidget *parent) : QLineEdit(parent)
    {
        m_button = new QToolButton(this);
        m_button->setText(EllipsisText);
        m_button->setToolTip(QStringLiteral("选择"));
        m_button->setCursor(Qt::ArrowCursor);
        m_button->setFocusPolicy(Qt::NoFocus);
        setTextMargins(0, 0, ButtonWidth, 0);
    }
    QToolButton *Button() const { return m_button; }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLineEdit::resizeEvent(event);
        m_button->setGeometry(TGridDelegate::ButtonRect(rect()));
    }

private:
    QToolButton *m_button;
};

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
    TField *field = m_grid->DataSet() ? m_grid->DataSet()->Field(index.column()) : nullptr;
    QLineEdit *editor = nullptr;
    if (TField *ellipsis = EllipsisField(index)) {
        auto *edit = new TEllipsisEdit(parent);
        connect(edit->Button(), &QToolButton::clicked, m_grid, [grid = m_grid, ellipsis] {
            emit grid->EditButtonClick(ellipsis);
        });
        editor = edit;
    } else {
        editor = new QLineEdit(parent);
    }
    editor->setFrame(false);
    if (field && field->IsNumeric())
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return editor;
}

QRect TGridDelegate::ButtonRect(const QRect &cell)
{
    return QRect(cell.right() - ButtonWidth + 1, cell.top(), ButtonWidth, cell.height());
}

TField *TGridDelegate::EllipsisField(const QModelIndex &index) const
{
    TDataSet *ds = m_grid->DataSet();
    if (!ds || !index.isValid() || index.column() >= ds->FieldCount())
        return nullptr;
    TField *field = ds->Field(index.column());
    return m_grid->HasEllipsisButton(field) ? field : nullptr;
}

bool TGridDelegate::DrawsButton(const QModelIndex &index) const
{
    return index == m_grid->currentIndex() && !m_grid->Editing() && EllipsisField(index);
}

void TGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!DrawsButton(index))
        return;
    QStyleOptionButton button;
    button.rect = ButtonRect(option.rect);
    button.text = EllipsisText;
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    button.palette = option.palette;
    QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, option.widget);
}

bool TGridDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
         || type == QEvent::MouseButtonDblClick) && DrawsButton(index)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && ButtonRect(option.rect).contains(mouse->position().toPoint())) {
            // A click on the button (pressed while it was shown) opens no editor.
            if (type != QEvent::MouseButtonRelease) {
                m_buttonDown = index;
            } else if (m_buttonDown == index) {
                m_buttonDown = QPersistentModelIndex();
                emit m_grid->EditButtonClick(EllipsisField(index));
            }
            return true;
        }
    }
    if (type == QEvent::MouseButtonRelease)
        m_buttonDown = QPersistentModelIndex();
    return QStyledItemDelegate::editorEvent(event, model, option, index);
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
