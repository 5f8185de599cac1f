#pragma once

#include <QtGlobal>

#include <stdexcept>
#include <string>

// The tone unit: sounds one frequency for a given time through the current
// tone route, after the range checks. Errors are thrown as exceptions whose
// what() is the Finnish text (UTF-8).

namespace arkivo::sound {

// PlayTone's three range errors.
class RangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// "Virhe nuotituksessa!" and other notation errors.
class NotationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool IsNTFamily();
void PlayTone(quint16 frequency, qint32 msecs);
void SpeakerOn(quint16 divisor);
void SpeakerOff();
void StopTone();
void Delay(qint32 msecs);

} // namespace arkivo::sound
