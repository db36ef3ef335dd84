// Turns arbitrary bytes into a sequence of match events and checks the
// engine against a small model of the rules, written independently, after
// every event. Any disagreement aborts, which libFuzzer reports as a crash.
#include "engine/match.h"
#include "support/recordingview.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The rules, told once more in the plainest way.
struct Model {
    enum Phase { Idle, Ready, Countdown, Running, Over } phase = Idle;
    long long second[2] = {0, 0}, best[2] = {0, 0}, total[2] = {0, 0};
    int nextKey[2] = {0, 0}; // index into "as" and "lk"
    int countdownTicks = 0, playTicks = 0;
    std::vector<long long> seconds[2];
    std::string status = "Starte im Menu [Datei] neues Spiel...";

    void key(unsigned char c)
    {
        if (phase != Running)
            return;
        static const char *pairs[2] = {"as", "lk"};
        for (int p = 0; p < 2; ++p)
            if (c == static_cast<unsigned char>(pairs[p][nextKey[p]])) {
                ++second[p];
                ++total[p];
                nextKey[p] ^= 1;
            }
    }
    void newGame()
    {
        phase = Ready;
        for (int p = 0; p < 2; ++p) {
            second[p] = best[p] = total[p] = 0;
            seconds[p].clear();
        }
        playTicks = 0;
        status = "Bereit zum spielen...";
    }
    void start()
    {
        if (phase != Ready)
            return;
        phase = Countdown;
        countdownTicks = 0;
    }
    void countdownTick()
    {
        if (phase != Countdown)
            return;
        ++countdownTicks;
        if (countdownTicks <= 4)
            status = "Spielbeginn in " + std::to_string(5 - countdownTicks) + "s";
        else
            phase = Running;
    }
    void playTick()
    {
        if (phase != Running)
            return;
        for (int p = 0; p < 2; ++p) {
            seconds[p].push_back(second[p]);
            if (second[p] > best[p])
                best[p] = second[p];
            second[p] = 0;
        }
        ++playTicks;
        status = "Spielzeit -" + std::to_string(30 - playTicks) + "s";
        if (playTicks == 30) {
            phase = Over;
            const long long s1 = best[0] * total[0], s2 = best[1] * total[1];
            status = s1 > s2   ? "Spieler 1 hat mit " + std::to_string(s1) + " Punkten gewonnen!"
                     : s2 > s1 ? "Spieler 2 hat mit " + std::to_string(s2) + " Punkten gewonnen!"
                               : "Ihr seid beide gleich gut! (" + std::to_string(s1) + " Punkte)";
        }
    }
};

void agree(bool same, const char *what)
{
    if (!same) {
        std::fprintf(stderr, "engine and model disagree: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    klopfomat::Match match;
    RecordingView view;
    Model model;
    match.formCreate(view);
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t byte = data[i];
        // The top bytes are the other events; every byte is also a
        // keystroke when it follows an escape byte 0xFF.
        if (byte == 0xFF && i + 1 < size) {
            match.keyPress(view, static_cast<char>(data[++i]));
            model.key(data[i]);
        } else if (byte == 0xFE) {
            match.newGame(view);
            model.newGame();
        } else if (byte == 0xFD) {
            if (view.startEnabled) { // only an enabled button can be clicked
                match.startButton(view);
                model.start();
            }
        } else if (byte == 0xFC || byte == 0xFB) {
            // A tick of whichever timer runs; none when neither does.
            if (view.countdownRunning) {
                match.countdownTick(view);
                model.countdownTick();
            } else if (view.playRunning) {
                match.playTick(view);
                model.playTick();
            }
        } else {
            match.keyPress(view, static_cast<char>(byte));
            model.key(byte);
        }

        const auto &s = match.state();
        agree(view.status == model.status, "status line");
        agree(s.Counters.TotalPlayer1 == model.total[0] && s.Counters.TotalPlayer2 == model.total[1],
              "totals");
        agree(s.Counters.BestResultPlayer1 == model.best[0]
                  && s.Counters.BestResultPlayer2 == model.best[1], "best seconds");
        agree(s.Counters.ScorePlayer1 == model.second[0]
                  && s.Counters.ScorePlayer2 == model.second[1], "running second");
        for (int p = 0; p < 2; ++p) {
            const std::vector<double> &series = p == 0 ? view.series1 : view.series2;
            agree(series.size() == model.seconds[p].size(), "series length");
            for (std::size_t k = 0; k < series.size(); ++k)
                agree(series[k] == double(model.seconds[p][k]), "series values");
        }
        const auto phase = klopfomat::phaseOf(view.startEnabled, view.countdownRunning,
                                              view.playRunning, s.KeysOpen);
        agree(phase.has_value(), "phase combination");
        const auto expected = model.phase == Model::Over ? klopfomat::MatchPhase::Idle
                                                         : klopfomat::MatchPhase(model.phase);
        agree(*phase == expected, "phase");
    }
    return 0;
}
