#include "controls/shadow_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace arkivo::controls {

ShadowLabel::ShadowLabel(const QString& name, const QString& caption, QWidget* parent)
    : Control(name, parent), m_caption(caption) {
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    prepareText();
}

void ShadowLabel::prepareText() {
    int underlined = -1;
    const QString text = displayText(m_caption, &underlined);
    m_plain = false;
    if (underlined >= 0 || text.contains(u'\n') || text.isEmpty())
        return;
    if (!m_rawFont.isValid())
        m_rawFont = QRawFont::fromFont(font());
    // Glyphs straight from the font's character map, without the text layout
    // machinery; a character the font lacks takes the general way, which
    // finds it in another font.
    const QList<quint32> glyphs = m_rawFont.glyphIndexesForString(text);
    if (!m_rawFont.isValid() || glyphs.size() != text.size() || glyphs.contains(0))
        return;
    const QList<QPointF> advances = m_rawFont.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    qreal x = 0;
    for (const QPointF& advance : advances) {
        positions << QPointF(x, m_rawFont.ascent());
        x += advance.x();
    }
    m_run.setRawFont(m_rawFont);
    m_run.setGlyphIndexes(glyphs);
    m_run.setPositions(positions);
    m_runSize = QSizeF(x, m_rawFont.ascent() + m_rawFont.descent());
    m_plain = true;
}

void ShadowLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        m_rawFont = QRawFont();
        prepareText();
    }
    Control::changeEvent(event);
}

void ShadowLabel::setCaption(const QString& caption) {
    if (!assignCaption(caption).isEmpty())
        update();
}

QRect ShadowLabel::assignCaption(const QString& caption) {
    if (caption == m_caption)
        return {};
    const bool wasPlain = m_plain;
    const QList<quint32> oldGlyphs = m_run.glyphIndexes();
    const QSizeF oldSize = m_runSize;
    const QSize oldWidgetSize = size();
    m_caption = caption;
    prepareText();
    fitCaption();
    // A clock's text keeps its glyph places from second to second: only the
    // glyphs from the first changed one on need painting, with their shadows.
    const QList<quint32> glyphs = m_run.glyphIndexes();
    if (!wasPlain || !m_plain || oldSize != m_runSize || oldWidgetSize != size() || oldGlyphs.size() != glyphs.size())
        return rect();
    qsizetype first = 0;
    while (first < glyphs.size() && glyphs[first] == oldGlyphs[first])
        ++first;
    if (first == glyphs.size())
        return {};
    const int left = qFloor(textOrigin().x() + m_run.positions().at(first).x()) - 2;
    return QRect(left, 0, width() - left, height()).intersected(rect());
}

void ShadowLabel::setAutoSize(bool on) {
    m_minimumWidth = on ? width() : -1;
    fitCaption();
}

void ShadowLabel::fitCaption() {
    if (m_minimumWidth < 0)
        return;
    // Room for the text and its one-pixel shadow on either side.
    const int advance = m_plain ? qCeil(m_runSize.width())
                                : fontMetrics().horizontalAdvance(displayText(m_caption));
    const int needed = advance + 3;
    resize(qMax(m_minimumWidth, needed), height());
}

void ShadowLabel::setLabelFont(const QFont& font) {
    setFont(font);
    fitCaption();
    update();
}

QColor ShadowLabel::fontColor() const {
    return palette().color(QPalette::WindowText);
}

void ShadowLabel::setFontColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
    update();
}

void ShadowLabel::setHighlightColor(const QColor& color) {
    m_highlight = color;
    update();
}

void ShadowLabel::setColor(const QColor& color) {
    m_color = color;
    // A solid label covers what lies below it, which then need not be painted.
    const bool solid = color.isValid() && color.alpha() == 255;
    setAttribute(Qt::WA_TranslucentBackground, !solid);
    setAttribute(Qt::WA_OpaquePaintEvent, solid);
    update();
}

void ShadowLabel::setStyle(Style style) {
    m_style = style;
    update();
}

void ShadowLabel::setDirection(Direction direction) {
    if (direction == m_direction)
        return;
    m_direction = direction;
    update();
}

void ShadowLabel::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

QString ShadowLabel::displayText(const QString& caption, int* underlinedIndex) {
    QString out;
    int underlined = -1;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != u'&' && underlined < 0)
                underlined = int(out.size());
        }
        out += caption[i];
    }
    if (underlinedIndex)
        *underlinedIndex = underlined;
    return out;
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_color.isValid())
        p.fillRect(rect(), m_color);
    if (m_plain) {
        paintPlain(p);
        return;
    }
    int underlined = -1;
    const QString text = displayText(m_caption, &underlined);
    const int step = m_direction == Direction::DownRight ? 1 : -1;
    const QRect r = rect();

    // Qt's mnemonic form underlines the accelerator letter: "&" before it, other ampersands doubled.
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (i == underlined)
            shown += u'&';
        shown += text[i] == u'&' ? QStringLiteral("&&") : QString(text[i]);
    }
    const int flags = int(m_alignment) | (underlined >= 0 ? Qt::TextShowMnemonic : 0);
    auto draw = [&](const QRect& area, const QColor& color) {
        p.setPen(color);
        p.drawText(area, flags, underlined >= 0 ? shown : text);
    };

    p.setFont(font());
    draw(r.translated(step, step), m_highlight);
    if (m_style == Style::Recessed)
        draw(r.translated(-step, -step), palette().color(QPalette::Dark));
    draw(r, fontColor());
}

QPointF ShadowLabel::textOrigin() const {
    const QSizeF size = m_runSize;
    const QRectF r = rect();
    qreal x = r.left();
    if (m_alignment & Qt::AlignRight)
        x = r.right() + 1 - size.width();
    else if (m_alignment & Qt::AlignHCenter)
        x = r.left() + (r.width() - size.width()) / 2;
    qreal y = r.top();
    if (m_alignment & Qt::AlignBottom)
        y = r.bottom() + 1 - size.height();
    else if (m_alignment & Qt::AlignVCenter)
        y = r.top() + (r.height() - size.height()) / 2;
    // Whole pixels, as text drawn into a rectangle lands.
    return QPointF(qRound(x), qRound(y));
}

void ShadowLabel::paintPlain(QPainter& p) {
    const int step = m_direction == Direction::DownRight ? 1 : -1;
    const QPointF at = textOrigin();
    p.setPen(m_highlight);
    p.drawGlyphRun(at + QPointF(step, step), m_run);
    if (m_style == Style::Recessed) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawGlyphRun(at - QPointF(step, step), m_run);
    }
    p.setPen(fontColor());
    p.drawGlyphRun(at, m_run);
}

void ShadowLabel::mouseMoveEvent(QMouseEvent* event) {
    if (m_raiseOnHover)
        setDirection(Direction::UpLeft);
    Control::mouseMoveEvent(event);
}

void ShadowLabel::leaveEvent(QEvent* event) {
    if (m_raiseOnHover)
        setDirection(Direction::DownRight);
    Control::leaveEvent(event);
}

void ShadowLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
}

void ShadowLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ShadowLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    else
        event->ignore();
}

} // namespace arkivo::controls
