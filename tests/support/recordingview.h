// A stand-in for the main window that records what the engine wrote, with
// the timer behaviour the engine relies on: starting a running timer
// changes nothing, stopping a stopped one does nothing.
#pragma once

#include "engine/match.h"
#include "support/matchdriver.h"

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct RecordingView final : klopfomat::MatchView {
    std::map<klopfomat::NumberField, std::string> fields;
    std::string status;
    bool startEnabled = false;
    bool playRunning = false;      // Timer1
    bool countdownRunning = false; // Timer2
    std::vector<double> series1;
    std::vector<double> series2;
    std::vector<std::string> statusHistory;
    int timerStarts = 0;           // starts of a stopped timer
    bool refuseTimerStarts = false;

    RecordingView()
    {
        using klopfomat::NumberField;
        for (auto f : {NumberField::ScorePlayer1, NumberField::ScorePlayer2,
                       NumberField::BestResultPlayer1, NumberField::BestResultPlayer2,
                       NumberField::TotalPlayer1, NumberField::TotalPlayer2})
            fields[f] = "0";
    }

    std::string field(klopfomat::NumberField f) const { return fields.at(f); }

    void setFieldText(klopfomat::NumberField f, const std::string &text) override
    {
        fields[f] = text;
    }
    void setStatusText(const std::string &text) override
    {
        status = text;
        statusHistory.push_back(text);
    }
    void setStartEnabled(bool enabled) override { startEnabled = enabled; }
    void setTimerRunning(klopfomat::MatchTimer timer, bool running) override
    {
        bool &flag = timer == klopfomat::MatchTimer::Play ? playRunning : countdownRunning;
        if (running && !flag) {
            if (refuseTimerStarts)
                throw std::runtime_error("Nicht genügend Timer verfügbar");
            ++timerStarts;
        }
        flag = running;
    }
    void appendToSeries(klopfomat::Player p, double value) override
    {
        (p == klopfomat::Player::One ? series1 : series2).push_back(value);
    }
    void clearSeries(klopfomat::Player p) override
    {
        (p == klopfomat::Player::One ? series1 : series2).clear();
    }
};

// The events of a window, delivered straight to a match and its stand-in
// window, for driveTo().
struct EngineEvents {
    klopfomat::Match &match;
    RecordingView &view;

    void newGame() { match.newGame(view); }
    void startButton() { match.startButton(view); }
    void countdownTick() { match.countdownTick(view); }
    void playTick() { match.playTick(view); }
    void type(std::string_view keys)
    {
        for (char key : keys)
            match.keyPress(view, key);
    }
    std::optional<klopfomat::MatchPhase> phase() const
    {
        return klopfomat::phaseOf(view.startEnabled, view.countdownRunning, view.playRunning,
                                  match.state().KeysOpen);
    }
};
