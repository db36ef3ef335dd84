// The rules of a match, driven without any window.
#include "engine/match.h"
#include "support/matchdriver.h"
#include "support/recordingview.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>

using klopfomat::Course;
using klopfomat::Match;
using klopfomat::MatchPhase;
using klopfomat::NumberField;

Q_DECLARE_METATYPE(MatchPhase)

namespace {

// New game, start button and the five countdown ticks: the keys are open.
void openKeys(Match &match, RecordingView &view)
{
    EngineEvents events{match, view};
    klopfomat::driveTo(events, MatchPhase::Running);
}

void type(Match &match, RecordingView &view, std::string_view keys)
{
    EngineEvents{match, view}.type(keys);
}

std::optional<MatchPhase> phaseShown(Match &match, RecordingView &view)
{
    return EngineEvents{match, view}.phase();
}

} // namespace

class tst_Match : public QObject {
    Q_OBJECT

private slots:
    void counting_data();
    void counting();
    void keysClosedOutsidePlay_data();
    void keysClosedOutsidePlay();
    void togglesCarryOverANewGame();
    void courseOfAMatch();
    void keystrokesBeforeTheFirstPlayTickCountForTheFirstSecond();
    void verdict_data();
    void verdict();
    void verdictOfWholeMatches_data();
    void verdictOfWholeMatches();
    void newGameInEveryPhase_data();
    void newGameInEveryPhase();
    void refusedTimerLeavesTheRestOfTheHandlerUndone();
    void randomEventsKeepTheInvariants_data();
    void randomEventsKeepTheInvariants();
};

void tst_Match::counting_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("total1");
    QTest::addColumn<int>("total2");
    QTest::addColumn<bool>("toggle1");
    QTest::addColumn<bool>("toggle2");

    QTest::newRow("s first earns nothing") << QByteArray("s") << 0 << 0 << false << false;
    QTest::newRow("then a, s, a, s each count") << QByteArray("sasas") << 4 << 0 << false << false;
    QTest::newRow("a three times counts once") << QByteArray("aaa") << 1 << 0 << true << false;
    QTest::newRow("a held and repeating") << QByteArray(40, 'a') << 1 << 0 << true << false;
    QTest::newRow("a, l, s, k") << QByteArray("alsk") << 2 << 2 << false << false;
    QTest::newRow("player 2 starts with l") << QByteArray("klkl") << 0 << 3 << false << true;
    QTest::newRow("upper case counts for nobody") << QByteArray("ASLKASLK") << 0 << 0 << false << false;
    QTest::newRow("upper case breaks no alternation") << QByteArray("aAsSlLkK") << 2 << 2 << false << false;
    QTest::newRow("other characters") << QByteArray("xyz 1\r\x1b\t\x08") << 0 << 0 << false << false;
    QTest::newRow("Western bytes beyond ASCII") << QByteArray("\xe4\xf6\xfc\xe1\x80") << 0 << 0 << false << false;
    QTest::newRow("wrong key costs nothing") << QByteArray("axsxaxlxkxl") << 3 << 3 << true << true;
}

void tst_Match::counting()
{
    QFETCH(QByteArray, keys);
    QFETCH(int, total1);
    QFETCH(int, total2);
    QFETCH(bool, toggle1);
    QFETCH(bool, toggle2);

    Match match;
    RecordingView view;
    openKeys(match, view);
    type(match, view, keys.toStdString());

    const auto &s = match.state();
    QCOMPARE(s.Counters.TotalPlayer1, total1);
    QCOMPARE(s.Counters.TotalPlayer2, total2);
    QCOMPARE(s.Counters.ScorePlayer1, total1);
    QCOMPARE(s.Counters.ScorePlayer2, total2);
    QCOMPARE(s.Player1Toggle, toggle1);
    QCOMPARE(s.Player2Toggle, toggle2);
    QCOMPARE(view.field(NumberField::TotalPlayer1), std::to_string(total1));
    QCOMPARE(view.field(NumberField::TotalPlayer2), std::to_string(total2));
    // Only the totals change at a keystroke; the rest waits for the tick.
    QCOMPARE(view.field(NumberField::ScorePlayer1), "0");
    QCOMPARE(view.field(NumberField::BestResultPlayer1), "0");
}

void tst_Match::keysClosedOutsidePlay_data()
{
    QTest::addColumn<MatchPhase>("phase");
    QTest::addColumn<int>("ticks");
    QTest::newRow("before the first match") << MatchPhase::Idle << 0;
    QTest::newRow("ready") << MatchPhase::Ready << 0;
    QTest::newRow("countdown, after four ticks") << MatchPhase::Countdown << 4;
    QTest::newRow("after the verdict") << MatchPhase::Over << 0;
}

void tst_Match::keysClosedOutsidePlay()
{
    QFETCH(MatchPhase, phase);
    QFETCH(int, ticks);
    Match match;
    RecordingView view;
    EngineEvents events{match, view};
    match.formCreate(view);
    klopfomat::driveTo(events, phase, Course{.ticks = ticks, .typed = "al"});

    const auto stateBefore = match.state();
    const auto fieldsBefore = view.fields;
    type(match, view, "aslkaslk");
    QVERIFY(match.state() == stateBefore);
    QVERIFY(view.fields == fieldsBefore);
}

void tst_Match::togglesCarryOverANewGame()
{
    Match match;
    RecordingView view;
    openKeys(match, view);
    type(match, view, "al"); // both now expect their second key
    match.newGame(view);     // in the middle of the match
    QCOMPARE(match.state().Player1Toggle, true);
    QCOMPARE(match.state().Player2Toggle, true);

    openKeys(match, view);
    type(match, view, "al");
    QCOMPARE(match.state().Counters.TotalPlayer1, 0);
    QCOMPARE(match.state().Counters.TotalPlayer2, 0);
    type(match, view, "sk");
    QCOMPARE(match.state().Counters.TotalPlayer1, 1);
    QCOMPARE(match.state().Counters.TotalPlayer2, 1);
}

void tst_Match::courseOfAMatch()
{
    Match match;
    RecordingView view;
    match.formCreate(view);
    QCOMPARE(view.status, "Starte im Menu [Datei] neues Spiel...");
    QCOMPARE(phaseShown(match, view), MatchPhase::Idle);

    match.newGame(view);
    QCOMPARE(view.status, "Bereit zum spielen...");
    QCOMPARE(phaseShown(match, view), MatchPhase::Ready);

    match.startButton(view);
    QCOMPARE(view.status, "Bereit zum spielen..."); // unchanged until the first tick
    QCOMPARE(phaseShown(match, view), MatchPhase::Countdown);

    for (int left = 4; left >= 1; --left) {
        match.countdownTick(view);
        QCOMPARE(view.status, "Spielbeginn in " + std::to_string(left) + "s");
        QCOMPARE(phaseShown(match, view), MatchPhase::Countdown);
    }
    match.countdownTick(view);
    QCOMPARE(view.status, "Spielbeginn in 1s"); // stays during the first play second
    QCOMPARE(phaseShown(match, view), MatchPhase::Running);

    // Player 1 types one "a" in the second second, nothing else happens.
    for (int tick = 1; tick <= 29; ++tick) {
        if (tick == 2)
            type(match, view, "a");
        match.playTick(view);
        QCOMPARE(view.status, "Spielzeit -" + std::to_string(30 - tick) + "s");
        QCOMPARE(phaseShown(match, view), MatchPhase::Running);
    }
    match.playTick(view);
    QCOMPARE(view.status, "Spieler 1 hat mit 1 Punkten gewonnen!");
    QCOMPARE(phaseShown(match, view), MatchPhase::Idle); // Over looks like Idle
    QVERIFY(!view.startEnabled);
    QCOMPARE(view.series1.size(), 30u);
    QCOMPARE(view.series2.size(), 30u);
    QCOMPARE(view.series1[1], 1.0);
    QCOMPARE(std::accumulate(view.series1.begin(), view.series1.end(), 0.0), 1.0);
    QCOMPARE(view.field(NumberField::BestResultPlayer1), "1");
    QCOMPARE(view.field(NumberField::TotalPlayer1), "1");
    QCOMPARE(view.field(NumberField::ScorePlayer1), "0"); // the thirtieth second
}

void tst_Match::keystrokesBeforeTheFirstPlayTickCountForTheFirstSecond()
{
    Match match;
    RecordingView view;
    match.newGame(view);
    match.startButton(view);
    for (int tick = 0; tick < 4; ++tick) {
        match.countdownTick(view);
        type(match, view, "alsk"); // too early
    }
    match.countdownTick(view);
    type(match, view, "alsk");
    match.playTick(view);
    QCOMPARE(view.field(NumberField::ScorePlayer1), "2");
    QCOMPARE(view.field(NumberField::ScorePlayer2), "2");
    QCOMPARE(view.series1, std::vector<double>{2.0});
}

void tst_Match::verdict_data()
{
    QTest::addColumn<int>("best1");
    QTest::addColumn<int>("total1");
    QTest::addColumn<int>("best2");
    QTest::addColumn<int>("total2");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nobody typed") << 0 << 0 << 0 << 0 << "Ihr seid beide gleich gut! (0 Punkte)";
    QTest::newRow("one stroke") << 1 << 1 << 0 << 0 << "Spieler 1 hat mit 1 Punkten gewonnen!";
    QTest::newRow("higher best second loses") << 7 << 120 << 6 << 150
                                              << "Spieler 2 hat mit 900 Punkten gewonnen!";
    QTest::newRow("equal products") << 6 << 100 << 8 << 75 << "Ihr seid beide gleich gut! (600 Punkte)";
    QTest::newRow("player 1 by one point") << 3 << 67 << 2 << 100 << "Spieler 1 hat mit 201 Punkten gewonnen!";
    // Past 46,340 keystrokes a 32-bit product would overflow.
    QTest::newRow("true product beyond 32 bits") << 100000 << 100000 << 5 << 5
                                                 << "Spieler 1 hat mit 10000000000 Punkten gewonnen!";
    QTest::newRow("largest counters") << 2147483647 << 2147483647 << 0 << 0
                                      << "Spieler 1 hat mit 4611686014132420609 Punkten gewonnen!";
}

void tst_Match::verdict()
{
    QFETCH(int, best1);
    QFETCH(int, total1);
    QFETCH(int, best2);
    QFETCH(int, total2);
    QFETCH(QString, expected);
    const std::string text = klopfomat::verdictText(klopfomat::finalScore(best1, total1),
                                                    klopfomat::finalScore(best2, total2));
    QCOMPARE(QString::fromStdString(text), expected);
}

// Whole matches through the engine: the verdict uses the best second and the
// total that the ticks and keystrokes produced.
void tst_Match::verdictOfWholeMatches_data()
{
    QTest::addColumn<int>("pairsPerSecond1"); // "as" pairs typed in each second
    QTest::addColumn<int>("pairsPerSecond2");
    QTest::addColumn<QString>("expected");
    QTest::newRow("even match") << 3 << 3 << "Ihr seid beide gleich gut! (1080 Punkte)";
    QTest::newRow("player 2 faster") << 2 << 4 << "Spieler 2 hat mit 1920 Punkten gewonnen!";
    // 100,000 keystrokes in one second: all counted, the true product shown.
    QTest::newRow("automated player") << 50000 << 0 << "Spieler 1 hat mit 300000000000 Punkten gewonnen!";
}

void tst_Match::verdictOfWholeMatches()
{
    QFETCH(int, pairsPerSecond1);
    QFETCH(int, pairsPerSecond2);
    QFETCH(QString, expected);
    Match match;
    RecordingView view;
    openKeys(match, view);
    std::string second;
    for (int i = 0; i < std::max(pairsPerSecond1, pairsPerSecond2); ++i) {
        if (i < pairsPerSecond1)
            second += "as";
        if (i < pairsPerSecond2)
            second += "lk";
    }
    for (int tick = 0; tick < 30; ++tick) {
        type(match, view, second);
        match.playTick(view);
    }
    QCOMPARE(QString::fromStdString(view.status), expected);
}

void tst_Match::newGameInEveryPhase_data()
{
    QTest::addColumn<MatchPhase>("phase");
    QTest::addColumn<int>("ticks"); // into the phase: countdown or play ticks
    QTest::newRow("idle") << MatchPhase::Idle << 0;
    QTest::newRow("ready") << MatchPhase::Ready << 0;
    QTest::newRow("countdown") << MatchPhase::Countdown << 2;
    QTest::newRow("running") << MatchPhase::Running << 12;
    QTest::newRow("over") << MatchPhase::Over << 0;
}

void tst_Match::newGameInEveryPhase()
{
    QFETCH(MatchPhase, phase);
    QFETCH(int, ticks);

    Match match;
    RecordingView view;
    EngineEvents events{match, view};
    match.formCreate(view);
    klopfomat::driveTo(events, phase, Course{.ticks = ticks, .typed = "alsk a"});
    const bool toggle1 = match.state().Player1Toggle;
    const bool toggle2 = match.state().Player2Toggle;

    match.newGame(view);
    QCOMPARE(phaseShown(match, view), MatchPhase::Ready);
    QCOMPARE(view.status, "Bereit zum spielen...");
    QVERIFY(match.state().Counters == klopfomat::MatchCounters{});
    QCOMPARE(match.state().PlaySeconds, 0);
    for (const auto &[field, text] : view.fields)
        QCOMPARE(text, "0");
    QVERIFY(view.series1.empty() && view.series2.empty());
    QCOMPARE(match.state().Player1Toggle, toggle1);
    QCOMPARE(match.state().Player2Toggle, toggle2);

    type(match, view, "alsk"); // keys are closed again
    QCOMPARE(view.field(NumberField::TotalPlayer1), "0");

    // The next start counts down from the beginning.
    match.startButton(view);
    match.countdownTick(view);
    QCOMPARE(view.status, "Spielbeginn in 4s");
}

void tst_Match::refusedTimerLeavesTheRestOfTheHandlerUndone()
{
    Match match;
    RecordingView view;
    match.newGame(view);
    view.refuseTimerStarts = true;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, match.startButton(view));
    QVERIFY(view.startEnabled); // disabling the button came after the start
    QCOMPARE(match.state().CountdownLeft, 4);

    view.refuseTimerStarts = false;
    match.startButton(view);
    for (int tick = 0; tick < 4; ++tick)
        match.countdownTick(view);
    view.refuseTimerStarts = true;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, match.countdownTick(view));
    QVERIFY(match.state().KeysOpen);
    QVERIFY(!view.countdownRunning && !view.playRunning);

    // A new game brings the match back.
    view.refuseTimerStarts = false;
    match.newGame(view);
    QCOMPARE(phaseShown(match, view), MatchPhase::Ready);
}

void tst_Match::randomEventsKeepTheInvariants_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 7u, 42u, 2001u, 1027u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

// Long random sequences of every event the window can deliver. After each:
// a total is the completed seconds plus the running one, a best second is
// the largest completed second, and the phase is one the table allows and
// the one the events lead to.
void tst_Match::randomEventsKeepTheInvariants()
{
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);
    const std::string alphabet = "aslkASLKx\r";

    Match match;
    RecordingView view;
    match.formCreate(view);
    MatchPhase expected = MatchPhase::Idle;
    int countdownTicks = 0;

    for (int step = 0; step < 20000; ++step) {
        const int event = std::uniform_int_distribution<int>(0, 99)(random);
        if (event < 80) {
            match.keyPress(view, alphabet[random() % alphabet.size()]);
        } else if (event < 82) {
            match.newGame(view);
            expected = MatchPhase::Ready;
        } else if (event < 88) {
            if (view.startEnabled) { // a disabled button cannot be clicked
                match.startButton(view);
                expected = MatchPhase::Countdown;
                countdownTicks = 0;
            }
        } else if (view.countdownRunning) {
            match.countdownTick(view);
            if (++countdownTicks == 5)
                expected = MatchPhase::Running;
        } else if (view.playRunning) {
            match.playTick(view);
            if (match.state().PlaySeconds == 30)
                expected = MatchPhase::Over;
        }

        const auto &c = match.state().Counters;
        const auto sum1 = std::accumulate(view.series1.begin(), view.series1.end(), 0.0);
        const auto sum2 = std::accumulate(view.series2.begin(), view.series2.end(), 0.0);
        QCOMPARE(double(c.TotalPlayer1), sum1 + c.ScorePlayer1);
        QCOMPARE(double(c.TotalPlayer2), sum2 + c.ScorePlayer2);
        const auto max1 = view.series1.empty() ? 0.0 : *std::max_element(view.series1.begin(), view.series1.end());
        const auto max2 = view.series2.empty() ? 0.0 : *std::max_element(view.series2.begin(), view.series2.end());
        QCOMPARE(double(c.BestResultPlayer1), max1);
        QCOMPARE(double(c.BestResultPlayer2), max2);
        QCOMPARE(int(view.series1.size()), match.state().PlaySeconds);
        if (match.state().KeysOpen)
            QCOMPARE(view.field(NumberField::TotalPlayer2), std::to_string(c.TotalPlayer2));
        const auto shown = phaseShown(match, view);
        QVERIFY(shown.has_value());
        QCOMPARE(*shown, expected == MatchPhase::Over ? MatchPhase::Idle : expected);
    }
}

QTEST_APPLESS_MAIN(tst_Match)
#include "tst_match.moc"
