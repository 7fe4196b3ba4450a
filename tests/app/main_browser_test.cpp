#include "main_window_fixture.h"

#include <gtest/gtest.h>

namespace kameng {
namespace {

using namespace main_window;
using testing_support::LoadedMainWindow;
using testing_support::mainControl;

class MainBrowserEvents : public LoadedMainWindow {
protected:
    const ControlId browserBox = mainControl(browser);
    const ControlId bar = mainControl(statusBar);
};

TEST_F(MainBrowserEvents, StatusTextIsMirroredIntoPartZero) {
    framework.setBrowserStatusText(browserBox, "http://127.0.0.1:8080/Goods.aspx?id=3");
    framework.raiseBrowserEvent(browserBox, 6);
    EXPECT_EQ(framework.statusPartText(bar, 0), "http://127.0.0.1:8080/Goods.aspx?id=3");
    EXPECT_EQ(framework.statusPartText(bar, 1), "");

    framework.setBrowserStatusText(browserBox, "");
    framework.raiseBrowserEvent(browserBox, 6);
    EXPECT_EQ(framework.statusPartText(bar, 0), "");
}

TEST_F(MainBrowserEvents, DownloadCompleteCopiesTheCurrentLocationUnlessTheBoxHasTheFocus) {
    framework.setBrowserLocation(browserBox, "http://127.0.0.1:8080/Goods.aspx");
    framework.raiseBrowserEvent(browserBox, 4);
    EXPECT_EQ(text(addressBox), "http://127.0.0.1:8080/Goods.aspx");

    // The user is typing into the box: it keeps the text.
    framework.setFocusTo(mainControl(addressBox));
    framework.setProperty(mainControl(addressBox), prop::Text, "http://127.0.0.1:8080/Ty");
    framework.setBrowserLocation(browserBox, "http://127.0.0.1:8080/Other.aspx");
    framework.raiseBrowserEvent(browserBox, 4);
    EXPECT_EQ(text(addressBox), "http://127.0.0.1:8080/Ty");

    // Once the focus has left, the next download brings it in step again.
    framework.setFocusTo(browserBox);
    framework.raiseBrowserEvent(browserBox, 4);
    EXPECT_EQ(text(addressBox), "http://127.0.0.1:8080/Other.aspx");
}

struct NewWindowCase {
    const char* name;
    const char* target;      // the new window's own address, "" when unknown
    const char* statusText;  // what the status bar text holds meanwhile
    const char* loaded;      // nullptr: the main browser is not navigated
};

class NewWindow : public MainBrowserEvents, public testing::WithParamInterface<NewWindowCase> {};

TEST_P(NewWindow, OpensWebAddressesInTheMainBrowserAndNeverANewWindow) {
    framework.setBrowserStatusText(browserBox, GetParam().statusText);
    const auto before = navigations();

    EventArgs args;
    args.address = GetParam().target;
    EXPECT_TRUE(framework.raiseBrowserEvent(browserBox, 9, args)) << "the new window must be cancelled";

    auto expected = before;
    if (GetParam().loaded) expected.emplace_back(GetParam().loaded);
    EXPECT_EQ(navigations(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, NewWindow,
    testing::Values(
        NewWindowCase{"OwnTargetWinsOverStatusText", "http://127.0.0.1:8080/Pay.aspx",
                      "http://127.0.0.1:8080/Hovered.aspx", "http://127.0.0.1:8080/Pay.aspx"},
        NewWindowCase{"OwnTargetWithEmptyStatus", "https://127.0.0.1:8443/x", "", "https://127.0.0.1:8443/x"},
        NewWindowCase{"StatusTextWhenTargetUnknown", "", "http://127.0.0.1:8080/Hovered.aspx",
                      "http://127.0.0.1:8080/Hovered.aspx"},
        NewWindowCase{"EmptyStatusText", "", "", nullptr},
        NewWindowCase{"PageMessageInStatus", "", "欢迎光临本店", nullptr},
        NewWindowCase{"ScriptInStatus", "", "javascript:window.open('x')", nullptr},
        NewWindowCase{"ScriptTargetDoesNotFallBackToStatus", "javascript:void(0)",
                      "http://127.0.0.1:8080/Hovered.aspx", nullptr},
        NewWindowCase{"LocalFileTarget", "file:///etc/passwd", "", nullptr},
        NewWindowCase{"DataTarget", "data:text/html,<script>x</script>", "", nullptr},
        NewWindowCase{"VbscriptInStatus", "", "vbscript:msgbox(1)", nullptr}),
    [](const testing::TestParamInfo<NewWindowCase>& info) { return info.param.name; });

TEST_F(MainBrowserEvents, RefreshReloadsTheMainBrowserOnly) {
    ASSERT_TRUE(framework.clickButton(mainControl(refreshButton)));
    EXPECT_EQ(framework.browserCommands(browserBox), std::vector<int>{browser_command::Refresh});
    EXPECT_TRUE(framework.browserCommands(mainControl(auxBrowser)).empty());
}

TEST_F(MainBrowserEvents, CustomerServiceOpensTheChatPageInTheDefaultBrowser) {
    const auto before = navigations();
    ASSERT_TRUE(framework.clickButton(mainControl(serviceButton)));
    EXPECT_EQ(desktop.opened, std::vector<std::string>{addresses.chat});
    EXPECT_EQ(navigations(), before);
}

TEST_F(MainBrowserEvents, HiddenBrowserLoadsItsFixedPageOnceAtCreation) {
    const auto aux = mainControl(auxBrowser);
    EXPECT_EQ(framework.navigations(aux), std::vector<std::string>{addresses.aux});
    EXPECT_EQ(framework.getProperty(aux, prop::Visible).number(), 0);
    EXPECT_EQ(framework.getProperty(aux, prop::Silent).number(), 0);
    EXPECT_EQ(framework.getProperty(browserBox, prop::Silent).number(), 1);
}

}  // namespace
}  // namespace kameng
