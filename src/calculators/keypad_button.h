#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>

namespace arkivo::calculators {

// A flat keypad button: a main colour, and under the mouse a hover colour
// with its own text colour. `Tag` carries the key code the button sends.
class KeypadButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor HotColor READ hotColor WRITE setHotColor)
    Q_PROPERTY(QColor HotFontColor READ hotFontColor WRITE setHotFontColor)
    Q_PROPERTY(QFont Font READ font WRITE setButtonFont)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)

public:
    KeypadButton(const QString& name, const QString& caption, int tag, QWidget* parent = nullptr);

    int tag() const { return m_tag; }
    QColor color() const { return m_color; }
    void setColor(const QColor& c);
    QColor hotColor() const { return m_hotColor; }
    void setHotColor(const QColor& c);
    QColor hotFontColor() const { return m_hotFontColor; }
    void setHotFontColor(const QColor& c);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& c);
    void setButtonFont(const QFont& f);

    QSize sizeHint() const override { return {40, 30}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int m_tag;
    QColor m_color;
    QColor m_hotColor;
    QColor m_hotFontColor;
    QColor m_fontColor{Qt::white};
    bool m_hover = false;
};

} // namespace arkivo::calculators
