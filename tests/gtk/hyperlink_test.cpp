// The hyperlink box opens its address through the desktop's handlers
// (here stubs that record what they are given), and shows normal, hover
// and visited colours.
#include "gtk_test.h"
#include "loopback_server.h"
#include "platform/gtk/gtk_desktop_services.h"
#include "screen_probe.h"
#include "stub_desktop.h"

namespace kameng::gtk::testing {
namespace {

constexpr Rgb kNormal{0, 0, 255}, kHover{51, 153, 255}, kVisited{0, 96, 192};
const std::string kAddress = "http://127.0.0.1:9/t/1234567890";

ControlDescription webLink() {
    ControlDescription link;
    link.text = "站长的腾讯微博";
    link.linkAddress = kAddress;
    return link;
}

class LinkOpening : public GtkTest {
protected:
    explicit LinkOpening(StubDesktop::Handlers handlers) : desktop(handlers) {}

    void SetUp() override {
        if (!fresh) GTEST_SKIP() << "needs a process of its own (ctest runs each test alone)";
    }

    void loadLink(ControlDescription link) {
        link.name = "link";
        link.kind = Kind::HyperLink;
        link.rect = {20, 20, 104, 16};
        link.textColour = kNormal;
        link.hoverColour = kHover;
        link.visitedColour = kVisited;
        link.font = Font{"宋体", -12, 400, true, 134};
        link.pointer = Pointer::Hand;
        WindowDescription d = windowOf("W", {100, 100, 300, 120}, border::Fixed);
        d.controls = {link, controlOf(Kind::Label, "elsewhere", {20, 60, 200, 20}, "")};
        ASSERT_TRUE(fw().loadWindow(d));
        ASSERT_TRUE(waitUntilViewable(fw(), "W"));
    }
    // Pixels of the link's text in the colour.
    int shown(Rgb colour) {
        ScreenShot shot(clientOnScreen(fw(), "W"));
        return shot.count({20, 20, 104, 16}, colour, 30);
    }
    bool showsOnly(Rgb colour, std::initializer_list<Rgb> others) {
        return waitUntil([&] {
            if (shown(colour) < 5) return false;
            for (Rgb other : others)
                if (shown(other) > 0) return false;
            return true;
        });
    }
    void clickAndLeave() {
        clickControl(fw(), {"W", "link"});
        movePointerTo(fw(), {"W", "elsewhere"}, 150, 10);
    }

    bool fresh = StubDesktop::canTakeEffect();
    StubDesktop desktop;
};

class LinkWithBrowser : public LinkOpening {
protected:
    LinkWithBrowser() : LinkOpening(StubDesktop::Handlers::WebAndMail) {}
};

class LinkWithPageViewerOnly : public LinkOpening {
protected:
    LinkWithPageViewerOnly() : LinkOpening(StubDesktop::Handlers::WebPagesOnly) {}
};

class LinkWithNoHandler : public LinkOpening {
protected:
    LinkWithNoHandler() : LinkOpening(StubDesktop::Handlers::Nothing) {}
};

TEST_F(LinkWithBrowser, OpensTheWebAddressAndTurnsVisited) {
    loadLink(webLink());
    EXPECT_TRUE(showsOnly(kNormal, {kHover, kVisited}));

    movePointerTo(fw(), {"W", "link"}, 50, 8);
    EXPECT_TRUE(showsOnly(kHover, {kNormal, kVisited})) << "pointer over the link";

    clickAndLeave();
    ASSERT_TRUE(waitUntil([&] { return desktop.opened() == std::vector<std::string>{kAddress}; }));
    EXPECT_TRUE(showsOnly(kVisited, {kNormal, kHover}));
}

TEST_F(LinkWithBrowser, EmailLinkOpensAMailtoAddressAndAnEmptyOneNothing) {
    ControlDescription mail;
    mail.linkIsEmail = true;
    mail.emailAddress = "owner@example.com";
    loadLink(mail);
    clickAndLeave();
    ASSERT_TRUE(waitUntil([&] { return !desktop.opened().empty(); }));
    EXPECT_EQ(desktop.opened(), std::vector<std::string>{"mailto:owner@example.com"});

    fw().destroyWindow("W");
    ASSERT_TRUE(waitUntil([&] { return !fw().isLoaded("W"); }));
    ControlDescription empty;
    empty.text = "no address";
    loadLink(empty);
    clickAndLeave();
    pause(500);
    EXPECT_EQ(desktop.opened().size(), 1u);
    EXPECT_TRUE(showsOnly(kNormal, {kVisited}));
}

TEST_F(LinkWithBrowser, DesktopServicesHandTheAddressToTheDefaultBrowser) {
    GtkDesktopServices desktopServices;
    fw();  // GIO as the program uses it, with GTK started
    EXPECT_TRUE(desktopServices.openInDefaultBrowser(kAddress));
    EXPECT_TRUE(waitUntil([&] { return desktop.opened() == std::vector<std::string>{kAddress}; }));
    EXPECT_FALSE(desktopServices.openInDefaultBrowser(""));
}

// What a browser box does with a new window its handler lets through.
TEST_F(LinkWithBrowser, NewWindowThatIsNotCancelledOpensInTheDefaultBrowser) {
    LoopbackServer server{{{"/", {.body = R"(<html><body style="margin:0">
<a href="/elsewhere" target="_blank" style="display:block; height:100px">new window</a></body></html>)"}}}};
    WindowDescription d = windowOf("W", {100, 100, 300, 200}, border::Fixed);
    ControlDescription web = controlOf(Kind::Browser, "web", {0, 0, 300, 150});
    web.address = server.url("/");
    bool ready = false;
    int newWindows = 0;
    web.handlers.on(Event::DocumentComplete, [&](EventArgs&) { ready = true; })
        .on(Event::NewWindow, [&](EventArgs&) { ++newWindows; });
    d.controls = {web};
    ASSERT_TRUE(fw().loadWindow(d));
    ASSERT_TRUE(waitUntilViewable(fw(), "W"));
    ASSERT_TRUE(waitUntil([&] { return ready; }));

    clickControlAt(fw(), {"W", "web"}, 50, 50);
    ASSERT_TRUE(waitUntil([&] { return !desktop.opened().empty(); }));
    EXPECT_EQ(desktop.opened(), std::vector<std::string>{server.url("/elsewhere")});
    EXPECT_EQ(newWindows, 1);
}

TEST_F(LinkWithPageViewerOnly, FallsBackToTheProgramForWebPages) {
    loadLink(webLink());
    clickAndLeave();
    ASSERT_TRUE(waitUntil([&] { return desktop.opened() == std::vector<std::string>{kAddress}; }));
    EXPECT_TRUE(showsOnly(kVisited, {kNormal}));
}

TEST_F(LinkWithNoHandler, NothingOpensAndTheLinkStaysUnvisited) {
    loadLink(webLink());
    clickAndLeave();
    pause(500);
    EXPECT_TRUE(desktop.opened().empty());
    EXPECT_TRUE(showsOnly(kNormal, {kVisited, kHover}));
    EXPECT_FALSE(GtkDesktopServices().openInDefaultBrowser(kAddress));
}

}  // namespace
}  // namespace kameng::gtk::testing
