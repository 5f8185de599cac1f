#pragma once

#include <QTimer>

namespace arkivo::controls {

// A window timer with the stored names `Enabled` and `Interval`. Switching on
// a timer that is already on does not restart its count.
class Timer : public QTimer {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(int Interval READ interval WRITE setIntervalKeepingState)

public:
    explicit Timer(const QString& name, int intervalMs, bool enabled, QObject* parent = nullptr);

    bool isEnabled() const { return isActive(); }
    void setEnabled(bool on);
    void setIntervalKeepingState(int ms);

signals:
    void enabledChanged(bool on);
};

} // namespace arkivo::controls
