#include "tape_controls.h"

#include <QPainter>

namespace arkivo::calculators {

FramePanel::FramePanel(const QString& name, int width, int height, QWidget* parent)
    : QWidget(parent), m_width(width), m_height(height) {
    setObjectName(name);
}

void FramePanel::setColor(const QColor& c) {
    m_color = c;
    update();
}

void FramePanel::setAlign(Alignment a) {
    if (a == m_align)
        return;
    m_align = a;
    emit changed();
}

void FramePanel::setPanelHeight(int h) {
    if (h == m_height)
        return;
    m_height = h;
    emit changed();
}

void FramePanel::setPanelWidth(int w) {
    if (w == m_width)
        return;
    m_width = w;
    emit changed();
}

void FramePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_color);
}

ToolbarButton::ToolbarButton(const QString& name, const QString& caption, const QString& hint, QWidget* parent)
    : QToolButton(parent) {
    setObjectName(name);
    setText(caption);
    setToolTip(hint);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(10);
    setFont(f);
}

NumberDisplay::NumberDisplay(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("Kuvaruutu"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setToolTip(QStringLiteral("Numeronäyttö"));
    setText(QStringLiteral("0"));
    setColor(QColor(0xE0, 0xFF, 0xE0));
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(20);
    f.setBold(true);
    setFont(f);
}

void NumberDisplay::setColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
}

SaveDialogState::SaveDialogState(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("SaveDialog1"));
}

PageSetupState::PageSetupState(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("PrintDialog1"));
}

} // namespace arkivo::calculators
