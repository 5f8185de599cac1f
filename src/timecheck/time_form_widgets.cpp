#include "timecheck/time_form_widgets.h"

#include <QMouseEvent>

namespace arkivo::timecheck {

void ColourStyle::apply(QWidget* widget, const QString& selector) const
{
    QString sheet = selector + QStringLiteral(" { color: %1;").arg(text.name());
    if (background.isValid())
        sheet += QStringLiteral(" background-color: %1;").arg(background.name());
    widget->setStyleSheet(sheet + QStringLiteral(" }"));
}

ColourButton::ColourButton(const QString& name, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    setFlat(true);
    setFontColor(m_fontColor);
}

void ColourButton::setFontColor(const QColor& color)
{
    m_fontColor = color;
    setStyleSheet(QStringLiteral("QPushButton { color: %1; background: transparent; border: 1px solid transparent; }"
                                 " QPushButton:hover { border: 1px outset #c0c0c0; }"
                                 " QPushButton:pressed { border: 1px inset #c0c0c0; }")
                      .arg(color.name()));
}

ColourRadio::ColourRadio(const QString& name, const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
    setObjectName(name);
    m_style.apply(this, QStringLiteral("QRadioButton"));
}

void ColourRadio::setFontColor(const QColor& color)
{
    m_style.text = color;
    m_style.apply(this, QStringLiteral("QRadioButton"));
}

ColourGroup::ColourGroup(const QString& name, const QString& title, QWidget* parent) : QGroupBox(title, parent)
{
    setObjectName(name);
    setFontColor(Qt::white);
}

void ColourGroup::setFontColor(const QColor& color)
{
    m_style.text = color;
    // Only the title takes the colour; the controls inside keep their own.
    setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid #c0c0c0; margin-top: 8px; }"
                                 " QGroupBox::title { color: %1; subcontrol-origin: margin; left: 8px;"
                                 " padding: 0 2px; }")
                      .arg(color.name()));
}

ClickPanel::ClickPanel(const QString& name, QWidget* parent) : QFrame(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
}

void ClickPanel::setColor(const QColor& color)
{
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void ClickPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QFrame::mousePressEvent(event);
}

void ClickPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

StatusLine::StatusLine(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setIndent(4);
    // A status bar keeps the button face and black text, whatever its window's colour.
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
}

void StatusLine::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

void StatusLine::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace arkivo::timecheck
