// Draws the section page photographs (150 x 113 JPEG) and the home page emblem (210 x 210 PNG
// with a transparent background) into resources/, and renders the SVG icons into the PNG sizes
// the program loads; the build unpacks those PNGs into raw pixels (tools/pack_pictures.cpp).
// Run from the repository root:
//   cmake --build build --target make_pictures && QT_QPA_PLATFORM=offscreen build/make_pictures
// The output is committed; the drawing is deterministic (fixed random seeds).
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgRenderer>

#include "icon_list.h"

#include <random>

namespace {

constexpr int W = 150;
constexpr int H = 113;

// Fine grain over the whole picture, as a camera sensor would give.
void grain(QImage &img, unsigned seed, int strength)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> d(-strength, strength);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QColor c = img.pixelColor(x, y);
            const int n = d(rng);
            c.setRgb(std::clamp(c.red() + n, 0, 255), std::clamp(c.green() + n, 0, 255),
                std::clamp(c.blue() + n, 0, 255));
            img.setPixelColor(x, y, c);
        }
}

QColor vary(const QColor &base, std::mt19937 &rng, int spread)
{
    std::uniform_int_distribution<int> d(-spread, spread);
    const int n = d(rng);
    return QColor(std::clamp(base.red() + n + d(rng) / 3, 0, 255),
        std::clamp(base.green() + n, 0, 255), std::clamp(base.blue() + n, 0, 255));
}

void sky(QPainter &p, int height)
{
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(92, 148, 212));
    g.setColorAt(1, QColor(196, 222, 244));
    p.fillRect(0, 0, W, height, g);
}

void masonry(QPainter &p, QRectF area, double unitW, double unitH, const QColor &unit,
    const QColor &joint, std::mt19937 &rng, int spread, double jointW)
{
    p.fillRect(area, joint);
    int row = 0;
    for (double y = area.top(); y < area.bottom(); y += unitH, ++row) {
        const double offset = (row % 2) ? -unitW / 2 : 0;
        for (double x = area.left() + offset; x < area.right(); x += unitW) {
            QRectF r(x + jointW / 2, y + jointW / 2, unitW - jointW, unitH - jointW);
            p.fillRect(r.intersected(area), vary(unit, rng, spread));
        }
    }
}

QImage concreteBlocks()
{
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    std::mt19937 rng(1);
    masonry(
        p, QRectF(0, 0, W, H), 48, 24, QColor(150, 150, 146), QColor(110, 108, 104), rng, 14, 2.2);
    // Pores of the blocks.
    std::uniform_real_distribution<double> u(0, 1);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 700; ++i) {
        p.setBrush(QColor(90, 90, 88, 120));
        p.drawEllipse(QPointF(u(rng) * W, u(rng) * H), 0.6, 0.6);
    }
    // Light from the upper left.
    QLinearGradient light(0, 0, W, H);
    light.setColorAt(0, QColor(255, 255, 255, 40));
    light.setColorAt(1, QColor(0, 0, 0, 50));
    p.fillRect(img.rect(), light);
    p.end();
    grain(img, 11, 6);
    return img;
}

QImage brickWall()
{
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    std::mt19937 rng(2);
    masonry(
        p, QRectF(0, 0, W, H), 25, 8.5, QColor(168, 62, 40), QColor(200, 190, 175), rng, 20, 1.6);
    QLinearGradient light(0, 0, W, 0);
    light.setColorAt(0, QColor(255, 230, 200, 30));
    light.setColorAt(1, QColor(0, 0, 0, 60));
    p.fillRect(img.rect(), light);
    p.end();
    grain(img, 12, 7);
    return img;
}

QImage timberBeams()
{
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    std::mt19937 rng(3);
    // Ceiling boards seen from below, in perspective towards a vanishing point.
    QLinearGradient ceiling(0, 0, 0, H);
    ceiling.setColorAt(0, QColor(120, 84, 50));
    ceiling.setColorAt(1, QColor(196, 150, 98));
    p.fillRect(img.rect(), ceiling);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF vp(W * 0.5, -40);
    for (int i = -6; i <= 12; ++i) {
        const double x = i * 22.0;
        QPolygonF beam;
        beam << QPointF(x, H) << QPointF(x + 13, H) << vp + QPointF((x + 13 - vp.x()) * 0.15, 0)
             << vp + QPointF((x - vp.x()) * 0.15, 0);
        QLinearGradient wood(x, 0, x + 13, 0);
        const QColor base = vary(QColor(150, 100, 55), rng, 15);
        wood.setColorAt(0, base.darker(140));
        wood.setColorAt(0.4, base.lighter(115));
        wood.setColorAt(1, base.darker(170));
        p.setPen(QPen(QColor(60, 38, 20), 0.8));
        p.setBrush(wood);
        p.drawPolygon(beam);
    }
    // Grain lines.
    std::uniform_real_distribution<double> u(0, 1);
    p.setPen(QPen(QColor(80, 50, 25, 70), 0.6));
    for (int i = 0; i < 90; ++i) {
        const double x = u(rng) * W;
        p.drawLine(QPointF(x, H), QPointF(vp.x() + (x - vp.x()) * 0.15, 0));
    }
    // A supporting girder across the front.
    QLinearGradient girder(0, 78, 0, 98);
    girder.setColorAt(0, QColor(170, 120, 70));
    girder.setColorAt(1, QColor(90, 58, 30));
    p.fillRect(QRectF(0, 80, W, 17), girder);
    p.end();
    grain(img, 13, 5);
    return img;
}

QImage formwork()
{
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    std::mt19937 rng(4);
    sky(p, 40);
    // Plywood formwork panels on the left, reinforcement cage on the right.
    for (int i = 0; i < 3; ++i) {
        QRectF panel(i * 26, 18, 25, 95);
        QLinearGradient ply(panel.topLeft(), panel.topRight());
        const QColor base = vary(QColor(196, 150, 70), rng, 12);
        ply.setColorAt(0, base.darker(115));
        ply.setColorAt(1, base.lighter(108));
        p.fillRect(panel, ply);
        p.fillRect(QRectF(panel.left(), 18, 2, 95), QColor(120, 80, 30));
    }
    p.fillRect(QRectF(78, 60, W - 78, 53), QColor(150, 150, 150));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(95, 55, 35), 2.2));
    for (double x = 84; x < W; x += 9)
        p.drawLine(QPointF(x, 6), QPointF(x, H));
    p.setPen(QPen(QColor(120, 70, 40), 1.6));
    for (double y = 12; y < H; y += 11)
        p.drawLine(QPointF(80, y), QPointF(W, y + 2));
    // Tie wire knots.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    for (double x = 84; x < W; x += 9)
        for (double y = 12; y < H; y += 11)
            p.drawEllipse(QPointF(x, y + (x - 80) / 35), 1.1, 1.1);
    p.end();
    grain(img, 14, 6);
    return img;
}

void building(QPainter &p, QRectF r, int floors, bool finished, std::mt19937 &rng)
{
    const double fh = r.height() / floors;
    for (int f = 0; f < floors; ++f) {
        const double y = r.bottom() - (f + 1) * fh;
        const bool clad = finished || f < floors - 3;
        p.fillRect(QRectF(r.left(), y, r.width(), fh),
            clad ? vary(QColor(214, 200, 180), rng, 6) : QColor(120, 124, 130, 90));
        p.fillRect(QRectF(r.left(), y + fh - 1.2, r.width(), 1.2), QColor(110, 110, 110));
        if (clad)
            for (double x = r.left() + 2.5; x + 4 < r.right(); x += 7)
                p.fillRect(QRectF(x, y + 2, 4, fh - 4.5), QColor(70, 96, 128));
        else
            for (double x = r.left(); x <= r.right(); x += r.width() / 4)
                p.fillRect(QRectF(x - 0.8, y, 1.6, fh), QColor(120, 120, 120));
    }
}

QImage constructionSite()
{
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    std::mt19937 rng(5);
    sky(p, H);
    building(p, QRectF(6, 30, 38, 83), 12, true, rng);
    building(p, QRectF(52, 14, 42, 99), 14, false, rng);
    building(p, QRectF(104, 44, 40, 69), 9, false, rng);
    // Tower crane.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(230, 180, 20), 1.4));
    p.drawLine(QPointF(98, 113), QPointF(98, 4));
    p.drawLine(QPointF(100, 113), QPointF(100, 4));
    for (double y = 8; y < 113; y += 5)
        p.drawLine(QPointF(98, y), QPointF(100, y + 5));
    p.drawLine(QPointF(60, 6), QPointF(148, 6));
    p.drawLine(QPointF(99, 0), QPointF(140, 6));
    p.setPen(QPen(QColor(60, 60, 60), 0.7));
    p.drawLine(QPointF(132, 6), QPointF(132, 40));
    p.fillRect(QRectF(129, 40, 6, 4), QColor(90, 90, 90));
    p.fillRect(QRectF(0, 108, W, 5), QColor(120, 100, 80));
    p.end();
    grain(img, 15, 4);
    return img;
}

QImage landscapedSite()
{
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    std::mt19937 rng(6);
    sky(p, 60);
    // Lawn and a path behind the wall.
    QLinearGradient lawn(0, 45, 0, 90);
    lawn.setColorAt(0, QColor(98, 150, 60));
    lawn.setColorAt(1, QColor(60, 118, 40));
    p.fillRect(QRectF(0, 45, W, 50), lawn);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(70, 45);
    path.cubicTo(60, 60, 100, 70, 90, 90);
    path.lineTo(120, 90);
    path.cubicTo(125, 70, 80, 60, 78, 45);
    p.fillPath(path, QColor(200, 186, 160));
    // Trees and shrubs.
    std::uniform_real_distribution<double> u(0, 1);
    for (int i = 0; i < 7; ++i) {
        const double x = 8 + i * 21 + u(rng) * 8;
        const double r = 8 + u(rng) * 7;
        p.fillRect(QRectF(x - 1.2, 45 - 4, 2.4, 10), QColor(90, 60, 35));
        QRadialGradient crown(QPointF(x - r / 3, 38 - r - r / 3), r * 1.4);
        crown.setColorAt(0, QColor(120, 180, 70));
        crown.setColorAt(1, QColor(40, 90, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(crown);
        p.drawEllipse(QPointF(x, 40 - r), r, r);
    }
    // The brick wall in the foreground, with a cap.
    masonry(
        p, QRectF(0, 88, W, 25), 20, 7, QColor(158, 64, 42), QColor(190, 180, 165), rng, 18, 1.4);
    p.fillRect(QRectF(0, 85, W, 4), QColor(150, 146, 140));
    p.end();
    grain(img, 16, 5);
    return img;
}

// The emblem: a badge with a brick wall, a trowel and a measuring rule; outside the badge the
// picture is transparent.
QImage emblem()
{
    QImage img(210, 210, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    std::mt19937 rng(7);
    QRadialGradient ring(QPointF(90, 80), 120);
    ring.setColorAt(0, QColor(255, 224, 90));
    ring.setColorAt(1, QColor(214, 150, 0));
    p.setPen(QPen(QColor(120, 80, 0), 3));
    p.setBrush(ring);
    p.drawEllipse(QPointF(105, 105), 100, 100);
    QPainterPath inner;
    inner.addEllipse(QPointF(105, 105), 80, 80);
    p.save();
    p.setClipPath(inner);
    p.fillRect(QRectF(25, 25, 160, 160), QColor(222, 236, 250));
    masonry(p, QRectF(25, 110, 160, 75), 32, 13, QColor(176, 66, 42), QColor(215, 205, 190), rng,
        18, 2);
    p.restore();
    p.setPen(QPen(QColor(40, 60, 110), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(105, 105), 80, 80);
    // Trowel.
    QPainterPath blade;
    blade.moveTo(70, 100);
    blade.lineTo(128, 78);
    blade.lineTo(112, 116);
    blade.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 70), 1.5));
    p.setBrush(QColor(190, 196, 206));
    p.drawPath(blade);
    p.setPen(QPen(QColor(60, 60, 70), 3));
    p.drawLine(QPointF(120, 97), QPointF(140, 70));
    p.setPen(QPen(QColor(120, 70, 30), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(140, 70), QPointF(156, 48));
    // Measuring rule.
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(250, 250, 240));
    p.drawRect(QRectF(50, 58, 70, 10));
    for (int i = 0; i <= 14; ++i)
        p.drawLine(QPointF(52 + i * 4.6, 58), QPointF(52 + i * 4.6, i % 2 ? 62 : 64));
    p.end();
    return img;
}

// Renders resources/icons/NAME.svg to resources/icons/png/NAME-SIZE.png.
bool renderIcon(const QString &name, std::initializer_list<int> sizes)
{
    QSvgRenderer svg(QStringLiteral("resources/icons/%1.svg").arg(name));
    if (!svg.isValid())
        return false;
    bool ok = true;
    for (int size : sizes) {
        QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        svg.render(&p);
        p.end();
        // Stored, not deflated: decoding then costs next to nothing at start-up.
        const QString file = QStringLiteral("resources/icons/png/%1-%2.png");
        ok &= img.save(file.arg(name).arg(size), "PNG", 100);
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const struct {
        const char *file;
        QImage image;
    } photos[] = {
        { "resources/photos/concrete_blocks.jpg", concreteBlocks() },
        { "resources/photos/brick_wall.jpg", brickWall() },
        { "resources/photos/timber_beams.jpg", timberBeams() },
        { "resources/photos/formwork.jpg", formwork() },
        { "resources/photos/construction_site.jpg", constructionSite() },
        { "resources/photos/landscaped_site.jpg", landscapedSite() },
    };
    bool ok = true;
    for (const auto &photo : photos)
        ok &= photo.image.save(QString::fromLatin1(photo.file), "JPEG", 90);
    // A palette picture with one transparent colour: decodes in a fraction of a full-colour one.
    ok &= emblem()
              .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdAlphaDither | Qt::PreferDither)
              .save(QStringLiteral("resources/emblem.png"), "PNG", 100); // stored, not deflated
    // The icon list of resources/CMakeLists.txt; the program icon also at the icon theme's sizes.
    for (const IconSizes &icon : kIconList) {
        const QString name = QString::fromUtf16(icon.name);
        ok &= renderIcon(name,
            name == u"program" ? std::initializer_list<int> { KLADOMER_THEME_ICON_SIZES }
                               : icon.sizes);
    }
    return ok ? 0 : 1;
}
