#pragma once

#include <functional>

class QObject;

namespace radirav {

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Leaves the event loop; the windows still loaded are destroyed on the way out of main.
    virtual void EndProgram() = 0;
};

class QtProgramEnd final : public ProgramEnd {
public:
    void EndProgram() override;
};

// Makes a termination signal end the program as its own end does: SIGTERM (a kill, a logout
// without a session manager), SIGINT (Ctrl+C in the terminal it was started from) and SIGHUP
// (that terminal closed). `end` runs on the event loop of `owner`'s thread, never inside the
// signal handler, and at most once. Does nothing where there are no POSIX signals.
void EndOnTerminationSignals(QObject& owner, std::function<void()> end);

} // namespace radirav
