#pragma once

#include <QVariant>
#include <QWidget>

class QCheckBox;
class QDateTimeEdit;

// The date picker of every form: optionally a check box in front, unchecked meaning no date
// (NULL); aqua while focused. A new picker shows the current date and time, unchecked.
class TksDateTimePicker : public QWidget
{
    Q_OBJECT
public:
    explicit TksDateTimePicker(QWidget *parent = nullptr, bool showCheckBox = false);

    bool ShowCheckBox() const { return m_check != nullptr; }
    bool Checked() const;
    void SetChecked(bool checked);
    QDateTimeEdit *Editor() const { return m_edit; }

    QVariant AsDate() const;            // QDate or NULL
    void SetAsDate(const QVariant &value);
    QVariant AsTime() const;            // QTime or NULL
    void SetAsTime(const QVariant &value);
    QVariant AsDateTime() const;        // QDateTime or NULL
    void SetAsDateTime(const QVariant &value);

    void ResetToNow();
    void FirstOfMonth();

signals:
    void Changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetNullValue();

    QCheckBox *m_check = nullptr;
    QDateTimeEdit *m_edit;
    bool m_checked = false;
};
