#include "match.h"

namespace klopfomat {

namespace {

std::string decimal(std::int64_t value) { return std::to_string(value); }

} // namespace

std::int64_t finalScore(std::int32_t bestSecond, std::int32_t total)
{
    return std::int64_t{bestSecond} * std::int64_t{total};
}

std::string verdictText(std::int64_t finalScore1, std::int64_t finalScore2)
{
    if (finalScore1 > finalScore2)
        return "Spieler 1 hat mit " + decimal(finalScore1) + " Punkten gewonnen!";
    if (finalScore2 > finalScore1)
        return "Spieler 2 hat mit " + decimal(finalScore2) + " Punkten gewonnen!";
    return "Ihr seid beide gleich gut! (" + decimal(finalScore1) + " Punkte)";
}

void Match::formCreate(MatchView &view)
{
    view.setStatusText("Starte im Menu [Datei] neues Spiel...");
    m_state.KeysOpen = false;
}

void Match::newGame(MatchView &view)
{
    m_state.Counters = MatchCounters{};
    m_state.PlaySeconds = 0;
    view.clearSeries(Player::One);
    view.clearSeries(Player::Two);
    view.setStartEnabled(true);
    view.setTimerRunning(MatchTimer::Play, false);
    view.setTimerRunning(MatchTimer::Countdown, false);
    m_state.KeysOpen = false;
    for (auto field : {NumberField::ScorePlayer1, NumberField::ScorePlayer2,
                       NumberField::BestResultPlayer1, NumberField::BestResultPlayer2,
                       NumberField::TotalPlayer1, NumberField::TotalPlayer2})
        view.setFieldText(field, "0");
    view.setStatusText("Bereit zum spielen...");
}

void Match::startButton(MatchView &view)
{
    m_state.CountdownLeft = CountdownStart;
    m_state.PlaySeconds = 0;
    view.setTimerRunning(MatchTimer::Countdown, true);
    view.setStartEnabled(false);
}

void Match::countdownTick(MatchView &view)
{
    --m_state.CountdownLeft;
    if (m_state.CountdownLeft >= 0) {
        view.setStatusText("Spielbeginn in " + decimal(m_state.CountdownLeft + 1) + "s");
        return;
    }
    // The status line is left alone: "Spielbeginn in 1s" stays up during the
    // first play second.
    m_state.KeysOpen = true;
    view.setTimerRunning(MatchTimer::Countdown, false);
    view.setTimerRunning(MatchTimer::Play, true);
}

void Match::playTick(MatchView &view)
{
    MatchCounters &c = m_state.Counters;
    view.setFieldText(NumberField::ScorePlayer1, decimal(c.ScorePlayer1));
    view.setFieldText(NumberField::ScorePlayer2, decimal(c.ScorePlayer2));
    view.appendToSeries(Player::One, c.ScorePlayer1);
    view.appendToSeries(Player::Two, c.ScorePlayer2);
    if (c.ScorePlayer1 > c.BestResultPlayer1)
        c.BestResultPlayer1 = c.ScorePlayer1;
    if (c.ScorePlayer2 > c.BestResultPlayer2)
        c.BestResultPlayer2 = c.ScorePlayer2;
    c.ScorePlayer1 = 0;
    c.ScorePlayer2 = 0;
    view.setFieldText(NumberField::BestResultPlayer1, decimal(c.BestResultPlayer1));
    view.setFieldText(NumberField::BestResultPlayer2, decimal(c.BestResultPlayer2));
    ++m_state.PlaySeconds;
    view.setStatusText("Spielzeit -" + decimal(PlayTicks - m_state.PlaySeconds) + "s");

    if (m_state.PlaySeconds < PlayTicks)
        return;
    view.setTimerRunning(MatchTimer::Play, false);
    m_state.KeysOpen = false;
    view.setStatusText(verdictText(finalScore(c.BestResultPlayer1, c.TotalPlayer1),
                                   finalScore(c.BestResultPlayer2, c.TotalPlayer2)));
}

void Match::keyPress(MatchView &view, char key)
{
    if (!m_state.KeysOpen)
        return;
    MatchCounters &c = m_state.Counters;
    // Only the key the alternation expects counts, so a held key's
    // auto-repeat earns a single count.
    if (key == (m_state.Player1Toggle ? 's' : 'a')) {
        ++c.ScorePlayer1;
        ++c.TotalPlayer1;
        m_state.Player1Toggle = !m_state.Player1Toggle;
    }
    if (key == (m_state.Player2Toggle ? 'k' : 'l')) {
        ++c.ScorePlayer2;
        ++c.TotalPlayer2;
        m_state.Player2Toggle = !m_state.Player2Toggle;
    }
    view.setFieldText(NumberField::TotalPlayer1, decimal(c.TotalPlayer1));
    view.setFieldText(NumberField::TotalPlayer2, decimal(c.TotalPlayer2));
}

} // namespace klopfomat
