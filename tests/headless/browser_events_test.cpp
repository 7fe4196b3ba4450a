// Browser boxes: recorded navigations and commands, the addresses and texts
// their properties read while events run, and cancelling.
#include "headless/headless_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace kameng::headless_test {
namespace {

using ::testing::ElementsAre;

class BrowserEvents : public ::testing::Test {
protected:
    BrowserEvents() {
        auto web = makeControl("web", Kind::Browser, {0, 0, 300, 200});
        web.address = "http://127.0.0.1/first";
        // Every event records what properties 11 and 12 read while it runs;
        // 0 and 9 cancel when told to.
        for (int n = 0; n <= 9; ++n)
            web.handlers.on(browserEvent(n), [this, n](EventArgs& args) {
                seen.push_back(std::to_string(n) + " " + fw.getProperty(web_, prop::Address).text() + " [" +
                               fw.getProperty(web_, prop::StatusText).text() + "]");
                args.cancel = cancel;
            });
        auto d = makeWindow("W");
        d.controls = {web};
        fw.loadWindow(d);
    }

    HeadlessFramework fw;
    const ControlId web_{"W", "web"};
    std::vector<std::string> seen;
    bool cancel = false;
};

TEST_F(BrowserEvents, NavigationsAndValidCommandsAreRecorded) {
    fw.navigate(web_, "http://127.0.0.1/second");
    fw.setProperty(web_, prop::Address, "http://127.0.0.1/third");
    for (int command : {browser_command::Refresh, 10, -1, browser_command::Back, browser_command::PageSetup})
        fw.browserCommand(web_, command);

    EXPECT_THAT(fw.navigations(web_),
                ElementsAre("http://127.0.0.1/first", "http://127.0.0.1/second", "http://127.0.0.1/third"));
    EXPECT_THAT(fw.browserCommands(web_),
                ElementsAre(browser_command::Refresh, browser_command::Back, browser_command::PageSetup));
    EXPECT_EQ(fw.getProperty(web_, prop::Address).text(), "http://127.0.0.1/third");
}

TEST_F(BrowserEvents, AddressReadsTheEventsOwnWhileEventsThatCarryOneRun) {
    fw.setBrowserLocation(web_, "http://127.0.0.1/here");
    EventArgs withAddress;
    withAddress.address = "http://127.0.0.1/target";
    for (int n = 0; n <= 9; ++n) fw.raiseBrowserEvent(web_, n, withAddress);
    fw.raiseBrowserEvent(web_, 9);  // a new window whose target is unknown

    EXPECT_THAT(seen, ElementsAre("0 http://127.0.0.1/target []", "1 http://127.0.0.1/target []",
                                  "2 http://127.0.0.1/here []", "3 http://127.0.0.1/here []",
                                  "4 http://127.0.0.1/here []", "5 http://127.0.0.1/target []",
                                  "6 http://127.0.0.1/here []", "7 http://127.0.0.1/here []",
                                  "8 http://127.0.0.1/here []", "9 http://127.0.0.1/target []",
                                  "9 http://127.0.0.1/here []"));
    EXPECT_EQ(fw.getProperty(web_, prop::Address).text(), "http://127.0.0.1/here");
}

TEST_F(BrowserEvents, StatusTextIsStoredBeforeItsEventAndStaysForNewWindow) {
    fw.setBrowserStatusText(web_, "http://127.0.0.1/link");
    fw.raiseBrowserEvent(web_, 6);
    fw.raiseBrowserEvent(web_, 9);
    EXPECT_THAT(seen, ElementsAre("6 http://127.0.0.1/first [http://127.0.0.1/link]",
                                  "9 http://127.0.0.1/first [http://127.0.0.1/link]"));
}

TEST_F(BrowserEvents, OnlyNavigationAndNewWindowCanBeCancelled) {
    cancel = true;
    for (int n = 0; n <= 9; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(fw.raiseBrowserEvent(web_, n), n == 0 || n == 9);
    }
    cancel = false;
    EXPECT_FALSE(fw.raiseBrowserEvent(web_, 0));
    EXPECT_FALSE(fw.raiseBrowserEvent(web_, 9));
}

TEST_F(BrowserEvents, NestedEventRestoresTheOuterEventsAddress) {
    std::string outerAfterNested;
    auto d = makeWindow("N");
    auto web = makeControl("web", Kind::Browser);
    const ControlId id{"N", "web"};
    web.handlers.on(Event::BeforeNavigate, [&](EventArgs&) {
        EventArgs inner;
        inner.address = "inner";
        fw.raiseBrowserEvent(id, 1, inner);
        outerAfterNested = fw.getProperty(id, prop::Address).text();
    });
    d.controls = {web};
    ASSERT_TRUE(fw.loadWindow(d));
    EventArgs outer;
    outer.address = "outer";
    fw.raiseBrowserEvent(id, 0, outer);
    EXPECT_EQ(outerAfterNested, "outer");
}

TEST_F(BrowserEvents, MisaddressedCallsThrow) {
    EXPECT_THROW(fw.raiseBrowserEvent(web_, 10), std::invalid_argument);
    EXPECT_THROW(fw.navigate({"W", "nothing"}, "x"), std::invalid_argument);
    EXPECT_THROW(fw.getProperty({"Gone", "web"}, prop::Address), std::invalid_argument);
    EXPECT_THROW(fw.destroyWindow("Gone"), std::invalid_argument);
}

}  // namespace
}  // namespace kameng::headless_test
