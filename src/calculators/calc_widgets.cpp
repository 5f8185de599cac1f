#include "calc_widgets.h"

#include <QMouseEvent>

namespace arkivo::calculators {

WordsPanel::WordsPanel(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setObjectName(name);
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    QFont f = font();
    f.setPixelSize(13);
    setFont(f);
    paintBackground();
}

void WordsPanel::setColor(const QColor& c) {
    m_color = c;
    paintBackground();
}

void WordsPanel::setHotColor(const QColor& c) {
    m_hotColor = c;
    paintBackground();
}

void WordsPanel::enterEvent(QEnterEvent* event) {
    m_hover = true;
    paintBackground();
    QLabel::enterEvent(event);
}

void WordsPanel::leaveEvent(QEvent* event) {
    m_hover = false;
    paintBackground();
    QLabel::leaveEvent(event);
}

void WordsPanel::paintBackground() {
    QPalette p = palette();
    p.setColor(QPalette::Window, m_hover ? m_hotColor : m_color);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
}

ColorGroupBox::ColorGroupBox(const QString& name, const QString& title, const QColor& titleColor, QWidget* parent)
    : QGroupBox(title, parent), m_titleColor(titleColor) {
    setObjectName(name);
    restyle();
}

void ColorGroupBox::setColor(const QColor& c) {
    m_color = c;
    restyle();
}

void ColorGroupBox::restyle() {
    setStyleSheet(QStringLiteral("QGroupBox#%1 { background-color: %2; border: 1px solid %3; margin-top: 10px; }"
                                 "QGroupBox#%1::title { color: %4; subcontrol-origin: margin; left: 8px; "
                                 "font-weight: bold; }")
                      .arg(objectName(), m_color.name(), m_color.lighter(170).name(), m_titleColor.name()));
}

void ColorGroupBox::mousePressEvent(QMouseEvent* event) {
    QGroupBox::mousePressEvent(event);
    emit frameClicked();
}

} // namespace arkivo::calculators
