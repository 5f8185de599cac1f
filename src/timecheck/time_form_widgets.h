#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

// The time window's own controls with the names its storage keeps: `Color`,
// `Font` (with the text colour as `FontColor`) and `Checked`.

namespace arkivo::timecheck {

// Keeps a widget's background and text colours in one style sheet.
class ColourStyle {
public:
    void apply(QWidget* widget, const QString& selector) const;
    QColor background;
    QColor text{Qt::white};
};

// A flat speed button whose caption takes a colour of its own: no frame
// until the mouse is over it.
class ColourButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)

public:
    ColourButton(const QString& name, const QString& caption, QWidget* parent);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);

private:
    QColor m_fontColor{Qt::white};
};

class ColourRadio : public QRadioButton {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)

public:
    ColourRadio(const QString& name, const QString& caption, QWidget* parent);
    QColor fontColor() const { return m_style.text; }
    void setFontColor(const QColor& color);

private:
    ColourStyle m_style;
};

class ColourGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)

public:
    ColourGroup(const QString& name, const QString& title, QWidget* parent);
    QColor fontColor() const { return m_style.text; }
    void setFontColor(const QColor& color);

private:
    ColourStyle m_style;
};

// A coloured panel (or the one-panel status bar) that reports clicks and double clicks.
class ClickPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QColor Color READ color WRITE setColor)

public:
    ClickPanel(const QString& name, QWidget* parent);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QColor m_color;
};

class StatusLine : public QLabel {
    Q_OBJECT

public:
    StatusLine(const QString& name, QWidget* parent);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace arkivo::timecheck
