#pragma once

#include <QString>
#include <QStringList>

// The notation player ("O4N4TTC2D4E6F8G10A12B14"), the named tunes, the beep
// signals and the wave volume on a 0..1000 scale. The player's state survives
// from one tune to the next (octave, lengths); only the articulation resets.

namespace arkivo::sound {

// Plays a notation text synchronously. Throws NotationError / RangeError (kaiutin.h).
void PlayNotation(const QString& notation);
// Plays and, on an error, shows it in the standard error box (through Dialogs).
void PlayNotationReported(const QString& notation);

struct PlayerState {
    int octave = 4;
    int savedOctave = 4;
    int length = 1;
    int defaultLength = 1;
    int duration = 1024;
    int articulation = 8;
};
PlayerState playerState();
void resetPlayerState(); // program start values (tests)

// Named tunes "Voice", "Kello", "Hiiri", "Tasa": held in one place for the run.
QString NamedTune(const QString& name);
void SetNamedTune(const QString& name, const QString& text);
// Where the tunes are stored, one string value per name.
inline const QString kNamedTunesKey = QStringLiteral("Software\\Arkivo\\WindowState\\Paneeli\\Omatausta");
const QStringList& NamedTuneNames(); // "Voice", "Hiiri", "Tasa", "Kello"
QString DefaultNamedTune(const QString& name); // the text of the settings dialog's default button
// Takes each stored value as read; a missing value is an empty tune.
void loadNamedTunes();
// Holds text without leading and trailing blanks and writes it under its name.
void storeNamedTune(const QString& name, const QString& text);

// Beep signals 0..2; any other kind plays nothing.
void PlaySignal(int kind);

int GetWaveVolume();       // 0..1000; 0 without a mixer
bool SetWaveVolume(int v); // false for v > 1000 or without a mixer

} // namespace arkivo::sound
