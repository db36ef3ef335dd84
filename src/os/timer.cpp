#include "timer.h"

#include "platformerror.h"

#include <QSocketNotifier>
#include <QTimer>

#if defined(Q_OS_LINUX) && !defined(KLOPFOMAT_PORTABLE_FALLBACKS)
#define KLOPFOMAT_TIMERFD 1
#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace os {

namespace {
std::optional<int> g_capacity;
int g_running = 0;

[[noreturn]] void refuse() { throw PlatformError("Nicht genügend Timer verfügbar"); }
} // namespace

#ifdef KLOPFOMAT_TIMERFD

// A periodic timerfd on the monotonic clock, watched by the event loop. The
// kernel keeps the schedule: expiration k comes at start + k × interval.
class Timer::Clock {
public:
    // The descriptor is made with the timer, so that starting it is a single
    // call; should that fail, starting tries again and may then refuse.
    explicit Clock(Timer *owner) : m_owner(owner) { open(); }
    ~Clock() { close(); }

    bool start(int milliseconds)
    {
        if (m_fd < 0 && !open())
            return false;
        const timespec period{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
        itimerspec schedule{period, period}; // first expiry one period from now
        if (::timerfd_settime(m_fd, 0, &schedule, nullptr) != 0)
            return false;
        m_notifier->setEnabled(true);
        return true;
    }

    void stop()
    {
        if (m_fd < 0)
            return;
        const itimerspec disarmed{};
        ::timerfd_settime(m_fd, 0, &disarmed, nullptr);
        drain();
        m_notifier->setEnabled(false);
    }

private:
    // Several expirations missed while the thread was busy give one tick, as
    // a desktop timer message does.
    bool drain()
    {
        std::uint64_t expirations = 0;
        return ::read(m_fd, &expirations, sizeof expirations) == sizeof expirations
            && expirations > 0;
    }

    void expired()
    {
        if (drain())
            emit m_owner->OnTimer();
    }

    bool open()
    {
        m_fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (m_fd < 0)
            return false;
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        m_notifier->setEnabled(false);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_owner,
                         [this] { expired(); });
        return true;
    }

    void close()
    {
        m_notifier.reset();
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    Timer *m_owner;
    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

#else

class Timer::Clock {
public:
    explicit Clock(Timer *owner)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, owner, &Timer::OnTimer);
    }
    bool start(int milliseconds)
    {
        m_timer.start(milliseconds);
        return m_timer.isActive(); // false: the dispatcher had no timer id left
    }
    void stop() { m_timer.stop(); }

private:
    QTimer m_timer;
};

#endif

Timer::Timer(QObject *parent) : QObject(parent), m_clock(std::make_unique<Clock>(this)) {}

Timer::~Timer() { setEnabled(false); }

void Timer::setCapacityForTesting(std::optional<int> capacity) { g_capacity = capacity; }

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    if (!enabled) {
        m_clock->stop();
        m_enabled = false;
        --g_running;
        return;
    }
    if (g_capacity && g_running >= *g_capacity)
        refuse();
    if (!m_clock->start(m_interval))
        refuse();
    m_enabled = true;
    ++g_running;
}

void Timer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    if (m_enabled)
        m_clock->start(m_interval);
}

} // namespace os
