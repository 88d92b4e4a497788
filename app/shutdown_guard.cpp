// Signals through a socket pair into the event loop; the history saved from an exit hook.
#include "app/shutdown_guard.h"

#include "app/main_window.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The signal handler only writes a byte; the close runs in the event loop.
int g_signalPipe[2] = { -1, -1 };
TForm1 *g_window = nullptr; // the window whose history the exit hook saves
constexpr int kSignals[] = { SIGTERM, SIGINT, SIGHUP };

extern "C" void onTerminationSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
    errno = saved;
}

extern "C" void onExit()
{
    if (g_window)
        g_window->saveHistoryAtExit();
}
} // namespace

ShutdownGuard::ShutdownGuard(TForm1 &window)
    : m_window(window)
{
    g_window = &window;
    static const bool hooked = std::atexit(onExit) == 0;
    Q_UNUSED(hooked);

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalPipe) != 0)
        return; // without the pair the signals keep their default action
    m_notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownGuard::onSignal);
    struct sigaction action { };
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

ShutdownGuard::~ShutdownGuard()
{
    g_window = nullptr;
    if (!m_notifier)
        return;
    struct sigaction action { };
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
    delete m_notifier;
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
}

void ShutdownGuard::onSignal()
{
    char bytes[16];
    while (::read(g_signalPipe[0], bytes, sizeof bytes) > 0) { }
    // A close request like the close box: the close routine appends the closing line and saves;
    // a failed save shows its error box and the window stays open.
    m_window.closeFromOutside();
}
