#pragma once

#include <QDateTime>
#include <QTimer>

namespace arkivo::controls {

// A window timer with the stored names `Enabled` and `Interval`. Switching on
// a timer that is already on does not restart its count.
class Timer : public QTimer {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(int Interval READ period WRITE setIntervalKeepingState)

public:
    explicit Timer(const QString& name, int intervalMs, bool enabled, QObject* parent = nullptr);

    bool isEnabled() const { return isActive(); }
    void setEnabled(bool on);
    // The interval set, also while whole-second ticks take their own way to the next second.
    int period() const { return m_wholeSeconds ? m_period : interval(); }
    void setIntervalKeepingState(int ms);
    // A once-a-second timer that ticks just after each whole second of the
    // program clock: no second is skipped or seen twice, and it wakes together
    // with the other timers aimed this way (the panel clock).
    void setOnWholeSeconds(bool on);

signals:
    void enabledChanged(bool on);

private:
    void startPeriod();

    int m_period;
    bool m_wholeSeconds = false;
};

// Milliseconds from `now` to just after its next whole second.
int msToNextSecond(const QDateTime& now);

} // namespace arkivo::controls
