// The phases of a match, read off what the window shows, and a driver that
// takes a fresh match to a named phase through the events a window
// delivers. Shared by the engine's tests, the window tests, the fuzzer and
// the benchmark, so that "open the keys" means one thing everywhere.
#pragma once

#include <optional>
#include <string_view>

namespace klopfomat {

// Not stored anywhere: read off the start button, the two timers and KeysOpen.
enum class MatchPhase { Idle, Ready, Countdown, Running, Over };

// The phase that a combination shows, or nothing for a combination that no
// sequence of events can produce. Idle and Over are one combination (they
// differ only in what the window shows); this answers Idle for both.
inline std::optional<MatchPhase> phaseOf(bool startEnabled, bool countdownRunning,
                                         bool playRunning, bool keysOpen)
{
    if (!countdownRunning && !playRunning && !keysOpen)
        return startEnabled ? MatchPhase::Ready : MatchPhase::Idle;
    if (startEnabled)
        return std::nullopt;
    if (countdownRunning && !playRunning && !keysOpen)
        return MatchPhase::Countdown;
    if (!countdownRunning && playRunning && keysOpen)
        return MatchPhase::Running;
    return std::nullopt;
}

// How far into its phase the driver takes a match, and what the players
// type in every play second on the way.
struct Course {
    int ticks = 0;              // countdown ticks in Countdown (up to 4), play ticks in Running
    std::string_view typed;     // typed before every play tick
};

// Takes a match that has just been created (Idle) to phase:
//   Ready      a new game;
//   Countdown  a new game, the start button and course.ticks countdown ticks;
//   Running    the same and all five countdown ticks (the keys are open),
//              then course.ticks play ticks;
//   Over       all thirty play ticks: the verdict stands.
// Events offers newGame(), startButton(), countdownTick(), playTick() and
// type(std::string_view).
template <typename Events>
void driveTo(Events &events, MatchPhase phase, Course course = {})
{
    if (phase == MatchPhase::Idle)
        return;
    events.newGame();
    if (phase == MatchPhase::Ready)
        return;
    events.startButton();
    const int countdownTicks = phase == MatchPhase::Countdown ? course.ticks : 5;
    for (int tick = 0; tick < countdownTicks; ++tick)
        events.countdownTick();
    const int playTicks = phase == MatchPhase::Over ? 30 : phase == MatchPhase::Running ? course.ticks : 0;
    for (int tick = 0; tick < playTicks; ++tick) {
        events.type(course.typed);
        events.playTick();
    }
}

} // namespace klopfomat
