// The fixture of the GTK back end's own tests: a fresh framework on the
// private X display that with-xvfb.sh provides, and waits with deadlines.
#pragma once

#include "descriptions.h"
#include "desktop_user.h"
#include "platform/gtk/gtk_framework.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace kameng::gtk::testing {

class GtkTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Made on first use, so that a derived fixture's members can prepare
    // what GLib must see before GTK starts.
    GtkFramework& fw();
    // Dispatches events until the condition holds; false after the deadline.
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 15000);
    void pause(int milliseconds);
    Rect rectOf(const ControlId& id);

private:
    std::unique_ptr<GtkFramework> framework_;
};

}  // namespace kameng::gtk::testing
