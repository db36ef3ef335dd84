// A one-second timer that behaves as the match expects: starting it begins a
// fresh period whose first tick comes one full interval later, starting a
// running timer changes nothing (QTimer::start would restart the period),
// and ticks keep to their schedule: on Linux each timer is a timerfd with
// absolute, drift-free expirations that wake the event loop to within a
// fraction of a millisecond (Qt's own timers arrive one to two milliseconds
// late, and a coarse QTimer may slip by 5 %); elsewhere, or when built with
// KLOPFOMAT_PORTABLE_FALLBACKS, a precise QTimer.
#pragma once

#include <QObject>

#include <memory>
#include <optional>

namespace os {

class Timer : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultInterval = 1000; // milliseconds

    explicit Timer(QObject *parent = nullptr);
    ~Timer() override;

    bool enabled() const { return m_enabled; }
    // Throws PlatformError "Nicht genügend Timer verfügbar" when the platform
    // has no timer left to start.
    void setEnabled(bool enabled);

    int interval() const { return m_interval; }
    // Like the original platform, a new interval restarts a running timer.
    void setInterval(int milliseconds);

    // How many timers may run at once in this process; nullopt means no limit
    // of ours (the platform may still refuse). Lets tests provoke a refusal.
    static void setCapacityForTesting(std::optional<int> capacity);

signals:
    void OnTimer();

private:
    class Clock; // the operating system's timer behind it
    std::unique_ptr<Clock> m_clock;
    int m_interval = DefaultInterval;
    bool m_enabled = false;
};

} // namespace os
