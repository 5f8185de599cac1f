#pragma once

#include <QColor>
#include <QWidget>

// The alarm pop-up: a small borderless box on top of everything with two
// blinking lights and "&SAMMUTA".
class TPiip : public QWidget {
    Q_OBJECT
public:
    explicit TPiip(QWidget* parent = nullptr);
    ~TPiip() override;

    static TPiip* instance();
};
