#pragma once

#include <QWidget>

#include <QColor>

namespace arkivo::controls {

// A raised panel with a slotted screw head in each corner, like a metal plate.
class ScrewPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)

public:
    ScrewPanel(const QString& name, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color{0xC0, 0xC0, 0xC0};
};

} // namespace arkivo::controls
