#include "app/panel_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace arkivo::app {

namespace {

QPixmap verticalGradient(int w, int h, const QColor& light, const QColor& dark) {
    QPixmap pm(w, h);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0.0, light);
    g.setColorAt(0.45, light.lighter(108));
    g.setColorAt(1.0, dark);
    p.fillRect(pm.rect(), g);
    return pm;
}

QPixmap chrome() {
    QPixmap pm(591, 28);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, 28);
    g.setColorAt(0.0, QColor(0xF2, 0xF2, 0xF2));
    g.setColorAt(0.3, QColor(0xB8, 0xB8, 0xB8));
    g.setColorAt(0.55, QColor(0xE4, 0xE4, 0xE4));
    g.setColorAt(0.8, QColor(0x9A, 0x9A, 0x9A));
    g.setColorAt(1.0, QColor(0x70, 0x70, 0x70));
    p.fillRect(pm.rect(), g);
    return pm;
}

QPixmap stone() {
    // The same grains every run: a fixed seed.
    QImage img(591, 28, QImage::Format_RGB32);
    QRandomGenerator rng(591028);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int v = 0x88 + int(rng.bounded(48)) - ((x / 7 + y / 5) % 3) * 6;
            img.setPixel(x, y, qRgb(v, v, v + 4));
        }
    return QPixmap::fromImage(img);
}

QPixmap wood() {
    QImage img(28, 28, QImage::Format_RGB32);
    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 28; ++x) {
            const int ring = (x + (y * y) / 9) % 7;
            const int shade = 28 - y / 2 - ring * 3;
            img.setPixel(x, y, qRgb(0xC0 + shade, 0x70 + shade / 2, 0x28 + shade / 3));
        }
    return QPixmap::fromImage(img);
}

QPainterPath handPath() {
    // An open hand, palm at the bottom, four fingers and a thumb, in a 16x16 box.
    QPainterPath path;
    path.addRoundedRect(QRectF(4, 8, 8, 7), 2, 2);
    for (int i = 0; i < 4; ++i)
        path.addRoundedRect(QRectF(4 + i * 2.1, 2 + (i == 0 || i == 3 ? 1.5 : 0), 1.8, 8), 0.9, 0.9);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(0, 0, 1.8, 6), 0.9, 0.9);
    QTransform t;
    t.translate(2.0, 6.5);
    t.rotate(-35);
    path.addPath(t.map(thumb));
    return path.simplified();
}

} // namespace

QPixmap backgroundPicture(const QString& name) {
    if (name == QLatin1String("Kulta"))
        return verticalGradient(20, 28, QColor(0xF4, 0xEB, 0x70), QColor(0xBB, 0xA3, 0x3C));
    if (name == QLatin1String("Kromi"))
        return chrome();
    if (name == QLatin1String("Kivi"))
        return stone();
    if (name == QLatin1String("Puu"))
        return wood();
    if (name == QLatin1String("Punainen"))
        return verticalGradient(28, 28, QColor(0xF0, 0x50, 0x40), QColor(0x80, 0x08, 0x08));
    if (name == QLatin1String("Sininen"))
        return verticalGradient(28, 28, QColor(0x70, 0xA0, 0xF0), QColor(0x10, 0x20, 0x80));
    if (name == QStringLiteral("Vihreä"))
        return verticalGradient(28, 28, QColor(0x80, 0xE0, 0x70), QColor(0x10, 0x60, 0x18));
    return {};
}

QPixmap glyph(Glyph which) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x10, 0x10, 0x40);
    switch (which) {
    case Glyph::About:
        p.setBrush(QColor(0x20, 0x40, 0xC0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(8, 7), QPointF(8, 12));
        p.drawPoint(QPointF(8, 4.5));
        break;
    case Glyph::Note1:
    case Glyph::Note2: {
        p.setPen(QColor(0x80, 0x70, 0x10));
        p.setBrush(which == Glyph::Note1 ? QColor(0xFF, 0xF0, 0x60) : QColor(0xB0, 0xF0, 0x80));
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.setPen(ink);
        p.setFont(QFont(QStringLiteral("Arial"), 7, QFont::Bold));
        p.drawText(QRectF(2, 2, 12, 12), Qt::AlignCenter,
                   which == Glyph::Note1 ? QStringLiteral("1") : QStringLiteral("2"));
        break;
    }
    case Glyph::AlarmClock:
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(0xF0, 0xF0, 0xF0));
        p.drawEllipse(QRectF(2, 3, 12, 12));
        p.setBrush(QColor(0xC0, 0x20, 0x20));
        p.drawEllipse(QRectF(1, 1, 4, 4));
        p.drawEllipse(QRectF(11, 1, 4, 4));
        p.drawLine(QPointF(8, 9), QPointF(8, 5));
        p.drawLine(QPointF(8, 9), QPointF(11, 9));
        break;
    case Glyph::CdOpen:
    case Glyph::CdClose: {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        QPolygonF tri;
        if (which == Glyph::CdOpen)
            tri << QPointF(8, 2) << QPointF(14, 9) << QPointF(2, 9);
        else
            tri << QPointF(8, 10) << QPointF(14, 3) << QPointF(2, 3);
        p.drawPolygon(tri);
        p.drawRect(QRectF(2, 11.5, 12, 2.5));
        break;
    }
    case Glyph::Minimise:
        p.fillRect(QRectF(3, 11, 10, 2.5), ink);
        break;
    case Glyph::Close:
        p.setPen(QPen(QColor(0xA0, 0x10, 0x10), 2.2));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    return pm;
}

QPixmap indicatorPicture() {
    QPixmap pm(9, 3);
    pm.fill(QColor(0x25, 0x43, 0x01));
    QPainter p(&pm);
    p.fillRect(3, 0, 3, 3, QColor(0x5D, 0xFD, 0x00));
    return pm;
}

QPixmap handIcon(int dx, bool red) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(dx, 0);
    p.setPen(QPen(red ? QColor(0x60, 0, 0) : QColor(0x30, 0x30, 0x30), 0.8));
    p.setBrush(red ? QColor(0xE0, 0x10, 0x10) : QColor(Qt::white));
    p.drawPath(handPath());
    return pm;
}

QList<QIcon> wavingHandFrames() {
    return {QIcon(handIcon(0, false)), QIcon(handIcon(1, false)), QIcon(handIcon(0, false)),
            QIcon(handIcon(-1, false))};
}

} // namespace arkivo::app
