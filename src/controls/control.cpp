#include "controls/control.h"

namespace arkivo::controls {

Control::Control(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

} // namespace arkivo::controls
