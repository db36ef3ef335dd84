// The main window: focus, keystroke routing, the default button, the tab
// cycle, a whole driven match, the close confirmation and error reports.
#include "formkit/confirmation.h"
#include "formkit/readonlyedit.h"
#include "support/programwindows.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QPainter>
#include <QStyleHints>

#include <QInputMethodEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusTipEvent>

namespace {
enum class ModalWindow { Confirmation, Info };

// The box's buttons read as given from left to right, and the row of them
// is centred below the message, whatever the desktop's own convention.
void buttonsInOrderAndCentred(QWidget *box, const QStringList &captions)
{
    QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton *a, QPushButton *b) { return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x(); });
    QStringList shown;
    for (QPushButton *button : std::as_const(buttons))
        shown << button->text().remove(u'&'); // GTK gives OK a mnemonic
    QCOMPARE(shown, captions);
    const int left = buttons.first()->mapTo(box, QPoint()).x();
    const int right = buttons.last()->mapTo(box, QPoint(buttons.last()->width(), 0)).x();
    QVERIFY2(qAbs((left + right) / 2 - box->width() / 2) <= 2,
             qPrintable(QStringLiteral("buttons %1..%2 in a box %3 wide").arg(left).arg(right).arg(box->width())));
}
}
Q_DECLARE_METATYPE(ModalWindow)

class tst_MainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsIdle();
    void fontAtItsDesignedHeight();
    void statusTextsShowWhole();
    void fieldsShowACaretAndKeepTheirText();
    void errorInTheCloseHandlerRefusesTheClose();
    void focusAfterStartIsPlayer2sScoreField();
    void typedCharactersReachTheEngine_data();
    void typedCharactersReachTheEngine();
    void clicksElsewhereLeaveTheFocus_data();
    void clicksElsewhereLeaveTheFocus();
    void enterClicksTheStartButtonAnywhere_data();
    void enterClicksTheStartButtonAnywhere();
    void tabCycle_data();
    void tabCycle();
    void wholeDrivenMatch();
    void statusTipsLeaveTheStatusLineAlone();
    void closeConfirmation_data();
    void closeConfirmation();
    void refusedTimerIsReportedAndANewGameRecovers();
    void foreignCharactersAndInputMethodTextCountForNobody();
    void hundredThousandKeystrokesInOneSecond();
    void matchGoesOnBehindAModalWindow_data();
    void matchGoesOnBehindAModalWindow();

private:
    std::unique_ptr<ProgramWindows> m_program;
};

void tst_MainWindow::init()
{
    m_program = std::make_unique<ProgramWindows>();
    QVERIFY(m_program->showMain());
}

void tst_MainWindow::cleanup() { m_program.reset(); }

void tst_MainWindow::startsIdle()
{
    QCOMPARE(F_Main->windowTitle(), "Klopfomat");
    QCOMPARE(ProgramWindows::status(), "Starte im Menu [Datei] neues Spiel...");
    QVERIFY(!F_Main->B_Go->isEnabled());
    QVERIFY(F_Main->B_Go->isDefault());
    QVERIFY(!F_Main->Timer1.enabled() && !F_Main->Timer2.enabled());
    for (QLineEdit *field : {F_Main->E_ScorePlayer1, F_Main->E_ScorePlayer2, F_Main->E_BestResultPlayer1,
                             F_Main->E_BestResultPlayer2, F_Main->E_TotalPlayer1, F_Main->E_TotalPlayer2}) {
        QCOMPARE(field->text(), "0");
        QVERIFY(field->isReadOnly());
    }
    QCOMPARE(F_Main->Series1->Count(), 0);
    // The client area below the menu bar is 480 × 339 and cannot be resized.
    QCOMPARE(F_Main->size().width(), 480);
    QCOMPARE(F_Main->height() - F_Main->MainMenu1->height(), 339);
    QCOMPARE(F_Main->minimumSize(), F_Main->maximumSize());
    QVERIFY(!(F_Main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(F_Main->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(F_Info->isHidden() && F_Hilfe->isHidden());
}

// The layout data gives the window font as 11 pixels high. The labels size
// themselves to their text in the face that stands in for the designed one,
// which runs up to three pixels wider than the designed widths: each still
// shows its whole text inside its group, clear of the group's right edge.
void tst_MainWindow::fontAtItsDesignedHeight()
{
    QCOMPARE(QFontInfo(F_Main->font()).pixelSize(), 11);
    QCOMPARE(QFontInfo(F_Main->E_TotalPlayer1->font()).pixelSize(), 11);
    const std::pair<QLabel *, int> designed[] = {
        {F_Main->Label1, 75}, {F_Main->Label2, 75}, {F_Main->Label3, 130}, {F_Main->Label4, 129},
        {F_Main->Label5, 61}, {F_Main->Label6, 61}, {F_Main->Label7, 55}, {F_Main->Label8, 55}};
    for (const auto &[label, width] : designed) {
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text())
                     && label->width() <= width + 3,
                 qPrintable(QStringLiteral("%1: %2 wide, designed %3").arg(label->text()).arg(label->width()).arg(width)));
        QVERIFY(label->parentWidget()->contentsRect().contains(label->geometry()));
    }
}

// Every text the status line shows stands whole in its panel: the panel's
// inside shows as much ink as the text drawn alone in the same font.
void tst_MainWindow::statusTextsShowWhole()
{
    QLabel *panel = F_Main->StatusBar1->panel();
    QCOMPARE(F_Main->StatusBar1->height(), 19);
    const auto ink = [](const QImage &image, const QRect &area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += qGray(image.pixel(x, y)) < 128;
        return count;
    };
    for (const QString &text :
         {QStringLiteral("Starte im Menu [Datei] neues Spiel..."), QStringLiteral("Bereit zum spielen..."),
          QStringLiteral("Spielbeginn in 4s"), QStringLiteral("Spielzeit -29s"),
          QStringLiteral("Spieler 2 hat mit 4611686014132420609 Punkten gewonnen!"),
          QStringLiteral("Ihr seid beide gleich gut! (1080 Punkte)")}) {
        F_Main->StatusBar1->setPanelText(text);
        const qreal ratio = panel->devicePixelRatioF();
        const QImage shown = panel->grab().toImage();
        const QRect inside(panel->contentsRect().topLeft() * ratio, panel->contentsRect().size() * ratio);

        // The same text in a label of the same font with room to spare.
        QLabel alone(text);
        alone.setFont(panel->font());
        alone.resize(panel->width(), 100);
        const QImage roomy = alone.grab().toImage();
        const int whole = ink(roomy, roomy.rect());
        const int inPanel = ink(shown, inside);
        QVERIFY2(inPanel == whole,
                 qPrintable(QStringLiteral("%1: %2 of %3 pixels of ink").arg(text).arg(inPanel).arg(whole)));
    }
}

// The six fields show a blinking caret while focused; it moves and selects
// with the keyboard, Ctrl+C copies, and nothing typed changes the text.
void tst_MainWindow::fieldsShowACaretAndKeepTheirText()
{
    auto *field = qobject_cast<formkit::ReadOnlyEdit *>(F_Main->E_TotalPlayer2);
    QVERIFY(field);
    field->setText(QStringLiteral("12345"));
    const auto caretPixels = [field] {
        const QImage image = field->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const QRect around = field->caretRect();
        int dark = 0;
        for (int y = qRound(around.top() * ratio); y < qRound((around.bottom() + 1) * ratio); ++y)
            dark += qGray(image.pixel(qRound(around.center().x() * ratio), y)) < 100;
        return dark;
    };
    F_Main->E_ScorePlayer1->setFocus();
    field->setCursorPosition(2);
    const int withoutCaret = caretPixels();
    field->setFocus();
    QVERIFY(field->caretShown());
    field->deselect();
    field->setCursorPosition(2);
    QVERIFY2(caretPixels() >= withoutCaret + 5, qPrintable(QString::number(withoutCaret)));
    if (QGuiApplication::styleHints()->cursorFlashTime() > 0)
        QTRY_VERIFY(!field->caretShown()); // it blinks

    QTest::keyClick(field, Qt::Key_Home);
    QCOMPARE(field->cursorPosition(), 0);
    QTest::keyClick(field, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(field->selectedText(), "12");
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "12");
    QTest::keyClick(field, Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(field->selectedText(), "345");
    QTest::keyClicks(field, "x9");
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text(), "12345");
}

void tst_MainWindow::focusAfterStartIsPlayer2sScoreField()
{
    QCOMPARE(QApplication::focusWidget(), F_Main->E_ScorePlayer2);
    // Typing there reaches the key handler but changes no field.
    QTest::keyClicks(F_Main->E_ScorePlayer2, "aslk");
    QCOMPARE(F_Main->E_ScorePlayer2->text(), "0");
}

void tst_MainWindow::typedCharactersReachTheEngine_data()
{
    QTest::addColumn<QString>("focus");
    for (const char *name : {"E_ScorePlayer2", "E_BestResultPlayer2", "E_TotalPlayer2", "E_ScorePlayer1",
                             "E_BestResultPlayer1", "E_TotalPlayer1", "B_Go", "F_Main"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// From whichever control holds the focus, and from the window itself once
// the start button has disabled itself, the players' keys are counted.
void tst_MainWindow::typedCharactersReachTheEngine()
{
    QFETCH(QString, focus);
    F_Main->NeuesSpiel1Click(nullptr);
    QWidget *target = focus == u"F_Main" ? static_cast<QWidget *>(F_Main)
                                          : F_Main->findChild<QWidget *>(focus);
    QVERIFY(target);
    if (target == F_Main->B_Go) {
        F_Main->B_Go->setFocus();
        QTest::keyClick(F_Main->B_Go, Qt::Key_Space); // clicks it, as a player would
        QCOMPARE(QApplication::focusWidget(), F_Main); // the button handed the focus on
        target = F_Main;
    } else {
        F_Main->B_GoClick(nullptr);
        target->setFocus();
    }
    for (int tick = 0; tick < 5; ++tick)
        F_Main->Timer2Timer(nullptr);
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClicks(target, "alskaxAL");
    QCOMPARE(F_Main->E_TotalPlayer1->text(), "3");
    QCOMPARE(F_Main->E_TotalPlayer2->text(), "2");
    F_Main->Timer1Timer(nullptr);
    QCOMPARE(F_Main->E_ScorePlayer1->text(), "3");
}

void tst_MainWindow::clicksElsewhereLeaveTheFocus_data()
{
    QTest::addColumn<QString>("clicked");
    for (const char *name : {"Chart_Player1", "GroupBox1", "Label5", "StatusBar1", "Bevel1", "ClientArea"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_MainWindow::clicksElsewhereLeaveTheFocus()
{
    QFETCH(QString, clicked);
    F_Main->E_TotalPlayer1->setFocus();
    auto *target = F_Main->findChild<QWidget *>(clicked);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(QApplication::focusWidget(), F_Main->E_TotalPlayer1);
}

void tst_MainWindow::enterClicksTheStartButtonAnywhere_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("starts");
    QTest::newRow("in a field") << "E_TotalPlayer1" << int(Qt::NoModifier) << true;
    QTest::newRow("on the button") << "B_Go" << int(Qt::NoModifier) << true;
    QTest::newRow("keypad enter") << "E_ScorePlayer2" << int(Qt::KeypadModifier) << true;
    QTest::newRow("with shift") << "E_TotalPlayer1" << int(Qt::ShiftModifier) << false;
    QTest::newRow("with control") << "E_TotalPlayer1" << int(Qt::ControlModifier) << false;
}

void tst_MainWindow::enterClicksTheStartButtonAnywhere()
{
    QFETCH(QString, focus);
    QFETCH(int, modifiers);
    QFETCH(bool, starts);
    F_Main->NeuesSpiel1Click(nullptr);
    auto *target = F_Main->findChild<QWidget *>(focus);
    target->setFocus();
    const auto key = modifiers & Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return;
    QTest::keyClick(target, key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(F_Main->Timer2.enabled(), starts);
    QCOMPARE(F_Main->B_Go->isEnabled(), !starts);

    // With the button disabled, Enter changes nothing.
    if (starts) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(F_Main->Timer2.enabled());
        QCOMPARE(ProgramWindows::status(), "Bereit zum spielen...");
    }
}

void tst_MainWindow::tabCycle_data()
{
    QTest::addColumn<bool>("startEnabled");
    QTest::addColumn<QStringList>("order");
    const QStringList fields = {"E_BestResultPlayer2", "E_TotalPlayer2", "E_ScorePlayer1",
                                "E_BestResultPlayer1", "E_TotalPlayer1"};
    QTest::newRow("button disabled") << false << (fields + QStringList{"E_ScorePlayer2"});
    QTest::newRow("button enabled") << true << (fields + QStringList{"B_Go", "E_ScorePlayer2"});
}

void tst_MainWindow::tabCycle()
{
    QFETCH(bool, startEnabled);
    QFETCH(QStringList, order);
    if (startEnabled)
        F_Main->NeuesSpiel1Click(nullptr);
    F_Main->E_ScorePlayer2->setFocus();
    QStringList visited;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);

    // Shift+Tab walks back the same way.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), order.at(order.size() - 2));
}

void tst_MainWindow::wholeDrivenMatch()
{
    F_Main->NeuesSpiel1Click(nullptr);
    F_Main->B_GoClick(nullptr);
    QCOMPARE(ProgramWindows::status(), "Bereit zum spielen...");
    QVERIFY(F_Main->Timer2.enabled());
    for (int left = 4; left >= 1; --left) {
        F_Main->Timer2Timer(nullptr);
        QCOMPARE(ProgramWindows::status(), QStringLiteral("Spielbeginn in %1s").arg(left));
    }
    F_Main->Timer2Timer(nullptr);
    QVERIFY(!F_Main->Timer2.enabled());
    QVERIFY(F_Main->Timer1.enabled());

    QWidget *focus = QApplication::focusWidget();
    for (int tick = 1; tick <= 30; ++tick) {
        // Player 1 types one more pair each second, player 2 always three.
        for (int pair = 0; pair < tick; ++pair)
            QTest::keyClicks(focus, "as");
        QTest::keyClicks(focus, "lklklk");
        F_Main->Timer1Timer(nullptr);
        QCOMPARE(F_Main->E_ScorePlayer1->text(), QString::number(2 * tick));
        if (tick < 30)
            QCOMPARE(ProgramWindows::status(), QStringLiteral("Spielzeit -%1s").arg(30 - tick));
    }
    QVERIFY(!F_Main->Timer1.enabled());
    QCOMPARE(F_Main->E_BestResultPlayer1->text(), "60");
    QCOMPARE(F_Main->E_TotalPlayer1->text(), "930");
    QCOMPARE(F_Main->E_BestResultPlayer2->text(), "6");
    QCOMPARE(F_Main->E_TotalPlayer2->text(), "180");
    QCOMPARE(ProgramWindows::status(), "Spieler 1 hat mit 55800 Punkten gewonnen!");
    QCOMPARE(F_Main->Series1->Count(), 30);
    QCOMPARE(F_Main->Series2->Count(), 30);
    QCOMPARE(F_Main->Series1->points().back().y, 60.0);
    QVERIFY(!F_Main->B_Go->isEnabled());

    // Keys are closed now; a new game empties both charts.
    QTest::keyClicks(focus, "as");
    QCOMPARE(F_Main->E_TotalPlayer1->text(), "930");
    F_Main->NeuesSpiel1Click(nullptr);
    QCOMPARE(F_Main->Series1->Count(), 0);
    QCOMPARE(F_Main->Series2->Count(), 0);
}

void tst_MainWindow::statusTipsLeaveTheStatusLineAlone()
{
    F_Main->NeuesSpiel1Click(nullptr);
    QStatusTipEvent tip(QStringLiteral("some tip"));
    QApplication::sendEvent(F_Main, &tip);
    QStatusTipEvent empty(QString{});
    QApplication::sendEvent(F_Main, &empty);
    QCOMPARE(ProgramWindows::status(), "Bereit zum spielen...");
    QVERIFY(F_Main->StatusBar1->panel()->isVisible());
}

void tst_MainWindow::closeConfirmation_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("click Ja") << "click Ja" << true;
    QTest::newRow("Enter") << "Enter" << true;
    QTest::newRow("J") << "J" << true;
    QTest::newRow("click Nein") << "click Nein" << false;
    QTest::newRow("N") << "N" << false;
    QTest::newRow("Escape") << "Escape" << false;
    QTest::newRow("dialog's close box") << "close" << false;
}

void tst_MainWindow::closeConfirmation()
{
    QFETCH(QString, answer);
    QFETCH(bool, ends);
    F_Main->NeuesSpiel1Click(nullptr);
    F_Main->B_GoClick(nullptr);
    const int quitsBefore = g_quitRequests;

    QString caption, text;
    bool question = false;
    whenModalShows([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        caption = box->windowTitle();
        text = box->text();
        question = box->icon() == QMessageBox::Question;
        QCOMPARE(box->defaultButton()->text(), "&Ja");
        QTRY_COMPARE(QApplication::focusWidget(), box->defaultButton());
        buttonsInOrderAndCentred(box, {"Ja", "Nein"});
        if (answer == u"click Ja")
            box->findChild<QPushButton *>("Ja")->click();
        else if (answer == u"click Nein")
            box->findChild<QPushButton *>("Nein")->click();
        else if (answer == u"Enter")
            QTest::keyClick(box, Qt::Key_Return);
        else if (answer == u"J")
            QTest::keyClick(box, Qt::Key_J);
        else if (answer == u"N")
            QTest::keyClick(box, Qt::Key_N);
        else if (answer == u"Escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    });
    F_Main->Beenden1->trigger();

    QCOMPARE(caption, "Bestätigung");
    QCOMPARE(text, "Ist deine Tastatur wirklich schon zur Sau?");
    QVERIFY(question);
    QCOMPARE(g_quitRequests - quitsBefore, ends ? 1 : 0);
    if (!ends) {
        // Nothing changed: the countdown still runs, the window is there.
        QVERIFY(F_Main->isVisible());
        QVERIFY(F_Main->Timer2.enabled());
        QCOMPARE(ProgramWindows::status(), "Bereit zum spielen...");
    }
}

void tst_MainWindow::errorInTheCloseHandlerRefusesTheClose()
{
    formkit::replaceConfirmationForTesting(
        [](const QString &) -> bool { throw std::runtime_error("Kein Fenster mehr frei"); });
    const int quitsBefore = g_quitRequests;
    QString text;
    whenModalShows([&](QWidget *modal) {
        text = qobject_cast<QMessageBox *>(modal)->text();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    F_Main->Beenden1->trigger();
    formkit::replaceConfirmationForTesting(nullptr);
    QCOMPARE(text, "Kein Fenster mehr frei.");
    QCOMPARE(g_quitRequests, quitsBefore);
    QVERIFY(F_Main->isVisible());
}

void tst_MainWindow::refusedTimerIsReportedAndANewGameRecovers()
{
    F_Main->NeuesSpiel1Click(nullptr);
    os::Timer::setCapacityForTesting(0);
    QString caption, text;
    bool critical = false;
    whenModalShows([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        caption = box->windowTitle();
        text = box->text();
        critical = box->icon() == QMessageBox::Critical;
        buttonsInOrderAndCentred(box, {"OK"});
        box->button(QMessageBox::Ok)->click();
    });
    QTest::keyClick(F_Main->E_ScorePlayer2, Qt::Key_Return); // the start button, through Enter
    QCOMPARE(caption, "Klopfomat");
    QCOMPARE(text, "Nicht genügend Timer verfügbar.");
    QVERIFY(critical);
    // The handler stopped at the failed start: the button is still enabled.
    QVERIFY(F_Main->B_Go->isEnabled());
    QVERIFY(!F_Main->Timer2.enabled());

    os::Timer::setCapacityForTesting(std::nullopt);
    F_Main->NeuesSpiel1Click(nullptr);
    QCOMPARE(ProgramWindows::status(), "Bereit zum spielen...");
    F_Main->B_Go->click();
    QVERIFY(F_Main->Timer2.enabled());
}

void tst_MainWindow::foreignCharactersAndInputMethodTextCountForNobody()
{
    ProgramWindows::driveTo(klopfomat::MatchPhase::Running);
    QWidget *focus = QApplication::focusWidget();
    for (const QString &text : {QStringLiteral("ж"), QStringLiteral("😀"), QStringLiteral("€"),
                                QStringLiteral("ä"), QStringLiteral("аѕ"), QStringLiteral("ａ")}) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(focus, &key);
    }
    QInputMethodEvent composing(QStringLiteral("al"), {});
    QApplication::sendEvent(focus, &composing);
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("alsk"));
    QApplication::sendEvent(focus, &committed);
    QCOMPARE(F_Main->E_TotalPlayer1->text(), "0");
    QCOMPARE(F_Main->E_TotalPlayer2->text(), "0");
    QCOMPARE(F_Main->E_ScorePlayer2->text(), "0");
    // The alternation is untouched: "a" still counts first.
    QTest::keyClicks(focus, "al");
    QCOMPARE(F_Main->E_TotalPlayer1->text(), "1");
    QCOMPARE(F_Main->E_TotalPlayer2->text(), "1");
}

// An automated player: every keystroke is counted, and the verdict shows
// the true product, far beyond 32 bits.
void tst_MainWindow::hundredThousandKeystrokesInOneSecond()
{
    ProgramWindows::driveTo(klopfomat::MatchPhase::Running);
    QWidget *focus = QApplication::focusWidget();
    for (int i = 0; i < 100000; ++i) {
        QKeyEvent key(QEvent::KeyPress, i % 2 ? Qt::Key_S : Qt::Key_A, Qt::NoModifier,
                      QString(QChar(i % 2 ? 's' : 'a')));
        QApplication::sendEvent(focus, &key);
    }
    QCOMPARE(F_Main->E_TotalPlayer1->text(), "100000");
    for (int tick = 0; tick < 30; ++tick)
        F_Main->Timer1Timer(nullptr);
    QCOMPARE(F_Main->E_BestResultPlayer1->text(), "100000");
    QCOMPARE(ProgramWindows::status(), "Spieler 1 hat mit 10000000000 Punkten gewonnen!");
}

void tst_MainWindow::matchGoesOnBehindAModalWindow_data()
{
    QTest::addColumn<ModalWindow>("modal");
    QTest::newRow("close confirmation") << ModalWindow::Confirmation;
    QTest::newRow("info window") << ModalWindow::Info;
}

// The countdown and the play clock tick on behind a modal window, and the
// keys typed into it count for nobody.
void tst_MainWindow::matchGoesOnBehindAModalWindow()
{
    QFETCH(ModalWindow, modal);
    F_Main->Timer1.setInterval(100);
    F_Main->Timer2.setInterval(100);
    F_Main->NeuesSpiel1Click(nullptr);
    F_Main->B_GoClick(nullptr);
    QStringList seen;
    QString totalWhileOpen;
    whenModalShows([&](QWidget *window) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 900) {
            QTest::keyClicks(window->focusWidget(), "al"); // goes to the modal window
            QTest::qWait(10);
            if (seen.isEmpty() || seen.last() != ProgramWindows::status())
                seen << ProgramWindows::status();
        }
        totalWhileOpen = F_Main->E_TotalPlayer1->text();
        if (modal == ModalWindow::Confirmation)
            QTest::keyClick(window, Qt::Key_N);
        else
            F_Info->B_OK->click();
    });
    if (modal == ModalWindow::Confirmation)
        F_Main->Beenden1Click(nullptr);
    else
        F_Main->Info1Click(nullptr);
    QVERIFY2(seen.contains("Spielbeginn in 1s"), qPrintable(seen.join(", ")));
    QVERIFY2(seen.last().startsWith("Spielzeit -"), qPrintable(seen.join(", ")));
    QCOMPARE(totalWhileOpen, "0");
    QCOMPARE(F_Main->E_TotalPlayer1->text(), "0");
    QVERIFY(F_Main->Timer1.enabled());
    QVERIFY(F_Main->isVisible());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
