#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace radirav {

// Work that would keep a window from answering (a study of a few hundred columns) is done away
// from the screen thread; what it finds comes back on the screen thread, to a window still
// there. The work takes its own copy of whatever it reads.
class BackgroundTasks {
public:
    virtual ~BackgroundTasks() = default;
    // Runs `work` beside the screen thread, then `done` on the screen thread unless `receiver`
    // has been destroyed by then (its result is dropped).
    virtual void Run(QObject& receiver, std::function<void()> work, std::function<void()> done) = 0;
};

// `work`'s result handed to `done` on the screen thread.
template <typename Result, typename Work, typename Done>
void RunBeside(BackgroundTasks& tasks, QObject& receiver, Work work, Done done) {
    auto result = std::make_shared<std::optional<Result>>();
    tasks.Run(
        receiver, [result, work = std::move(work)] { result->emplace(work()); },
        [result, done = std::move(done)] { done(std::move(**result)); });
}

// Qt's global thread pool; the result comes back through the receiver's event loop.
class QtBackgroundTasks final : public BackgroundTasks {
public:
    void Run(QObject& receiver, std::function<void()> work, std::function<void()> done) override;
};

} // namespace radirav
