#include "app/layout.h"

#include "app/main_window_names.h"
#include "app/pixels.h"
#include "platform/framework.h"

namespace kameng {

namespace {

using namespace main_window;

constexpr double gap = 5;
constexpr int buttonTop = 4;
constexpr int addressRowLeft = 5;
constexpr int addressRowTop = 5;
constexpr double browserTop = 30;
constexpr double browserTopFullScreen = 0;
constexpr double lastStatusPart = 120;

double property(const Framework& framework, const char* name, int number) {
    return framework.getProperty(control(name), number).number();
}

// Puts `name` at the button top, `gap` pixels left of the control that
// `rightEdge` ends at.
void placeButtonLeftOf(Framework& framework, const char* name, double rightEdge) {
    const double left = rightEdge - property(framework, name, prop::Width) - gap;
    framework.moveControl(control(name), toPixels(left), buttonTop);
}

}  // namespace

void layoutMainWindow(Framework& framework, const MainWindowState& state) {
    const double cw = framework.clientWidth(window);

    // The toolbar row, from the right: 全屏, 刷新, 主页, 电台听歌, 在线客服.
    placeButtonLeftOf(framework, fullScreenButton, cw);
    placeButtonLeftOf(framework, refreshButton, property(framework, fullScreenButton, prop::Left));
    placeButtonLeftOf(framework, homeButton, property(framework, refreshButton, prop::Left));
    placeButtonLeftOf(framework, radioButton, property(framework, homeButton, prop::Left));
    placeButtonLeftOf(framework, serviceButton, property(framework, radioButton, prop::Left));

    // The (hidden) address row runs from its label to just before 主页.
    framework.moveControl(control(addressLabel), addressRowLeft, addressRowTop);
    const double boxLeft = property(framework, addressLabel, prop::Left) +
                           property(framework, addressLabel, prop::Width);
    const double boxWidth = property(framework, homeButton, prop::Left) - boxLeft - gap;
    framework.moveControl(control(addressBox), toPixels(boxLeft), addressRowTop, toPixels(boxWidth));

    const double top = state.isFullScreen == 1 ? browserTopFullScreen : browserTop;
    const double barTop = property(framework, statusBar, prop::Top);
    framework.moveControl(control(browser), 0, toPixels(top), toPixels(cw), toPixels(barTop - top));

    // Only a minimised window is narrower than the last part; -1 then lets
    // part 0 run to the right end rather than handing the bar a meaningless
    // negative edge.
    int firstPart = toPixels(cw - lastStatusPart);
    if (firstPart < 0) firstPart = -1;
    framework.setStatusPartWidth(control(statusBar), 0, firstPart);

    dockStatusLink(framework);
}

void dockStatusLink(Framework& framework) {
    const double left = property(framework, statusBar, prop::Width) -
                        property(framework, microblogLink, prop::Width) - gap;
    const double top = (property(framework, statusBar, prop::Height) -
                        property(framework, microblogLink, prop::Height)) /
                       2;
    framework.moveControl(control(microblogLink), toPixels(left), toPixels(top));
}

}  // namespace kameng
