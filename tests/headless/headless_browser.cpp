// Web browser boxes: what the program asks of them, and their events.
#include "headless/headless_model.h"

#include <stdexcept>

namespace kameng {

void HeadlessFramework::navigate(const ControlId& id, std::string_view address) {
    auto& b = impl_->browserControl(id).browser;
    b.navigations.emplace_back(address);
    b.location = std::string(address);
}

void HeadlessFramework::browserCommand(const ControlId& id, int command) {
    auto& b = impl_->browserControl(id).browser;
    if (command < browser_command::Forward || command > browser_command::PageSetup) return;
    b.commands.push_back(command);
}

std::vector<std::string> HeadlessFramework::navigations(const ControlId& id) const {
    return impl_->browserControl(id).browser.navigations;
}

std::vector<int> HeadlessFramework::browserCommands(const ControlId& id) const {
    return impl_->browserControl(id).browser.commands;
}

void HeadlessFramework::setBrowserLocation(const ControlId& id, std::string_view address) {
    impl_->browserControl(id).browser.location = std::string(address);
}

void HeadlessFramework::setBrowserStatusText(const ControlId& id, std::string_view text) {
    impl_->browserControl(id).browser.statusText = std::string(text);
}

void HeadlessFramework::setBrowserTitle(const ControlId& id, std::string_view title) {
    impl_->browserControl(id).browser.title = std::string(title);
}

void HeadlessFramework::setBrowserTakesKeys(const ControlId& id, bool takesKeys) {
    impl_->browserControl(id).browser.takesKeys = takesKeys;
}

bool HeadlessFramework::raiseBrowserEvent(const ControlId& id, int number, EventArgs args) {
    if (number < 0 || number > 9)
        throw std::invalid_argument("headless: browser events are numbered 0 to 9, not " + std::to_string(number));
    auto& s = *impl_;
    auto w = s.window(id.window);
    auto& b = s.browserControl(id).browser;
    const Event event = browserEvent(number);
    const bool carriesAddress = event == Event::BeforeNavigate || event == Event::NavigateComplete ||
                                event == Event::DocumentComplete ||
                                (event == Event::NewWindow && !args.address.empty());
    // Events nest (a handler may navigate, which raises events of its own):
    // each restores the address the outer one showed.
    const auto outer = b.eventAddress;
    if (carriesAddress) b.eventAddress = args.address;
    args.cancel = false;
    try {
        s.raise(w, id.name, event, args);
    } catch (...) {
        b.eventAddress = outer;
        throw;
    }
    b.eventAddress = outer;
    const bool cancellable = event == Event::BeforeNavigate || event == Event::NewWindow;
    return cancellable && args.cancel;
}

}  // namespace kameng
