// The main window: the players' fields, the start button, the status line
// and the menu. Its handlers hand every event to the one match of the
// process, which writes back only through the MatchView operations.
#pragma once

#include "engine/match.h"
#include "platform/closeaction.h"
#include "platform/timer.h"
#include "ui_main.h"

#include <QMainWindow>

namespace platform {
class KeyRouter;
}

class TF_Main : public QMainWindow, public Ui::TF_MAIN, private klopfomat::MatchView {
    Q_OBJECT

public:
    explicit TF_Main(QWidget *parent = nullptr);
    ~TF_Main() override;

    platform::Timer Timer1; // the play clock
    platform::Timer Timer2; // the countdown
    chart::FastLineSeries *Series1; // the series of Chart_Player1
    chart::FastLineSeries *Series2; // the series of Chart_Player2

public slots:
    // Event handlers. Each receives the object that raised the event and
    // ignores it.
    void FormKeyPress(QObject *Sender, char &Key);
    void Timer1Timer(QObject *Sender);
    void Beenden1Click(QObject *Sender);
    void NeuesSpiel1Click(QObject *Sender);
    void Info1Click(QObject *Sender);
    void FormClose(QObject *Sender, platform::CloseAction &Action);
    void FormCreate(QObject *Sender);
    void B_GoClick(QObject *Sender);
    void Timer2Timer(QObject *Sender);
    void Hilfe2Click(QObject *Sender);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void bindEvents();

    // MatchView
    void setFieldText(klopfomat::NumberField field, const std::string &text) override;
    void setStatusText(const std::string &text) override;
    void setStartEnabled(bool enabled) override;
    void setTimerRunning(klopfomat::MatchTimer timer, bool running) override;
    void appendToSeries(klopfomat::Player player, double value) override;
    void clearSeries(klopfomat::Player player) override;

    platform::KeyRouter *m_keys = nullptr;
};

// The one instance, set before its creation handler runs (see
// platform::FormOwner::createForm).
extern TF_Main *F_Main;

// The one match of the process. It lives as long as the process: a new
// game resets its counters, never its key toggles.
extern klopfomat::Match TheMatch;
