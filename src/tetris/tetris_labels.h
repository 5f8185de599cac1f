#pragma once

#include <QLabel>
#include <QWidget>

namespace arkivo::tetris {

// A label whose text is stored under the name `Caption` (the high score).
class CaptionLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)
public:
    CaptionLabel(const QString& name, const QString& caption, QWidget* parent = nullptr);
};

// The game's title: large white letters on a navy-to-black gradient.
class GradientTitle : public QWidget {
    Q_OBJECT
public:
    GradientTitle(const QString& name, const QString& caption, QWidget* parent = nullptr);
    QString caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};

} // namespace arkivo::tetris
