// Benchmarks of the game, each figure printed as a median beside a baseline
// measured in the same run. Runs on Qt's offscreen platform unless another
// is given. Usage: klopfomat_bench [--quick]
#include "chart/ratechart.h"
#include "support/programwindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

bool g_quick = false;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(std::ceil(p * v.size())) - 1)];
}

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The peak of this process image (getrusage's maximum would carry over the
// parent's across exec).
long peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

struct Row {
    std::string figure, measured, baseline, ratio, goal;
    bool met;
};
std::vector<Row> g_rows;

std::string fmt(const char *format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// The program's windows as the main block creates them, with the real
// one-second timers.
constexpr int RealTicks = os::Timer::DefaultInterval;

// A minimal window of the same make: a menu, three fields and a status bar.
struct BaselineWindow {
    QMainWindow window;
    QLineEdit *fields[3];
    BaselineWindow()
    {
        window.menuBar()->addMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Neu"));
        auto *central = new QWidget;
        auto *layout = new QVBoxLayout(central);
        for (auto *&field : fields) {
            field = new QLineEdit(QStringLiteral("0"));
            field->setReadOnly(true);
            layout->addWidget(field);
        }
        window.setCentralWidget(central);
        window.statusBar()->showMessage(QStringLiteral("Bereit"));
    }
};

void sendKey(QWidget *target, char c)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (c - 'a'), Qt::NoModifier, QString(QChar(c)));
    QApplication::sendEvent(target, &press);
}

// --- tick timing ----------------------------------------------------------

void tickTiming()
{
    ProgramWindows program(RealTicks);
    F_Main->show();
    std::vector<double> ticks, coarse;
    QElapsedTimer clock;
    auto stamp = [&](std::vector<double> &into) { into.push_back(clock.nsecsElapsed() / 1e6); };
    // A tick counts when its handler starts: stamp first, then the handler.
    for (os::Timer *timer : {&F_Main->Timer1, &F_Main->Timer2}) {
        QObject::disconnect(timer, &os::Timer::OnTimer, F_Main, nullptr);
        QObject::connect(timer, &os::Timer::OnTimer, [&] { stamp(ticks); });
    }
    QObject::connect(&F_Main->Timer2, &os::Timer::OnTimer, F_Main,
                     [] { F_Main->Timer2Timer(&F_Main->Timer2); });
    QObject::connect(&F_Main->Timer1, &os::Timer::OnTimer, F_Main,
                     [] { F_Main->Timer1Timer(&F_Main->Timer1); });
    QTimer baseline; // Qt's default: a coarse timer
    QObject::connect(&baseline, &QTimer::timeout, [&] {
        stamp(coarse);
        if (coarse.size() == 35)
            baseline.stop();
    });

    F_Main->NeuesSpiel1Click(nullptr);
    clock.start();
    F_Main->B_Go->click();
    baseline.start(1000);
    while (ticks.size() < 35 || coarse.size() < 35)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);

    auto offsets = [](const std::vector<double> &at) {
        std::vector<double> off;
        for (std::size_t k = 0; k < at.size(); ++k)
            off.push_back(std::abs(at[k] - 1000.0 * (k + 1)));
        return off;
    };
    const auto ours = offsets(ticks), theirs = offsets(coarse);
    const double med = median(ours), worst = *std::max_element(ours.begin(), ours.end());
    const double last = ticks.back() - 35000.0;
    const double baseMed = median(theirs);
    g_rows.push_back({"tick timing: median offset", fmt("%.3f ms", med), fmt("%.3f ms", baseMed),
                      fmt("%.3f", med / baseMed), "<= 0.5 ms", med <= 0.5});
    g_rows.push_back({"tick timing: worst offset", fmt("%.3f ms", worst),
                      fmt("%.3f ms", *std::max_element(theirs.begin(), theirs.end())), "", "<= 3 ms",
                      worst <= 3});
    g_rows.push_back({"tick timing: 30th play tick vs 35 s", fmt("%+.3f ms", last),
                      fmt("%+.3f ms", coarse.back() - 35000.0), "", "within 5 ms",
                      std::abs(last) <= 5});
}

// --- keystrokes -----------------------------------------------------------

void keystrokes()
{
    const int n = g_quick ? 50000 : 200000;
    const int repeats = g_quick ? 3 : 7;
    std::vector<double> rates, baseRates, latencies, baseLatencies;
    bool lost = false;

    ProgramWindows program(RealTicks);
    F_Main->Timer1.setInterval(24 * 3600 * 1000);
    F_Main->show();
    BaselineWindow base;
    base.window.show();
    QApplication::processEvents();

    for (int r = 0; r < repeats; ++r) {
        ProgramWindows::driveTo(klopfomat::MatchPhase::Running);
        // n keystrokes into the focused field of window; every 16th timed alone.
        auto type = [n](QWidget *window, QWidget *field, std::vector<double> &rates,
                        std::vector<double> &latencies) {
            QApplication::setActiveWindow(window);
            field->setFocus();
            QElapsedTimer clock;
            clock.start();
            for (int i = 0; i < n; ++i) {
                QElapsedTimer one;
                one.start();
                sendKey(QApplication::focusWidget(), i % 2 ? 's' : 'a');
                if (i % 16 == 0)
                    latencies.push_back(one.nsecsElapsed() / 1e3);
            }
            rates.push_back(n / (clock.nsecsElapsed() / 1e9));
        };
        type(F_Main, F_Main->E_ScorePlayer2, rates, latencies);
        lost |= F_Main->E_TotalPlayer1->text().toInt() != n;
        type(&base.window, base.fields[0], baseRates, baseLatencies);
    }
    const double rate = median(rates), baseRate = median(baseRates);
    g_rows.push_back({"keystrokes through the whole path", fmt("%.0f /s", rate), fmt("%.0f /s", baseRate),
                      fmt("%.2f", rate / baseRate), ">= 200000 /s, none lost",
                      rate >= 200000 && !lost});
    g_rows.push_back({"keystrokes lost", lost ? "some" : "0", "", "", "0", !lost});
    const double p99 = percentile(latencies, 0.99), baseP99 = percentile(baseLatencies, 0.99);
    g_rows.push_back({"keystroke latency p99", fmt("%.2f us", p99), fmt("%.2f us", baseP99),
                      fmt("%.2f", p99 / baseP99), "<= 50 us", p99 <= 50});
    g_rows.push_back({"keystroke latency median", fmt("%.2f us", median(latencies)),
                      fmt("%.2f us", median(baseLatencies)), "", "", true});
}

// --- start-up -------------------------------------------------------------

int startupChild(const QString &which)
{
    std::unique_ptr<ProgramWindows> program;
    std::unique_ptr<BaselineWindow> base;
    QWidget *window;
    if (which == u"klopfomat") {
        program = std::make_unique<ProgramWindows>(RealTicks);
        window = F_Main;
    } else {
        base = std::make_unique<BaselineWindow>();
        window = &base->window;
    }
    struct PaintWatch : QObject {
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                QTimer::singleShot(0, [] {
                    std::printf("painted %ld\n", peakResidentKiB());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            return false;
        }
    } watch;
    window->installEventFilter(&watch);
    window->show();
    return QApplication::exec();
}

void startupTime(const char *self)
{
    const int runs = g_quick ? 5 : 25;
    std::vector<double> times[2], memory[2];
    for (int r = 0; r < runs; ++r)
        for (int which = 0; which < 2; ++which) {
            QProcess child;
            QElapsedTimer clock;
            clock.start();
            child.start(QString::fromLocal8Bit(self),
                        {"--child-startup", which == 0 ? "klopfomat" : "baseline"});
            child.waitForReadyRead(10000);
            const double ms = clock.nsecsElapsed() / 1e6;
            const QByteArray line = child.readLine();
            child.waitForFinished(10000);
            if (!line.startsWith("painted "))
                continue;
            times[which].push_back(ms);
            memory[which].push_back(line.mid(8).trimmed().toDouble());
        }
    const double t = median(times[0]), bt = median(times[1]);
    const double m = median(memory[0]), bm = median(memory[1]);
    g_rows.push_back({"start-up to painted window", fmt("%.1f ms", t), fmt("%.1f ms", bt),
                      fmt("%.2f", t / bt), "<= 1.3 x baseline", t / bt <= 1.3});
    g_rows.push_back({"start-up peak resident memory", fmt("%.0f KiB", m), fmt("%.0f KiB", bm),
                      fmt("%.2f", m / bm), "<= 1.15 x baseline", m / bm <= 1.15});
}

// --- idle -----------------------------------------------------------------

struct TimerCounter : QObject {
    int count = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        count += e->type() == QEvent::Timer;
        return false;
    }
};

void idle()
{
    const int ms = g_quick ? 1000 : 3000;
    double perSecond[2];
    int gameTicks = 0;
    for (int which = 0; which < 2; ++which) {
        std::unique_ptr<ProgramWindows> program;
        std::unique_ptr<BaselineWindow> base;
        if (which == 0) {
            program = std::make_unique<ProgramWindows>(RealTicks);
            F_Main->show();
            QObject::connect(&F_Main->Timer1, &os::Timer::OnTimer, [&] { ++gameTicks; });
            QObject::connect(&F_Main->Timer2, &os::Timer::OnTimer, [&] { ++gameTicks; });
        } else {
            base = std::make_unique<BaselineWindow>();
            base->window.show();
        }
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        TimerCounter counter;
        qApp->installEventFilter(&counter);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        qApp->removeEventFilter(&counter);
        perSecond[which] = counter.count * 1000.0 / ms;
    }
    g_rows.push_back({"idle: game timer ticks per second", fmt("%.1f", gameTicks * 1000.0 / ms), "", "",
                      "0", gameTicks == 0});
    g_rows.push_back({"idle: all timer events per second", fmt("%.1f", perSecond[0]),
                      fmt("%.1f", perSecond[1]), "", "0", perSecond[0] == 0});
}

// --- chart repaint --------------------------------------------------------

void chartRepaint()
{
    chart::RateChart widget;
    widget.resize(169, 65);
    for (int i = 0; i < 30; ++i)
        widget.series().AddY((i * 7) % 11);
    QImage target(169, 65, QImage::Format_RGB32);
    const int batch = 1000, batches = g_quick ? 5 : 21;
    std::vector<double> ours, theirs;
    for (int b = 0; b < batches; ++b) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < batch; ++i)
            widget.render(&target);
        ours.push_back(clock.nsecsElapsed() / 1e3 / batch);

        // Baseline: the same picture the plain QPainter way.
        QPolygon line;
        for (int i = 0; i < 30; ++i)
            line << QPoint(5 + i * 159 / 29, 62 - ((i * 7) % 11) * 59 / 10);
        clock.restart();
        for (int i = 0; i < batch; ++i) {
            QPainter p(&target);
            p.fillRect(target.rect(), QColor(240, 240, 240));
            p.setPen(Qt::black);
            p.drawRect(5, 3, 159, 59);
            p.setClipRect(6, 4, 158, 58);
            p.setPen(Qt::red);
            p.drawPolyline(line);
        }
        theirs.push_back(clock.nsecsElapsed() / 1e3 / batch);
    }
    const double m = median(ours), bm = median(theirs);
    g_rows.push_back({"chart repaint (30 points)", fmt("%.1f us", m), fmt("%.1f us", bm),
                      fmt("%.2f", m / bm), "< 50 us", m < 50});
}

// --- soak -----------------------------------------------------------------

void soak()
{
    const int matches = g_quick ? 100 : 1000;
    ProgramWindows program(RealTicks);
    F_Main->Timer1.setInterval(24 * 3600 * 1000);
    F_Main->Timer2.setInterval(24 * 3600 * 1000);
    F_Main->show();
    QApplication::processEvents();
    long afterFirst = 0;
    for (int m = 0; m < matches; ++m) {
        ProgramWindows::driveTo(klopfomat::MatchPhase::Running);
        QWidget *field = F_Main->E_TotalPlayer1;
        for (int tick = 0; tick < 30; ++tick) {
            for (int k = 0; k < 10; ++k)
                sendKey(field, "alsk"[k % 4]);
            F_Main->Timer1Timer(nullptr);
        }
        QApplication::processEvents(); // the charts repaint
        if (m == 0)
            afterFirst = residentKiB();
    }
    const long afterLast = residentKiB();
    g_rows.push_back({"soak: resident memory, last vs first match",
                      fmt("%+.0f KiB", double(afterLast - afterFirst)), fmt("%.0f KiB", double(afterFirst)),
                      "", "within 256 KiB", std::abs(afterLast - afterFirst) <= 256});
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 && args.at(1) == u"--child-startup")
        return startupChild(args.at(2));
    g_quick = args.contains(QStringLiteral("--quick"));
    formkit::setQuitHandlerForTesting([] {});

    // --only NAME runs one figure, for profiling it.
    const qsizetype only = args.indexOf(QStringLiteral("--only"));
    const QString chosen = only >= 0 && only + 1 < args.size() ? args.at(only + 1) : QString();
    auto run = [&](const char *name, auto &&figure) {
        if (chosen.isEmpty() || chosen == QLatin1String(name))
            figure();
    };
    run("chart", chartRepaint);
    run("keystrokes", keystrokes);
    run("idle", idle);
    run("soak", soak);
    run("startup", [&] { startupTime(argv[0]); });
    run("ticks", tickTiming);

    std::printf("| figure | measured (median) | baseline | ratio | goal | met |\n");
    std::printf("|---|---|---|---|---|---|\n");
    bool all = true;
    for (const Row &r : g_rows) {
        std::printf("| %s | %s | %s | %s | %s | %s |\n", r.figure.c_str(), r.measured.c_str(),
                    r.baseline.c_str(), r.ratio.c_str(), r.goal.c_str(), r.met ? "yes" : "no");
        all &= r.met;
    }
    return all ? 0 : 1;
}
