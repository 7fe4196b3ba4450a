// The queue: user input is delivered by the loop, processEvents and waits
// dispatch inside a running handler, and resizes raise their event at once.
#include "contract/contract_fixture.h"

namespace kameng::contract {
namespace {

using ::testing::ElementsAre;

class Events : public ContractTest {
protected:
    WindowDescription withButtons(const std::string& name, Rect rect) {
        auto d = window(name, rect);
        d.controls = {button("A", {10, 10, 80, 24}, "A"), button("B", {100, 10, 80, 24}, "B")};
        d.handlers.on(Event::SizeChanged, log.add(name + " size changed"))
            .on(Event::WillBeDestroyed, log.add(name + " will be destroyed"));
        return d;
    }

    EventLog log;
};

TEST_F(Events, UserClickIsQueuedUntilEventsAreDispatched) {
    auto d = withButtons("W", {100, 80, 300, 200});
    d.controls[0].handlers.on(Event::Clicked, log.add("A clicked"));
    ASSERT_TRUE(load(d));
    log.entries.clear();

    backend().clickAsUser({"W", "A"});
    EXPECT_TRUE(log.entries.empty());
    ASSERT_TRUE(waitUntil([&] { return log.count("A clicked") == 1; }));
}

TEST_F(Events, WaitingInsideAHandlerRunsOtherHandlersNested) {
    auto d = withButtons("W", {100, 80, 300, 200});
    d.controls[0].handlers.on(Event::Clicked, [&](EventArgs&) {
        log.entries.push_back("A begins");
        backend().clickAsUser({"W", "B"});
        waitUntil([&] { return log.count("B clicked") == 1; });
        log.entries.push_back("A ends");
    });
    d.controls[1].handlers.on(Event::Clicked, log.add("B clicked"));
    ASSERT_TRUE(load(d));
    log.entries.clear();

    backend().clickAsUser({"W", "A"});
    ASSERT_TRUE(waitUntil([&] { return log.count("A ends") == 1; }));
    EXPECT_THAT(log.entries, ElementsAre("A begins", "B clicked", "A ends"));
}

TEST_F(Events, ProcessEventsInsideAHandlerCompletesWorkQueuedBeforeIt) {
    auto d = withButtons("W", {100, 80, 300, 200});
    bool otherLoadedAfterProcessing = true;
    d.controls[0].handlers.on(Event::Clicked, [&](EventArgs&) {
        fw().destroyWindow("Other");
        fw().processEvents();
        otherLoadedAfterProcessing = fw().isLoaded("Other");
        log.entries.push_back("A ends");
    });
    ASSERT_TRUE(load(d));
    ASSERT_TRUE(load(withButtons("Other", {450, 80, 300, 200})));
    log.entries.clear();

    backend().clickAsUser({"W", "A"});
    ASSERT_TRUE(waitUntil([&] { return log.count("A ends") == 1; }));
    EXPECT_FALSE(otherLoadedAfterProcessing);
    EXPECT_THAT(log.entries, ElementsAre("Other will be destroyed", "A ends"));
}

TEST_F(Events, ProcessEventsAlsoRunsWhatItsHandlersQueue) {
    auto first = withButtons("First", {60, 60, 300, 200});
    setHandler(first.handlers, Event::WillBeDestroyed, [&](EventArgs&) {
        log.entries.push_back("First will be destroyed");
        fw().destroyWindow("Second");
    });
    ASSERT_TRUE(load(first));
    ASSERT_TRUE(load(withButtons("Second", {420, 60, 300, 200})));
    ASSERT_TRUE(load(withButtons("Third", {60, 300, 300, 200})));
    log.entries.clear();

    fw().destroyWindow("First");
    fw().processEvents();

    EXPECT_FALSE(fw().isLoaded("First"));
    EXPECT_FALSE(fw().isLoaded("Second"));
    EXPECT_THAT(log.entries, ElementsAre("First will be destroyed", "Second will be destroyed"));
}

TEST_F(Events, ResizeInsideAHandlerRaisesSizeChangedWithinIt) {
    auto d = withButtons("W", {100, 80, 300, 200});
    d.controls[0].handlers.on(Event::Clicked, [&](EventArgs&) {
        log.entries.push_back("A begins");
        fw().moveControl("W", {}, {}, 360, 240);
        log.entries.push_back("A ends");
    });
    ASSERT_TRUE(load(d));
    log.entries.clear();

    backend().clickAsUser({"W", "A"});
    ASSERT_TRUE(waitUntil([&] { return log.count("A ends") == 1; }));
    EXPECT_THAT(log.entries, ElementsAre("A begins", "W size changed", "A ends"));
}

}  // namespace
}  // namespace kameng::contract
