#pragma once

#include <QIcon>
#include <QList>
#include <QSystemTrayIcon>
#include <QTimer>

namespace arkivo::controls {

// A notification-area icon with the stored name `Active`. An icon with several
// frames cycles through them while active. Without a tray host nothing shows
// and the program runs on.
class TrayIcon : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Active READ isActive WRITE setActive NOTIFY activeChanged)

public:
    TrayIcon(const QString& name, const QList<QIcon>& frames, int frameMs, const QString& hint, bool active,
             QObject* parent = nullptr);

    bool isActive() const { return m_active; }
    void setActive(bool on);
    // Puts an active icon into the tray. Until then `Active` is only recorded:
    // looking for a tray host costs start-up time.
    void realize();
    int frame() const { return m_frame; }
    QSystemTrayIcon* icon() const { return m_icon; }

signals:
    void activeChanged(bool on);
    void leftClicked();
    void rightClicked(const QPoint& globalPos);

private:
    void ensureIcon();
    void showIcon();
    void hideIcon();
    void nextFrame();

    QList<QIcon> m_frames;
    QString m_hint;
    QSystemTrayIcon* m_icon = nullptr;
    QTimer m_animation;
    bool m_active = false;
    bool m_realized = false;
    int m_frame = 0;
};

} // namespace arkivo::controls
