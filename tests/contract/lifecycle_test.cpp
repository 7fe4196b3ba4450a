// Loading, single instance, deferred destruction and the end of the loop.
#include "contract/contract_fixture.h"

namespace kameng::contract {
namespace {

using ::testing::ElementsAre;

class Lifecycle : public ContractTest {
protected:
    // A framed window with a button, a label, a status bar and a timer, whose
    // window events go to `log`.
    WindowDescription logged(const std::string& name, Rect rect = {100, 80, 400, 300}) {
        auto d = window(name, rect);
        d.controls = {button("按钮1", {10, 10, 80, 24}), label("标签1", {10, 40, 120, 20}, "caption"),
                      statusBar("状态条1", {100, 120}), timer("时钟1")};
        d.handlers.on(Event::Created, log.add(name + " created"))
            .on(Event::Moved, log.add(name + " moved"))
            .on(Event::SizeChanged, log.add(name + " size changed"))
            .on(Event::WillBeDestroyed, log.add(name + " will be destroyed"));
        return d;
    }

    EventLog log;
};

TEST_F(Lifecycle, LoadBuildsHiddenRaisesCreatedMovedSizeChangedThenShows) {
    auto d = logged("W");
    bool hiddenWhileCreated = false;
    bool barDockedWhileCreated = false;
    setHandler(d.handlers, Event::Created, [&](EventArgs&) {
        log.entries.push_back("W created");
        hiddenWhileCreated = fw().getProperty("W", prop::Visible).number() == 0;
        const ControlId bar{"W", "状态条1"};
        const int barHeight = fw().getProperty(bar, prop::Height).number();
        barDockedWhileCreated = fw().getProperty(bar, prop::Left).number() == 0 &&
                                fw().getProperty(bar, prop::Width).number() == fw().clientWidth("W") &&
                                barHeight > 0 &&
                                fw().getProperty(bar, prop::Top).number() + barHeight == fw().clientHeight("W");
    });

    ASSERT_TRUE(load(d));

    EXPECT_THAT(log.entries, ElementsAre("W created", "W moved", "W size changed"));
    EXPECT_TRUE(hiddenWhileCreated);
    EXPECT_TRUE(barDockedWhileCreated);
    EXPECT_TRUE(fw().isLoaded("W"));
    EXPECT_EQ(fw().getProperty("W", prop::Visible).number(), 1);
}

TEST_F(Lifecycle, WindowDescribedHiddenIsBuiltButNotShown) {
    auto d = logged("W");
    d.visible = false;
    ASSERT_TRUE(load(d));
    EXPECT_EQ(log.count("W created"), 1);
    EXPECT_EQ(fw().getProperty("W", prop::Visible).number(), 0);
}

TEST_F(Lifecycle, ControlsStackFrontToBackAsDescribed) {
    auto d = window("W", {100, 80, 400, 300});
    d.controls = {button("b", {10, 10, 80, 24}), label("l", {20, 20, 80, 24}), editBox("e", {30, 30, 80, 24}),
                  timer("t"), statusBar("s", {50})};
    ASSERT_TRUE(load(d));
    EXPECT_THAT(fw().stackingOrder("W"), ElementsAre("b", "l", "e", "s"));
}

TEST_F(Lifecycle, CentredWindowIsPlacedCentredOnTheScreen) {
    auto d = window("W", {5, 5, 401, 301});
    d.centred = true;
    ASSERT_TRUE(load(d));
    ASSERT_TRUE(waitUntil([&] {
        return fw().getProperty("W", prop::Left).number() == (fw().screenWidth() - 401) / 2 &&
               fw().getProperty("W", prop::Top).number() == (fw().screenHeight() - 301) / 2;
    }));
}

TEST_F(Lifecycle, LoadingALoadedWindowBuildsNoSecondInstance) {
    const auto d = logged("W");
    ASSERT_TRUE(load(d));
    fw().setProperty({"W", "标签1"}, prop::Caption, "changed");

    EXPECT_TRUE(load(d));
    fw().processEvents();

    EXPECT_EQ(log.count("W created"), 1);
    EXPECT_EQ(fw().getProperty({"W", "标签1"}, prop::Caption).text(), "changed");
}

TEST_F(Lifecycle, LoadingAMinimisedWindowRestoresIt) {
    const auto d = logged("W");
    ASSERT_TRUE(load(d));
    const int normalWidth = fw().clientWidth("W");
    backend().minimiseAsUser("W");
    ASSERT_TRUE(waitUntil([&] { return fw().getProperty("W", prop::WindowState).number() == window_state::Minimised; }));

    EXPECT_TRUE(load(d));

    EXPECT_TRUE(waitUntil([&] {
        return fw().getProperty("W", prop::WindowState).number() == window_state::Normal &&
               fw().clientWidth("W") == normalWidth;
    }));
    EXPECT_EQ(log.count("W created"), 1);
}

TEST_F(Lifecycle, DestroyWaitsForTheLoopAndRaisesWillBeDestroyedWhileControlsExist) {
    auto d = logged("W");
    std::string captionSeen;
    setHandler(d.handlers, Event::WillBeDestroyed, [&](EventArgs&) {
        log.entries.push_back("W will be destroyed");
        captionSeen = fw().getProperty({"W", "标签1"}, prop::Caption).text();
    });
    ASSERT_TRUE(load(d));
    log.entries.clear();

    fw().destroyWindow("W");
    EXPECT_TRUE(fw().isLoaded("W"));
    EXPECT_TRUE(log.entries.empty());

    fw().processEvents();
    EXPECT_THAT(log.entries, ElementsAre("W will be destroyed"));
    EXPECT_EQ(captionSeen, "caption");
    EXPECT_FALSE(fw().isLoaded("W"));
}

TEST_F(Lifecycle, HandlerMayDestroyItsOwnWindowAndGoOn) {
    auto d = logged("W");
    std::string captionAfterDestroy;
    d.controls[0].handlers.on(Event::Clicked, [&](EventArgs&) {
        fw().destroyWindow("W");
        captionAfterDestroy = fw().getProperty({"W", "标签1"}, prop::Caption).text();
    });
    ASSERT_TRUE(load(d));

    backend().clickAsUser({"W", "按钮1"});
    ASSERT_TRUE(waitUntil([&] { return !fw().isLoaded("W"); }));
    EXPECT_EQ(captionAfterDestroy, "caption");
    EXPECT_EQ(log.count("W will be destroyed"), 1);
}

TEST_F(Lifecycle, LoadingAWindowPendingDestructionCompletesItThenBuildsAnew) {
    const auto d = logged("W");
    ASSERT_TRUE(load(d));
    fw().setProperty({"W", "标签1"}, prop::Caption, "old");
    log.entries.clear();

    fw().destroyWindow("W");
    ASSERT_TRUE(load(d));

    EXPECT_THAT(log.entries, ElementsAre("W will be destroyed", "W created", "W moved", "W size changed"));
    EXPECT_EQ(fw().getProperty({"W", "标签1"}, prop::Caption).text(), "caption");
    pause(200);  // the earlier request must not destroy the new window
    EXPECT_TRUE(fw().isLoaded("W"));
    EXPECT_EQ(log.count("W will be destroyed"), 1);
}

TEST_F(Lifecycle, UserCloseDestroysTheWindow) {
    ASSERT_TRUE(load(logged("W")));
    backend().closeAsUser("W");
    ASSERT_TRUE(waitUntil([&] { return !fw().isLoaded("W"); }));
    EXPECT_EQ(log.count("W will be destroyed"), 1);
}

TEST_F(Lifecycle, RunWithNothingLoadedReturnsAtOnceAndRunsCleanupsOnceInOrder) {
    std::vector<int> ran;
    fw().atExit([&] { ran.push_back(1); });
    fw().atExit([&] { ran.push_back(2); });

    EXPECT_EQ(fw().run(), 0);
    EXPECT_THAT(ran, ElementsAre(1, 2));

    EXPECT_EQ(fw().run(), 0);
    EXPECT_THAT(ran, ElementsAre(1, 2));
}

TEST_F(Lifecycle, LoopEndsWhenTheLastWindowIsGoneThenCleanupsRun) {
    // A closes itself on its timer's first tick, B later; the loop must
    // outlive A and end with B.
    auto a = logged("A", {60, 60, 300, 200});
    auto b = logged("B", {420, 60, 300, 200});
    a.controls[3].period = ms(100);
    a.controls[3].handlers.on(Event::Tick, [&](EventArgs&) { fw().destroyWindow("A"); });
    b.controls[3].period = ms(400);
    b.controls[3].handlers.on(Event::Tick, [&](EventArgs&) {
        log.entries.push_back(fw().isLoaded("A") ? "B tick with A" : "B tick alone");
        fw().destroyWindow("B");
    });
    std::vector<std::string> atCleanup;
    fw().atExit([&] { atCleanup = {fw().isLoaded("A") ? "A" : "-", fw().isLoaded("B") ? "B" : "-"}; });
    ASSERT_TRUE(load(a));
    ASSERT_TRUE(load(b));

    EXPECT_EQ(fw().run(), 0);

    EXPECT_EQ(log.count("A will be destroyed"), 1);
    EXPECT_EQ(log.count("B will be destroyed"), 1);
    EXPECT_EQ(log.count("B tick alone"), 1);
    EXPECT_THAT(atCleanup, ElementsAre("-", "-"));
}

}  // namespace
}  // namespace kameng::contract
