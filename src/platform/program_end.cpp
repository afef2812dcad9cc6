#include "platform/program_end.h"

#include <QCoreApplication>

#ifndef _WIN32
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace radirav {

void QtProgramEnd::EndProgram() {
    QCoreApplication::exit(0);
}

#ifndef _WIN32
namespace {

// The write end of the pipe that carries a signal to the event loop. A signal handler reaches
// nothing but statics, and may only make async-signal-safe calls such as write().
int signalPipeWriter = -1;

extern "C" void NoteTerminationSignal(int) {
    const char signalled = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipeWriter, &signalled, 1);
}

} // namespace

void EndOnTerminationSignals(QObject& owner, std::function<void()> end) {
    int ends[2];
    if (signalPipeWriter != -1 || ::pipe(ends) != 0)
        return;
    for (const int fd : ends)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(ends[1], F_SETFL, O_NONBLOCK); // a full pipe drops a signal rather than blocking
    signalPipeWriter = ends[1];
    auto* notifier = new QSocketNotifier(ends[0], QSocketNotifier::Read, &owner);
    QObject::connect(notifier, &QSocketNotifier::activated, &owner, [notifier, end = std::move(end)] {
        notifier->setEnabled(false); // the first signal ends the program; later ones find it ending
        end();
    });
    struct sigaction action {};
    action.sa_handler = NoteTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
#else
void EndOnTerminationSignals(QObject&, std::function<void()>) {}
#endif

} // namespace radirav
