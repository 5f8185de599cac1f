#pragma once

#include "controls/control.h"

#include <QColor>

namespace arkivo::controls {

// A coloured panel with lowered outer and inner bevels and a one-line
// caption, right-aligned. Mouse events go to whoever filters them.
class BevelPanel : public Control {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ color WRITE setColor)

public:
    BevelPanel(const QString& name, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QColor m_color{Qt::gray};
};

} // namespace arkivo::controls
