#pragma once

#include <QWidget>

namespace arkivo::controls {
class CheckBox;
}
namespace arkivo::settings {
class FormStorage;
}

// The calendar's small reminder pop-up: stays on top, at the screen's top-left
// corner unless it has a stored place. It shares the reminder-active flag
// `CheckMuistuttaja` with the control panel (same stored value).
class TMuistuttaja : public QWidget {
    Q_OBJECT

public:
    explicit TMuistuttaja(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    arkivo::controls::CheckBox* CheckMuistuttaja = nullptr;
    QWidget* Panel2 = nullptr;
    arkivo::settings::FormStorage* FormStorage1 = nullptr;
    arkivo::settings::FormStorage* FormStorage2 = nullptr;
};
