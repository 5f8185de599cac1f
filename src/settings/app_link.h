#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

// What the control panel offers the tool windows, without the tools depending
// on the panel's class. The panel installs itself at start; tests install a
// fake or nothing (every caller checks for null).

namespace arkivo {

class PanelLink {
public:
    virtual ~PanelLink() = default;
    // The hidden check marks of the panel menu, by name ("Lukitus", "AlarmIso",
    // "ml1klopvmklocdkallas1", "Tarkistakellointernetist1" ...).
    virtual bool markChecked(const QString& name) const = 0;
    virtual void setMarkChecked(const QString& name, bool on) = 0;
    // Alarm indicators: 3 = sticky note 1, 4 = sticky note 2, 5 = alarm clock.
    virtual void setAlarmIndicator(int image, bool visible) = 0;
    // Mouse handle colour: grey when a tool window becomes active, navy otherwise.
    virtual void setHandleGrey() = 0;
    virtual void setHandleNavy() = 0;
    // The visible background picture, for the tools' top strips.
    virtual QPixmap backgroundPicture() const = 0;
    // The panel window (for placing pop-ups), may be null.
    virtual QWidget* panelWindow() const = 0;
};

PanelLink* panelLink();
void setPanelLink(PanelLink* link);

} // namespace arkivo
