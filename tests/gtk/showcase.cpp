#include "showcase.h"

#include "descriptions.h"

namespace kameng::gtk::testing {

const char* const kShowcasePage = R"(<!doctype html><html><head><meta charset="utf-8">
<title>澄枫卡盟</title></head>
<body style="margin:0; background:#fdf5e6; font-family:sans-serif">
<h2 style="margin:0; padding:12px; background:#c0392b; color:white">澄枫卡盟 · 点卡商城</h2>
<p style="padding:0 12px">欢迎光临！ <a href="/Register.aspx">免费注册</a> · <a href="/shop">游戏点卡</a></p>
</body></html>)";

WindowDescription showcaseWindow(Framework& framework, const std::string& pageAddress) {
    WindowDescription w;
    w.name = "Showcase";
    w.title = "控件一览 Showcase";
    w.rect = {0, 0, 640, 480};
    w.centred = true;
    w.border = border::Fixed;
    w.escCloses = true;

    auto ziro = controlOf(Kind::TransparentLabel, "透明标签1", {24, 170, 60, 16}, "ZIro");
    ziro.textColour = Rgb{255, 0, 255};
    auto home = controlOf(Kind::Button, "按钮1", {10, 8, 80, 24}, "主页(&G)");
    auto off = controlOf(Kind::Button, "按钮2", {100, 8, 80, 24}, "禁用");
    auto counter = controlOf(Kind::Label, "标签3", {190, 8, 100, 24}, "今日使用次数：");
    auto hint = controlOf(Kind::Label, "标签2", {300, 8, 320, 30}, "按下热键F11退出全屏");
    hint.textColour = Rgb{255, 255, 255};
    hint.background = Rgb{0, 0, 0};
    hint.align = Align::Centre;
    hint.font = Font{"宋体", -21, 700, false, 134};
    auto address = controlOf(Kind::EditBox, "编辑框1", {10, 48, 400, 20}, "http://127.0.0.1/Register.aspx");
    auto clock = controlOf(Kind::Timer, "时钟1", {0, 0, 32, 32});
    clock.shown = false;
    auto bar = controlOf(Kind::StatusBar, "状态条1", {0, 428, 634, 20});
    bar.statusParts = {300, 120};
    auto link = controlOf(Kind::HyperLink, "超级链接框1", {24, 256, 104, 16}, "站长的腾讯微博");
    link.linkAddress = "http://127.0.0.1:9/t/1234567890";
    link.textColour = Rgb{0, 0, 255};
    link.hoverColour = Rgb{51, 153, 255};
    link.visitedColour = Rgb{0, 96, 192};
    link.font = Font{"宋体", -12, 400, true, 134};
    link.pointer = Pointer::Hand;
    auto web = controlOf(Kind::Browser, "超文本浏览框1", {10, 80, 610, 300});
    web.address = pageAddress;

    w.controls = {ziro, home, off, counter, hint, address, clock, bar, link, web};
    w.handlers.on(Event::Created, [&framework](EventArgs&) {
        const ControlId linkId{"Showcase", "超级链接框1"}, barId{"Showcase", "状态条1"};
        framework.setProperty({"Showcase", "按钮2"}, prop::Disabled, 1);
        framework.setStatusPartText(barId, 0, "状态文本 status");
        framework.setStatusPartText(barId, 1, "第二栏");
        framework.setParentWindow(linkId, barId);
    });
    w.handlers.on(Event::SizeChanged, [&framework](EventArgs&) {
        const ControlId linkId{"Showcase", "超级链接框1"}, barId{"Showcase", "状态条1"};
        const int barWidth = framework.getProperty(barId, prop::Width).number();
        const int barHeight = framework.getProperty(barId, prop::Height).number();
        framework.setStatusPartWidth(barId, 0, framework.clientWidth("Showcase") - 120);
        framework.moveControl(linkId, barWidth - 104 - 5, (barHeight - 16) / 2);
    });
    return w;
}

}  // namespace kameng::gtk::testing
