#pragma once

#include <QWidget>

// A sticky note: a rich-text note, its own three-step alarm and a colour
// page. The two notes are one implementation in two configurations.
class Muistilappu : public QWidget {
    Q_OBJECT
public:
    enum class Which { First, Second };
    Muistilappu(Which which, QWidget* parent);

    Which which() const { return m_which; }

private:
    Which m_which;
};

class TMuistilappua : public Muistilappu {
    Q_OBJECT
public:
    explicit TMuistilappua(QWidget* parent = nullptr) : Muistilappu(Which::First, parent) {}
};

class TMuistilappub : public Muistilappu {
    Q_OBJECT
public:
    explicit TMuistilappub(QWidget* parent = nullptr) : Muistilappu(Which::Second, parent) {}
};
