// The browser box's events, numbered properties and commands on WebKit,
// against pages served on 127.0.0.1.
#include "gtk_test.h"
#include "loopback_server.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace kameng::gtk::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

const char* const kOne = R"page(<html><head><title>One</title></head>
<body style="margin:0">
<a id="same" href="/two" style="display:block; width:200px; height:60px; background:#ccc">two</a>
<a id="blank" href="/three" target="_blank" style="display:block; width:200px; height:60px; background:#aaa">three</a>
<button onclick="window.open('/four')" style="display:block; width:200px; height:60px">four</button>
</body></html>)page";
const char* const kTwo = "<html><head><title>Two</title></head><body>two</body></html>";
// The script goes on, and asks for /after, only once its dialogs are answered.
const char* const kAlert = R"(<html><body onload="alert('hello'); confirm('sure?');
new Image().src = '/after'"></body></html>)";

class BrowserEvents : public GtkTest {
protected:
    void load(bool silent = true) {
        WindowDescription d = windowOf("W", {100, 100, 400, 300}, border::Fixed);
        ControlDescription web = controlOf(Kind::Browser, "web", {0, 0, 400, 240});
        web.silent = silent;
        for (int n = 0; n <= 9; ++n) {
            web.handlers.on(browserEvent(n), [this, n](EventArgs& args) {
                const std::string during = fw().getProperty(view, prop::Address).text();
                events.push_back({n, args.address, during, args.percent, args.command, args.enabled});
                if ((n == 0 && cancelNavigationTo && args.address.ends_with(*cancelNavigationTo)) ||
                    (n == 9 && cancelNewWindows))
                    args.cancel = true;
            });
        }
        d.controls = {web};
        ASSERT_TRUE(fw().loadWindow(d));
        ASSERT_TRUE(waitUntilViewable(fw(), "W"));
    }
    void open(const std::string& path) {
        fw().navigate(view, server.url(path));
        ASSERT_TRUE(ready(path));
    }
    // Waits for the page to be ready (event 5) at the address.
    bool ready(const std::string& path) {
        const std::size_t from = events.size();
        return waitUntil([&] {
            return std::any_of(events.begin() + static_cast<std::ptrdiff_t>(std::min(from, events.size())),
                               events.end(), [&](const auto& e) {
                                   return e.number == 5 && e.address == server.url(path);
                               });
        });
    }
    std::string location() { return fw().getProperty(view, prop::Address).text(); }
    std::vector<int> numbers() {
        std::vector<int> n;
        for (const auto& e : events) n.push_back(e.number);
        return n;
    }
    const auto* last(int number) {
        auto it = std::find_if(events.rbegin(), events.rend(),
                               [number](const auto& e) { return e.number == number; });
        return it == events.rend() ? nullptr : &*it;
    }
    int requests(const std::string& path) {
        auto paths = server.requestedPaths();
        return static_cast<int>(std::count(paths.begin(), paths.end(), path));
    }

    struct Seen {
        int number;
        std::string address, addressProperty;
        int percent, command;
        bool enabled;
    };
    LoopbackServer server{{{"/one", {.body = kOne}},
                           {"/two", {.body = kTwo}},
                           {"/three", {.body = kTwo}},
                           {"/four", {.body = kTwo}},
                           {"/alert", {.body = kAlert}}}};
    const ControlId view{"W", "web"};
    std::vector<Seen> events;
    std::optional<std::string> cancelNavigationTo;
    bool cancelNewWindows = true;
};

TEST_F(BrowserEvents, NavigationRaisesItsEventsInOrderWithTheAddress) {
    load();
    open("/one");

    const auto n = numbers();
    auto position = [&](int number) { return std::find(n.begin(), n.end(), number) - n.begin(); };
    EXPECT_LT(position(0), position(2));
    EXPECT_LT(position(2), position(1));
    EXPECT_LT(position(1), position(4));
    EXPECT_LT(position(4), position(5));
    for (int number : {0, 1, 5}) {
        SCOPED_TRACE(number);
        ASSERT_NE(last(number), nullptr);
        EXPECT_EQ(last(number)->address, server.url("/one"));
        EXPECT_EQ(last(number)->addressProperty, server.url("/one")) << "property 11 during the event";
    }
    ASSERT_NE(last(3), nullptr);
    EXPECT_EQ(last(3)->percent, 100);
    // The title may come after the load has finished.
    EXPECT_TRUE(waitUntil([&] { return fw().getProperty(view, prop::Title).text() == "One"; }));
    EXPECT_THAT(numbers(), Contains(7));
}

TEST_F(BrowserEvents, CancelledNavigationDoesNotHappen) {
    load();
    open("/one");
    cancelNavigationTo = "/two";
    fw().setProperty(view, prop::Address, server.url("/two"));
    ASSERT_TRUE(waitUntil([&] { return last(0) && last(0)->address == server.url("/two"); }));
    pause(300);
    EXPECT_EQ(location(), server.url("/one"));
    EXPECT_EQ(requests("/two"), 0);
}

TEST_F(BrowserEvents, HoveredLinkIsTheStatusTextAndEmptyOffALink) {
    load();
    open("/one");
    movePointerTo(fw(), view, 100, 30);
    ASSERT_TRUE(waitUntil([&] { return fw().getProperty(view, prop::StatusText).text() == server.url("/two"); }));
    EXPECT_THAT(numbers(), Contains(6));
    movePointerTo(fw(), view, 300, 220);
    EXPECT_TRUE(waitUntil([&] { return fw().getProperty(view, prop::StatusText).text().empty(); }));
}

// Counts the program's visible top-level windows.
int shownWindows() {
    GList* all = gtk_window_list_toplevels();
    int n = 0;
    for (GList* l = all; l; l = l->next)
        if (gtk_widget_get_visible(GTK_WIDGET(l->data)) &&
            gtk_window_get_window_type(GTK_WINDOW(l->data)) == GTK_WINDOW_TOPLEVEL)
            ++n;
    g_list_free(all);
    return n;
}

TEST_F(BrowserEvents, NewWindowsCarryTheirTargetAndAreCancelled) {
    struct Case {
        const char* what;
        int y;  // where in the page to click
        const char* path;
    };
    const Case cases[] = {{"target=_blank link", 90, "/three"}, {"window.open", 150, "/four"}};
    load();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        open("/one");
        events.clear();
        clickControlAt(fw(), view, 100, c.y);
        ASSERT_TRUE(waitUntil([&] { return last(9) != nullptr; }));
        EXPECT_EQ(last(9)->address, server.url(c.path));
        EXPECT_EQ(last(9)->addressProperty, server.url(c.path)) << "property 11 during event 9";
        pause(300);
        EXPECT_EQ(shownWindows(), 1);
        EXPECT_EQ(requests(c.path), 0);
        EXPECT_EQ(location(), server.url("/one"));
    }
}

TEST_F(BrowserEvents, BackAndForwardFollowTheHistoryAndReportTheirState) {
    load();
    open("/one");
    open("/two");
    ASSERT_NE(last(8), nullptr);
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [](const auto& e) {
        return e.number == 8 && e.command == 1 && e.enabled;
    })) << "back became possible";

    fw().browserCommand(view, browser_command::Back);
    ASSERT_TRUE(ready("/one"));
    EXPECT_TRUE(std::any_of(events.begin(), events.end(), [](const auto& e) {
        return e.number == 8 && e.command == 0 && e.enabled;
    })) << "forward became possible";
    fw().browserCommand(view, browser_command::Forward);
    ASSERT_TRUE(ready("/two"));

    const int before = requests("/two");
    fw().browserCommand(view, browser_command::Refresh);
    EXPECT_TRUE(waitUntil([&] { return requests("/two") == before + 1; }));
}

TEST_F(BrowserEvents, SaveAsAsksForAFileAndItsDialogGoesWithTheWindow) {
    load();
    open("/one");
    fw().browserCommand(view, browser_command::SaveAs);
    ASSERT_TRUE(waitUntil([&] { return shownWindows() == 2; }));
    fw().browserCommand(view, browser_command::SaveAs);  // already asking
    pause(200);
    EXPECT_EQ(shownWindows(), 2);

    fw().destroyWindow("W");
    ASSERT_TRUE(waitUntil([&] { return !fw().isLoaded("W"); }));
    EXPECT_TRUE(waitUntil([&] { return shownWindows() == 0; }));
}

TEST_F(BrowserEvents, SilentBrowserAnswersScriptDialogsItself) {
    load(true);
    fw().navigate(view, server.url("/alert"));
    EXPECT_TRUE(waitUntil([&] { return requests("/after") == 1; }));
}

TEST_F(BrowserEvents, BrowserThatIsNotSilentLeavesScriptDialogsToTheUser) {
    load(false);
    fw().navigate(view, server.url("/alert"));
    ASSERT_TRUE(waitUntil([&] { return requests("/alert") == 1; }));
    pause(1000);
    EXPECT_EQ(requests("/after"), 0) << "the script went on without an answer";
}

TEST_F(BrowserEvents, OfflineBrowserDoesNotGoToTheNetwork) {
    load();
    open("/one");
    fw().setProperty(view, prop::Offline, 1);
    EXPECT_EQ(fw().getProperty(view, prop::Offline).number(), 1);
    fw().navigate(view, server.url("/two"));
    pause(500);
    EXPECT_EQ(requests("/two"), 0);
    EXPECT_EQ(location(), server.url("/one"));
}

}  // namespace
}  // namespace kameng::gtk::testing
