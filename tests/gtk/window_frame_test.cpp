// The outer rectangle the program sets is the one the window manager's
// frame takes on screen, as xwininfo measures it.
#include "gtk_test.h"
#include "screen_probe.h"

namespace kameng::gtk::testing {
namespace {

class WindowFrame : public GtkTest {
protected:
    NativeHandle load(int border, Rect rect) {
        EXPECT_TRUE(fw().loadWindow(windowOf("W", rect, border)));
        EXPECT_TRUE(waitUntilViewable(fw(), "W"));
        return fw().windowHandle(ControlId("W"));
    }
    bool frameOnScreenIs(NativeHandle window, Rect expected) {
        return waitUntil([&] { return xwininfoRect(window, true) == expected; });
    }
    bool clientOnScreenMatches(NativeHandle window) {
        auto client = xwininfoRect(window, false);
        return client && client->width == fw().clientWidth("W") &&
               client->height == fw().clientHeight("W");
    }
};

TEST_F(WindowFrame, OuterRectangleIsTheFrameOnScreenForEveryBorder) {
    struct Case {
        const char* what;
        int border;
        Rect first, second;
    };
    const Case cases[] = {
        {"fixed", border::Fixed, {100, 80, 500, 360}, {40, 30, 620, 420}},
        {"resizable", border::Resizable, {150, 120, 420, 300}, {200, 100, 300, 200}},
        {"none", border::None, {50, 60, 482, 234}, {0, 0, 640, 480}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const NativeHandle window = load(c.border, c.first);
        EXPECT_TRUE(frameOnScreenIs(window, c.first)) << "first place";
        EXPECT_TRUE(clientOnScreenMatches(window));
        if (c.border == border::None) {
            EXPECT_EQ(xwininfoRect(window, false), c.first) << "no frame: client is the window";
        }

        fw().moveControl("W", c.second.left, c.second.top, c.second.width, c.second.height);
        EXPECT_TRUE(frameOnScreenIs(window, c.second)) << "after moveControl";
        EXPECT_EQ(rectOf("W"), c.second);
        EXPECT_TRUE(clientOnScreenMatches(window));

        fw().destroyWindow("W");
        EXPECT_TRUE(waitUntil([&] { return !fw().isLoaded("W"); }));
    }
}

TEST_F(WindowFrame, FrameRemovedForFullScreenAndBackRestoresTheRectangle) {
    const Rect normal{192, 144, 640, 480};
    const NativeHandle window = load(border::Fixed, normal);
    ASSERT_TRUE(frameOnScreenIs(window, normal));
    const Rect screen{0, 0, fw().screenWidth(), fw().screenHeight()};

    fw().setProperty("W", prop::AlwaysOnTop, 1);
    fw().setProperty("W", prop::Border, border::None);
    fw().moveControl("W", 0, 0, screen.width, screen.height);
    EXPECT_EQ(fw().clientWidth("W"), screen.width);
    EXPECT_EQ(fw().clientHeight("W"), screen.height);
    EXPECT_TRUE(frameOnScreenIs(window, screen));
    EXPECT_EQ(xwininfoRect(window, false), screen);
    EXPECT_NE(xpropText(window, "_NET_WM_STATE").find("_NET_WM_STATE_ABOVE"), std::string::npos);

    fw().setProperty("W", prop::AlwaysOnTop, 0);
    fw().setProperty("W", prop::Border, border::Fixed);
    fw().moveControl("W", normal.left, normal.top, normal.width, normal.height);
    EXPECT_TRUE(frameOnScreenIs(window, normal));
    pause(300);
    EXPECT_EQ(rectOf("W"), normal);
    EXPECT_TRUE(clientOnScreenMatches(window));
    EXPECT_LT(fw().clientWidth("W"), normal.width);
}

// Full screen switched as fast as a held key repeats: what the program
// reads back between the switches is what it set, and the window ends where
// it began.
TEST_F(WindowFrame, RapidFrameSwitchesEndAtTheFirstRectangle) {
    const Rect normal{192, 144, 640, 480};
    const NativeHandle window = load(border::Fixed, normal);
    ASSERT_TRUE(frameOnScreenIs(window, normal));
    const Rect screen{0, 0, fw().screenWidth(), fw().screenHeight()};
    for (int i = 0; i < 15; ++i) {
        const bool entering = i % 2 == 0;
        const Rect saved = rectOf("W");
        EXPECT_EQ(saved, entering ? normal : screen) << "switch " << i;
        fw().setProperty("W", prop::Border, entering ? border::None : border::Fixed);
        const Rect target = entering ? screen : normal;
        fw().moveControl("W", target.left, target.top, target.width, target.height);
        pause(80);
    }
    // An odd number of switches: full screen.
    EXPECT_TRUE(frameOnScreenIs(window, screen));
    fw().setProperty("W", prop::Border, border::Fixed);
    fw().moveControl("W", normal.left, normal.top, normal.width, normal.height);
    EXPECT_TRUE(frameOnScreenIs(window, normal));
    pause(1200);  // past any answer the window manager still owed
    EXPECT_EQ(rectOf("W"), normal);
    EXPECT_TRUE(frameOnScreenIs(window, normal));
    EXPECT_TRUE(clientOnScreenMatches(window));
}

TEST_F(WindowFrame, FixedFrameCanBeMaximisedButNotResizedByTheUser) {
    const Rect normal{100, 80, 500, 360};
    const NativeHandle window = load(border::Fixed, normal);
    ASSERT_TRUE(frameOnScreenIs(window, normal));
    EXPECT_NE(xpropText(window, "_NET_WM_ALLOWED_ACTIONS").find("_NET_WM_ACTION_MAXIMIZE_HORZ"),
              std::string::npos);

    // A resize asked of the window manager, as dragging an edge would.
    const std::string id = std::to_string(window);
    ASSERT_EQ(std::system(("xdotool windowsize " + id + " 600 460").c_str()), 0);
    pause(500);
    EXPECT_TRUE(frameOnScreenIs(window, normal));
    EXPECT_EQ(rectOf("W"), normal);

    fw().setProperty("W", prop::WindowState, window_state::Maximised);
    EXPECT_TRUE(waitUntil([&] {
        auto frame = xwininfoRect(window, true);
        return frame && frame->width == fw().screenWidth() && fw().clientWidth("W") > 500;
    }));
    fw().setProperty("W", prop::WindowState, window_state::Normal);
    EXPECT_TRUE(frameOnScreenIs(window, normal));
    EXPECT_TRUE(waitUntil([&] { return rectOf("W") == normal; }));
}

}  // namespace
}  // namespace kameng::gtk::testing
