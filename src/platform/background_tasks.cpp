#include "platform/background_tasks.h"

#include <QFutureWatcher>
#include <QtConcurrent>

namespace radirav {

void QtBackgroundTasks::Run(QObject& receiver, std::function<void()> work, std::function<void()> done) {
    // The watcher lives on the receiver's thread and goes with the receiver, taking the
    // delivery with it; the work itself runs to its end on the pool.
    auto* watcher = new QFutureWatcher<void>(&receiver);
    QObject::connect(watcher, &QFutureWatcher<void>::finished, watcher, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done();
    });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
}

} // namespace radirav
