// The game's timers: the first tick a whole interval after the start, a
// second start that keeps the period, and the refusal when none is left.
#include "os/platformerror.h"
#include "os/timer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

class tst_Timer : public QObject {
    Q_OBJECT

private slots:
    void timerFirstTickComesOneIntervalAfterTheStart();
    void startingARunningTimerKeepsItsPeriod();
    void timerRefusal();
};

void tst_Timer::timerFirstTickComesOneIntervalAfterTheStart()
{
    os::Timer timer;
    QCOMPARE(timer.interval(), 1000);
    QVERIFY(!timer.enabled());
    timer.setInterval(100);
    QSignalSpy ticks(&timer, &os::Timer::OnTimer);
    QElapsedTimer clock;
    clock.start();
    timer.setEnabled(true);
    QVERIFY(ticks.wait(1000));
    QVERIFY2(clock.elapsed() >= 95, qPrintable(QString::number(clock.elapsed())));
    timer.setEnabled(false);
    timer.setEnabled(false); // stopping a stopped timer does nothing
    QTest::qWait(250);
    QCOMPARE(ticks.count(), 1);
}

void tst_Timer::startingARunningTimerKeepsItsPeriod()
{
    os::Timer timer;
    timer.setInterval(200);
    QSignalSpy ticks(&timer, &os::Timer::OnTimer);
    QElapsedTimer clock;
    clock.start();
    timer.setEnabled(true);
    // "Starting" it again before its first tick must not push the tick back.
    QTest::qWait(120);
    timer.setEnabled(true);
    QVERIFY(ticks.wait(1000));
    QVERIFY2(clock.elapsed() < 300, qPrintable(QString::number(clock.elapsed())));
}

void tst_Timer::timerRefusal()
{
    os::Timer first, second;
    os::Timer::setCapacityForTesting(1);
    first.setEnabled(true);
    QVERIFY_THROWS_EXCEPTION(os::PlatformError, second.setEnabled(true));
    QVERIFY(!second.enabled());
    first.setEnabled(false);
    second.setEnabled(true); // the stopped timer freed its place
    QVERIFY(second.enabled());
    os::Timer::setCapacityForTesting(std::nullopt);
}

QTEST_GUILESS_MAIN(tst_Timer)
#include "tst_timer.moc"
