#pragma once

#include "controls/control.h"

#include <QPixmap>

namespace arkivo::controls {

// A flat button: no frame until the mouse is over it (a raised bevel), a
// sunken bevel while pressed. It shows its glyph centred, or its caption when
// it has no glyph. The caption's "&X" names the Alt key the window binds to it.
class SpeedButton : public Control {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)

public:
    SpeedButton(const QString& name, const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QPixmap glyph() const { return m_glyph; }
    void setGlyph(const QPixmap& glyph);
    // The letter after the ampersand, upper case; null when there is none.
    QChar accelerator() const;
    bool isHovered() const { return m_hover; }

    // Runs the click as a left click does.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_caption;
    QPixmap m_glyph;
    bool m_hover = false;
    bool m_pressed = false;
};

} // namespace arkivo::controls
