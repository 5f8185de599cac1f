#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include <functional>

namespace arkivo::alarms {

// A stopwatch that counts up from a shown value. Stopping keeps only whole
// seconds, so a restart goes on from exactly what the display showed.
class ElapsedCounter {
public:
    bool counting() const { return m_counting; }
    void start();
    void stop();
    void reset();
    // "0:00:00" .. "23:59:59"; the count wraps after a day like a time of day.
    QString elapsedText() const;

private:
    qint64 elapsedMs() const;

    bool m_counting = false;
    QDateTime m_start;
    qint64 m_frozenMs = 0;
};

// The countdown page's logic: the counter, what its display shows, the set
// duration and the comparison that starts the ringing. It knows nothing of
// the LED buttons or of the alarm clock: ringing goes through `ring`.
class Countdown {
public:
    explicit Countdown(std::function<void(bool on)> ring) : m_ring(std::move(ring)) {}

    ElapsedCounter& counter() { return m_counter; }
    QString display() const { return m_display; }
    QTime duration() const { return m_duration; }
    void setDuration(const QTime& t) { m_duration = QTime(t.hour(), t.minute(), t.second()); }
    bool comparing() const { return m_comparing; }

    // The counter's own one-second tick: the display shows the elapsed text.
    void displayTick() { m_display = m_counter.elapsedText(); }
    // The comparison tick: rings and stops the counter when the display has
    // reached the set duration. True when it rang.
    bool comparisonTick();

    void startPressed();
    // Stops the count and the ringing; the comparison keeps ticking but does
    // not ring again until the next start, so one press ends the ringing.
    void stopPressed();
    void resetPressed() { m_counter.reset(); }
    void closePressed() { m_comparing = false; }
    void windowClosed() { m_comparing = false; }
    // The pop-up's stop button: the count starts again from zero.
    void silenced() { m_counter.reset(); }

private:
    ElapsedCounter m_counter;
    std::function<void(bool)> m_ring;
    QString m_display = QStringLiteral("0:00:00");
    QTime m_duration{0, 1, 0};
    bool m_comparing = false;
    bool m_held = false;
};

} // namespace arkivo::alarms
