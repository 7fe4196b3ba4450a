#include "app/program.h"
#include "main_window_fixture.h"

#include <gtest/gtest.h>

#include <optional>

namespace kameng {
namespace {

using namespace main_window;
using testing_support::loopbackAddresses;
using testing_support::mainControl;
using testing_support::RecordingDesktop;
using testing_support::rectOf;

// What holds when the creation handler lets queued events run, just
// before its last step.
struct DuringCreation {
    bool windowVisible = false;
    int statsPeriod = 0;
    bool addressBoxVisible = true;
    bool addressLabelVisible = true;
    std::string linkParent;
    Rect linkRect;
    int trims = 0;
    std::size_t navigations = 0;
};

TEST(StartUp, CreatesShowsThenGoesHomeAndEndsWithZeroOnEsc) {
    HeadlessFramework framework;
    RecordingDesktop desktop;
    auto addresses = loopbackAddresses();
    addresses.start = " 　http://127.0.0.1:8080/Register.aspx　 ";

    std::optional<DuringCreation> seen;
    // Queued now, this runs inside the creation handler's processEvents.
    framework.schedule(0, [&] {
        const auto visible = [&](const ControlId& c) { return framework.getProperty(c, prop::Visible).number() == 1; };
        seen = DuringCreation{
            .windowVisible = visible(ControlId{window}),
            .statsPeriod = framework.getProperty(mainControl(statsTimer), prop::Period).number(),
            .addressBoxVisible = visible(mainControl(addressBox)),
            .addressLabelVisible = visible(mainControl(addressLabel)),
            .linkParent = framework.parentOf(mainControl(microblogLink)),
            .linkRect = rectOf(framework, mainControl(microblogLink)),
            .trims = desktop.trims,
            .navigations = framework.navigations(mainControl(browser)).size(),
        };
    });
    std::vector<std::string> navigationsAtEnd;
    framework.schedule(5000, [&] {
        navigationsAtEnd = framework.navigations(mainControl(browser));
        framework.pressKey(window, vkey::Escape, modifier::None, Delivery::Queued);
    });

    EXPECT_EQ(runProgram(framework, desktop, addresses), 0);

    ASSERT_TRUE(seen.has_value()) << "the creation handler let no queued event run";
    EXPECT_TRUE(seen->windowVisible);
    EXPECT_EQ(seen->statsPeriod, 2000);
    EXPECT_FALSE(seen->addressBoxVisible);
    EXPECT_FALSE(seen->addressLabelVisible);
    EXPECT_EQ(seen->linkParent, statusBar);
    EXPECT_EQ(seen->linkRect, (Rect{525, 2, 104, 16}));
    EXPECT_EQ(seen->trims, 1);
    EXPECT_EQ(seen->navigations, 0u) << "the first page must load after the window is shown";

    EXPECT_EQ(navigationsAtEnd, std::vector<std::string>{"http://127.0.0.1:8080/Register.aspx"});
    EXPECT_FALSE(framework.isLoaded(window));
    EXPECT_EQ(desktop.trims, 1);
}

TEST(StartUp, TheCloseButtonEndsTheProgramWithZero) {
    HeadlessFramework framework;
    RecordingDesktop desktop;
    framework.schedule(100, [&] { framework.closeByUser(window, Delivery::Queued); });
    EXPECT_EQ(runProgram(framework, desktop, loopbackAddresses()), 0);
    EXPECT_FALSE(framework.isLoaded(window));
}

TEST(StartUp, AWindowThatCannotBeBuiltEndsTheProgramAtOnceWithFailure) {
    HeadlessFramework framework;
    RecordingDesktop desktop;
    framework.failNextLoad(window);
    EXPECT_EQ(runProgram(framework, desktop, loopbackAddresses()), 1);
    EXPECT_EQ(desktop.trims, 0);
}

struct Placement {
    int screenWidth, screenHeight;
    Rect expected;
};

class StartUpPlacement : public testing::TestWithParam<Placement> {};

TEST_P(StartUpPlacement, CentresTheOuterWindowOnThePrimaryScreen) {
    HeadlessFramework framework;
    RecordingDesktop desktop;
    framework.setScreenSize(GetParam().screenWidth, GetParam().screenHeight);
    Rect placed;
    framework.schedule(100, [&] {
        placed = rectOf(framework, ControlId{window});
        framework.closeByUser(window, Delivery::Queued);
    });
    EXPECT_EQ(runProgram(framework, desktop, loopbackAddresses()), 0);
    EXPECT_EQ(placed, GetParam().expected);
}

// Quotients truncate toward zero: 479 - 480 gives a top of 0, not -1.
INSTANTIATE_TEST_SUITE_P(Screens, StartUpPlacement,
                         testing::Values(Placement{1024, 768, {192, 144, 640, 480}},
                                         Placement{1920, 1080, {640, 300, 640, 480}},
                                         Placement{641, 479, {0, 0, 640, 480}},
                                         Placement{600, 400, {-20, -40, 640, 480}}));

}  // namespace
}  // namespace kameng
