#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>

// Text field, check box and track bar with the stored names `Text`,
// `Checked` and `Position`. Windows also use them invisible, as holders of
// state that their form storage keeps.

namespace arkivo::controls {

class Edit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)

public:
    explicit Edit(const QString& name, QWidget* parent = nullptr);
};

class CheckBox : public QCheckBox {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ isChecked WRITE setChecked)

public:
    CheckBox(const QString& name, const QString& caption, QWidget* parent = nullptr);
};

// A change of position emits valueChanged, whether the user or the program moved it.
class TrackBar : public QSlider {
    Q_OBJECT
    Q_PROPERTY(int Position READ value WRITE setValue)

public:
    TrackBar(const QString& name, int minimum, int maximum, QWidget* parent = nullptr);
};

} // namespace arkivo::controls
