#pragma once

#include "controls/control.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QRawFont>

class QPainter;

namespace arkivo::controls {

// A caption with an offset shadow. The shadow is drawn one `Depth` away in
// the shadow direction in `HighlightColor`; a recessed label also gets a dark
// edge on the opposite side, so the text looks pressed into its background.
// With `raiseOnHover` the direction turns up-left while the mouse is over the
// label and back to down-right when it leaves (a raised-button effect).
//
// "&Arkivo" shows "Arkivo" with the A underlined; the window handles the Alt key.
class ShadowLabel : public Control {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QFont Font READ labelFont WRITE setLabelFont)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QColor HighlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(QColor Color READ color WRITE setColor)

public:
    enum class Style { Highlight, Recessed };
    enum class Direction { DownRight, UpLeft };

    ShadowLabel(const QString& name, const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QFont labelFont() const { return font(); }
    void setLabelFont(const QFont& font);
    QColor fontColor() const;
    void setFontColor(const QColor& color);
    QColor highlightColor() const { return m_highlight; }
    void setHighlightColor(const QColor& color);
    // The background; an invalid colour leaves the label transparent.
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    Style style() const { return m_style; }
    void setStyle(Style style);
    Direction direction() const { return m_direction; }
    void setDirection(Direction direction);
    void setRaiseOnHover(bool on) { m_raiseOnHover = on; }
    void setAlignment(Qt::Alignment alignment);
    // An auto-sized label grows to the width of its caption (never below its
    // width when this is switched on), keeping its left edge.
    void setAutoSize(bool on);

    // The caption as shown: accelerator ampersands removed ("&&" keeps one).
    static QString displayText(const QString& caption, int* underlinedIndex = nullptr);

signals:
    void clicked();
    void doubleClicked();

protected:
    // Takes a new caption without asking for a repaint; gives the part of the
    // label that must be painted again (empty when nothing changed).
    QRect assignCaption(const QString& caption);
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitCaption();
    void prepareText();
    void paintPlain(QPainter& p);
    QPointF textOrigin() const;

    QString m_caption;
    QColor m_highlight{Qt::white};
    QColor m_color;
    Style m_style = Style::Highlight;
    Direction m_direction = Direction::DownRight;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    bool m_raiseOnHover = true;
    int m_minimumWidth = -1; // set while auto-sized
    bool m_pressed = false;
    // A caption without an accelerator letter is turned into glyphs once per
    // change and drawn from them: a clock label repaints every second.
    bool m_plain = false;
    QRawFont m_rawFont;
    QGlyphRun m_run;
    QSizeF m_runSize;
};

} // namespace arkivo::controls
