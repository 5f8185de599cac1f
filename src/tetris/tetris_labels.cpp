#include "tetris/tetris_labels.h"

#include <QLinearGradient>
#include <QPainter>

namespace arkivo::tetris {

CaptionLabel::CaptionLabel(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setObjectName(name);
}

GradientTitle::GradientTitle(const QString& name, const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(caption)
{
    setObjectName(name);
}

void GradientTitle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, QColor(0, 0, 0x80));
    gradient.setColorAt(1, Qt::black);
    painter.fillRect(rect(), gradient);
    QFont font = painter.font();
    font.setPixelSize(qMax(10, height() * 3 / 5));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, m_caption);
}

} // namespace arkivo::tetris
