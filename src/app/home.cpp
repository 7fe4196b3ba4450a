#include "app/home.h"

#include "app/main_window_names.h"
#include "app/trim_spaces.h"
#include "platform/framework.h"

namespace kameng {

void goHome(Framework& framework) {
    using namespace main_window;
    const auto box = control(addressBox);
    if (trimSpaces(framework.getProperty(box, prop::Text).text()).empty()) {
        framework.setFocusTo(box);
        return;
    }
    framework.navigate(control(browser), trimSpaces(framework.getProperty(box, prop::Text).text()));
}

}  // namespace kameng
