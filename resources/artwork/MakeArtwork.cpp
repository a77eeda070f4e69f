// Draws the program's pictures (banner, splash, buttons, desktop icons) into
// resources/pictures. Run by hand after a change of the artwork; the results are kept in the
// repository and compiled into the program as Qt resources.
//   openbuy-artwork <resources/pictures>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>
#include <vector>

namespace {
QString g_dir;
const QString Cjk = QStringLiteral("WenQuanYi Micro Hei");

void Save(const QImage &image, const QString &name)
{
    const QString file = g_dir + u'/' + name + QStringLiteral(".png");
    if (!image.save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

QImage Canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QFont Font(int pixels, bool bold = false)
{
    QFont f(Cjk);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// ---------------------------------------------------------------- icon glyphs (64×64 tile)

void Tile(QPainter &p, QColor color)
{
    QLinearGradient g(0, 4, 0, 60);
    g.setColorAt(0, color.lighter(135));
    g.setColorAt(1, color.darker(115));
    p.setPen(QPen(color.darker(140), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 11, 11);
    // A soft gloss over the upper half.
    QLinearGradient gloss(0, 4, 0, 34);
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(6, 6, 52, 26), 9, 9);
}

void Paper(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(70, 70, 70), 1.4));
    p.setBrush(QColor(255, 255, 255));
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 8, r.top());
    path.lineTo(r.right(), r.top() + 8);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.drawPath(path);
    p.setBrush(QColor(220, 220, 220));
    QPainterPath corner;
    corner.moveTo(r.right() - 8, r.top());
    corner.lineTo(r.right() - 8, r.top() + 8);
    corner.lineTo(r.right(), r.top() + 8);
    corner.closeSubpath();
    p.drawPath(corner);
}

// A bill: a sheet with lines.
void GlyphBill(QPainter &p, QColor accent)
{
    Paper(p, QRectF(18, 12, 28, 38));
    p.setPen(QPen(accent.darker(120), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 22), QPointF(36, 22));
    p.setPen(QPen(QColor(120, 120, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int y : {29, 35, 41})
        p.drawLine(QPointF(23, y), QPointF(41, y));
}

// A detail report: a table.
void GlyphTable(QPainter &p, QColor accent)
{
    const QRectF r(14, 16, 36, 32);
    p.setPen(QPen(QColor(70, 70, 70), 1.4));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(accent.lighter(110));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 7));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int y = 31; y < 48; y += 6)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    p.drawLine(QPointF(27, r.top() + 7), QPointF(27, r.bottom()));
    p.drawLine(QPointF(39, r.top() + 7), QPointF(39, r.bottom()));
}

// A summary: bars.
void GlyphBars(QPainter &p, QColor accent)
{
    p.setPen(QPen(QColor(70, 70, 70), 1.4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(13, 13, 38, 38), 3, 3);
    const int heights[] = {12, 22, 16, 28};
    const QColor colors[] = {accent.lighter(120), QColor(242, 163, 46), accent.darker(110),
                             QColor(80, 170, 90)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(colors[i]);
        p.drawRect(QRectF(17 + i * 8.2, 47 - heights[i], 6, heights[i]));
    }
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.drawLine(QPointF(16, 47.5), QPointF(48, 47.5));
}

// A statement: a ledger book.
void GlyphBook(QPainter &p, QColor accent)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.4));
    p.setBrush(accent.darker(130));
    p.drawRoundedRect(QRectF(15, 12, 32, 40), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(21, 16, 23, 32));
    p.setPen(QPen(QColor(130, 130, 130), 1.3));
    for (int y : {23, 29, 35, 41})
        p.drawLine(QPointF(24, y), QPointF(41, y));
    p.setPen(QPen(QColor(200, 40, 40), 1.6));
    p.drawLine(QPointF(32, 18), QPointF(32, 46));
}

// Tasks: a clipboard with a tick.
void GlyphTasks(QPainter &p, QColor accent)
{
    p.setPen(QPen(QColor(70, 60, 40), 1.4));
    p.setBrush(QColor(196, 150, 90));
    p.drawRoundedRect(QRectF(16, 12, 32, 40), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(20, 17, 24, 31));
    p.setBrush(QColor(150, 150, 150));
    p.drawRoundedRect(QRectF(25, 9, 14, 7), 2, 2);
    p.setPen(QPen(accent.darker(110), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(24, 32);
    tick.lineTo(30, 38);
    tick.lineTo(41, 24);
    p.drawPath(tick);
}

// A magnifier over a sheet (inquiries).
void GlyphLens(QPainter &p, QColor accent)
{
    Paper(p, QRectF(14, 12, 26, 34));
    p.setPen(QPen(QColor(140, 140, 140), 1.5));
    for (int y : {21, 27, 33})
        p.drawLine(QPointF(18, y), QPointF(32, y));
    p.setPen(QPen(QColor(60, 60, 60), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(44, 44), QPointF(51, 51));
    p.setPen(QPen(QColor(60, 60, 60), 2.2));
    p.setBrush(QColor(accent.red(), accent.green(), accent.blue(), 90));
    p.drawEllipse(QPointF(38, 38), 8.5, 8.5);
}

// A price tag.
void GlyphTag(QPainter &p, QColor accent)
{
    QPainterPath tag;
    tag.moveTo(14, 30);
    tag.lineTo(30, 14);
    tag.lineTo(49, 14);
    tag.lineTo(49, 33);
    tag.lineTo(33, 49);
    tag.closeSubpath();
    p.setPen(QPen(QColor(80, 60, 20), 1.5));
    p.setBrush(QColor(250, 214, 92));
    p.drawPath(tag);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(42, 21), 3, 3);
    p.setPen(QPen(accent.darker(140), 1));
    p.setFont(Font(15, true));
    p.drawText(QRectF(18, 22, 26, 20), Qt::AlignCenter, QStringLiteral("¥"));
}

// A person (employees, buyers).
void GlyphPerson(QPainter &p, QColor color, QPointF at, double scale = 1.0)
{
    p.setPen(QPen(color.darker(150), 1.3));
    p.setBrush(QColor(255, 222, 186));
    p.drawEllipse(at + QPointF(0, -9 * scale), 7 * scale, 7 * scale);
    p.setBrush(color);
    QPainterPath body;
    body.moveTo(at + QPointF(-12 * scale, 13 * scale));
    body.cubicTo(at + QPointF(-12 * scale, 0), at + QPointF(12 * scale, 0),
                 at + QPointF(12 * scale, 13 * scale));
    body.closeSubpath();
    p.drawPath(body);
}

void GlyphCrate(QPainter &p)
{
    p.setPen(QPen(QColor(110, 70, 30), 1.5));
    p.setBrush(QColor(222, 170, 100));
    p.drawRect(QRectF(15, 22, 34, 26));
    p.setBrush(QColor(238, 196, 130));
    QPainterPath lid;
    lid.moveTo(15, 22);
    lid.lineTo(22, 14);
    lid.lineTo(56, 14);
    lid.lineTo(49, 22);
    lid.closeSubpath();
    p.drawPath(lid);
    p.setPen(QPen(QColor(150, 100, 50), 1.2));
    p.drawLine(QPointF(32, 22), QPointF(32, 48));
    p.drawLine(QPointF(15, 35), QPointF(49, 35));
}

void GlyphFactory(QPainter &p)
{
    p.setPen(QPen(QColor(50, 60, 80), 1.5));
    p.setBrush(QColor(200, 208, 222));
    QPainterPath f;
    f.moveTo(12, 50);
    f.lineTo(12, 28);
    f.lineTo(22, 34);
    f.lineTo(22, 28);
    f.lineTo(32, 34);
    f.lineTo(32, 28);
    f.lineTo(42, 34);
    f.lineTo(42, 14);
    f.lineTo(50, 14);
    f.lineTo(50, 50);
    f.closeSubpath();
    p.drawPath(f);
    p.setBrush(QColor(250, 210, 80));
    for (int x : {16, 26, 36})
        p.drawRect(QRectF(x, 40, 5, 5));
}

void GlyphBuilding(QPainter &p)
{
    p.setPen(QPen(QColor(50, 60, 80), 1.5));
    p.setBrush(QColor(215, 225, 238));
    p.drawRect(QRectF(18, 14, 28, 36));
    p.setBrush(QColor(90, 140, 200));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(22 + col * 8, 18 + row * 7, 4.5, 4));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(29, 43, 6, 7));
}

void GlyphBank(QPainter &p)
{
    p.setPen(QPen(QColor(70, 60, 30), 1.4));
    p.setBrush(QColor(244, 226, 170));
    QPainterPath roof;
    roof.moveTo(12, 24);
    roof.lineTo(32, 12);
    roof.lineTo(52, 24);
    roof.closeSubpath();
    p.drawPath(roof);
    for (int x : {16, 26, 36, 46})
        p.drawRect(QRectF(x - 2, 26, 5, 18));
    p.drawRect(QRectF(12, 45, 40, 5));
}

void GlyphItems(QPainter &p)
{
    Paper(p, QRectF(18, 12, 28, 38));
    p.setBrush(QColor(220, 80, 60));
    p.setPen(Qt::NoPen);
    for (int y : {22, 30, 38})
        p.drawEllipse(QPointF(24, y), 2.2, 2.2);
    p.setPen(QPen(QColor(120, 120, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int y : {22, 30, 38})
        p.drawLine(QPointF(29, y), QPointF(41, y));
}

struct TIconDef
{
    const char *name;
    QColor color;
    std::function<void(QPainter &, QColor)> glyph;
};

void MakeIcons()
{
    const QColor plan(58, 120, 200), app(30, 150, 140), inquiry(130, 90, 190),
        order(230, 130, 40), arrive(60, 160, 70), invoice(200, 70, 70), payment(200, 160, 30),
        quality(40, 150, 200), master(110, 125, 145);
    const std::vector<TIconDef> icons = {
        {"PlanBillAction1", plan, GlyphBill},
        {"PlanDetailsAction1", plan, GlyphTable},
        {"PlanSumAction1", plan, GlyphBars},
        {"AppBillAction1", app, GlyphBill},
        {"AppDetailsAction1", app, GlyphTable},
        {"AppMissionAction1", app, GlyphTasks},
        {"InquiryBillAction1", inquiry, GlyphBill},
        {"InquiryDetailsAction1", inquiry, GlyphLens},
        {"OrderBillAction1", order, GlyphBill},
        {"OrderDetailsAction1", order, GlyphTable},
        {"OrderSumAction1", order, GlyphBars},
        {"ArriveBillAction1", arrive, GlyphBill},
        {"ArriveDetailsAction1", arrive, GlyphTable},
        {"ArriveSumAction1", arrive, GlyphBars},
        {"ArrivePriceAction1", arrive, GlyphTag},
        {"InvoiceBillAction1", invoice, GlyphBill},
        {"ByQuaBillAction1", quality, GlyphBill},
        {"PaymentBillAction1", payment, GlyphBill},
        {"ShldoutBillAction1", payment, [](QPainter &p, QColor) { GlyphItems(p); }},
        {"ShldoutFundAction1", payment, GlyphBars},
        {"ShldoutBookAction1", payment, GlyphBook},
        {"WareAction1", master, [](QPainter &p, QColor) { GlyphCrate(p); }},
        {"SupplierAction1", master, [](QPainter &p, QColor) { GlyphFactory(p); }},
        {"DeptAction1", master, [](QPainter &p, QColor) { GlyphBuilding(p); }},
        {"EmployeeAction1", master,
         [](QPainter &p, QColor) {
             GlyphPerson(p, QColor(70, 110, 170), QPointF(32, 34), 1.2);
         }},
        {"BankAction1", master, [](QPainter &p, QColor) { GlyphBank(p); }},
        {"ShldoutItemAction1", master, [](QPainter &p, QColor) { GlyphItems(p); }},
    };
    for (const TIconDef &def : icons) {
        QImage image = Canvas(64, 64);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        Tile(p, def.color);
        def.glyph(p, def.color);
        p.end();
        Save(image, QStringLiteral("icons/") + QString::fromLatin1(def.name));
    }
}

// ---------------------------------------------------------------- banner, buttons, splash

const QColor Teal(0, 128, 128);

void MakeBanner()
{
    // The stretched backgrounds: one column of gradient each.
    QImage bg(8, 72, QImage::Format_RGB32);
    {
        QPainter p(&bg);
        QLinearGradient g(0, 0, 0, 72);
        g.setColorAt(0, QColor(28, 84, 150));
        g.setColorAt(0.55, QColor(44, 118, 190));
        g.setColorAt(1, QColor(22, 70, 128));
        p.fillRect(bg.rect(), g);
    }
    Save(bg, QStringLiteral("banner_bg"));

    for (bool hot : {false, true}) {
        QImage title = Canvas(360, 72);
        QPainter p(&title);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(Font(30, true));
        const QColor ink = hot ? QColor(255, 236, 150) : QColor(255, 255, 255);
        p.setPen(QColor(0, 0, 0, 70));
        p.drawText(QRectF(2, 2, 360, 58), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("OpenBuy 采购管理系统"));
        p.setPen(ink);
        p.drawText(QRectF(0, 0, 360, 58), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("OpenBuy 采购管理系统"));
        p.end();
        Save(title, hot ? QStringLiteral("TitleB") : QStringLiteral("TitleA"));
    }

    QImage logo = Canvas(56, 56);
    {
        QPainter p(&logo);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient g(QPointF(22, 20), 34);
        g.setColorAt(0, QColor(255, 210, 90));
        g.setColorAt(1, QColor(230, 130, 20));
        p.setPen(QPen(QColor(255, 255, 255), 2.5));
        p.setBrush(g);
        p.drawEllipse(QRectF(4, 4, 48, 48));
        // A shopping cart.
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath cart;
        cart.moveTo(14, 18);
        cart.lineTo(19, 18);
        cart.lineTo(24, 34);
        cart.lineTo(40, 34);
        cart.lineTo(43, 23);
        cart.lineTo(21, 23);
        p.drawPath(cart);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(26, 40), 2.2, 2.2);
        p.drawEllipse(QPointF(38, 40), 2.2, 2.2);
    }
    Save(logo, QStringLiteral("logo"));

    // Exit button: A normal, B highlighted.
    for (bool hot : {false, true}) {
        QImage exit = Canvas(76, 30);
        QPainter p(&exit);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(QPen(QColor(255, 255, 255, hot ? 230 : 120), 1));
        p.setBrush(hot ? QColor(200, 60, 50) : QColor(255, 255, 255, 40));
        p.drawRoundedRect(QRectF(1, 1, 74, 28), 6, 6);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(9, 8, 14, 14), 120 * 16, 300 * 16);
        p.drawLine(QPointF(16, 6), QPointF(16, 14));
        p.setFont(Font(14, true));
        p.drawText(QRectF(26, 0, 46, 30), Qt::AlignCenter, QStringLiteral("退出"));
        p.end();
        Save(exit, hot ? QStringLiteral("Z1001B") : QStringLiteral("Z1001A"));
    }
}

void MakeNavigation()
{
    QImage bg(8, 34, QImage::Format_RGB32);
    {
        QPainter p(&bg);
        QLinearGradient g(0, 0, 0, 34);
        g.setColorAt(0, QColor(236, 241, 248));
        g.setColorAt(1, QColor(206, 217, 232));
        p.fillRect(bg.rect(), g);
        p.setPen(QColor(160, 176, 200));
        p.drawLine(0, 33, 8, 33);
    }
    Save(bg, QStringLiteral("nav_bg"));

    // The navigation buttons: purchasing (A normal, B highlighted), and the inactive one.
    auto button = [](const QString &text, int state) {
        QImage img = Canvas(112, 30);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        QLinearGradient g(0, 0, 0, 30);
        if (state == 1) {               // highlighted
            g.setColorAt(0, QColor(255, 255, 255));
            g.setColorAt(1, QColor(255, 255, 255));
            p.setPen(QPen(QColor(120, 150, 190), 1));
        } else if (state == 0) {        // normal
            g.setColorAt(0, QColor(250, 252, 255));
            g.setColorAt(1, QColor(214, 225, 240));
            p.setPen(QPen(QColor(150, 170, 200), 1));
        } else {                        // inactive
            g.setColorAt(0, QColor(236, 238, 242));
            g.setColorAt(1, QColor(218, 222, 230));
            p.setPen(QPen(QColor(185, 190, 200), 1));
        }
        p.setBrush(g);
        QPainterPath tab;
        tab.moveTo(1, 30);
        tab.lineTo(1, 7);
        tab.quadTo(1, 2, 6, 2);
        tab.lineTo(106, 2);
        tab.quadTo(111, 2, 111, 7);
        tab.lineTo(111, 30);
        p.drawPath(tab);
        if (state == 1) {
            p.setPen(QPen(QColor(240, 140, 30), 3));
            p.drawLine(QPointF(4, 3.5), QPointF(108, 3.5));
        }
        p.setFont(Font(14, state == 1));
        p.setPen(state == 2 ? QColor(150, 155, 165) : QColor(20, 60, 120));
        p.drawText(QRectF(0, 3, 112, 27), Qt::AlignCenter, text);
        p.end();
        return img;
    };
    Save(button(QStringLiteral("采购管理"), 0), QStringLiteral("Z1005A"));
    Save(button(QStringLiteral("采购管理"), 1), QStringLiteral("Z1005B"));
    Save(button(QStringLiteral("销售管理"), 2), QStringLiteral("Z1006A"));

    QImage bottom(8, 44, QImage::Format_RGB32);
    {
        QPainter p(&bottom);
        QLinearGradient g(0, 0, 0, 44);
        g.setColorAt(0, QColor(244, 246, 250));
        g.setColorAt(1, QColor(224, 230, 238));
        p.fillRect(bottom.rect(), g);
        p.setPen(QColor(190, 200, 215));
        p.drawLine(0, 0, 8, 0);
    }
    Save(bottom, QStringLiteral("bottom_bg"));
}

void MakeSplash()
{
    QImage img(386, 236, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient g(0, 0, 386, 236);
    g.setColorAt(0, QColor(24, 76, 140));
    g.setColorAt(1, QColor(48, 132, 200));
    p.fillRect(img.rect(), g);
    // Light arcs in the background.
    p.setPen(QPen(QColor(255, 255, 255, 28), 22));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(330, 200), 120, 120);
    p.setPen(QPen(QColor(255, 255, 255, 18), 12));
    p.drawEllipse(QPointF(330, 200), 175, 175);
    // Logo.
    QImage logo(g_dir + QStringLiteral("/logo.png"));
    p.drawImage(QRectF(28, 40, 56, 56), logo);
    p.setPen(Qt::white);
    p.setFont(Font(34, true));
    p.drawText(QRectF(96, 36, 280, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("OpenBuy"));
    p.setFont(Font(22, true));
    p.drawText(QRectF(96, 74, 280, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("采购管理系统"));
    p.setPen(QColor(255, 255, 255, 90));
    p.drawLine(QPointF(28, 124), QPointF(358, 124));
    p.setPen(QColor(220, 234, 250));
    p.setFont(Font(13));
    p.drawText(QRectF(28, 132, 330, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("计划 · 申请 · 询价 · 订单 · 收货 · 质检 · 发票 · 付款"));
    p.setPen(QColor(255, 214, 120));
    p.setFont(Font(12));
    p.drawText(QRectF(28, 200, 330, 22), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("网络版 3.01.130116"));
    p.end();
    Save(img, QStringLiteral("splash"));
}
// The light bulb of the tip of the day.
void MakeTip()
{
    QImage img = Canvas(48, 64);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(24, 22), 22);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(1, QColor(250, 200, 40));
    p.setPen(QPen(QColor(170, 120, 20), 1.5));
    p.setBrush(glow);
    QPainterPath bulb;
    bulb.moveTo(17, 40);
    bulb.cubicTo(4, 30, 6, 6, 24, 6);
    bulb.cubicTo(42, 6, 44, 30, 31, 40);
    bulb.closeSubpath();
    p.drawPath(bulb);
    p.setBrush(QColor(160, 165, 175));
    p.setPen(QPen(QColor(90, 95, 105), 1.2));
    p.drawRoundedRect(QRectF(16.5, 40, 15, 10), 2, 2);
    p.drawLine(QPointF(17, 44), QPointF(31, 44));
    p.drawLine(QPointF(17, 47), QPointF(31, 47));
    p.setBrush(QColor(90, 95, 105));
    p.drawRoundedRect(QRectF(20, 50, 8, 4), 2, 2);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(13, 11, 14, 14), 100 * 16, 80 * 16);
    p.end();
    Save(img, QStringLiteral("tip"));
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pictures");
    QDir().mkpath(g_dir + QStringLiteral("/icons"));
    MakeIcons();
    MakeBanner();
    MakeNavigation();
    MakeSplash();
    MakeTip();
    return 0;
}
