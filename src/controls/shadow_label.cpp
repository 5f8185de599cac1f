#include "controls/shadow_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace arkivo::controls {

ShadowLabel::ShadowLabel(const QString& name, const QString& caption, QWidget* parent)
    : Control(name, parent), m_caption(caption) {
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
}

void ShadowLabel::setCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    fitCaption();
    update();
}

void ShadowLabel::setAutoSize(bool on) {
    m_minimumWidth = on ? width() : -1;
    fitCaption();
}

void ShadowLabel::fitCaption() {
    if (m_minimumWidth < 0)
        return;
    // Room for the text and its one-pixel shadow on either side.
    const int needed = fontMetrics().horizontalAdvance(displayText(m_caption)) + 3;
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

    if (m_color.isValid())
        p.fillRect(r, m_color);
    p.setFont(font());
    draw(r.translated(step, step), m_highlight);
    if (m_style == Style::Recessed)
        draw(r.translated(-step, -step), palette().color(QPalette::Dark));
    draw(r, fontColor());
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
