#include "timer.h"

#include "platformerror.h"

namespace platform {

namespace {
std::optional<int> g_capacity;
int g_running = 0;
} // namespace

Timer::Timer(QObject *parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(DefaultInterval);
    connect(&m_timer, &QTimer::timeout, this, &Timer::OnTimer);
}

Timer::~Timer() { setEnabled(false); }

void Timer::setCapacityForTesting(std::optional<int> capacity) { g_capacity = capacity; }

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_timer.isActive())
        return;
    if (!enabled) {
        m_timer.stop();
        --g_running;
        return;
    }
    if (g_capacity && g_running >= *g_capacity)
        throw PlatformError("Nicht genügend Timer verfügbar");
    m_timer.start();
    if (!m_timer.isActive()) // the event dispatcher had no timer id left
        throw PlatformError("Nicht genügend Timer verfügbar");
    ++g_running;
}

void Timer::setInterval(int milliseconds)
{
    // Like the original platform, a new interval restarts a running timer.
    m_timer.setInterval(milliseconds);
}

} // namespace platform
