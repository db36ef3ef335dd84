#include "process.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

#if defined(Q_OS_UNIX) && !defined(KLOPFOMAT_PORTABLE_FALLBACKS)
#define KLOPFOMAT_POSIX_SIGNALS 1
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace os {

namespace {

// While the application is being constructed, Qt's messages are held back:
// on success they are passed on as usual; on a fatal error (no display, no
// platform plugin) the user gets one clear line instead of Qt's abort.
QStringList g_heldMessages;
QtMessageHandler g_previousHandler = nullptr;

void holdStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        g_heldMessages.append(qFormatLogMessage(type, context, message));
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray where = !display.isEmpty() ? "DISPLAY=" + display
                           : !wayland.isEmpty() ? "WAYLAND_DISPLAY=" + wayland
                                                : QByteArray("no DISPLAY set");
    std::fprintf(stderr,
                 "Klopfomat: no display could be opened (%s); the game needs a graphical desktop.\n",
                 where.constData());
    std::fflush(stderr);
    std::_Exit(1);
}

#ifdef KLOPFOMAT_POSIX_SIGNALS
int g_signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] auto ignored = ::write(g_signalPipe[1], &byte, 1);
}
#endif

} // namespace

std::unique_ptr<QApplication> openApplication(int &argc, char **argv)
{
    // The game takes no command line. Qt would read its own options from it
    // (-reverse, -style, -stylesheet FILE, ...), so it sees the program's
    // name alone; the platform is still chosen by the environment.
    static int nameOnlyCount = 1;
    static char *nameOnly[] = {argc > 0 ? argv[0] : const_cast<char *>("klopfomat"), nullptr};
    g_previousHandler = qInstallMessageHandler(holdStartupMessage);
    auto app = std::make_unique<QApplication>(nameOnlyCount, nameOnly);
    qInstallMessageHandler(g_previousHandler);
    for (const QString &line : std::as_const(g_heldMessages))
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    g_heldMessages.clear();
    return app;
}

void quitOnSessionEnd(QApplication &app, void (*quit)())
{
    // The session manager asks before logging off; we agree without asking
    // the user and end.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [quit](QSessionManager &) { quit(); });

#ifdef KLOPFOMAT_POSIX_SIGNALS
    // Signal handlers may only write to a pipe; the run loop reads it.
    if (::pipe(g_signalPipe) != 0)
        return;
    ::fcntl(g_signalPipe[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(g_signalPipe[1], F_SETFD, FD_CLOEXEC);
    ::fcntl(g_signalPipe[1], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [quit] { quit(); });

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
#endif
}

} // namespace os
