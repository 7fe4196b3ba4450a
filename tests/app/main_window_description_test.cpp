#include "app/main_window_description.h"
#include "main_window_fixture.h"

#include <gtest/gtest.h>

namespace kameng {
namespace {

using namespace main_window;
using testing_support::LoadedMainWindow;
using testing_support::mainControl;
using testing_support::rectOf;

TEST_F(LoadedMainWindow, ControlsAreStackedFrontToBackAsDescribed) {
    // Timers are not stacked, and the link has moved into the status bar.
    const std::vector<std::string> expected = {
        serviceButton, radioButton, auxBrowser,   yesterdayCount, todayCount, yesterdayCaption,
        todayCaption,  refreshButton, hintBar,     fullScreenButton, statusBar, homeButton,
        addressBox,    addressLabel, browser,
    };
    EXPECT_EQ(framework.stackingOrder(window), expected);
}

TEST_F(LoadedMainWindow, ControlsTheLayoutLeavesAloneKeepTheirDesignPlaces) {
    struct Expected {
        const char* name;
        Rect rect;
        bool visible;
        const char* caption;
    };
    for (const auto& e : {
             Expected{todayCaption, {0, 0, 80, 24}, true, "今日使用次数："},
             Expected{todayCount, {80, 0, 40, 24}, true, ""},
             Expected{yesterdayCaption, {136, 0, 80, 24}, true, "昨日使用次数："},
             Expected{yesterdayCount, {216, 0, 32, 24}, true, ""},
             Expected{hintBar, {16, 192, 376, 48}, false, "按下热键F11退出全屏"},
             Expected{auxBrowser, {464, 120, 40, 40}, false, nullptr},
         }) {
        const auto c = mainControl(e.name);
        EXPECT_EQ(rectOf(framework, c), e.rect) << e.name;
        EXPECT_EQ(framework.getProperty(c, prop::Visible).number(), e.visible ? 1 : 0) << e.name;
        if (e.caption) {
            EXPECT_EQ(framework.getProperty(c, prop::Caption).text(), e.caption) << e.name;
        }
    }
    // The hint timer stays stopped; only the statistics timer is started.
    EXPECT_EQ(framework.getProperty(mainControl(hintTimer), prop::Period).number(), 0);
    EXPECT_EQ(framework.getProperty(mainControl(statsTimer), prop::Period).number(), 2000);
    EXPECT_EQ(framework.windowTitle(window),
              "澄枫卡盟在线浏览工具，全新界面速度更快-画面更清-赚钱更给力人，以诚信为本，诚信铸造未来");
}

TEST(MainWindowDescription, WindowAndLinkSettings) {
    auto d = describeMainWindow(testing_support::loopbackAddresses());
    EXPECT_EQ(d.rect, (Rect{50, 50, 640, 480}));
    EXPECT_TRUE(d.centred);
    EXPECT_EQ(d.border, border::Fixed);
    EXPECT_TRUE(d.maximiseBox && d.minimiseBox && d.controlBox && d.escCloses && d.showInTaskbar);
    EXPECT_FALSE(d.alwaysOnTop);

    const auto& link = controlNamed(d, microblogLink);
    EXPECT_EQ(link.text, "站长的腾讯微博");
    EXPECT_EQ(link.linkAddress, testing_support::loopbackAddresses().microblog);
    EXPECT_FALSE(link.linkIsEmail);
    EXPECT_EQ(link.textColour, (Rgb{0, 0, 255}));
    EXPECT_EQ(link.hoverColour, (Rgb{51, 153, 255}));
    EXPECT_EQ(link.visitedColour, (Rgb{0, 96, 192}));
    ASSERT_TRUE(link.font.has_value());
    EXPECT_EQ(link.font->face, "宋体");
    EXPECT_EQ(link.font->height, -12);
    EXPECT_TRUE(link.font->underline);
    EXPECT_EQ(link.font->charset, 134);
    EXPECT_EQ(link.pointer, Pointer::Hand);

    EXPECT_EQ(controlNamed(d, homeButton).text, "主页(&G)");
    EXPECT_EQ(controlNamed(d, statusBar).statusParts, (std::vector<int>{100, 120}));
    EXPECT_THROW(controlNamed(d, "按钮9"), std::logic_error);
}

}  // namespace
}  // namespace kameng
