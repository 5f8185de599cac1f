#pragma once

#include <QColor>
#include <QGroupBox>
#include <QLabel>

// Panels shared by the euro and fuel calculators, with their stored names.

namespace arkivo::calculators {

// A framed, word-wrapping caption panel whose background turns to `HotColor` under the mouse.
class WordsPanel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor HotColor READ hotColor WRITE setHotColor)

public:
    WordsPanel(const QString& name, const QString& caption, QWidget* parent = nullptr);
    QColor color() const { return m_color; }
    void setColor(const QColor& c);
    QColor hotColor() const { return m_hotColor; }
    void setHotColor(const QColor& c);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintBackground();
    QColor m_color{Qt::darkBlue};
    QColor m_hotColor{Qt::darkBlue};
    bool m_hover = false;
};

// A group box with a coloured face and a coloured bold title.
class ColorGroupBox : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)

public:
    ColorGroupBox(const QString& name, const QString& title, const QColor& titleColor, QWidget* parent = nullptr);
    QColor color() const { return m_color; }
    void setColor(const QColor& c);

signals:
    void frameClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void restyle();
    QColor m_color{Qt::darkBlue};
    QColor m_titleColor;
};

} // namespace arkivo::calculators
