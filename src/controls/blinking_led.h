#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

namespace arkivo::controls {

// A round light that blinks at its own interval while it is shown.
class BlinkingLed : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(int Interval READ interval WRITE setInterval)

public:
    BlinkingLed(const QString& name, const QColor& color, int intervalMs, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& c);
    int interval() const { return m_timer.interval(); }
    void setInterval(int ms) { m_timer.setInterval(ms); }
    bool lit() const { return m_lit; }
    bool blinking() const { return m_timer.isActive(); }

    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QColor m_color;
    QTimer m_timer;
    bool m_lit = true;
};

} // namespace arkivo::controls
