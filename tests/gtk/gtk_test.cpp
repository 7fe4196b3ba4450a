#include "gtk_test.h"

#include <cstdlib>
#include <iostream>

namespace kameng::gtk::testing {

GtkFramework& GtkTest::fw() {
    if (!framework_) {
        if (!GtkFramework::initialiseToolkit()) {
            std::cerr << "these tests need an X display (run them through with-xvfb.sh)\n";
            std::abort();
        }
        framework_ = std::make_unique<GtkFramework>();
    }
    return *framework_;
}

void GtkTest::TearDown() {
    if (!framework_) return;
    framework_->processEvents();
    framework_.reset();
}

bool GtkTest::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const gint64 deadline = g_get_monotonic_time() + gint64{timeoutMs} * 1000;
    for (;;) {
        if (condition()) return true;
        if (g_get_monotonic_time() > deadline) return false;
        fw().waitForEvents(20);
    }
}

void GtkTest::pause(int milliseconds) {
    const gint64 end = g_get_monotonic_time() + gint64{milliseconds} * 1000;
    while (g_get_monotonic_time() < end) fw().waitForEvents(20);
}

Rect GtkTest::rectOf(const ControlId& id) {
    return {fw().getProperty(id, prop::Left).number(), fw().getProperty(id, prop::Top).number(),
            fw().getProperty(id, prop::Width).number(), fw().getProperty(id, prop::Height).number()};
}

}  // namespace kameng::gtk::testing
