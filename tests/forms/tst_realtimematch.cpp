// One whole match in real time, with the real one-second timers: the
// countdown and play texts in order, keystrokes during play counted, and
// the verdict from what the fields show.
#include "support/programwindows.h"

class tst_RealTimeMatch : public QObject {
    Q_OBJECT

private slots:
    void wholeMatch();
};

void tst_RealTimeMatch::wholeMatch()
{
    ProgramWindows program(os::Timer::DefaultInterval);
    QVERIFY(program.showMain());
    F_Main->NeuesSpiel1->trigger();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // the start button

    QStringList statuses{ProgramWindows::status()};
    int expected1 = 0, expected2 = 0;
    QElapsedTimer clock;
    clock.start();
    while (F_Main->Timer1.enabled() || F_Main->Timer2.enabled() || statuses.size() < 3) {
        QVERIFY2(clock.elapsed() < 40000, qPrintable(statuses.join(", ")));
        QTest::qWait(5);
        const QString status = ProgramWindows::status();
        if (status == statuses.last())
            continue;
        statuses << status;
        if (status.startsWith(u"Spielzeit -")) {
            // Player 1 types a pair more every second, player 2 one pair.
            const int second = 30 - status.mid(11).chopped(1).toInt();
            for (int pair = 0; pair < second % 4; ++pair)
                QTest::keyClicks(QApplication::focusWidget(), "as");
            QTest::keyClicks(QApplication::focusWidget(), "lk");
            expected1 += 2 * (second % 4);
            expected2 += 2;
        }
    }

    QStringList expected{"Bereit zum spielen...", "Spielbeginn in 4s", "Spielbeginn in 3s",
                         "Spielbeginn in 2s", "Spielbeginn in 1s"};
    for (int left = 29; left >= 1; --left)
        expected << QStringLiteral("Spielzeit -%1s").arg(left);
    expected << statuses.last();
    QCOMPARE(statuses, expected);

    QCOMPARE(F_Main->E_TotalPlayer1->text().toInt(), expected1);
    QCOMPARE(F_Main->E_TotalPlayer2->text().toInt(), expected2);
    const qint64 score1 = qint64(F_Main->E_BestResultPlayer1->text().toInt()) * expected1;
    const qint64 score2 = qint64(F_Main->E_BestResultPlayer2->text().toInt()) * expected2;
    QCOMPARE(score1, 6 * expected1); // best second: three pairs
    QCOMPARE(ProgramWindows::status(),
             QStringLiteral("Spieler 1 hat mit %1 Punkten gewonnen!").arg(score1));
    QVERIFY(score1 > score2);
    QCOMPARE(F_Main->Series1->Count(), 30);
    QVERIFY(!F_Main->B_Go->isEnabled());
}

QTEST_MAIN(tst_RealTimeMatch)
#include "tst_realtimematch.moc"
