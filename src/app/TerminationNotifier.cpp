#include "app/TerminationNotifier.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kTerminationSignals[] = {SIGTERM, SIGINT};
int g_pipe[2] = {-1, -1};

void onTerminationSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    if (write(g_pipe[1], &byte, 1) < 0) {
        // A full pipe already holds an unread request.
    }
    errno = savedErrno;
}

void setHandler(void (*handler)(int), int flags)
{
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kTerminationSignals)
        sigaction(signalNumber, &action, nullptr);
}

} // namespace

TerminationNotifier::TerminationNotifier(QObject* parent)
    : QObject(parent)
{
    Q_ASSERT(g_pipe[0] < 0);
    if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationNotifier::onPipeReadable);
    setHandler(onTerminationSignal, SA_RESTART | SA_RESETHAND);
}

TerminationNotifier::~TerminationNotifier()
{
    if (!m_notifier)
        return;
    setHandler(SIG_DFL, 0);
    delete m_notifier;
    close(g_pipe[0]);
    close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationNotifier::onPipeReadable()
{
    char byte = 0;
    while (read(g_pipe[0], &byte, 1) == 1)
        emit terminationRequested(static_cast<unsigned char>(byte));
}
