#include "controls/image_box.h"

#include <QPainter>

namespace arkivo::controls {

ImageBox::ImageBox(const QString& name, QWidget* parent) : Control(name, parent) {}

void ImageBox::setPicture(const QPixmap& picture) {
    m_picture = picture;
    m_scaled = QPixmap();
    update();
}

bool ImageBox::loadPicture(const QString& path) {
    QPixmap loaded;
    if (path.isEmpty() || !loaded.load(path))
        return false;
    setPicture(loaded);
    return true;
}

void ImageBox::setStretch(bool on) {
    m_stretch = on;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    QPainter p(this);
    if (m_stretch) {
        // The clock above repaints this every second: scale once, not at each paint.
        if (m_scaled.size() != size())
            m_scaled = m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        p.drawPixmap(0, 0, m_scaled);
    } else
        p.drawPixmap(0, 0, m_picture);
}

} // namespace arkivo::controls
