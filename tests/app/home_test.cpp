#include "main_window_fixture.h"

#include <gtest/gtest.h>

namespace kameng {
namespace {

using namespace main_window;
using testing_support::LoadedMainWindow;
using testing_support::mainControl;

TEST_F(LoadedMainWindow, StartsOnTheStartAddressWithTheAddressRowHidden) {
    EXPECT_EQ(navigations(), std::vector<std::string>{addresses.start});
    EXPECT_EQ(text(addressBox), addresses.start);
    EXPECT_EQ(framework.getProperty(mainControl(addressBox), prop::Visible).number(), 0);
    EXPECT_EQ(framework.getProperty(mainControl(addressLabel), prop::Visible).number(), 0);
}

struct HomeCase {
    const char* boxText;
    const char* loaded;  // nullptr: nothing is loaded
};

class Home : public LoadedMainWindow, public testing::WithParamInterface<HomeCase> {};

TEST_P(Home, LoadsTheBoxTextWithoutSurroundingSpaces) {
    framework.setProperty(mainControl(addressBox), prop::Text, GetParam().boxText);
    const auto before = navigations();

    ASSERT_TRUE(framework.clickButton(mainControl(homeButton)));

    auto expected = before;
    if (GetParam().loaded) expected.emplace_back(GetParam().loaded);
    EXPECT_EQ(navigations(), expected);
    // A box with no address takes the focus instead.
    const bool boxFocused =
        framework.focusedHandle() == framework.windowHandle(mainControl(addressBox));
    EXPECT_EQ(boxFocused, GetParam().loaded == nullptr);
}

// "　" is the full-width space.
INSTANTIATE_TEST_SUITE_P(BoxTexts, Home,
                         testing::Values(HomeCase{"http://127.0.0.1:8080/a.aspx", "http://127.0.0.1:8080/a.aspx"},
                                         HomeCase{"  http://127.0.0.1:8080/a  ", "http://127.0.0.1:8080/a"},
                                         HomeCase{"　 http://127.0.0.1:8080/a　", "http://127.0.0.1:8080/a"},
                                         HomeCase{"\thttp://127.0.0.1:8080/a", "\thttp://127.0.0.1:8080/a"},
                                         HomeCase{"   ", nullptr}, HomeCase{"　　", nullptr},
                                         HomeCase{"", nullptr}));

TEST_F(LoadedMainWindow, AltGReloadsThePageTheBrowserHasMovedOnTo) {
    const auto browserBox = mainControl(browser);
    framework.setBrowserLocation(browserBox, "http://127.0.0.1:8080/Goods.aspx?id=7");
    framework.raiseBrowserEvent(browserBox, 4);

    ASSERT_TRUE(framework.pressKey(window, 'G', modifier::Alt));
    EXPECT_EQ(navigations().back(), "http://127.0.0.1:8080/Goods.aspx?id=7");

    // Only Alt+G is Home's mnemonic.
    const auto count = navigations().size();
    framework.pressKey(window, 'G', modifier::Alt | modifier::Control);
    framework.pressKey(window, 'H', modifier::Alt);
    EXPECT_EQ(navigations().size(), count);
}

TEST_F(LoadedMainWindow, EscClosesTheWindow) {
    ASSERT_TRUE(framework.pressKey(window, vkey::Escape));
    EXPECT_FALSE(framework.isLoaded(window));
}

}  // namespace
}  // namespace kameng
