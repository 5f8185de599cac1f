#pragma once

#include "timecheck/time_client.h"

#include <QDateTime>
#include <QObject>
#include <QString>

namespace arkivo::timecheck {

// The course of one clock check, worded for the time window: status texts,
// log lines and the moments it compares. It asks the TIME client for the
// server's time and sets the system clock through the platform layer; it
// holds no widgets, so the window only shows what it reports.
class TimeCheck : public QObject {
    Q_OBJECT
public:
    // The moments of the last check, kept for the window's scratch fields.
    struct Stamps {
        QDateTime connected;    // local time when the connection was made
        QDateTime after;        // local time after setting the clock
        qint64 differenceMs = 0; // server time minus local time at the reply
        QString line;           // the last correction line
    };

    explicit TimeCheck(QObject* parent = nullptr);

    TimeClient& client() { return m_client; }
    const Stamps& stamps() const { return m_stamps; }

    // Starts a check against `host`; nothing happens while one is under way.
    bool start(const QString& host);

signals:
    void statusChanged(const QString& text);
    void logged(const QString& line);
    // True from the connection until the check's result is logged (the log turns red).
    void activeChanged(bool active);
    void sessionConnected();

private:
    void onConnected();
    void onReply(const QDateTime& serverUtc);
    void onFailed(TimeClient::Failure failure, const QString& reason);
    QString nowText() const;

    TimeClient m_client;
    Stamps m_stamps;
};

} // namespace arkivo::timecheck
