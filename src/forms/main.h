// The main window: the players' fields, the start button, the status line
// and the menu. Its handlers hand every event to the one match of the
// process, which writes back only through the MatchView operations.
#pragma once

#include "chart/fastlineseries.h"
#include "engine/match.h"
#include "formkit/closeaction.h"
#include "formkit/formowner.h"
#include "os/timer.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace Ui {
class TF_MAIN;
}
namespace chart {
class RateChart;
}
namespace formkit {
class KeyRouter;
class StatusBar;
}

class TF_Main : public QMainWindow,
                public formkit::CreationHandler,
                private klopfomat::MatchView {
    Q_OBJECT

public:
    explicit TF_Main(QWidget *parent = nullptr);
    ~TF_Main() override;

private:
    std::unique_ptr<Ui::TF_MAIN> m_layout; // made from main.ui, owns nothing

public:
    // The controls and components, in the order the form declares them;
    // the window owns them all.
    os::Timer Timer1; // the play clock
    QGroupBox *GroupBox1;
    QLabel *Label2;
    QLineEdit *E_ScorePlayer2;
    QLabel *Label4;
    QLineEdit *E_BestResultPlayer2;
    QLabel *Label6;
    QMenuBar *MainMenu1;
    QMenu *File1;
    QMenu *Hilfe1;
    QAction *Beenden1;
    QAction *NeuesSpiel1;
    QAction *Info1;
    QAction *Hilfe2;
    QFrame *Bevel1;
    QGroupBox *GP_Player1;
    QLabel *Label1;
    QLabel *Label3;
    QLabel *Label5;
    QLineEdit *E_ScorePlayer1;
    QLineEdit *E_BestResultPlayer1;
    chart::RateChart *Chart_Player1;
    chart::RateChart *Chart_Player2;
    chart::FastLineSeries *Series1; // held by Chart_Player1
    chart::FastLineSeries *Series2; // held by Chart_Player2
    formkit::StatusBar *StatusBar1;
    os::Timer Timer2; // the countdown
    QPushButton *B_Go;
    QLineEdit *E_TotalPlayer1;
    QLabel *Label7;
    QLineEdit *E_TotalPlayer2;
    QLabel *Label8;

public slots:
    // Event handlers. Each receives the object that raised the event and
    // ignores it.
    void FormKeyPress(QObject *Sender, char &Key);
    void Timer1Timer(QObject *Sender);
    void Beenden1Click(QObject *Sender);
    void NeuesSpiel1Click(QObject *Sender);
    void Info1Click(QObject *Sender);
    void FormClose(QObject *Sender, formkit::CloseAction &Action);
    void FormCreate(QObject *Sender) override;
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

    formkit::KeyRouter *m_keys = nullptr;
};

// The one instance, set before its creation handler runs (see
// formkit::FormOwner::createForm).
extern TF_Main *F_Main;

// The one match of the process. It lives as long as the process: a new
// game resets its counters, never its key toggles.
extern klopfomat::Match TheMatch;
