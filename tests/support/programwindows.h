// The program's three windows, created as the main block creates them, for
// tests that need a fresh main window and a fresh match.
#pragma once

#include "app/startup.h"
#include "platform/formowner.h"
#include "platform/shell.h"
#include "platform/timer.h"
#include "windows/hilfe.h"
#include "windows/info.h"
#include "windows/main.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

inline int g_quitRequests = 0;

struct ProgramWindows {
    platform::FormOwner forms;

    // Driven tests deliver the ticks themselves; the real timers then run
    // with an interval no test outlasts.
    explicit ProgramWindows(int timerInterval = 3600 * 1000)
    {
        startup::configureApplication();
        platform::setQuitHandlerForTesting([] { ++g_quitRequests; });
        platform::Timer::setCapacityForTesting(std::nullopt);
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

    // New game, start, and the five countdown ticks: the keys are open.
    void openKeys()
    {
        F_Main->NeuesSpiel1Click(nullptr);
        F_Main->B_GoClick(nullptr);
        for (int tick = 0; tick < 5; ++tick)
            F_Main->Timer2Timer(nullptr);
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
