#include "platform/background_tasks.h"

#include <QObject>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

namespace radirav {
namespace {

// The work runs off the screen thread; its result reaches the receiver on the screen thread.
TEST(QtBackgroundTasks, DeliversTheResultOnTheScreenThread) {
    QtBackgroundTasks tasks;
    QObject receiver;
    QThread* workThread = nullptr;
    QThread* doneThread = nullptr;
    int delivered = 0;
    RunBeside<int>(
        tasks, receiver,
        [&workThread] {
            workThread = QThread::currentThread();
            return 42;
        },
        [&](int result) {
            doneThread = QThread::currentThread();
            delivered = result;
        });
    QTRY_COMPARE_WITH_TIMEOUT(delivered, 42, 10000);
    EXPECT_NE(workThread, QThread::currentThread());
    EXPECT_EQ(doneThread, QThread::currentThread());
}

// A window closed while its work runs gets nothing: the result is dropped, not delivered to a
// destroyed receiver.
TEST(QtBackgroundTasks, DropsTheResultOfAReceiverDestroyedMeanwhile) {
    QtBackgroundTasks tasks;
    auto receiver = std::make_unique<QObject>();
    QSemaphore release;
    std::atomic<bool> worked{false};
    bool delivered = false;
    tasks.Run(
        *receiver,
        [&] {
            release.acquire();
            worked = true;
        },
        [&delivered] { delivered = true; });
    receiver.reset();
    release.release();
    QTRY_VERIFY_WITH_TIMEOUT(worked.load(), 10000);
    QTest::qWait(100); // time for a delivery that should not come
    EXPECT_FALSE(delivered);
}

} // namespace
} // namespace radirav
