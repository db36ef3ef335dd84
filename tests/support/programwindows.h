// The program's three windows, created as the main block creates them, for
// the tests and the benchmark that need a fresh main window and a fresh match.
#pragma once

#include "app/startup.h"
#include "chart/ratechart.h"
#include "formkit/closeaction.h"
#include "formkit/formowner.h"
#include "formkit/statusbar.h"
#include "forms/hilfe.h"
#include "forms/info.h"
#include "forms/main.h"
#include "os/timer.h"
#include "support/matchdriver.h"

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string_view>

inline int g_quitRequests = 0;

// The events of the main window, delivered to its handlers as the window
// delivers them, for driveTo().
struct WindowEvents {
    void newGame() { F_Main->NeuesSpiel1Click(F_Main->NeuesSpiel1); }
    void startButton() { F_Main->B_GoClick(F_Main->B_Go); }
    void countdownTick() { F_Main->Timer2Timer(&F_Main->Timer2); }
    void playTick() { F_Main->Timer1Timer(&F_Main->Timer1); }
    void type(std::string_view keys)
    {
        for (char key : keys)
            F_Main->FormKeyPress(F_Main, key);
    }
};

struct ProgramWindows {
    formkit::FormOwner forms;

    // Driven tests deliver the ticks themselves; the real timers then run
    // with an interval no test outlasts.
    explicit ProgramWindows(int timerInterval = 3600 * 1000)
    {
        startup::configureApplication();
        formkit::setQuitHandlerForTesting([] { ++g_quitRequests; });
        os::Timer::setCapacityForTesting(std::nullopt);
        TheMatch = klopfomat::Match{};
        startup::createWindows(forms);
        F_Main->Timer1.setInterval(timerInterval);
        F_Main->Timer2.setInterval(timerInterval);
    }

    // Shows the main window and waits until it is active, as at start-up.
    bool showMain()
    {
        F_Main->show();
        F_Main->activateWindow();
        return QTest::qWaitForWindowActive(F_Main);
    }

    // Takes the match to phase through the window's handlers.
    static void driveTo(klopfomat::MatchPhase phase, klopfomat::Course course = {})
    {
        WindowEvents events;
        klopfomat::driveTo(events, phase, course);
    }

    static QString status() { return F_Main->StatusBar1->panelText(); }
};

// Runs action on the next modal window as soon as it is shown; call before
// the call that opens it. Gives up after five seconds.
inline void whenModalShows(std::function<void(QWidget *)> action)
{
    auto *poll = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, [poll, action, started] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        } else if (started->elapsed() > 5000) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}
