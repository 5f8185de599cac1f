#include "alarms/piip.h"

namespace {
TPiip* g_piip = nullptr;
}

TPiip::TPiip(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("Piip"));
    g_piip = this;
}

TPiip::~TPiip()
{
    if (g_piip == this)
        g_piip = nullptr;
}

TPiip* TPiip::instance()
{
    return g_piip;
}
