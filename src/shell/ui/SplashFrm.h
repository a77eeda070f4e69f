#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// The window shown while the program starts: the picture and one status line.
class TSplashFrm : public QWidget
{
    Q_OBJECT
public:
    explicit TSplashFrm(QWidget *parent = nullptr);
    // A text replaces the status line, an empty one appends "."; painted at once.
    void ShowHint(const QString &text = QString());
    QString Status() const { return m_status; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    QString m_status;
};
