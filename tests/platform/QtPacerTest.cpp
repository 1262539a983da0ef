#include <QTimer>

#include <gtest/gtest.h>

#include "platform/QtPacer.h"

namespace {

TEST(QtPacerTest, TimeScaleZeroRunsAnimationsAtOnceButStillHandlesEvents) {
    QtPacer pacer(0.0);
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    pacer.pause(60 * 60 * 1000);  // an hour, scaled to nothing
    EXPECT_TRUE(handled);
}

TEST(QtPacerTest, APauseLetsTimersFire) {
    QtPacer pacer;
    int fired = 0;
    QTimer::singleShot(1, [&] { ++fired; });
    pacer.pause(30);
    pacer.nextFrame();
    EXPECT_EQ(fired, 1);
}

}  // namespace
