#pragma once

#include <QFrame>

class QLabel;

// The title banner at the top of report windows: white, 49 pixels high, a picture on the
// left, the title in bold and a grey line along the bottom.
class TTitle1Fra : public QFrame
{
    Q_OBJECT
public:
    explicit TTitle1Fra(QWidget *parent = nullptr);
    void SetTitle(const QString &text);
    QString Title() const;
    // The banner's own picture (drawn, so that it needs no file).
    static QPixmap Picture();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_title;
};
