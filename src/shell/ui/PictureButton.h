#pragma once

#include <QLabel>
#include <QPixmap>

// A button drawn from two pictures: "<name>A" normally, "<name>B" highlighted (under the
// mouse, or kept on with SetHighlighted).
class TPictureButton : public QLabel
{
    Q_OBJECT
public:
    TPictureButton(const QString &name, QWidget *parent, bool hover = true);
    void SetHighlighted(bool on);
    bool Highlighted() const { return m_on; }
    // A picture of the program; a missing one is reported with its name and the button
    // stays without a picture.
    static QPixmap LoadPicture(const QString &name);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Update();
    QPixmap m_normal;
    QPixmap m_high;
    bool m_on = false;
    bool m_hover = false;
    bool m_hoverSwitches;
};
