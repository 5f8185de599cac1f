#pragma once

#include <QWidget>

namespace arkivo::settings {
class FormStorage;
}

// The calendar window. Created hidden at start and kept for the whole run;
// closing it only hides it. Its title names today and its week each time it
// is shown. It keeps its place under "Software\Arkivo\Kalenteri", section
// "Paikka", and its page settings in section "Mitat".
class TKalenteriAlarm : public QWidget {
    Q_OBJECT

public:
    explicit TKalenteriAlarm(QWidget* parent = nullptr);

    // "Kalenteri - Tänään on keskiviikko, 22. toukokuuta 2002  -  Viikko 21"
    static QString titleFor(const class QDateTime& now);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    arkivo::settings::FormStorage* FormStorage1 = nullptr;
    arkivo::settings::FormStorage* FormStorage2 = nullptr;
};
