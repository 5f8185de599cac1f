#pragma once

#include <QWidget>

namespace arkivo::settings {
class FormStorage;
}

// The settings dialog "Asetukset". Created hidden at start; at creation it
// takes the four named tunes ("Voice", "Kello", "Hiiri", "Tasa") from the
// registry, so every player reads the stored tunes for the whole run. Its own
// choices live under "Software\Arkivo\WindowState", section "Valikot".
class TForm3 : public QWidget {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    arkivo::settings::FormStorage* FormStorage1 = nullptr;
};
