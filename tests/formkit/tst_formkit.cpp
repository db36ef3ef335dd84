// The form behaviours: error texts, the character set, and the routing of
// typed characters.
#include "formkit/errorreport.h"
#include "formkit/keyrouter.h"
#include "formkit/windows1252.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

class tst_FormKit : public QObject {
    Q_OBJECT

private slots:
    void fullStopRule_data();
    void fullStopRule();
    void windows1252_data();
    void windows1252();
    void eachCharacterReachesTheHandlerOnce_data();
    void eachCharacterReachesTheHandlerOnce();
    void keysThatAreNoCharacters();
};

void tst_FormKit::fullStopRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Nicht genügend Timer verfügbar" << "Nicht genügend Timer verfügbar.";
    QTest::newRow("full stop") << "Fertig." << "Fertig.";
    QTest::newRow("exclamation") << "Halt!" << "Halt!";
    QTest::newRow("blank") << "Ende " << "Ende ";
    QTest::newRow("comma") << "eins," << "eins,";
    QTest::newRow("slash is above the full stop") << "a/" << "a/.";
    QTest::newRow("umlaut") << "Tür" << "Tür.";
    QTest::newRow("empty") << "" << ".";
}

void tst_FormKit::fullStopRule()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(formkit::withFullStop(message), shown);
}

void tst_FormKit::windows1252_data()
{
    QTest::addColumn<uint>("codePoint");
    QTest::addColumn<int>("byte"); // -1: none
    QTest::newRow("a") << uint('a') << int('a');
    QTest::newRow("carriage return") << 13u << 13;
    QTest::newRow("escape") << 27u << 27;
    QTest::newRow("a umlaut") << 0xE4u << 0xE4;
    QTest::newRow("y diaeresis") << 0xFFu << 0xFF;
    QTest::newRow("euro") << 0x20ACu << 0x80;
    QTest::newRow("left double quote") << 0x201Cu << 0x93;
    QTest::newRow("C1 control") << 0x81u << -1;
    QTest::newRow("cyrillic a") << 0x430u << -1;
    QTest::newRow("emoji") << 0x1F600u << -1;
}

void tst_FormKit::windows1252()
{
    QFETCH(uint, codePoint);
    QFETCH(int, byte);
    const auto mapped = formkit::toWindows1252(char32_t(codePoint));
    QCOMPARE(mapped ? int(*mapped) : -1, byte);
}

namespace {

// A window with two read-only fields and a default button, routed like the
// main window.
struct RoutedWindow {
    QWidget window;
    QLineEdit *first = new QLineEdit(&window);
    QLineEdit *second = new QLineEdit(&window);
    QPushButton *button = new QPushButton(QStringLiteral("Go"), &window);
    QByteArray received;
    int clicks = 0;

    RoutedWindow()
    {
        window.setObjectName(QStringLiteral("window"));
        first->setObjectName(QStringLiteral("first"));
        second->setObjectName(QStringLiteral("second"));
        button->setObjectName(QStringLiteral("button"));
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : std::initializer_list<QWidget *>{first, second, button})
            layout->addWidget(w);
        first->setReadOnly(true);
        second->setReadOnly(true);
        QObject::connect(button, &QPushButton::clicked, [this] {
            ++clicks;
            router->parkFocusOnWindow();
            button->setEnabled(false);
        });
        router = new formkit::KeyRouter(&window, {first, second, button}, button,
                                         [this](QObject *, char &key) { received += key; });
        window.show();
        window.activateWindow();
    }
    formkit::KeyRouter *router;
};

} // namespace

void tst_FormKit::eachCharacterReachesTheHandlerOnce_data()
{
    QTest::addColumn<QString>("holder"); // the object name of what holds the focus
    QTest::newRow("first field") << "first";
    QTest::newRow("second field") << "second";
    QTest::newRow("button") << "button";
    QTest::newRow("window") << "window";
}

void tst_FormKit::eachCharacterReachesTheHandlerOnce()
{
    QFETCH(QString, holder);
    RoutedWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QWidget *target = w.window.objectName() == holder ? &w.window
                                                      : w.window.findChild<QWidget *>(holder);
    QVERIFY(target);
    target->setFocus();
    w.button->setDefault(true);
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClicks(target, "as lk");
    QTest::keyClick(target, Qt::Key_Escape);
    QTest::keyClick(target, 'A', Qt::ShiftModifier);
    QCOMPARE(w.received, QByteArray("as lk\x1b" "A"));
    // A character outside the Western set arrives as one substitute.
    QKeyEvent cyrillic(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x430)));
    QApplication::sendEvent(target, &cyrillic);
    QCOMPARE(w.received.right(1), QByteArray("?"));
    // The blank clicked the focused button, which then handed the focus to
    // the window; no character was lost or doubled on the way.
    QCOMPARE(w.clicks, target == w.button ? 1 : 0);
}

void tst_FormKit::keysThatAreNoCharacters()
{
    RoutedWindow w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.first->setFocus();
    QTest::keyClick(w.first, Qt::Key_A, Qt::AltModifier); // a mnemonic
    // The desktop's own shortcuts: Super, and Hyper, which X maps onto it.
    for (Qt::Key key : {Qt::Key_A, Qt::Key_S, Qt::Key_L, Qt::Key_K})
        QTest::keyClick(w.first, key, Qt::MetaModifier);
    QTest::keyClick(w.first, Qt::Key_Tab);                // navigation
    QCOMPARE(QApplication::focusWidget(), w.second);
    QTest::keyClick(w.second, Qt::Key_Shift);             // no text at all
    QCOMPARE(w.received, QByteArray());

    // Shift+Enter is a character; Enter clicks the enabled default button.
    QTest::keyClick(w.second, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(w.clicks, 0);
    QCOMPARE(w.received, QByteArray("\r"));
    QTest::keyClick(w.second, Qt::Key_Return);
    QCOMPARE(w.clicks, 1);
    QCOMPARE(w.received, QByteArray("\r"));
    // Disabled now: Enter is a character again.
    QTest::keyClick(w.second, Qt::Key_Return);
    QCOMPARE(w.clicks, 1);
    QCOMPARE(w.received, QByteArray("\r\r"));
}

QTEST_MAIN(tst_FormKit)
#include "tst_formkit.moc"
