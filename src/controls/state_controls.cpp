#include "controls/state_controls.h"

namespace arkivo::controls {

Edit::Edit(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
}

CheckBox::CheckBox(const QString& name, const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    setObjectName(name);
}

TrackBar::TrackBar(const QString& name, int minimum, int maximum, QWidget* parent) : QSlider(Qt::Vertical, parent) {
    setObjectName(name);
    setRange(minimum, maximum);
    setTickInterval(1);
}

} // namespace arkivo::controls
