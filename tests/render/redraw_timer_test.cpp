#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

#include "render/redraw_timer.h"

using namespace kinvarro;

namespace {

// Runs the event loop until `done` holds or a generous deadline passes.
template <class Done>
void spinUntil(Done done, int milliseconds = 5000) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

TEST(RedrawTimer, ABurstOfRequestsGivesOnePaint) {
    int paints = 0;
    RedrawTimer timer([&] { ++paints; });
    EXPECT_FALSE(timer.isPending());
    // Without the event loop running in between, no delay can run out early.
    for (int i = 0; i < 10; ++i)
        timer.RequestRedraw();
    EXPECT_TRUE(timer.isPending());
    spinUntil([&] { return paints > 0; });
    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(timer.isPending());

    // Nothing more comes without a new request, and a new one paints again.
    const QDeadlineTimer quiet(3 * RedrawTimer::kDelay.count());
    spinUntil([&] { return quiet.hasExpired(); });
    EXPECT_EQ(paints, 1);
    timer.RequestRedraw();
    spinUntil([&] { return paints > 1; });
    EXPECT_EQ(paints, 2);
}
