#include "nauhalaskukone.h"

TNauhalaskukone::TNauhalaskukone(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Nauhalaskukone"));
    setWindowTitle(QStringLiteral("Nauhalaskin"));
}

TNauhalaskukone::~TNauhalaskukone() = default;

void TNauhalaskukone::FormKeyPress(int code) { m_engine.press(code); }
