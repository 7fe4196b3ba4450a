// What a test does as the user: clicks, mouse presses, Esc and Alt+letter,
// focus, and loading windows again.
#include "headless/headless_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kameng::headless_test {
namespace {

using ::testing::ElementsAre;

class UserInput : public ::testing::Test {
protected:
    UserInput() {
        auto home = makeControl("home", Kind::Button, {10, 10, 80, 24}, "主页(&G)");
        home.handlers.on(Event::Clicked, [this](EventArgs&) { log.push_back("home"); });
        auto amp = makeControl("amp", Kind::Button, {100, 10, 80, 24}, "A&&B");
        amp.handlers.on(Event::Clicked, [this](EventArgs&) { log.push_back("amp"); });
        auto hint = makeControl("hint", Kind::Label, {0, 40, 200, 30});
        hint.handlers.on(Event::LeftMousePressed, [this](EventArgs& a) {
            log.push_back("pressed " + std::to_string(a.x) + "," + std::to_string(a.y) + " " +
                          std::to_string(a.keyState));
        });
        main.escCloses = true;
        main.controls = {home, amp, hint, makeControl("web", Kind::Browser, {0, 80, 300, 200}),
                         makeControl("edit", Kind::EditBox, {0, 290, 100, 20})};
        main.handlers.on(Event::Created, [this](EventArgs&) { log.push_back("created"); })
            .on(Event::WillBeDestroyed, [this](EventArgs&) { log.push_back("destroyed"); });
        fw.loadWindow(main);
        log.clear();
    }

    HeadlessFramework fw;
    WindowDescription main = makeWindow("Main");
    std::vector<std::string> log;
};

TEST_F(UserInput, ClickReachesOnlyAShownEnabledButtonAlsoAtDelivery) {
    const ControlId home{"Main", "home"};
    EXPECT_TRUE(fw.clickButton(home));
    fw.setProperty(home, prop::Disabled, 1);
    EXPECT_FALSE(fw.clickButton(home));
    fw.setProperty(home, prop::Disabled, 0);
    fw.setProperty("Main", prop::Visible, 0);
    EXPECT_FALSE(fw.clickButton(home));
    fw.setProperty("Main", prop::Visible, 1);

    EXPECT_TRUE(fw.clickButton(home, Delivery::Queued));
    fw.setProperty(home, prop::Visible, 0);  // hidden before the click arrives
    fw.processEvents();

    EXPECT_THAT(log, ElementsAre("home"));
}

TEST_F(UserInput, LeftMousePressCarriesPlaceAndKeys) {
    EXPECT_TRUE(fw.pressLeftMouse({"Main", "hint"}, 12, 7, key_state::Shift));
    EXPECT_THAT(log, ElementsAre("pressed 12,7 2"));
}

TEST_F(UserInput, AltLetterClicksTheButtonWithThatMnemonic) {
    struct Case {
        int key, modifiers;
        const char* clicked;
    };
    const Case cases[] = {
        {'G', modifier::Alt, "home"},
        {'G', modifier::Alt | modifier::Shift, nullptr},
        {'G', modifier::None, nullptr},
        {'B', modifier::Alt, nullptr},  // "&&" is a literal ampersand
        {'H', modifier::Alt, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        log.clear();
        fw.pressKey("Main", c.key, c.modifiers);
        if (c.clicked)
            EXPECT_THAT(log, ElementsAre(c.clicked));
        else
            EXPECT_TRUE(log.empty());
    }
    fw.setProperty({"Main", "home"}, prop::Visible, 0);
    log.clear();
    fw.pressKey("Main", 'G', modifier::Alt);
    EXPECT_TRUE(log.empty());
}

TEST_F(UserInput, EscClosesOnlyWindowsThatSaySoAndNotWhenTheBrowserTakesIt) {
    fw.setBrowserTakesKeys({"Main", "web"}, true);
    ASSERT_TRUE(fw.giveFocus({"Main", "web"}));
    fw.pressKey("Main", vkey::Escape);
    fw.pressKey("Main", vkey::Escape, modifier::Control);
    EXPECT_TRUE(fw.isLoaded("Main"));

    ASSERT_TRUE(fw.giveFocus({"Main", "edit"}));
    fw.pressKey("Main", vkey::Escape);
    EXPECT_FALSE(fw.isLoaded("Main"));
    EXPECT_THAT(log, ElementsAre("destroyed"));

    auto radio = makeWindow("Radio");
    ASSERT_TRUE(fw.loadWindow(radio));
    fw.pressKey("Radio", vkey::Escape);
    EXPECT_TRUE(fw.isLoaded("Radio"));
}

TEST_F(UserInput, FocusMovesToTheWindowWhenItsControlIsHidden) {
    const ControlId edit{"Main", "edit"};
    fw.setFocusTo(edit);
    EXPECT_EQ(fw.focusedHandle(), fw.windowHandle(edit));
    fw.setProperty(edit, prop::Visible, 0);
    EXPECT_EQ(fw.focusedHandle(), fw.windowHandle("Main"));
    EXPECT_FALSE(fw.giveFocus(edit));
}

TEST_F(UserInput, LoadingAgainActivatesOrRestoresTheOneInstance) {
    ASSERT_TRUE(fw.loadWindow(makeWindow("Other", {500, 100, 200, 200})));
    EXPECT_EQ(fw.activeWindow(), "Other");

    EXPECT_TRUE(fw.loadWindow(main));
    EXPECT_EQ(fw.activeWindow(), "Main");
    EXPECT_THAT(fw.windowStackingOrder(), ElementsAre("Main", "Other"));

    ASSERT_TRUE(fw.minimiseByUser("Main"));
    EXPECT_EQ(fw.clientWidth("Main"), 0);
    EXPECT_TRUE(fw.loadWindow(main));
    EXPECT_EQ(fw.clientWidth("Main"), 400 - 2 * HeadlessFramework::FrameSide);
    EXPECT_TRUE(log.empty());  // no second created
}

TEST_F(UserInput, AFailedLoadBuildsNothing) {
    fw.failNextLoad("Other");
    EXPECT_FALSE(fw.loadWindow(makeWindow("Other")));
    EXPECT_FALSE(fw.isLoaded("Other"));
    EXPECT_TRUE(fw.loadWindow(makeWindow("Other")));

    auto twins = makeWindow("Twins");
    twins.controls = {makeControl("same", Kind::Label), makeControl("same", Kind::Button)};
    EXPECT_FALSE(fw.loadWindow(twins));
}

}  // namespace
}  // namespace kameng::headless_test
