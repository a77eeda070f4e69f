#include "grids/ui/ksDateTimePicker.h"

#include "grids/ui/ksFocusColor.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QHBoxLayout>

TksDateTimePicker::TksDateTimePicker(QWidget *parent, bool showCheckBox) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (showCheckBox) {
        m_check = new QCheckBox(this);
        layout->addWidget(m_check);
        connect(m_check, &QCheckBox::toggled, this, [this](bool on) {
            m_checked = on;
            m_edit->setEnabled(on);
            emit Changed();
        });
    }
    m_edit = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    m_edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_edit->setCalendarPopup(true);
    m_edit->installEventFilter(this);
    layout->addWidget(m_edit, 1);
    setFocusProxy(m_edit);
    connect(m_edit, &QDateTimeEdit::dateTimeChanged, this, &TksDateTimePicker::Changed);
    SetChecked(false);
}

bool TksDateTimePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::FocusIn)
        SetFocusColor(m_edit, FocusAqua);
    else if (watched == m_edit && event->type() == QEvent::FocusOut)
        SetFocusColor(m_edit, Qt::white);
    return QWidget::eventFilter(watched, event);
}

bool TksDateTimePicker::Checked() const
{
    return m_check ? m_checked : true;
}

void TksDateTimePicker::SetChecked(bool checked)
{
    m_checked = checked;
    if (m_check) {
        m_check->setChecked(checked);
        m_edit->setEnabled(checked);
    }
}

QVariant TksDateTimePicker::AsDate() const
{
    return Checked() ? QVariant(m_edit->date()) : QVariant();
}

void TksDateTimePicker::SetNullValue()
{
    m_edit->setDateTime(QDateTime::currentDateTime());
    SetChecked(false);
}

void TksDateTimePicker::SetAsDate(const QVariant &value)
{
    if (value.isNull()) {
        SetNullValue();
        return;
    }
    m_edit->setDate(value.toDate());
    SetChecked(true);
}

QVariant TksDateTimePicker::AsTime() const
{
    return Checked() ? QVariant(m_edit->time()) : QVariant();
}

void TksDateTimePicker::SetAsTime(const QVariant &value)
{
    if (value.isNull()) {
        if (m_check)
            SetChecked(false);
        else
            m_edit->setTime(QTime::currentTime());
        return;
    }
    m_edit->setTime(value.toTime());
    SetChecked(true);
}

QVariant TksDateTimePicker::AsDateTime() const
{
    return Checked() ? QVariant(m_edit->dateTime()) : QVariant();
}

void TksDateTimePicker::SetAsDateTime(const QVariant &value)
{
    if (value.isNull()) {
        SetNullValue();
        return;
    }
    m_edit->setDateTime(value.toDateTime());
    SetChecked(true);
}

void TksDateTimePicker::ResetToNow()
{
    m_edit->setDateTime(QDateTime::currentDateTime());
    SetAsDate(QVariant());
}

void TksDateTimePicker::FirstOfMonth()
{
    const QDate today = QDate::currentDate();
    SetAsDate(QDate(today.year(), today.month(), 1));
}
