#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture button: the normal picture, or the hover picture while the mouse is over it
// when hover swapping is on.
class TksImgBtn : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TksImgBtn(QWidget *parent = nullptr);

    QPixmap Picture;
    QPixmap HoverPicture;
    bool HoverSwap = true;
    bool Hovered() const { return m_hover; }
    QSize sizeHint() const override;

signals:
    void MouseEnter();
    void MouseLeave();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_hover = false;
};
