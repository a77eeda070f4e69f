#include "grids/ui/ksEdit.h"

#include "data/Exceptions.h"
#include "data/Utils.h"

#include <QKeyEvent>
#include <QLocale>

TksEdit::TksEdit(QWidget *parent) : QLineEdit(parent) {}

void TksEdit::SetEditType(TEditType type)
{
    m_editType = type;
}

namespace {
EConvertError Invalid(const QString &text, const char *what)
{
    return EConvertError(u'"' + text + QStringLiteral("\" ") + QString::fromUtf8(what));
}
} // namespace

double TksEdit::AsDouble() const
{
    const QString t = text().trimmed();
    if (t.isEmpty())
        return 0.0;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        throw Invalid(text(), "不是有效的数字.");
    return v;
}

void TksEdit::SetAsDouble(double value)
{
    setText(value == 0.0 ? QString()
                         : QString::number(value, 'g', QLocale::FloatingPointShortest));
}

int TksEdit::AsInteger() const
{
    const QString t = text().trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok)
        throw Invalid(text(), "不是有效的整数.");
    return v;
}

void TksEdit::SetAsInteger(int value)
{
    setText(value == 0 ? QString() : QString::number(value));
}

QDateTime TksEdit::ReadDate(bool withTime) const
{
    const QDateTime dt = ParseDateTime(text().trimmed());
    if (!dt.isValid())
        throw Invalid(text(), "不是有效的日期.");
    return withTime ? dt : QDateTime(dt.date(), QTime(0, 0));
}

QVariant TksEdit::AsDate() const
{
    return text().trimmed().isEmpty() ? QVariant() : QVariant(ReadDate(false).date());
}

void TksEdit::SetAsDate(const QVariant &value)
{
    setText(value.isNull() ? QString() : DateText(value.toDate()));
}

QVariant TksEdit::AsDateTime() const
{
    return text().trimmed().isEmpty() ? QVariant() : QVariant(ReadDate(true));
}

void TksEdit::SetAsDateTime(const QVariant &value)
{
    setText(value.isNull() ? QString() : DateTimeText(value.toDateTime()));
}

QVariant TksEdit::AsVariant() const
{
    if (text().trimmed().isEmpty())
        return QVariant();
    switch (m_editType) {
    case TEditType::etNumber: return AsDouble();
    case TEditType::etInteger: return AsInteger();
    default: return text();
    }
}

void TksEdit::SetAsVariant(const QVariant &value)
{
    if (value.isNull()) {
        clear();
        return;
    }
    switch (m_editType) {
    case TEditType::etNumber: SetAsDouble(value.toDouble()); break;
    case TEditType::etInteger: SetAsInteger(value.toInt()); break;
    default: setText(value.toString()); break;
    }
}

void TksEdit::focusInEvent(QFocusEvent *event)
{
    if (!ParentColor) {
        m_saved = palette();
        m_colored = true;
        QPalette p = palette();
        p.setColor(QPalette::Base, isReadOnly() ? ColorOnReadOnly : ColorOnEnter);
        setPalette(p);
    }
    QLineEdit::focusInEvent(event);
}

void TksEdit::focusOutEvent(QFocusEvent *event)
{
    if (m_colored) {
        setPalette(m_saved);
        m_colored = false;
    }
    QLineEdit::focusOutEvent(event);
}

// The rules look at the whole text, not at the caret: no sign, one point, no second
// leading zero.
bool TksEdit::Accepts(QChar c) const
{
    const QString t = text();
    switch (m_editType) {
    case TEditType::etInteger:
        return c.isDigit();
    case TEditType::etNumber:
        if (c == u'.')
            return !t.isEmpty() && !t.contains(u'.');
        if (c == u'0')
            return t.contains(u'.') || !t.startsWith(u'0');
        return c.isDigit();
    default:
        return true;
    }
}

void TksEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && TabOnEnter) {
        focusNextPrevChild(!event->modifiers().testFlag(Qt::ShiftModifier));
        return;
    }
    const QString typed = event->text();
    if (m_editType != TEditType::etFree && typed.size() == 1 && typed[0].isPrint()
        && !Accepts(typed[0])) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
