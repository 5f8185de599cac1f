#pragma once

#include <QPoint>
#include <QString>

#include <optional>

// The control panel's small rules, apart from its widgets: the help
// animation of the mouse handle, moves by key and the volume keys.

namespace arkivo::app {

// The mouse handle: place, width, text and whether the help animation runs.
struct HandleState {
    int left = 520;
    int width = 29;
    QString text;
    bool animating = false;
    bool operator==(const HandleState&) const = default;
};

inline constexpr int kHandleLeft = 520;
inline constexpr int kHandleWidth = 29;
inline constexpr int kHelpStep = 52;
inline constexpr int kHelpFirstTickMs = 50;
inline constexpr int kHelpTickMs = 2000;

// One tick of the help animation: the handle grows 52 pixels to the left and
// shows the text of its new place; at left 0 it spans the bar and stops.
HandleState helpAnimationStep(HandleState state);

// A panel move by key: arrows 1 pixel, keypad digits 10 pixels, keypad 5 to the
// screen's top-left corner. `keypad` says the key came from the numeric keypad.
// Nothing for other keys.
std::optional<QPoint> keyMove(int qtKey, bool keypad, const QPoint& panelPos);

// The volume keys on the track-bar scale (0 loud .. 1000 silent):
// "*" 0, "+" 10 louder, "-" 10 softer, "0" 1000. Nothing for other characters.
std::optional<int> volumeKey(QChar ch, int position);

} // namespace arkivo::app
