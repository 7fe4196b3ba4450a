// The double's own window geometry: frames, minimised and maximised windows,
// centring and the status bar's part edges.
#include "headless/headless_test_support.h"

#include <gtest/gtest.h>

namespace kameng::headless_test {
namespace {

constexpr int Side = HeadlessFramework::FrameSide;
constexpr int Title = HeadlessFramework::FrameTitle;

Rect outerOf(const HeadlessFramework& fw, std::string_view window) {
    const ControlId id(window);
    return Rect{fw.getProperty(id, prop::Left).number(), fw.getProperty(id, prop::Top).number(),
                fw.getProperty(id, prop::Width).number(), fw.getProperty(id, prop::Height).number()};
}

TEST(HeadlessGeometry, FrameDependsOnTheBorder) {
    HeadlessFramework fw;
    for (int border : {border::None, border::Resizable, border::Fixed}) {
        SCOPED_TRACE(border);
        auto d = makeWindow("W", {0, 0, 640, 480});
        d.border = border;
        ASSERT_TRUE(fw.loadWindow(d));
        const int frame = border == border::None ? 0 : 1;
        EXPECT_EQ(fw.clientWidth("W"), 640 - frame * 2 * Side);
        EXPECT_EQ(fw.clientHeight("W"), 480 - frame * (Title + Side));
        fw.destroyWindow("W");
        fw.processEvents();
    }
}

TEST(HeadlessGeometry, CentringTruncatesTowardZero) {
    HeadlessFramework fw;
    fw.setScreenSize(1024, 479);
    auto d = makeWindow("W", {50, 50, 640, 480});
    d.centred = true;
    ASSERT_TRUE(fw.loadWindow(d));
    EXPECT_EQ(outerOf(fw, "W"), (Rect{192, 0, 640, 480}));
}

TEST(HeadlessGeometry, MinimisedHasNoClientAreaAndMaximisedCoversTheScreen) {
    HeadlessFramework fw;
    int sizeChanges = 0;
    auto d = makeWindow("W", {10, 20, 640, 480});
    d.controls = {makeControl("bar", Kind::StatusBar)};
    d.handlers.on(Event::SizeChanged, [&](EventArgs&) { ++sizeChanges; });
    ASSERT_TRUE(fw.loadWindow(d));
    sizeChanges = 0;

    fw.setProperty("W", prop::WindowState, window_state::Maximised);
    EXPECT_EQ(outerOf(fw, "W"), (Rect{0, 0, 1024, 768}));
    fw.setProperty("W", prop::WindowState, window_state::Minimised);
    EXPECT_EQ(fw.clientWidth("W"), 0);
    EXPECT_EQ(fw.clientHeight("W"), 0);
    EXPECT_EQ(fw.getProperty({"W", "bar"}, prop::Width).number(), 0);
    ASSERT_TRUE(fw.restoreByUser("W"));
    EXPECT_EQ(fw.getProperty("W", prop::WindowState).number(), window_state::Maximised);
    ASSERT_TRUE(fw.restoreByUser("W"));
    EXPECT_EQ(outerOf(fw, "W"), (Rect{10, 20, 640, 480}));
    EXPECT_EQ(sizeChanges, 4);
}

TEST(HeadlessGeometry, StatusPartEdgesAreRunningSums) {
    HeadlessFramework fw;
    auto bar = makeControl("bar", Kind::StatusBar);
    bar.statusParts = {100, 120, 50};
    auto d = makeWindow("W", {0, 0, 640 + 2 * Side, 480});
    d.controls = {bar};
    ASSERT_TRUE(fw.loadWindow(d));
    const ControlId id{"W", "bar"};

    EXPECT_EQ(fw.statusPartRightEdge(id, 2), 270);
    fw.setStatusPartWidth(id, 0, -1);
    EXPECT_EQ(fw.statusPartRightEdge(id, 0), 640);
    fw.setStatusPartWidth(id, 0, 0);
    EXPECT_EQ(fw.statusPartRightEdge(id, 1), 120);
    EXPECT_EQ(fw.statusPartRightEdge(id, 3), 0);
    EXPECT_EQ(fw.statusPartCount(id), 3);
}

}  // namespace
}  // namespace kameng::headless_test
