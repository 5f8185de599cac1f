#pragma once

#include "controls/shadow_label.h"

#include <QTimer>

namespace arkivo::controls {

// A shadow label that shows the current date and time in its `Format`
// ("ddddd  tt" gives "11.12.2026  12:00:00"), refreshed by itself at each
// new second while it is visible.
class ClockLabel : public ShadowLabel {
    Q_OBJECT
    Q_PROPERTY(QString Format READ format WRITE setFormat)

public:
    ClockLabel(const QString& name, const QString& format, QWidget* parent = nullptr);

    QString format() const { return m_format; }
    void setFormat(const QString& format);
    // Reads the clock and shows its time now.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void tick();

    QString m_format;
    QTimer m_timer;
};

} // namespace arkivo::controls
