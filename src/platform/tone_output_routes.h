#pragma once

// The tone routes behind makeToneOutput(), and the square wave they share.
// Internal to the platform layer and the tune renderer.

#include "platform/tone_output.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace arkivo::platform {

constexpr int kToneSampleRate = 44100;
// About -12 dBFS: a full-scale square wave is painfully loud in headphones.
constexpr qint16 kToneAmplitude = 8192;

// Appends count samples of a square wave of hz hertz, starting at the top of a
// period. Sample i is high while floor(i * 2 * hz / rate) is even.
void appendSquareWave(std::vector<qint16>& out, qint64 count, quint16 hz, int sampleRate = kToneSampleRate);

// Keeps the time of every tone and silence and sounds nothing. The family
// decides the caller's lower frequency limit, so a speaker route that falls
// back to silence still behaves as the 9x family.
std::unique_ptr<ToneOutput> makeSilentTone(bool ntFamily);
// Appends "FREQUENCY DURATION_MS" per tone and "0 MS" per silence to path.
std::unique_ptr<ToneOutput> makeFileTone(const QString& path);
// Square wave through ALSA's default PCM, opened at the first tone.
std::unique_ptr<ToneOutput> makeAlsaTone();
// The PC speaker through KIOCSOUND; the silent 9x route when no console allows it.
std::unique_ptr<ToneOutput> makeSpeakerTone();

} // namespace arkivo::platform
