// The rules of Klopfomat: the state of one match and what every event does
// to it. Plain C++ on purpose: the window is reached only through MatchView,
// so the rules can be exercised without any GUI.
#pragma once

#include <cstdint>
#include <string>

namespace klopfomat {

// The six counters of a match, cleared together by a new game.
struct MatchCounters {
    std::int32_t ScorePlayer1 = 0;      // keystrokes counted in the running second
    std::int32_t ScorePlayer2 = 0;
    std::int32_t BestResultPlayer1 = 0; // highest count of a completed second
    std::int32_t BestResultPlayer2 = 0;
    std::int32_t TotalPlayer1 = 0;      // keystrokes counted in the whole match
    std::int32_t TotalPlayer2 = 0;

    bool operator==(const MatchCounters &) const = default;
};

struct MatchState {
    MatchCounters Counters;
    // Which key of a pair counts next. Never reset: they carry over from one
    // match to the next, also across a new game chosen mid-match.
    bool Player1Toggle = false; // false: "a", true: "s"
    bool Player2Toggle = false; // false: "l", true: "k"
    bool KeysOpen = false;
    std::int32_t CountdownLeft = 0; // play begins at the tick that takes it below 0
    std::int32_t PlaySeconds = 0;   // play ticks completed

    bool operator==(const MatchState &) const = default;
};

enum class Player { One, Two };

enum class NumberField {
    ScorePlayer1, ScorePlayer2,
    BestResultPlayer1, BestResultPlayer2,
    TotalPlayer1, TotalPlayer2,
};

enum class MatchTimer {
    Play,      // Timer1, the play clock
    Countdown, // Timer2
};

// Everything the engine may do to the main window, and nothing more.
// Texts are UTF-8. setTimerRunning may throw (a timer the platform refuses
// to start); the engine then leaves the rest of the handler undone.
class MatchView {
public:
    virtual void setFieldText(NumberField field, const std::string &text) = 0;
    virtual void setStatusText(const std::string &text) = 0;
    virtual void setStartEnabled(bool enabled) = 0;
    virtual void setTimerRunning(MatchTimer timer, bool running) = 0;
    virtual void appendToSeries(Player player, double value) = 0;
    virtual void clearSeries(Player player) = 0;

protected:
    ~MatchView() = default;
};

// Fixed values of a match.
inline constexpr std::int32_t CountdownStart = 4;
inline constexpr std::int32_t PlayTicks = 30;

// The one match of the process. Each method is one handler of the main window.
class Match {
public:
    void formCreate(MatchView &view);
    void newGame(MatchView &view);
    void startButton(MatchView &view);
    void countdownTick(MatchView &view);
    void playTick(MatchView &view);
    void keyPress(MatchView &view, char key);

    const MatchState &state() const { return m_state; }

private:
    MatchState m_state;
};

// The verdict for two final scores, e.g. "Spieler 2 hat mit 840 Punkten gewonnen!".
std::string verdictText(std::int64_t finalScore1, std::int64_t finalScore2);

// Final score: best second times total. Computed in 64 bits so that an
// automated player past 46,340 keystrokes still gets the true product.
std::int64_t finalScore(std::int32_t bestSecond, std::int32_t total);

} // namespace klopfomat
