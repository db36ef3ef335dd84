#include "main.h"

#include "ui_main.h"

#include "chart/ratechart.h"
#include "formkit/confirmation.h"
#include "formkit/errorreport.h"
#include "formkit/formsettings.h"
#include "formkit/keyrouter.h"
#include "formkit/statusbar.h"
#include "hilfe.h"
#include "info.h"

#include <QCloseEvent>

using klopfomat::MatchTimer;
using klopfomat::NumberField;
using klopfomat::Player;
using formkit::guarded;

TF_Main *F_Main = nullptr;
klopfomat::Match TheMatch;

TF_Main::TF_Main(QWidget *parent) : QMainWindow(parent), m_layout(std::make_unique<Ui::TF_MAIN>())
{
    Ui::TF_MAIN &ui = *m_layout;
    ui.setupUi(this);
    Bevel1 = ui.Bevel1;
    GP_Player1 = ui.GP_Player1;
    Label1 = ui.Label1;
    Label3 = ui.Label3;
    Label5 = ui.Label5;
    Label7 = ui.Label7;
    E_ScorePlayer1 = ui.E_ScorePlayer1;
    E_BestResultPlayer1 = ui.E_BestResultPlayer1;
    E_TotalPlayer1 = ui.E_TotalPlayer1;
    Chart_Player1 = ui.Chart_Player1;
    GroupBox1 = ui.GroupBox1;
    Label2 = ui.Label2;
    Label4 = ui.Label4;
    Label6 = ui.Label6;
    Label8 = ui.Label8;
    E_ScorePlayer2 = ui.E_ScorePlayer2;
    E_BestResultPlayer2 = ui.E_BestResultPlayer2;
    E_TotalPlayer2 = ui.E_TotalPlayer2;
    Chart_Player2 = ui.Chart_Player2;
    B_Go = ui.B_Go;
    MainMenu1 = ui.MainMenu1;
    File1 = ui.File1;
    Hilfe1 = ui.Hilfe1;
    NeuesSpiel1 = ui.NeuesSpiel1;
    Beenden1 = ui.Beenden1;
    Hilfe2 = ui.Hilfe2;
    Info1 = ui.Info1;
    StatusBar1 = ui.StatusBar1;
    formkit::applyFormSettings(this);
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
    connect(&Timer1, &os::Timer::OnTimer, this, [this] { Timer1Timer(&Timer1); });
    connect(&Timer2, &os::Timer::OnTimer, this, [this] { Timer2Timer(&Timer2); });
    connect(B_Go, &QPushButton::clicked, this, [this] { B_GoClick(B_Go); });
    connect(NeuesSpiel1, &QAction::triggered, this, [this] { NeuesSpiel1Click(NeuesSpiel1); });
    connect(Beenden1, &QAction::triggered, this, [this] { Beenden1Click(Beenden1); });
    connect(Hilfe2, &QAction::triggered, this, [this] { Hilfe2Click(Hilfe2); });
    connect(Info1, &QAction::triggered, this, [this] { Info1Click(Info1); });

    // The window, the six fields and the start button all hand their typed
    // characters to FormKeyPress; they are the only things that take focus.
    m_keys = new formkit::KeyRouter(
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

void TF_Main::FormClose(QObject *, formkit::CloseAction &Action)
{
    // Runs inside the close operation, which reports an error raised here.
    Action = formkit::confirm(QStringLiteral("Ist deine Tastatur wirklich schon zur Sau?"))
        ? formkit::CloseAction::caFree
        : formkit::CloseAction::caNone;
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
// an error raised in it is reported and refuses too; otherwise, this being
// the main window, the application ends.
void TF_Main::closeEvent(QCloseEvent *event)
{
    formkit::CloseAction action = formkit::CloseAction::caHide;
    const bool handled = guarded([&] { FormClose(this, action); });
    if (!handled || action == formkit::CloseAction::caNone) {
        event->ignore();
        return;
    }
    event->accept();
    formkit::quitApplication();
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
