#include "main.h"

#include "hilfe.h"
#include "info.h"
#include "platform/confirmation.h"
#include "platform/errorreport.h"
#include "platform/formsettings.h"
#include "platform/keyrouter.h"
#include "platform/shell.h"

#include <QApplication>
#include <QCloseEvent>

using klopfomat::MatchTimer;
using klopfomat::NumberField;
using klopfomat::Player;
using platform::guarded;

TF_Main *F_Main = nullptr;
klopfomat::Match TheMatch;

TF_Main::TF_Main(QWidget *parent) : QMainWindow(parent)
{
    setupUi(this);
    platform::applyFormSettings(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Series1 = &Chart_Player1->series();
    Series2 = &Chart_Player2->series();
    bindEvents();
}

TF_Main::~TF_Main() = default;

// What the form's events call. Kept together so that a reader sees every
// binding in one place, as the layout data lists the controls.
void TF_Main::bindEvents()
{
    connect(&Timer1, &platform::Timer::OnTimer, this, [this] { Timer1Timer(&Timer1); });
    connect(&Timer2, &platform::Timer::OnTimer, this, [this] { Timer2Timer(&Timer2); });
    connect(B_Go, &QPushButton::clicked, this, [this] { B_GoClick(B_Go); });
    connect(NeuesSpiel1, &QAction::triggered, this, [this] { NeuesSpiel1Click(NeuesSpiel1); });
    connect(Beenden1, &QAction::triggered, this, [this] { Beenden1Click(Beenden1); });
    connect(Hilfe2, &QAction::triggered, this, [this] { Hilfe2Click(Hilfe2); });
    connect(Info1, &QAction::triggered, this, [this] { Info1Click(Info1); });

    // The window, the six fields and the start button all hand their typed
    // characters to FormKeyPress; they are the only things that take focus.
    m_keys = new platform::KeyRouter(
        this,
        {E_ScorePlayer2, E_BestResultPlayer2, E_TotalPlayer2, E_ScorePlayer1,
         E_BestResultPlayer1, E_TotalPlayer1, B_Go},
        B_Go, [this](QObject *sender, char &key) { FormKeyPress(sender, key); });
}

void TF_Main::FormKeyPress(QObject *, char &Key)
{
    guarded([&] { TheMatch.keyPress(*this, Key); });
}

void TF_Main::Timer1Timer(QObject *)
{
    guarded([&] { TheMatch.playTick(*this); });
}

void TF_Main::Beenden1Click(QObject *)
{
    guarded([&] { close(); });
}

void TF_Main::NeuesSpiel1Click(QObject *)
{
    guarded([&] { TheMatch.newGame(*this); });
}

void TF_Main::Info1Click(QObject *)
{
    guarded([&] { F_Info->exec(); });
}

void TF_Main::FormClose(QObject *, platform::CloseAction &Action)
{
    guarded([&] {
        Action = platform::confirm(QStringLiteral("Ist deine Tastatur wirklich schon zur Sau?"))
            ? platform::CloseAction::caFree
            : platform::CloseAction::caNone;
    });
}

void TF_Main::FormCreate(QObject *)
{
    guarded([&] { TheMatch.formCreate(*this); });
}

void TF_Main::B_GoClick(QObject *)
{
    guarded([&] { TheMatch.startButton(*this); });
}

void TF_Main::Timer2Timer(QObject *)
{
    guarded([&] { TheMatch.countdownTick(*this); });
}

void TF_Main::Hilfe2Click(QObject *)
{
    guarded([&] {
        F_Hilfe->show();
        F_Hilfe->setWindowState(F_Hilfe->windowState() & ~Qt::WindowMinimized);
        F_Hilfe->raise();
        F_Hilfe->activateWindow();
    });
}

// The close operation: every way of closing the main window (menu, close
// box, system menu, Alt+F4, taskbar) arrives here. The handler may refuse;
// otherwise, this being the main window, the application ends.
void TF_Main::closeEvent(QCloseEvent *event)
{
    platform::CloseAction action = platform::CloseAction::caHide;
    FormClose(this, action);
    if (action == platform::CloseAction::caNone) {
        event->ignore();
        return;
    }
    event->accept();
    platform::quitApplication();
}

void TF_Main::setFieldText(NumberField field, const std::string &text)
{
    QLineEdit *edit = nullptr;
    switch (field) {
    case NumberField::ScorePlayer1: edit = E_ScorePlayer1; break;
    case NumberField::ScorePlayer2: edit = E_ScorePlayer2; break;
    case NumberField::BestResultPlayer1: edit = E_BestResultPlayer1; break;
    case NumberField::BestResultPlayer2: edit = E_BestResultPlayer2; break;
    case NumberField::TotalPlayer1: edit = E_TotalPlayer1; break;
    case NumberField::TotalPlayer2: edit = E_TotalPlayer2; break;
    }
    // Every keystroke rewrites both totals; a field whose text stays the
    // same is left alone, which looks the same and costs nothing.
    const QString shown = QString::fromUtf8(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

void TF_Main::setStatusText(const std::string &text)
{
    StatusBar1->setPanelText(QString::fromUtf8(text));
}

void TF_Main::setStartEnabled(bool enabled)
{
    // A button that disables itself while focused hands the focus to the
    // window, so that the players' keystrokes keep arriving.
    if (!enabled && B_Go->hasFocus())
        m_keys->parkFocusOnWindow();
    B_Go->setEnabled(enabled);
}

void TF_Main::setTimerRunning(MatchTimer timer, bool running)
{
    (timer == MatchTimer::Play ? Timer1 : Timer2).setEnabled(running);
}

void TF_Main::appendToSeries(Player player, double value)
{
    (player == Player::One ? Series1 : Series2)->AddY(value);
}

void TF_Main::clearSeries(Player player)
{
    (player == Player::One ? Series1 : Series2)->Clear();
}
