#pragma once

#include "controls/control.h"

#include <QPixmap>

namespace arkivo::controls {

// A picture box. A stretched box scales its picture to fill itself; otherwise
// the picture sits at the top-left corner at its own size, clipped.
class ImageBox : public Control {
    Q_OBJECT

public:
    ImageBox(const QString& name, QWidget* parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);
    // Loads a GIF, BMP or other picture file; false (and the picture kept) when it cannot be read.
    bool loadPicture(const QString& path);
    bool stretch() const { return m_stretch; }
    void setStretch(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QPixmap m_scaled; // the stretched picture at the box's size, made once per size
    bool m_stretch = false;
};

} // namespace arkivo::controls
