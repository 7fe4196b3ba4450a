#include "platform/gtk/control_factory.h"

#include "platform/gtk/browser_control.h"
#include "platform/gtk/button_control.h"
#include "platform/gtk/edit_box_control.h"
#include "platform/gtk/hyperlink_control.h"
#include "platform/gtk/label_control.h"
#include "platform/gtk/status_bar_control.h"
#include "platform/gtk/timer_control.h"
#include "platform/gtk/transparent_label_control.h"

namespace kameng::gtk {

std::unique_ptr<Control> makeControl(ControlHost& host, const ControlDescription& description,
                                     NativeHandle handle) {
    switch (description.kind) {
    case Kind::Button: return std::make_unique<ButtonControl>(host, description, handle);
    case Kind::Label: return std::make_unique<LabelControl>(host, description, handle);
    case Kind::EditBox: return std::make_unique<EditBoxControl>(host, description, handle);
    case Kind::Timer: return std::make_unique<TimerControl>(host, description, handle);
    case Kind::StatusBar: return std::make_unique<StatusBarControl>(host, description, handle);
    case Kind::HyperLink: return std::make_unique<HyperLinkControl>(host, description, handle);
    case Kind::Browser: return std::make_unique<BrowserControl>(host, description, handle);
    case Kind::TransparentLabel:
        return std::make_unique<TransparentLabelControl>(host, description, handle);
    case Kind::Window: break;
    }
    return nullptr;
}

}  // namespace kameng::gtk
