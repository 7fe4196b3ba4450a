#include "app/layout.h"
#include "main_window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace kameng {
namespace {

using namespace main_window;
using testing_support::LoadedMainWindow;
using testing_support::mainControl;
using testing_support::rectOf;

constexpr int frameWidth = 2 * HeadlessFramework::FrameSide;

struct LayoutCase {
    const char* name;
    std::function<void(HeadlessFramework&)> resize;
    int clientWidth;
    int firstPartWidth;  // -1: part 0 runs to the right end
};

class Layout : public LoadedMainWindow, public testing::WithParamInterface<LayoutCase> {};

TEST_P(Layout, FollowsTheClientWidth) {
    GetParam().resize(framework);
    const int cw = GetParam().clientWidth;
    ASSERT_EQ(framework.clientWidth(window), cw);

    // From the right: 全屏, 刷新, 主页, 电台听歌, 在线客服, 5 pixels apart.
    const std::pair<const char*, int> buttons[] = {
        {fullScreenButton, cw - 77}, {refreshButton, cw - 154}, {homeButton, cw - 231},
        {radioButton, cw - 308},     {serviceButton, cw - 385},
    };
    for (const auto& [name, left] : buttons)
        EXPECT_EQ(rectOf(framework, mainControl(name)), (Rect{left, 4, 72, 22})) << name;

    EXPECT_EQ(rectOf(framework, mainControl(addressLabel)), (Rect{5, 5, 40, 20}));
    // Below the design width sizes turn negative (only while minimised);
    // the framework keeps them at 0.
    const auto size = [](int requested) { return std::max(0, requested); };
    EXPECT_EQ(rectOf(framework, mainControl(addressBox)), (Rect{45, 5, size(cw - 281), 20}));

    const int barTop = framework.getProperty(mainControl(statusBar), prop::Top).number();
    EXPECT_EQ(rectOf(framework, mainControl(browser)), (Rect{0, 30, cw, size(barTop - 30)}));

    const auto bar = mainControl(statusBar);
    EXPECT_EQ(framework.statusPartWidth(bar, 0), GetParam().firstPartWidth);
    EXPECT_EQ(framework.statusPartWidth(bar, 1), 120);
    EXPECT_EQ(rectOf(framework, mainControl(microblogLink)), (Rect{cw - 109, 2, 104, 16}));
}

INSTANTIATE_TEST_SUITE_P(
    ClientWidths, Layout,
    testing::Values(
        LayoutCase{"Design", [](HeadlessFramework&) {}, 634, 514},
        LayoutCase{"Maximised",
                   [](HeadlessFramework& f) { ASSERT_TRUE(f.maximiseByUser(window)); },
                   HeadlessFramework::DefaultScreenWidth - frameWidth, HeadlessFramework::DefaultScreenWidth - frameWidth - 120},
        LayoutCase{"Minimised", [](HeadlessFramework& f) { ASSERT_TRUE(f.minimiseByUser(window)); }, 0, -1},
        LayoutCase{"Narrow120",
                   [](HeadlessFramework& f) { f.moveControl(ControlId{window}, {}, {}, 120 + frameWidth, {}); },
                   120, 0},
        LayoutCase{"Narrow119",
                   [](HeadlessFramework& f) { f.moveControl(ControlId{window}, {}, {}, 119 + frameWidth, {}); },
                   119, -1},
        LayoutCase{"MinimisedThenRestored",
                   [](HeadlessFramework& f) {
                       ASSERT_TRUE(f.minimiseByUser(window));
                       ASSERT_TRUE(f.restoreByUser(window));
                   },
                   634, 514},
        LayoutCase{"MaximisedThenRestored",
                   [](HeadlessFramework& f) {
                       ASSERT_TRUE(f.maximiseByUser(window));
                       ASSERT_TRUE(f.restoreByUser(window));
                   },
                   634, 514}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST_F(LoadedMainWindow, DesignWidthPutsTheStatusPartsAndLinkAtTheirPlaces) {
    const auto bar = mainControl(statusBar);
    EXPECT_EQ(framework.statusPartRightEdge(bar, 0), 514);
    EXPECT_EQ(framework.statusPartRightEdge(bar, 1), 634);
    // The row's left end lies just right of the yesterday counter (216 + 32).
    EXPECT_EQ(framework.getProperty(mainControl(serviceButton), prop::Left).number(), 249);
    EXPECT_EQ(framework.parentOf(mainControl(microblogLink)), statusBar);
}

TEST_F(LoadedMainWindow, FullScreenStartsTheBrowserAtTheTop) {
    mainWindow.state().isFullScreen = 1;
    framework.moveControl(ControlId{window}, 0, 0, 800, 600);
    const int barTop = framework.getProperty(mainControl(statusBar), prop::Top).number();
    EXPECT_EQ(rectOf(framework, mainControl(browser)), (Rect{0, 0, 800 - frameWidth, barTop}));

    mainWindow.state().isFullScreen = 0;
    framework.moveControl(ControlId{window}, 0, 0, 640, 480);
    const int restoredBarTop = framework.getProperty(mainControl(statusBar), prop::Top).number();
    EXPECT_EQ(rectOf(framework, mainControl(browser)), (Rect{0, 30, 634, restoredBarTop - 30}));
}

struct DockCase {
    int linkHeight;
    int top;
};

class DockStatusLink : public LoadedMainWindow, public testing::WithParamInterface<DockCase> {};

// (bar height - link height) / 2 truncates toward zero: -1 gives 0, not -1.
TEST_P(DockStatusLink, CentresTheLinkVerticallyTruncatingTowardZero) {
    const auto link = mainControl(microblogLink);
    framework.moveControl(link, {}, {}, 90, GetParam().linkHeight);
    dockStatusLink(framework);
    EXPECT_EQ(rectOf(framework, link), (Rect{634 - 90 - 5, GetParam().top, 90, GetParam().linkHeight}));
}

INSTANTIATE_TEST_SUITE_P(LinkHeights, DockStatusLink,
                         testing::Values(DockCase{16, 2}, DockCase{15, 2}, DockCase{20, 0}, DockCase{21, 0},
                                         DockCase{23, -1}, DockCase{24, -2}));

}  // namespace
}  // namespace kameng
