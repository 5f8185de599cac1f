#pragma once

#include <QWidget>

namespace arkivo::settings {
class FormStorage;
}

// The screen locker "Näytön lukitsin". Created hidden at start; its settings
// live under "Software\Arkivo\WindowState\Paneeli", section "Lomake", without
// the window place, restored at each show and stored at each close.
class TLukitsin : public QWidget {
    Q_OBJECT

public:
    explicit TLukitsin(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    arkivo::settings::FormStorage* FormStorage1 = nullptr;
};
