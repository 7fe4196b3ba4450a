// moveControl, the client area, status bar docking and parts, re-parenting
// and z-order.
#include "contract/contract_fixture.h"

namespace kameng::contract {
namespace {

using ::testing::ElementsAre;

class Geometry : public ContractTest {
protected:
    void SetUp() override {
        auto d = window("W", {100, 80, 500, 360});
        d.controls = {button("b", {10, 10, 80, 24}), label("l", {20, 40, 120, 20}),
                      hyperlink("link", {30, 70, 104, 16}), editBox("e", {40, 100, 80, 20}),
                      statusBar("bar", {100, 120})};
        d.handlers.on(Event::SizeChanged, [this](EventArgs&) {
            sizeChanges.push_back({fw().clientWidth("W"), fw().clientHeight("W")});
            barAtSizeChange = rectOf({"W", "bar"});
        });
        d.handlers.on(Event::Moved, [this](EventArgs&) { ++moves; });
        ASSERT_TRUE(load(d));
        settle();
        sizeChanges.clear();
        moves = 0;
    }

    Rect rectOf(const ControlId& id) {
        auto& f = fw();
        return Rect{f.getProperty(id, prop::Left).number(), f.getProperty(id, prop::Top).number(),
                    f.getProperty(id, prop::Width).number(), f.getProperty(id, prop::Height).number()};
    }

    bool barDockedAt(const Rect& bar, int clientWidth, int clientHeight) {
        return bar.left == 0 && bar.width == clientWidth && bar.height > 0 && bar.top + bar.height == clientHeight;
    }

    struct Size {
        int width, height;
        bool operator==(const Size&) const = default;
    };
    std::vector<Size> sizeChanges;
    Rect barAtSizeChange;
    int moves = 0;
};

TEST_F(Geometry, MoveControlKeepsOmittedValuesAndSizesOfMinusOne) {
    struct Case {
        const char* what;
        std::optional<int> left, top, width, height;
        Rect expected;
    };
    const Case cases[] = {
        {"all given", 5, 6, 70, 30, {5, 6, 70, 30}},
        {"left and top only", 7, 8, {}, {}, {7, 8, 120, 20}},
        {"width only", {}, {}, 200, {}, {20, 40, 200, 20}},
        {"size of -1 stays", 9, 10, -1, -1, {9, 10, 120, 20}},
        {"height only", {}, {}, {}, 33, {20, 40, 120, 33}},
        {"negative place", -15, -4, {}, {}, {-15, -4, 120, 20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fw().moveControl({"W", "l"}, 20, 40, 120, 20);
        fw().moveControl({"W", "l"}, c.left, c.top, c.width, c.height);
        EXPECT_EQ(rectOf({"W", "l"}), c.expected);
    }
}

TEST_F(Geometry, WindowRectangleIsOuterAndFramedClientIsNoLarger) {
    EXPECT_EQ(rectOf("W"), (Rect{100, 80, 500, 360}));
    EXPECT_GT(fw().clientWidth("W"), 0);
    EXPECT_LE(fw().clientWidth("W"), 500);
    EXPECT_LE(fw().clientHeight("W"), 360);
}

TEST_F(Geometry, ResizingAWindowRaisesSizeChangedInsideTheCallAfterDockingTheBar) {
    const Size before{fw().clientWidth("W"), fw().clientHeight("W")};
    fw().moveControl("W", {}, {}, 600, 420);

    ASSERT_EQ(sizeChanges.size(), 1u);
    EXPECT_EQ(sizeChanges[0], (Size{before.width + 100, before.height + 60}));
    EXPECT_EQ(sizeChanges[0], (Size{fw().clientWidth("W"), fw().clientHeight("W")}));
    EXPECT_TRUE(barDockedAt(barAtSizeChange, sizeChanges[0].width, sizeChanges[0].height));
    EXPECT_EQ(moves, 0);
}

TEST_F(Geometry, MovingAWindowRaisesMovedButNoSizeChanged) {
    fw().moveControl("W", 140, 90);
    EXPECT_EQ(moves, 1);
    EXPECT_TRUE(sizeChanges.empty());
    EXPECT_EQ(rectOf("W"), (Rect{140, 90, 500, 360}));
}

TEST_F(Geometry, UnchangedRectangleRaisesNothing) {
    fw().moveControl("W", 100, 80, 500, 360);
    fw().moveControl("W", {}, {}, -1, -1);
    pause(100);
    EXPECT_TRUE(sizeChanges.empty());
    EXPECT_EQ(moves, 0);
}

TEST_F(Geometry, BorderChangeRecomputesTheClientArea) {
    fw().setProperty("W", prop::Border, border::None);
    EXPECT_EQ(fw().getProperty("W", prop::Border).number(), border::None);
    ASSERT_TRUE(waitUntil([&] { return fw().clientWidth("W") == 500 && fw().clientHeight("W") == 360; }));
    ASSERT_FALSE(sizeChanges.empty());
    EXPECT_EQ(sizeChanges.back(), (Size{500, 360}));
    EXPECT_TRUE(barDockedAt(rectOf({"W", "bar"}), 500, 360));

    fw().setProperty("W", prop::Border, border::Fixed);
    EXPECT_TRUE(waitUntil([&] { return fw().clientWidth("W") <= 500; }));
    EXPECT_EQ(rectOf("W").width, 500);
}

TEST_F(Geometry, StatusPartsKeepTheirWidthsAndTextsAndIgnoreMissingParts) {
    const ControlId bar{"W", "bar"};
    EXPECT_EQ(fw().statusPartWidth(bar, 0), 100);
    EXPECT_EQ(fw().statusPartWidth(bar, 1), 120);

    fw().setStatusPartWidth(bar, 0, 150);
    fw().setStatusPartText(bar, 1, "right");
    fw().setStatusPartWidth(bar, 2, 50);   // no such part
    fw().setStatusPartText(bar, 2, "x");   // no such part
    fw().setStatusPartWidth(bar, -1, 50);  // no such part

    EXPECT_EQ(fw().statusPartWidth(bar, 0), 150);
    EXPECT_EQ(fw().statusPartWidth(bar, 1), 120);
    EXPECT_EQ(fw().statusPartText(bar, 0), "");
    EXPECT_EQ(fw().statusPartText(bar, 1), "right");
    EXPECT_TRUE(waitUntil([&] {
        return backend().statusPartRightEdge(bar, 0) == 150 && backend().statusPartRightEdge(bar, 1) == 270;
    }));
}

TEST_F(Geometry, StatusPartOfWidthMinusOneRunsToTheRightEnd) {
    const ControlId bar{"W", "bar"};
    fw().setStatusPartWidth(bar, 1, -1);
    EXPECT_EQ(fw().statusPartWidth(bar, 1), -1);
    const int barWidth = fw().getProperty(bar, prop::Width).number();
    EXPECT_TRUE(waitUntil([&] {
        return backend().statusPartRightEdge(bar, 0) == 100 && backend().statusPartRightEdge(bar, 1) == barWidth;
    }));
}

TEST_F(Geometry, ChildOfAStatusBarCountsFromTheBar) {
    const ControlId link{"W", "link"};
    fw().setParentWindow(link, {"W", "bar"});
    fw().moveControl(link, 10, 2);

    const Rect bar = rectOf({"W", "bar"});
    EXPECT_EQ(rectOf(link), (Rect{10, 2, 104, 16}));
    EXPECT_TRUE(waitUntil([&] { return backend().rectInClient(link) == Rect{bar.left + 10, bar.top + 2, 104, 16}; }));
    EXPECT_THAT(fw().stackingOrder("W"), ElementsAre("b", "l", "e", "bar"));

    // The bar follows the window; its child goes with it.
    fw().moveControl("W", {}, {}, 560, 400);
    const Rect moved = rectOf({"W", "bar"});
    EXPECT_TRUE(waitUntil([&] { return backend().rectInClient(link) == Rect{moved.left + 10, moved.top + 2, 104, 16}; }));
}

TEST_F(Geometry, ZOrderCodesRestackSiblingsWithoutMovingThem) {
    const Rect before = rectOf({"W", "e"});

    fw().setZOrder({"W", "e"}, ZOrder::Top);
    EXPECT_THAT(fw().stackingOrder("W"), ElementsAre("e", "b", "l", "link", "bar"));
    fw().setZOrder({"W", "e"}, ZOrder::Bottom);
    EXPECT_THAT(fw().stackingOrder("W"), ElementsAre("b", "l", "link", "bar", "e"));
    fw().setZOrder({"W", "l"}, ZOrder::Topmost);
    EXPECT_THAT(fw().stackingOrder("W"), ElementsAre("l", "b", "link", "bar", "e"));
    fw().setZOrder({"W", "link"}, ZOrder::NotTopmost);
    EXPECT_THAT(fw().stackingOrder("W"), ElementsAre("l", "b", "link", "bar", "e"));

    EXPECT_EQ(rectOf({"W", "e"}), before);
    EXPECT_TRUE(sizeChanges.empty());
    EXPECT_EQ(moves, 0);
}

TEST_F(Geometry, TopmostCodesOnAWindowSetAlwaysOnTop) {
    fw().setZOrder("W", ZOrder::Topmost);
    EXPECT_EQ(fw().getProperty("W", prop::AlwaysOnTop).number(), 1);
    fw().setZOrder("W", ZOrder::NotTopmost);
    EXPECT_EQ(fw().getProperty("W", prop::AlwaysOnTop).number(), 0);
    EXPECT_EQ(rectOf("W"), (Rect{100, 80, 500, 360}));
}

}  // namespace
}  // namespace kameng::contract
