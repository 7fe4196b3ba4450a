// The virtual clock, waiting, and the loop's refusal to hang.
#include "headless/headless_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace kameng::headless_test {
namespace {

using ::testing::ElementsAre;

class ClockAndLoop : public ::testing::Test {
protected:
    // A window whose timer "t" records the virtual time of each tick.
    void loadWithTimer(int period) {
        auto d = makeWindow("W");
        auto t = makeControl("t", Kind::Timer);
        t.period = period;
        t.handlers.on(Event::Tick, [this](EventArgs&) { ticks.push_back(fw.elapsed()); });
        d.controls = {t};
        ASSERT_TRUE(fw.loadWindow(d));
    }

    HeadlessFramework fw;
    std::vector<std::uint64_t> ticks;
};

TEST_F(ClockAndLoop, TickCountStartsWhereSetAndWrapsAround) {
    fw.setTickCount(0xFFFFFF00u);
    EXPECT_EQ(fw.tickCount(), 0xFFFFFF00u);
    fw.advanceClock(0x100 + 5);
    EXPECT_EQ(fw.tickCount(), 5u);
    EXPECT_EQ(fw.elapsed(), 0x105u);
}

TEST_F(ClockAndLoop, WaitForEventsStopsAtItsDeadlineAndDispatchesDueTicksOnTheWay) {
    loadWithTimer(300);
    fw.waitForEvents(250);
    EXPECT_EQ(fw.elapsed(), 250u);
    EXPECT_TRUE(ticks.empty());

    fw.waitForEvents(700);
    EXPECT_EQ(fw.elapsed(), 950u);
    EXPECT_THAT(ticks, ElementsAre(300, 600, 900));
}

TEST_F(ClockAndLoop, TicksDoNotPileUpWhileUndelivered) {
    loadWithTimer(100);
    fw.advanceClock(1000, Delivery::Queued);
    EXPECT_TRUE(ticks.empty());
    fw.processEvents();
    EXPECT_THAT(ticks, ElementsAre(1000));
}

TEST_F(ClockAndLoop, StoppedTimerLosesItsQueuedTick) {
    loadWithTimer(100);
    fw.advanceClock(100, Delivery::Queued);
    fw.setProperty({"W", "t"}, prop::Period, 0);
    fw.processEvents();
    EXPECT_TRUE(ticks.empty());
}

TEST_F(ClockAndLoop, ScheduledActionsDriveTheLoopToItsEnd) {
    loadWithTimer(0);
    fw.schedule(5000, [this] { fw.closeByUser("W", Delivery::Queued); });
    EXPECT_EQ(fw.run(), 0);
    EXPECT_FALSE(fw.isLoaded("W"));
    EXPECT_EQ(fw.elapsed(), 5000u);
}

TEST_F(ClockAndLoop, RunThrowsInsteadOfWaitingForever) {
    loadWithTimer(0);
    EXPECT_THROW(fw.run(), std::logic_error);
}

TEST_F(ClockAndLoop, RunThrowsWhenTheLastWindowNeverCloses) {
    loadWithTimer(1000);
    fw.setRunLimit(60'000);
    EXPECT_THROW(fw.run(), std::logic_error);
    EXPECT_GE(ticks.size(), 59u);
}

TEST_F(ClockAndLoop, SpinningOnTheClockThrowsUnlessProcessingEventsCostsTime) {
    auto spinFor = [this](std::uint32_t milliseconds) {
        const std::uint32_t deadline = fw.tickCount() + milliseconds;
        while (fw.tickCount() < deadline) fw.processEvents();
    };
    EXPECT_THROW(spinFor(100), std::logic_error);

    loadWithTimer(30);
    fw.setProcessEventsCost(1);
    spinFor(100);
    EXPECT_THAT(ticks, ElementsAre(30, 60, 90));
}

TEST_F(ClockAndLoop, WaitAfterTheLastWindowIsGoneStillReachesItsDeadline) {
    loadWithTimer(0);
    fw.destroyWindow("W");
    fw.processEvents();
    const std::uint32_t deadline = fw.tickCount() + 100;
    while (fw.tickCount() < deadline) fw.waitForEvents(static_cast<int>(deadline - fw.tickCount()));
    EXPECT_EQ(fw.elapsed(), 100u);
    EXPECT_EQ(fw.run(), 0);
}

}  // namespace
}  // namespace kameng::headless_test
