#pragma once

#include <QColor>
#include <QLineEdit>
#include <QVariant>

enum class TEditType { etFree, etNumber, etInteger };

// The single-line edit of every form: a coloured background while it has the focus, Enter
// as Tab, numeric input, and typed accessors where an empty box means no value (NULL).
class TksEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TksEdit(QWidget *parent = nullptr);

    QColor ColorOnEnter = QColor(0, 255, 255);
    QColor ColorOnReadOnly = QColor(255, 255, 0);
    bool TabOnEnter = true;
    // When set, the box keeps its parent's colour on entering.
    bool ParentColor = false;

    TEditType EditType() const { return m_editType; }
    void SetEditType(TEditType type);
    Qt::Alignment Alignment() const { return alignment(); }
    void SetAlignment(Qt::Alignment alignment) { setAlignment(alignment); }

    // Empty reads as 0; a text that is no number raises EConvertError. Writing 0 empties.
    double AsDouble() const;
    void SetAsDouble(double value);
    int AsInteger() const;
    void SetAsInteger(int value);
    // Empty reads as NULL; writing NULL empties the box.
    QVariant AsDate() const;
    void SetAsDate(const QVariant &value);
    QVariant AsDateTime() const;
    void SetAsDateTime(const QVariant &value);
    // A float for etNumber, an integer for etInteger, the text for etFree; NULL when empty.
    QVariant AsVariant() const;
    void SetAsVariant(const QVariant &value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool Accepts(QChar c) const;
    QDateTime ReadDate(bool withTime) const;

    TEditType m_editType = TEditType::etFree;
    QPalette m_saved;
    bool m_colored = false;
};
