// What the user does to labels and to a window without a frame.
#include "gtk_test.h"

#include <X11/keysym.h>

namespace kameng::gtk::testing {
namespace {

class Controls : public GtkTest {
protected:
    void load(int border) {
        WindowDescription d = windowOf("W", {100, 100, 300, 200}, border);
        ControlDescription label = controlOf(Kind::Label, "label", {10, 10, 120, 20}, "标签");
        label.handlers.on(Event::LeftMousePressed, [this](EventArgs& args) {
            presses.push_back({args.x, args.y, args.keyState});
        });
        d.controls = {label};
        ASSERT_TRUE(fw().loadWindow(d));
        ASSERT_TRUE(waitUntilActive(fw(), "W"));
    }
    struct Press {
        int x, y, keyState;
        bool operator==(const Press&) const = default;
    };
    std::vector<Press> presses;
};

TEST_F(Controls, LabelReportsLeftPressesWithPlaceAndKeyState) {
    load(border::Fixed);
    struct Case {
        std::initializer_list<unsigned long> held;
        Press expected;
    };
    const Case cases[] = {{{}, {5, 6, 0}},
                          {{XK_Control_L}, {7, 8, 1}},
                          {{XK_Shift_L}, {9, 10, 2}},
                          {{XK_Control_L, XK_Shift_L}, {11, 12, 3}}};
    for (const auto& c : cases) {
        presses.clear();
        clickControlAt(fw(), {"W", "label"}, c.expected.x, c.expected.y, c.held);
        ASSERT_TRUE(waitUntil([&] { return !presses.empty(); }));
        EXPECT_EQ(presses, std::vector<Press>{c.expected});
    }
}

TEST_F(Controls, WindowWithoutFrameMovesByADragOnItsOwnSurface) {
    load(border::None);
    ASSERT_EQ(rectOf("W"), (Rect{100, 100, 300, 200}));
    dragControl(fw(), {"W", "label"}, 50, 10, 40, 30);  // on the label: no move
    pause(300);
    EXPECT_EQ(rectOf("W"), (Rect{100, 100, 300, 200}));

    dragControl(fw(), "W", 150, 100, 60, 40);
    EXPECT_TRUE(waitUntil([&] { return rectOf("W") == Rect{160, 140, 300, 200}; }));
}

TEST_F(Controls, FramedWindowDoesNotMoveByItsSurface) {
    load(border::Fixed);
    const Rect before = rectOf("W");
    dragControl(fw(), "W", 150, 100, 60, 40);
    pause(300);
    EXPECT_EQ(rectOf("W"), before);
}

}  // namespace
}  // namespace kameng::gtk::testing
