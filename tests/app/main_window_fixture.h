// MainWindow loaded on the headless framework, with a desktop that records
// what the program hands it.
#pragma once

#include "app/main_window.h"
#include "app/main_window_names.h"
#include "app/site_addresses.h"
#include "headless/headless_framework.h"
#include "platform/desktop_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <ostream>

namespace kameng {
// Readable rectangles in failure messages.
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << "}";
}
}  // namespace kameng

namespace kameng::testing_support {

class RecordingDesktop : public DesktopServices {
public:
    bool openInDefaultBrowser(std::string_view address) override {
        opened.emplace_back(address);
        return true;
    }
    void trimMemory() override { ++trims; }

    std::vector<std::string> opened;
    int trims = 0;
};

inline SiteAddresses loopbackAddresses() {
    return {
        .start = "http://127.0.0.1:8080/Register.aspx",
        .aux = "http://127.0.0.1:8081/",
        .chat = "http://127.0.0.1:8082/open_webaio.html?sigt=ab&sigu=cd&tuin=1234567890",
        .microblog = "http://127.0.0.1:8083/1234567890",
        .radio = "http://127.0.0.1:8084/radio/",
        .stats = "http://127.0.0.1:8085/?1234567890",
    };
}

inline ControlId mainControl(const char* name) { return main_window::control(name); }

// Properties 0 to 3: for a window its outer rectangle on the screen, for a
// control its place in its parent.
inline Rect rectOf(const Framework& framework, const ControlId& control) {
    const auto read = [&](int number) { return framework.getProperty(control, number).number(); };
    return {read(prop::Left), read(prop::Top), read(prop::Width), read(prop::Height)};
}

class LoadedMainWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(framework.loadWindow(mainWindow.description())); }

    std::string text(const char* name) const {
        return framework.getProperty(mainControl(name), prop::Text).text();
    }
    std::vector<std::string> navigations() const {
        return framework.navigations(mainControl(main_window::browser));
    }

    HeadlessFramework framework;
    RecordingDesktop desktop;
    SiteAddresses addresses = loopbackAddresses();
    MainWindow mainWindow{framework, desktop, addresses};
};

}  // namespace kameng::testing_support
