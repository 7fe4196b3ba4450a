// Keys that reach a window: Esc closes it when its description says so,
// Alt+letter clicks the button whose caption marks that letter, and the
// focused web view has every key first.
#include "gtk_test.h"
#include "loopback_server.h"

#include <X11/keysym.h>

namespace kameng::gtk::testing {
namespace {

class Keys : public GtkTest {
protected:
    void load(bool escCloses, std::vector<ControlDescription> more = {}) {
        WindowDescription d = windowOf("W", {100, 100, 400, 300}, border::Fixed);
        d.escCloses = escCloses;
        ControlDescription home = controlOf(Kind::Button, "home", {10, 10, 80, 24}, "主页(&G)");
        home.handlers.on(Event::Clicked, [this](EventArgs&) { ++homeClicks; });
        ControlDescription other = controlOf(Kind::Button, "other", {100, 10, 80, 24}, "A&&B");
        other.handlers.on(Event::Clicked, [this](EventArgs&) { ++otherClicks; });
        d.controls = {home, other};
        for (auto& control : more) d.controls.push_back(std::move(control));
        ASSERT_TRUE(fw().loadWindow(d));
        ASSERT_TRUE(waitUntilActive(fw(), "W"));
    }
    // Absences need a moment in which the key would have acted.
    bool stillLoadedAfterAWhile() {
        pause(400);
        return fw().isLoaded("W");
    }

    int homeClicks = 0;
    int otherClicks = 0;
};

TEST_F(Keys, EscClosesOnlyAWindowThatSaysSoAndOnlyWithoutModifiers) {
    load(false);
    pressKey(XK_Escape);
    EXPECT_TRUE(stillLoadedAfterAWhile()) << "Esc on a window that does not close on Esc";
    fw().destroyWindow("W");
    ASSERT_TRUE(waitUntil([&] { return !fw().isLoaded("W"); }));

    load(true);
    pressKey(XK_Escape, {XK_Control_L});
    pressKey(XK_Escape, {XK_Shift_L});
    EXPECT_TRUE(stillLoadedAfterAWhile()) << "Ctrl+Esc or Shift+Esc";
    pressKey(XK_Escape);
    EXPECT_TRUE(waitUntil([&] { return !fw().isLoaded("W"); }));
}

TEST_F(Keys, AltAndTheMarkedLetterClickTheButtonWhileShownAndEnabled) {
    load(false);
    pressKey(XK_g, {XK_Alt_L});
    ASSERT_TRUE(waitUntil([&] { return homeClicks == 1; }));

    pressKey(XK_g, {XK_Alt_L, XK_Shift_L});
    pressKey(XK_g, {XK_Control_L, XK_Alt_L});
    pressKey(XK_b, {XK_Alt_L});  // "&&" marks no letter
    fw().setProperty({"W", "home"}, prop::Disabled, 1);
    pressKey(XK_g, {XK_Alt_L});
    fw().setProperty({"W", "home"}, prop::Disabled, 0);
    fw().setProperty({"W", "home"}, prop::Visible, 0);
    pressKey(XK_g, {XK_Alt_L});
    pause(400);
    EXPECT_EQ(homeClicks, 1);
    EXPECT_EQ(otherClicks, 0);

    fw().setProperty({"W", "home"}, prop::Visible, 1);
    pressKey(XK_g, {XK_Alt_L});
    EXPECT_TRUE(waitUntil([&] { return homeClicks == 2; }));
}

// A page that takes Esc for itself keeps the window open; one that does
// not lets Esc through to the window.
TEST_F(Keys, FocusedWebViewHasEscFirst) {
    const std::string takesEsc = R"(<html><body style="height:500px" onload="document.title='ready'">
<script>document.addEventListener('keydown', function (e) {
  if (e.key === 'Escape') { e.preventDefault(); document.title = 'esc taken'; } });</script>
</body></html>)";
    const std::string leavesEsc =
        R"(<html><body style="height:500px" onload="document.title='ready'"></body></html>)";
    LoopbackServer server{{{"/takes", {.body = takesEsc}}, {"/leaves", {.body = leavesEsc}}}};

    ControlDescription web = controlOf(Kind::Browser, "web", {0, 40, 400, 200});
    web.address = server.url("/takes");
    load(true, {web});
    const ControlId view{"W", "web"};
    ASSERT_TRUE(waitUntil([&] { return fw().getProperty(view, prop::Title).text() == "ready"; }));
    clickControl(fw(), view);
    fw().setFocusTo(view);
    ASSERT_TRUE(waitUntil([&] { return fw().focusedHandle() == fw().windowHandle(view); }));

    pressKey(XK_Escape);
    ASSERT_TRUE(waitUntil([&] { return fw().getProperty(view, prop::Title).text() == "esc taken"; }));
    EXPECT_TRUE(stillLoadedAfterAWhile());

    fw().navigate(view, server.url("/leaves"));
    ASSERT_TRUE(waitUntil([&] {
        return fw().getProperty(view, prop::Address).text() == server.url("/leaves") &&
               fw().getProperty(view, prop::Title).text() == "ready";
    }));
    pressKey(XK_Escape);
    EXPECT_TRUE(waitUntil([&] { return !fw().isLoaded("W"); }));
}

}  // namespace
}  // namespace kameng::gtk::testing
