#include "alarms/muistilappu.h"

Muistilappu::Muistilappu(Which which, QWidget* parent) : QWidget(parent), m_which(which)
{
    setObjectName(which == Which::First ? QStringLiteral("Muistilappua") : QStringLiteral("Muistilappub"));
    setWindowTitle(which == Which::First ? QStringLiteral("Muistilappu 1") : QStringLiteral("Muistilappu 2"));
}
