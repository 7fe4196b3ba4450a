#include "contract/contract_fixture.h"

#include <algorithm>

namespace kameng::contract {

namespace {

ControlDescription control(std::string name, Kind kind, Rect rect) {
    ControlDescription d;
    d.name = std::move(name);
    d.kind = kind;
    d.rect = rect;
    return d;
}

// How long one wait for events may last inside waitUntil and pause.
constexpr int Slice = 20;

}  // namespace

ControlDescription button(std::string name, Rect rect, std::string caption) {
    auto d = control(std::move(name), Kind::Button, rect);
    d.text = std::move(caption);
    d.tabStop = true;
    return d;
}

ControlDescription label(std::string name, Rect rect, std::string caption) {
    auto d = control(std::move(name), Kind::Label, rect);
    d.text = std::move(caption);
    return d;
}

ControlDescription editBox(std::string name, Rect rect, std::string text) {
    auto d = control(std::move(name), Kind::EditBox, rect);
    d.text = std::move(text);
    d.tabStop = true;
    return d;
}

ControlDescription timer(std::string name, int period) {
    auto d = control(std::move(name), Kind::Timer, Rect{0, 0, 32, 32});
    d.shown = false;
    d.period = period;
    return d;
}

ControlDescription statusBar(std::string name, std::vector<int> parts) {
    auto d = control(std::move(name), Kind::StatusBar, Rect{0, 0, 100, 20});
    d.statusParts = std::move(parts);
    return d;
}

ControlDescription hyperlink(std::string name, Rect rect, std::string caption) {
    auto d = control(std::move(name), Kind::HyperLink, rect);
    d.text = std::move(caption);
    return d;
}

ControlDescription browser(std::string name, Rect rect) {
    return control(std::move(name), Kind::Browser, rect);
}

WindowDescription window(std::string name, Rect rect, int border) {
    WindowDescription d;
    d.name = std::move(name);
    d.title = d.name;
    d.rect = rect;
    d.border = border;
    return d;
}

void setHandler(Handlers& handlers, Event event, Handler handler) {
    std::erase_if(handlers.list, [event](const auto& entry) { return entry.first == event; });
    handlers.on(event, std::move(handler));
}

Handler EventLog::add(std::string entry) {
    return [this, entry = std::move(entry)](EventArgs&) { entries.push_back(entry); };
}

int EventLog::count(const std::string& entry) const {
    return static_cast<int>(std::count(entries.begin(), entries.end(), entry));
}

// Made in the constructor, so that derived fixtures may scale their times
// in member initialisers.
ContractTest::ContractTest() : backend_(makeContractBackend()) {}

void ContractTest::TearDown() {
    if (!backend_) return;
    for (const auto& name : loaded_)
        if (fw().isLoaded(name)) fw().destroyWindow(name);
    fw().processEvents();
    backend_.reset();
}

bool ContractTest::load(const WindowDescription& description) {
    loaded_.push_back(description.name);
    return fw().loadWindow(description);
}

bool ContractTest::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const std::uint32_t start = fw().tickCount();
    const auto limit = static_cast<std::uint32_t>(ms(timeoutMs));
    for (;;) {
        if (condition()) return true;
        if (since(start) >= limit) return false;
        fw().waitForEvents(Slice);
    }
}

void ContractTest::pause(int milliseconds) {
    const std::uint32_t start = fw().tickCount();
    const auto length = static_cast<std::uint32_t>(ms(milliseconds));
    while (since(start) < length) fw().waitForEvents(Slice);
}

}  // namespace kameng::contract
