// The showcase on screen: Chinese text drawn with real glyphs, colours of
// labels and links, the status bar docked with the link inside it.
#include "gtk_test.h"
#include "loopback_server.h"
#include "screen_probe.h"
#include "showcase.h"

namespace kameng::gtk::testing {
namespace {

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kLinkBlue{0, 0, 255}, kPageRed{192, 57, 43},
    kMagenta{255, 0, 255};

class Showcase : public GtkTest {
protected:
    void SetUp() override {
        WindowDescription d = showcaseWindow(fw(), server.url("/"));
        d.controls.back().handlers.on(Event::DocumentComplete, [this](EventArgs&) { loaded = true; });
        ASSERT_TRUE(fw().loadWindow(d));
        ASSERT_TRUE(waitUntilViewable(fw(), "Showcase"));
        ASSERT_TRUE(waitUntil([&] { return loaded; }));
        ASSERT_TRUE(waitUntil([&] {
            ScreenShot shot(clientOnScreen(fw(), "Showcase"));
            return shot.count({10, 80, 610, 60}, kPageRed) > 1000;
        })) << "the page never showed";
    }
    // Glyphs the label's fonts could not draw (shown as boxes).
    static int unknownGlyphs(GtkWidget* slot) {
        GtkWidget* label = gtk_bin_get_child(GTK_BIN(slot));
        if (GTK_IS_BUTTON(label)) label = gtk_bin_get_child(GTK_BIN(label));
        return pango_layout_get_unknown_glyphs_count(gtk_label_get_layout(GTK_LABEL(label)));
    }

    LoopbackServer server{{{"/", {.body = kShowcasePage}}}};
    bool loaded = false;
};

TEST_F(Showcase, ChineseCaptionsHaveGlyphs) {
    for (const char* name : {"按钮1", "标签3", "标签2"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(unknownGlyphs(fw().widgetOf({"Showcase", name})), 0);
    }
}

TEST_F(Showcase, LooksAsDescribed) {
    ScreenShot shot(clientOnScreen(fw(), "Showcase"));
    if (const char* keep = g_getenv("KAMENG_TEST_SCREENSHOT")) shot.save(keep);

    const Rect hint{300, 8, 320, 30};
    EXPECT_GT(shot.count(hint, kBlack, 8), hint.width * hint.height / 2) << "black background";
    EXPECT_GT(shot.count(hint, kWhite, 40), 100) << "white bold text";
    EXPECT_GT(shot.count({10, 48, 400, 20}, kWhite, 4), 400 * 20 / 2) << "white edit box";
    EXPECT_GT(shot.count({24, 170, 60, 16}, kMagenta, 60), 10) << "transparent label over the page";

    // The bar lies at the bottom at full width, the link inside it at its
    // right end.
    const ControlId bar{"Showcase", "状态条1"};
    const Rect barRect = rectOf(bar);
    EXPECT_EQ(barRect.left, 0);
    EXPECT_EQ(barRect.width, fw().clientWidth("Showcase"));
    EXPECT_EQ(barRect.top + barRect.height, fw().clientHeight("Showcase"));
    const Rect link = shownRectInClient(fw(), {"Showcase", "超级链接框1"});
    EXPECT_EQ(link.left + link.width, barRect.width - 5);
    EXPECT_GE(link.top, barRect.top);
    EXPECT_LE(link.top + link.height, barRect.top + barRect.height);
    EXPECT_GT(shot.count(link, kLinkBlue, 80), 15) << "the link in its normal colour";
}

}  // namespace
}  // namespace kameng::gtk::testing
