#pragma once

// The program reaches every operating-system service through this one set of
// pointers. main() installs the real implementations; tests install doubles
// (tests/support) before they create a window or an engine.

namespace arkivo::platform {

class RegistryStore;
class Clock;
class ToneOutput;
class WaveVolume;
class Shell;
class Dialogs;
class Help;
class SystemClock;
class CdDoor;

struct Services {
    RegistryStore* registry = nullptr;
    Clock* clock = nullptr;
    ToneOutput* tone = nullptr;
    WaveVolume* waveVolume = nullptr;
    Shell* shell = nullptr;
    Dialogs* dialogs = nullptr;
    Help* help = nullptr;
    SystemClock* systemClock = nullptr;
    CdDoor* cdDoor = nullptr;
};

// The current set. Never null members once main() or a test fixture has installed them.
Services& services();

inline RegistryStore& registry() { return *services().registry; }
inline Clock& clock() { return *services().clock; }
inline ToneOutput& tone() { return *services().tone; }
inline WaveVolume& waveVolume() { return *services().waveVolume; }
inline Shell& shell() { return *services().shell; }
inline Dialogs& dialogs() { return *services().dialogs; }
inline Help& help() { return *services().help; }
inline SystemClock& systemClock() { return *services().systemClock; }
inline CdDoor& cdDoor() { return *services().cdDoor; }

} // namespace arkivo::platform
