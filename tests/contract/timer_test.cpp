// Timer periods: below 0 is 0, 0 stops, the same value changes nothing,
// another restarts the countdown. Only lower bounds and absences are
// asserted: a loaded machine may make a tick late, never early.
#include "contract/contract_fixture.h"

namespace kameng::contract {
namespace {

class Timers : public ContractTest {
protected:
    void SetUp() override {
        auto d = window("W", {100, 80, 300, 200});
        auto t = timer("t");
        t.handlers.on(Event::Tick, [this](EventArgs&) { ticks.push_back(fw().tickCount()); });
        d.controls = {t};
        ASSERT_TRUE(load(d));
    }

    void setPeriod(int period) { fw().setProperty({"W", "t"}, prop::Period, period); }
    int period() { return fw().getProperty({"W", "t"}, prop::Period).number(); }
    // The first tick at or after `start`, if one came.
    std::optional<std::uint32_t> firstTickSince(std::uint32_t start) {
        for (auto t : ticks)
            if (static_cast<std::int32_t>(t - start) >= 0) return t;
        return std::nullopt;
    }

    const int P = ms(1000);
    const int tolerance = ms(400);
    std::vector<std::uint32_t> ticks;
};

TEST_F(Timers, TicksRepeatAfterThePeriod) {
    const std::uint32_t start = fw().tickCount();
    setPeriod(P);
    EXPECT_EQ(period(), P);
    ASSERT_TRUE(waitUntil([&] { return ticks.size() >= 2; }, 10000));
    EXPECT_GE(ticks[0] - start, static_cast<std::uint32_t>(P - tolerance));
    EXPECT_GE(ticks[1] - ticks[0], static_cast<std::uint32_t>(P - tolerance));
}

TEST_F(Timers, NegativePeriodIsZeroAndStops) {
    setPeriod(P);
    setPeriod(-5);
    EXPECT_EQ(period(), 0);
    pause(P + P / 2);
    EXPECT_TRUE(ticks.empty());
}

TEST_F(Timers, ZeroStopsARunningTimer) {
    setPeriod(P);
    ASSERT_TRUE(waitUntil([&] { return !ticks.empty(); }, 10000));
    setPeriod(0);
    const auto seen = ticks.size();
    pause(P + P / 2);
    EXPECT_EQ(ticks.size(), seen);
}

TEST_F(Timers, AnotherPeriodRestartsTheCountdown) {
    setPeriod(P);
    pause(P / 2);
    const std::uint32_t changed = fw().tickCount();
    setPeriod(P + P / 2);

    ASSERT_TRUE(waitUntil([&] { return firstTickSince(changed).has_value(); }, 10000));
    // The old countdown would have ended within P of the change.
    EXPECT_GE(*firstTickSince(changed) - changed, static_cast<std::uint32_t>(P + P / 2 - tolerance));
}

TEST_F(Timers, WritingTheSamePeriodLeavesTheCountdownRunning) {
    setPeriod(P);
    const std::uint32_t start = fw().tickCount();
    // Were each write a restart, rewriting every P/10 would hold the tick off
    // for good.
    while (ticks.empty() && since(start) < static_cast<std::uint32_t>(4 * P)) {
        pause(100);
        setPeriod(P);
    }
    EXPECT_FALSE(ticks.empty());
}

}  // namespace
}  // namespace kameng::contract
