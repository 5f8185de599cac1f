#include "controls/tray_icon.h"

#include <QCursor>

namespace arkivo::controls {

TrayIcon::TrayIcon(const QString& name, const QList<QIcon>& frames, int frameMs, const QString& hint, bool active,
                   QObject* parent)
    : QObject(parent), m_frames(frames), m_hint(hint) {
    setObjectName(name);
    m_animation.setInterval(frameMs);
    connect(&m_animation, &QTimer::timeout, this, &TrayIcon::nextFrame);
    setActive(active);
}

void TrayIcon::ensureIcon() {
    if (m_icon)
        return;
    m_icon = new QSystemTrayIcon(this);
    m_icon->setToolTip(m_hint);
    if (!m_frames.isEmpty())
        m_icon->setIcon(m_frames.first());
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            emit leftClicked();
        else if (reason == QSystemTrayIcon::Context)
            emit rightClicked(QCursor::pos());
    });
}

void TrayIcon::setActive(bool on) {
    if (on == m_active)
        return;
    m_active = on;
    if (m_realized)
        on ? showIcon() : hideIcon();
    emit activeChanged(on);
}

void TrayIcon::realize() {
    if (m_realized)
        return;
    m_realized = true;
    if (m_active)
        showIcon();
}

void TrayIcon::showIcon() {
    ensureIcon();
    m_frame = 0;
    if (!m_frames.isEmpty())
        m_icon->setIcon(m_frames.first());
    m_icon->show();
    if (m_frames.size() > 1)
        m_animation.start();
}

void TrayIcon::hideIcon() {
    m_animation.stop();
    if (m_icon)
        m_icon->hide();
}

void TrayIcon::nextFrame() {
    m_frame = (m_frame + 1) % int(m_frames.size());
    if (m_icon)
        m_icon->setIcon(m_frames[m_frame]);
}

} // namespace arkivo::controls
