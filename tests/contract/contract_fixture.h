// The fixture every contract test runs in, and small description builders.
#pragma once

#include "contract/contract_backend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kameng::contract {

ControlDescription button(std::string name, Rect rect, std::string caption = "OK");
ControlDescription label(std::string name, Rect rect, std::string caption = {});
ControlDescription editBox(std::string name, Rect rect, std::string text = {});
ControlDescription timer(std::string name, int period = 0);
ControlDescription statusBar(std::string name, std::vector<int> parts);
ControlDescription hyperlink(std::string name, Rect rect, std::string caption = "link");
ControlDescription browser(std::string name, Rect rect);
WindowDescription window(std::string name, Rect rect, int border = border::Fixed);

// Makes `handler` the one for `event`, replacing any earlier one.
void setHandler(Handlers& handlers, Event event, Handler handler);

// Keeps, in order, which events a test cares about were raised.
struct EventLog {
    std::vector<std::string> entries;
    // A handler that appends `entry`.
    Handler add(std::string entry);
    int count(const std::string& entry) const;
};

class ContractTest : public ::testing::Test {
protected:
    ContractTest();
    void TearDown() override;

    Framework& fw() { return backend_->framework(); }
    ContractBackend& backend() { return *backend_; }

    // A time of the suite's (`milliseconds` at scale 1) in this back end.
    int ms(int milliseconds) const { return milliseconds * backend_->timeScale(); }
    // Loads the window and remembers to close it after the test.
    bool load(const WindowDescription& description);
    // Dispatches events until `condition` holds; false when it still does not
    // after `timeoutMs` (scaled).
    bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
    // Dispatches events for `milliseconds` (scaled).
    void pause(int milliseconds);
    // Lets a freshly shown window settle (a window manager may still place
    // or frame it) before a test counts its events.
    void settle() { pause(100); }
    // Milliseconds on the framework's clock since `start` (a tickCount()).
    std::uint32_t since(std::uint32_t start) { return fw().tickCount() - start; }

private:
    std::unique_ptr<ContractBackend> backend_;
    std::vector<std::string> loaded_;
};

}  // namespace kameng::contract
