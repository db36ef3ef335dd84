// The info window (modal) and the help window (modeless).
#include "support/programwindows.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {
template <typename Form>
int instancesOf()
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += qobject_cast<Form *>(w) != nullptr;
    return count;
}
} // namespace

class tst_SideWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void infoWindowTexts();
    void infoWindowKeys_data();
    void infoWindowKeys();
    void helpTextByteForByte();
    void helpWindowIsModelessAndSingle();
    void helpWindowKeepsItsStateWhenClosed();
    void helpTextCaretAndKeyboardSelection();
    void helpWindowKeepsItsNormalSizeThroughAMaximizedClose();
    void everyWindowShowsTheApplicationIcon();

private:
    std::unique_ptr<ProgramWindows> m_program;
};

void tst_SideWindows::init()
{
    m_program = std::make_unique<ProgramWindows>();
    QVERIFY(m_program->showMain());
}

void tst_SideWindows::cleanup() { m_program.reset(); }

void tst_SideWindows::infoWindowTexts()
{
    QCOMPARE(F_Info->windowTitle(), "Info");
    QCOMPARE(F_Info->size(), QSize(274, 337));
    QCOMPARE(F_Info->minimumSize(), F_Info->maximumSize());
    QVERIFY(!(F_Info->windowFlags() & Qt::WindowMaximizeButtonHint));
    const QStringList expected = {"Klopfomat", "V 1.027", "Entstanden unter", "mysteriösen Bedingungen",
                                  "in einer höchst geheimen", "Umgebung im Jahre 2001."};
    for (int i = 0; i < expected.size(); ++i) {
        auto *label = F_Info->findChild<QLabel *>(QStringLiteral("Label%1").arg(i + 1));
        QCOMPARE(label->text(), expected.at(i));
        QCOMPARE(label->x(), 24);
        // Sized to its text in the labels' font, inside the window.
        QVERIFY(label->geometry().right() < F_Info->width());
    }
    QVERIFY(!F_Info->Label7->text().isEmpty());
    QCOMPARE(F_Info->B_OK->text(), "OK");
    QVERIFY(F_Info->B_OK->isDefault());
    QCOMPARE(F_Info->B_OK->geometry(), QRect(96, 296, 75, 25));
}

void tst_SideWindows::infoWindowKeys_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Enter") << "Enter" << true;
    QTest::newRow("Space on OK") << "Space" << true;
    QTest::newRow("click OK") << "click" << true;
    QTest::newRow("close box") << "close" << true;
    QTest::newRow("Escape does nothing") << "Escape" << false;
    QTest::newRow("letters do nothing") << "letters" << false;
}

void tst_SideWindows::infoWindowKeys()
{
    QFETCH(QString, how);
    QFETCH(bool, closes);
    F_Main->E_TotalPlayer1->setFocus();
    bool stillShownAfter = false;
    QWidget *shown = nullptr;
    whenModalShows([&](QWidget *modal) {
        shown = modal;
        QCOMPARE(QApplication::focusWidget(), F_Info->B_OK);
        QVERIFY(!F_Main->isEnabled() || QApplication::activeModalWidget() == F_Info);
        if (how == u"Enter")
            QTest::keyClick(F_Info->B_OK, Qt::Key_Return);
        else if (how == u"Space")
            QTest::keyClick(F_Info->B_OK, Qt::Key_Space);
        else if (how == u"click")
            QTest::mouseClick(F_Info->B_OK, Qt::LeftButton);
        else if (how == u"close")
            F_Info->close();
        else if (how == u"Escape")
            QTest::keyClick(F_Info->B_OK, Qt::Key_Escape);
        else
            QTest::keyClicks(F_Info->B_OK, "aslk");
        QTest::qWait(50);
        stillShownAfter = F_Info->isVisible();
        F_Info->B_OK->click(); // let the test go on either way
    });
    F_Main->Info1->trigger();
    QCOMPARE(shown, F_Info);
    QCOMPARE(stillShownAfter, !closes);
    QVERIFY(F_Info->isHidden());
    // The same window, not destroyed, and the focus back where it was.
    QCOMPARE(instancesOf<TF_Info>(), 1);
    QTRY_COMPARE(QApplication::focusWidget(), F_Main->E_TotalPlayer1);
}

// The countdown keeps ticking behind the modal window, the fields keep
// changing, and keys typed into it count for nobody.
void tst_SideWindows::helpTextByteForByte()
{
    QFile expected(QFINDTESTDATA("helptext.txt"));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(expected.readAll());
    QCOMPARE(text.count(u'\n'), 35);
    QCOMPARE(F_Hilfe->Memo1->toPlainText(), text);
    QVERIFY(F_Hilfe->Memo1->isReadOnly());
    QCOMPARE(F_Hilfe->Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(F_Hilfe->windowTitle(), "Hilfe");
    QCOMPARE(F_Hilfe->size(), QSize(537, 337));
    QVERIFY(F_Hilfe->windowFlags() & Qt::WindowMaximizeButtonHint);
}

void tst_SideWindows::helpWindowIsModelessAndSingle()
{
    F_Main->Hilfe2->trigger();
    QVERIFY(F_Hilfe->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(F_Hilfe));
    QCOMPARE(QApplication::focusWidget(), F_Hilfe->Memo1);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // Keys typed there change nothing and count for nobody.
    ProgramWindows::driveTo(klopfomat::MatchPhase::Running);
    QTest::keyClicks(F_Hilfe->Memo1, "alsk");
    QCOMPARE(F_Main->E_TotalPlayer1->text(), "0");
    QCOMPARE(F_Hilfe->Memo1->toPlainText().left(3), "Q: ");

    // The main window is usable beside it; the menu entry brings it back.
    F_Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(F_Main));
    F_Main->Hilfe2->trigger();
    QVERIFY(QTest::qWaitForWindowActive(F_Hilfe));
    QCOMPARE(instancesOf<TF_Hilfe>(), 1);

    // Closing hides it and never ends the program or asks anything. (The
    // close itself answers "refused": the window is only hidden, not closed
    // for Qt, which would give up its native window.)
    const int quits = g_quitRequests;
    F_Hilfe->close();
    QVERIFY(F_Hilfe->isHidden());
    QCOMPARE(g_quitRequests, quits);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void tst_SideWindows::helpWindowKeepsItsStateWhenClosed()
{
    F_Main->Hilfe2Click(nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(F_Hilfe));
    F_Hilfe->resize(300, 120); // narrow: the text wraps and scrolls
    QTRY_VERIFY(F_Hilfe->Memo1->verticalScrollBar()->maximum() > 10);
    F_Hilfe->Memo1->verticalScrollBar()->setValue(7);
    QTest::qWait(20);
    const int scrolled = F_Hilfe->Memo1->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    const QSize size = F_Hilfe->size();
    F_Hilfe->close();
    F_Main->Hilfe2Click(nullptr);
    QVERIFY(F_Hilfe->isVisible());
    QCOMPARE(F_Hilfe->size(), size);
    QCOMPARE(F_Hilfe->Memo1->verticalScrollBar()->value(), scrolled);
    QCOMPARE(F_Hilfe->Memo1->size(), F_Hilfe->size()); // the text fills the window
}

// Closed while maximized, the help window comes back maximized, and restored
// it returns to its normal size and place; closing keeps its native window.
void tst_SideWindows::helpWindowKeepsItsNormalSizeThroughAMaximizedClose()
{
    F_Main->Hilfe2Click(nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(F_Hilfe));
    const QRect normal = F_Hilfe->geometry();
    const WId native = F_Hilfe->winId();
    F_Hilfe->showMaximized();
    QTRY_VERIFY(F_Hilfe->isMaximized() && F_Hilfe->geometry() != normal);
    F_Hilfe->close();
    QVERIFY(F_Hilfe->isHidden());
    QCOMPARE(F_Hilfe->winId(), native);

    F_Main->Hilfe2Click(nullptr);
    QTRY_VERIFY(F_Hilfe->isVisible() && F_Hilfe->isMaximized());
    F_Hilfe->showNormal();
    QTRY_COMPARE(F_Hilfe->geometry(), normal);
    QCOMPARE(F_Hilfe->winId(), native);
}

// The text box is read-only, but its caret shows and moves, and the keyboard
// selects; the caret's place survives closing and reopening.
void tst_SideWindows::helpTextCaretAndKeyboardSelection()
{
    F_Main->Hilfe2Click(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(F_Hilfe));
    QPlainTextEdit *memo = F_Hilfe->Memo1;
    QCOMPARE(QApplication::focusWidget(), memo);
    const QString text = memo->toPlainText();
    QVERIFY(memo->cursorWidth() > 0);
    QVERIFY(memo->textInteractionFlags() & Qt::TextSelectableByKeyboard);

    QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(memo->textCursor().position(), 0);
    QTest::keyClick(memo, Qt::Key_Down);
    const int secondLine = memo->textCursor().position();
    QVERIFY(secondLine > 0);
    QTest::keyClick(memo, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(memo->textCursor().selectedText(),
             QStringLiteral("A: Klicke im Menu auf [Datei] und wähle [Neues Spiel]"));
    QTest::keyClicks(memo, "xy");
    QTest::keyClick(memo, Qt::Key_Backspace);
    QTest::keyClick(memo, Qt::Key_Delete);
    QCOMPARE(memo->toPlainText(), text); // nothing typed changes it

    QTest::keyClick(memo, Qt::Key_Down);
    const int caret = memo->textCursor().position();
    F_Hilfe->close();
    F_Main->Hilfe2Click(nullptr);
    QVERIFY(F_Hilfe->isVisible());
    QCOMPARE(memo->textCursor().position(), caret);
}

void tst_SideWindows::everyWindowShowsTheApplicationIcon()
{
    const QImage expected(QStringLiteral(":/icons/klopfomat-32.png"));
    QCOMPARE(expected.size(), QSize(32, 32));
    QVERIFY(expected.hasAlphaChannel());
    QCOMPARE(qAlpha(expected.pixel(0, 31)), 0); // the mask leaves the corner clear
    for (QWidget *window : std::initializer_list<QWidget *>{F_Main, F_Info, F_Hilfe}) {
        const QImage shown = window->windowIcon().pixmap(32, 32).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                 expected.convertToFormat(QImage::Format_ARGB32));
    }
    QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(64, 64)));
}

QTEST_MAIN(tst_SideWindows)
#include "tst_sidewindows.moc"
