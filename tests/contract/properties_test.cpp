// Common properties (visible, disabled, tag, texts), the window's border,
// position and always-on-top, handles and focus, and the browser box's
// own settings.
#include "contract/contract_fixture.h"

namespace kameng::contract {
namespace {

class Properties : public ContractTest {
protected:
    void SetUp() override {
        auto d = window("W", {100, 80, 500, 360});
        auto b = button("b", {10, 10, 80, 24}, "按钮");
        b.handlers.on(Event::Clicked, [this](EventArgs&) { ++clicks; });
        d.controls = {b, label("l", {10, 40, 120, 20}, "标签"), editBox("e", {10, 70, 200, 20}, "text"),
                      browser("web", {10, 100, 300, 150}), statusBar("bar", {100, 120})};
        d.handlers.on(Event::SizeChanged, [this](EventArgs&) { ++sizeChanges; });
        ASSERT_TRUE(load(d));
        settle();
        sizeChanges = 0;
    }

    Value get(const ControlId& id, int number) { return fw().getProperty(id, number); }
    int state() { return get("W", prop::WindowState).number(); }
    Rect outer() {
        return Rect{get("W", prop::Left).number(), get("W", prop::Top).number(), get("W", prop::Width).number(),
                    get("W", prop::Height).number()};
    }

    int clicks = 0;
    int sizeChanges = 0;
};

TEST_F(Properties, HiddenOrDisabledButtonIgnoresTheUser) {
    const ControlId b{"W", "b"};
    fw().setProperty(b, prop::Visible, 0);
    EXPECT_EQ(get(b, prop::Visible).number(), 0);
    backend().clickAsUser(b);
    pause(300);
    EXPECT_EQ(clicks, 0);

    fw().setProperty(b, prop::Visible, 1);
    fw().setProperty(b, prop::Disabled, 1);
    EXPECT_EQ(get(b, prop::Disabled).number(), 1);
    backend().clickAsUser(b);
    pause(300);
    EXPECT_EQ(clicks, 0);

    fw().setProperty(b, prop::Disabled, 0);
    backend().clickAsUser(b);
    EXPECT_TRUE(waitUntil([&] { return clicks == 1; }));
}

TEST_F(Properties, TextsAndTagReadBackWhatWasWritten) {
    struct Case {
        ControlId control;
        int number;
        Value written;
        std::string read;
    };
    const Case cases[] = {
        {{"W", "l"}, prop::Caption, "今日使用次数：", "今日使用次数："},
        {{"W", "l"}, prop::Caption, "", ""},
        {{"W", "l"}, prop::Caption, 1234, "1234"},
        {{"W", "b"}, prop::Caption, "主页(&G)", "主页(&G)"},
        {{"W", "e"}, prop::Text, "http://127.0.0.1/Register.aspx", "http://127.0.0.1/Register.aspx"},
        {{"W", "l"}, prop::Tag, "any text", "any text"},
        {"W", prop::Tag, 7, "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read);
        fw().setProperty(c.control, c.number, c.written);
        EXPECT_EQ(get(c.control, c.number).text(), c.read);
    }
    EXPECT_EQ(get({"W", "e"}, prop::Text).text(), "http://127.0.0.1/Register.aspx");
}

TEST_F(Properties, AlwaysOnTopIsOnOnlyForOne) {
    const std::pair<int, int> cases[] = {{1, 1}, {0, 0}, {1, 1}, {2, 0}, {1, 1}, {-1, 0}};
    for (auto [written, read] : cases) {
        SCOPED_TRACE(written);
        fw().setProperty("W", prop::AlwaysOnTop, written);
        EXPECT_EQ(get("W", prop::AlwaysOnTop).number(), read);
    }
}

TEST_F(Properties, MinimiseAndRestoreByPosition) {
    const int width = fw().clientWidth("W");
    fw().setProperty("W", prop::WindowState, window_state::Minimised);
    ASSERT_TRUE(waitUntil([&] { return state() == window_state::Minimised; }));
    EXPECT_TRUE(waitUntil([&] { return sizeChanges > 0; }));

    sizeChanges = 0;
    fw().setProperty("W", prop::WindowState, window_state::Normal);
    ASSERT_TRUE(waitUntil([&] { return state() == window_state::Normal && fw().clientWidth("W") == width; }));
    EXPECT_TRUE(waitUntil([&] { return sizeChanges > 0; }));
    EXPECT_EQ(outer(), (Rect{100, 80, 500, 360}));
}

TEST_F(Properties, MaximiseAndBackByPosition) {
    fw().setProperty("W", prop::WindowState, window_state::Maximised);
    ASSERT_TRUE(waitUntil([&] { return state() == window_state::Maximised && outer().width > 500; }));
    EXPECT_LE(outer().width, fw().screenWidth());
    EXPECT_GT(sizeChanges, 0);

    fw().setProperty("W", prop::WindowState, window_state::Normal);
    EXPECT_TRUE(waitUntil([&] { return state() == window_state::Normal && outer() == Rect{100, 80, 500, 360}; }));
}

TEST_F(Properties, CentredByPosition) {
    fw().setProperty("W", prop::WindowState, window_state::Centred);
    EXPECT_TRUE(waitUntil([&] {
        return outer() == Rect{(fw().screenWidth() - 500) / 2, (fw().screenHeight() - 360) / 2, 500, 360};
    }));
}

TEST_F(Properties, PositionActsOnlyOnAShownWindow) {
    fw().setProperty("W", prop::Visible, 0);
    fw().setProperty("W", prop::WindowState, window_state::Maximised);
    pause(200);
    fw().setProperty("W", prop::Visible, 1);
    pause(200);
    EXPECT_EQ(state(), window_state::Normal);
    EXPECT_EQ(outer(), (Rect{100, 80, 500, 360}));
}

TEST_F(Properties, HandlesAreDistinctAndFocusFollowsSetFocusTo) {
    const ControlId ids[] = {{"W"}, {"W", "b"}, {"W", "l"}, {"W", "e"}, {"W", "web"}, {"W", "bar"}};
    std::vector<NativeHandle> handles;
    for (const auto& id : ids) {
        const NativeHandle h = fw().windowHandle(id);
        EXPECT_NE(h, 0u) << id.name;
        EXPECT_EQ(std::count(handles.begin(), handles.end(), h), 0) << id.name;
        handles.push_back(h);
    }

    fw().setFocusTo({"W", "e"});
    EXPECT_TRUE(waitUntil([&] { return fw().focusedHandle() == fw().windowHandle({"W", "e"}); }));
    fw().setFocusTo({"W", "b"});
    EXPECT_TRUE(waitUntil([&] { return fw().focusedHandle() == fw().windowHandle({"W", "b"}); }));
}

TEST_F(Properties, BrowserTextSizeIsClampedAndUnknownCommandsDoNothing) {
    const ControlId web{"W", "web"};
    EXPECT_EQ(get(web, prop::TextSize).number(), 2);
    fw().setProperty(web, prop::TextSize, 7);
    EXPECT_EQ(get(web, prop::TextSize).number(), 4);
    fw().setProperty(web, prop::TextSize, -3);
    EXPECT_EQ(get(web, prop::TextSize).number(), 0);

    fw().browserCommand(web, 10);
    fw().browserCommand(web, -1);
    EXPECT_EQ(get(web, prop::StatusText).text(), "");
    EXPECT_TRUE(fw().isLoaded("W"));
}

}  // namespace
}  // namespace kameng::contract
