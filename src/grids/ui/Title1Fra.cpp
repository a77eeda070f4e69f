#include "grids/ui/Title1Fra.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

TTitle1Fra::TTitle1Fra(QWidget *parent) : QFrame(parent)
{
    setFixedHeight(49);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    auto *picture = new QLabel(this);
    picture->setPixmap(Picture());
    m_title = new QLabel(this);
    QFont f(QStringLiteral("宋体"));
    f.setFamilies({QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"),
                   QStringLiteral("WenQuanYi Micro Hei")});
    f.setPixelSize(12);
    f.setBold(true);
    m_title->setFont(f);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 0, 8, 1);
    layout->addWidget(picture);
    layout->addWidget(m_title);
    layout->addStretch();
}

QPixmap TTitle1Fra::Picture()
{
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 40, 40);
    g.setColorAt(0, QColor(90, 150, 220));
    g.setColorAt(1, QColor(30, 80, 160));
    QPainterPath sheet;
    sheet.addRoundedRect(6, 3, 26, 34, 3, 3);
    p.fillPath(sheet, Qt::white);
    p.setPen(QPen(QColor(30, 80, 160), 1.5));
    p.drawPath(sheet);
    p.setPen(QPen(QColor(150, 170, 200), 1));
    for (int y = 11; y <= 29; y += 6)
        p.drawLine(11, y, 27, y);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(21, 22, 4, 12));
    p.drawRect(QRectF(27, 16, 4, 18));
    p.drawRect(QRectF(33, 26, 4, 8));
    return pixmap;
}

void TTitle1Fra::SetTitle(const QString &text)
{
    m_title->setText(text);
}

QString TTitle1Fra::Title() const
{
    return m_title->text();
}

void TTitle1Fra::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, height() - 1, width(), height() - 1);
}
