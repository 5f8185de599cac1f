#pragma once

#include <QAbstractButton>
#include <QColor>

namespace arkivo::controls {

// A push button with a small light beside its caption. Each click turns its
// own light over; the window may turn it off again.
class LedButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(bool LightOn READ lightOn WRITE setLightOn)
    Q_PROPERTY(QColor Color READ color WRITE setColor)

public:
    LedButton(const QString& name, const QString& caption, QWidget* parent = nullptr);

    bool lightOn() const { return m_light; }
    void setLightOn(bool on);
    QColor color() const { return m_face; }
    void setColor(const QColor& c);
    void setLightColor(const QColor& c);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_light = false;
    QColor m_face{0xC0, 0xC0, 0xC0};
    QColor m_lightColor{Qt::red};
};

} // namespace arkivo::controls
