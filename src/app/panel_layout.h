#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The ten layouts of the control panel bar: which controls show, where they
// sit, how wide the bar is, and which program-menu items the layout leaves
// out. Data and pure functions only; the panel applies them.

namespace arkivo::app {

// A control's left edge and whether the layout shows it.
struct Slot {
    int left = 0;
    bool visible = true;
};

struct Layout {
    int number = 1;           // 1..10
    const char* mark = "";    // the layout mark's name
    const char* caption = ""; // the settings dialog's caption
    int width = 591;
    Slot note1, note2, alarmClock, clock, cdOn, calendar, calculators;
    int handle = 520;
    int minimise = 551;
    int close = 570;
    QStringList hiddenItems;                      // program-menu items this layout hides
    QStringList keptItems;                        // items that follow the settings dialog's menu choices again
    std::optional<std::array<int, 3>> indicators; // Image3..5 lefts; empty leaves them
};

const Layout& layout(int number); // 1..10; other numbers give layout 1
const std::array<QString, 10>& layoutMarks();
// The layout named by the first checked mark; 1 when none is.
int layoutFromMarks(const std::array<bool, 10>& checked);

} // namespace arkivo::app
