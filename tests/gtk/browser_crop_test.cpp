// A browser box larger than its frameless window, at negative offsets,
// shows exactly one region of its page: the radio window's crop. Over it,
// a transparent label shows only its letters and buttons stay in front.
#include "gtk_test.h"
#include "loopback_server.h"
#include "screen_probe.h"

namespace kameng::gtk::testing {
namespace {

constexpr Rgb kBlue{0, 0, 255}, kWhite{255, 255, 255}, kRed{255, 0, 0}, kGreen{0, 255, 0},
    kMagenta{255, 0, 255};

// A 773 x 544 page: blue, except the region 127..608 x 160..393, which is
// white with a red 10-pixel square in its top-left corner and a green one
// in its bottom-right corner.
const char* const kPage = R"(<!doctype html><html><head><title>crop</title><style>
html, body { margin: 0; padding: 0; overflow: hidden; background: #0000ff; }
div { position: absolute; }
</style></head><body>
<div style="left:127px; top:160px; width:482px; height:234px; background:#ffffff"></div>
<div style="left:127px; top:160px; width:10px; height:10px; background:#ff0000"></div>
<div style="left:599px; top:384px; width:10px; height:10px; background:#00ff00"></div>
</body></html>)";

class BrowserCrop : public GtkTest {
protected:
    void SetUp() override {
        WindowDescription d = windowOf("Radio", {50, 50, 482, 234}, border::None);
        d.centred = true;
        ControlDescription label = controlOf(Kind::TransparentLabel, "label", {8, 4, 40, 13}, "ZIro");
        label.textColour = kMagenta;
        ControlDescription web = controlOf(Kind::Browser, "web", {-127, -160, 773, 544});
        web.handlers.on(Event::DocumentComplete, [this](EventArgs&) { loaded = true; });
        d.controls = {controlOf(Kind::Button, "minimise", {384, 192, 48, 32}, "最小化"),
                      controlOf(Kind::Button, "exit", {432, 192, 48, 32}, "退出"), label,
                      controlOf(Kind::Button, "change", {398, 4, 80, 24}, "换歌曲"), web};
        d.handlers.on(Event::Created, [this](EventArgs&) {
            fw().navigate({"Radio", "web"}, server.url("/radio/"));
            fw().setZOrder({"Radio", "label"}, ZOrder::Top);
            fw().setZOrder({"Radio", "web"}, ZOrder::Bottom);
            fw().setZOrder({"Radio", "label"}, ZOrder::Top);
            fw().repaintNow({"Radio", "label"});
        });
        ASSERT_TRUE(fw().loadWindow(d));
        ASSERT_TRUE(waitUntilViewable(fw(), "Radio"));
        ASSERT_TRUE(waitUntil([&] { return loaded; }));
        // Painting follows the load; wait for both corners.
        ASSERT_TRUE(waitUntil([&] {
            ScreenShot shot(clientOnScreen(fw(), "Radio"));
            return near(shot.at(0, 0), kRed) && near(shot.at(481, 233), kGreen);
        })) << "the page's corners never showed";
    }

    LoopbackServer server{{{"/radio/", {.body = kPage}}}};
    bool loaded = false;
};

TEST_F(BrowserCrop, WindowShowsExactlyTheRegionOfThePage) {
    EXPECT_EQ(fw().stackingOrder("Radio"),
              (std::vector<std::string>{"label", "minimise", "exit", "change", "web"}));
    const Rect client = clientOnScreen(fw(), "Radio");
    EXPECT_EQ(client.width, 482);
    EXPECT_EQ(client.height, 234);
    ScreenShot shot(client);
    ASSERT_TRUE(shot.valid());

    // Each corner square lies wholly inside the window, at the window's own
    // corners: the crop is neither shifted nor cut short. (The label covers
    // the red square from x 8, y 4 on.)
    EXPECT_EQ(shot.count({0, 0, 8, 10}, kRed), 80);
    EXPECT_EQ(shot.count({8, 0, 2, 4}, kRed), 8);
    EXPECT_EQ(shot.count({472, 224, 10, 10}, kGreen), 100);
    EXPECT_TRUE(near(shot.at(10, 0), kWhite));
    EXPECT_TRUE(near(shot.at(0, 10), kWhite));
    EXPECT_TRUE(near(shot.at(471, 233), kWhite));
    EXPECT_TRUE(near(shot.at(481, 223), kWhite));
    // Nothing of the page outside the region (blue) reaches any edge.
    EXPECT_EQ(shot.count({0, 0, 482, 1}, kBlue), 0);
    EXPECT_EQ(shot.count({0, 233, 482, 1}, kBlue), 0);
    EXPECT_EQ(shot.count({0, 0, 1, 234}, kBlue), 0);
    EXPECT_EQ(shot.count({481, 0, 1, 234}, kBlue), 0);
}

TEST_F(BrowserCrop, TransparentLabelShowsItsLettersOverThePage) {
    ScreenShot shot(clientOnScreen(fw(), "Radio"));
    if (const char* keep = g_getenv("KAMENG_TEST_SCREENSHOT")) shot.save(keep);
    const Rect label{8, 4, 40, 13};
    // Letters in the label's colour, and the page (white, with the red
    // square's edge) all around them: no background of the label's own.
    EXPECT_GT(shot.count(label, kMagenta, 60), 10);
    EXPECT_GT(shot.count(label, kWhite), label.width * label.height / 2);
    EXPECT_GT(shot.count({8, 4, 2, 6}, kRed), 0);
}

TEST_F(BrowserCrop, ButtonsStayInFrontOfThePage) {
    ScreenShot shot(clientOnScreen(fw(), "Radio"));
    // The page is white where the buttons are; a button face is not.
    const Rect exit{432, 192, 48, 32};
    EXPECT_LT(shot.count(exit, kWhite, 4), exit.width * exit.height / 2);
}

}  // namespace
}  // namespace kameng::gtk::testing
