#include "app/main_window_description.h"

#include "app/main_window_names.h"

#include <stdexcept>
#include <string>

namespace kameng {

namespace {

using namespace main_window;

constexpr int gb2312 = 134;

ControlDescription describedControl(const char* name, Kind kind, Rect rect, bool shown, bool tabStop) {
    ControlDescription c;
    c.name = name;
    c.kind = kind;
    c.rect = rect;
    c.shown = shown;
    c.tabStop = tabStop;
    return c;
}

ControlDescription button(const char* name, Rect rect, const char* caption) {
    auto c = describedControl(name, Kind::Button, rect, true, true);
    c.text = caption;
    return c;
}

ControlDescription label(const char* name, Rect rect, const char* caption) {
    auto c = describedControl(name, Kind::Label, rect, true, false);
    c.text = caption;
    return c;
}

ControlDescription timer(const char* name, Rect rect) {
    auto c = describedControl(name, Kind::Timer, rect, false, false);
    c.period = 0;
    return c;
}

ControlDescription auxiliaryBrowser(const std::string& address) {
    auto c = describedControl(auxBrowser, Kind::Browser, {464, 120, 40, 40}, false, true);
    c.silent = false;
    c.address = address;
    return c;
}

ControlDescription microblogHyperLink(const std::string& address) {
    auto c = describedControl(microblogLink, Kind::HyperLink, {24, 256, 104, 16}, true, false);
    c.text = "站长的腾讯微博";
    c.linkAddress = address;
    c.textColour = Rgb{0, 0, 255};
    c.hoverColour = Rgb{51, 153, 255};
    c.visitedColour = Rgb{0, 96, 192};
    c.font = Font{.face = "宋体", .height = -12, .weight = 400, .underline = true, .charset = gb2312};
    c.pointer = Pointer::Hand;
    return c;
}

ControlDescription fullScreenHint() {
    auto c = label(hintBar, {16, 192, 376, 48}, "按下热键F11退出全屏");
    c.shown = false;
    c.textColour = Rgb{255, 255, 255};
    c.background = Rgb{0, 0, 0};
    c.align = Align::Centre;
    c.font = Font{.face = "宋体", .height = -21, .weight = 700, .underline = false, .charset = gb2312};
    return c;
}

ControlDescription statusBarControl() {
    auto c = describedControl(statusBar, Kind::StatusBar, {0, 428, 634, 20}, true, false);
    c.statusParts = {100, 120};
    return c;
}

ControlDescription addressBoxControl(const std::string& startAddress) {
    auto c = describedControl(addressBox, Kind::EditBox, {312, 48, 208, 20}, true, true);
    c.text = startAddress;
    c.textColour = Rgb{0, 0, 0};
    c.background = Rgb{255, 255, 255};
    return c;
}

ControlDescription mainBrowser() {
    auto c = describedControl(browser, Kind::Browser, {16, 72, 368, 104}, true, true);
    c.silent = true;
    return c;
}

}  // namespace

WindowDescription describeMainWindow(const SiteAddresses& addresses) {
    WindowDescription d;
    d.name = window;
    d.title = "澄枫卡盟在线浏览工具，全新界面速度更快-画面更清-赚钱更给力人，以诚信为本，诚信铸造未来";
    d.rect = {50, 50, 640, 480};
    d.centred = true;
    d.border = border::Fixed;
    d.minimiseBox = true;
    d.maximiseBox = true;
    d.controlBox = true;
    d.movable = true;
    d.escCloses = true;
    d.showInTaskbar = true;
    d.alwaysOnTop = false;
    d.visible = true;
    d.controls = {
        button(serviceButton, {240, 16, 72, 22}, "在线客服"),
        button(radioButton, {560, 16, 72, 22}, "电台听歌"),
        auxiliaryBrowser(addresses.aux),
        timer(statsTimer, {512, 136, 56, 40}),
        label(yesterdayCount, {216, 0, 32, 24}, ""),
        label(todayCount, {80, 0, 40, 24}, ""),
        label(yesterdayCaption, {136, 0, 80, 24}, "昨日使用次数："),
        label(todayCaption, {0, 0, 80, 24}, "今日使用次数："),
        button(refreshButton, {480, 16, 72, 22}, "刷新"),
        microblogHyperLink(addresses.microblog),
        timer(hintTimer, {408, 200, 48, 48}),
        fullScreenHint(),
        button(fullScreenButton, {400, 16, 72, 22}, "全屏(F11)"),
        statusBarControl(),
        button(homeButton, {320, 16, 72, 22}, "主页(&G)"),
        addressBoxControl(addresses.start),
        label(addressLabel, {264, 48, 40, 20}, "地址:"),
        mainBrowser(),
    };
    return d;
}

ControlDescription& controlNamed(WindowDescription& description, std::string_view name) {
    for (auto& c : description.controls)
        if (c.name == name) return c;
    throw std::logic_error("no control named " + std::string(name) + " in " + description.name);
}

}  // namespace kameng
