#pragma once

#include <QAbstractButton>
#include <QColor>

namespace arkivo::controls {

// A flat push button with a face colour and a second pair of colours for
// while the mouse is over it (`HotColor`, `HotTextColor`). The caption's
// "&X" makes Alt+X click it. `hovered()` tells when the mouse comes over it.
class KamButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor HotColor READ hotColor WRITE setHotColor)
    Q_PROPERTY(QColor HotTextColor READ hotTextColor WRITE setHotTextColor)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)

public:
    KamButton(const QString& name, const QString& caption, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& c);
    QColor hotColor() const { return m_hotColor; }
    void setHotColor(const QColor& c);
    QColor hotTextColor() const { return m_hotTextColor; }
    void setHotTextColor(const QColor& c);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& c);
    bool isHot() const { return m_hot; }

    QSize sizeHint() const override;

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QColor m_color{0xC0, 0xC0, 0xC0};
    QColor m_hotColor{Qt::white};
    QColor m_hotTextColor{Qt::black};
    QColor m_fontColor{Qt::black};
    bool m_hot = false;
};

} // namespace arkivo::controls
