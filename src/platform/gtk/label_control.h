// 标签: one line of text with its colours, alignment and font; reports
// left-button presses.
#pragma once

#include "platform/gtk/control.h"

namespace kameng::gtk {

class LabelControl : public Control {
public:
    LabelControl(ControlHost& host, ControlDescription description, NativeHandle handle);

    Value property(int number) const override;
    void setProperty(int number, const Value& value) override;

private:
    void setCaption(const std::string& caption);

    std::string caption_;
};

// The key state of a mouse event: 1 Ctrl, 2 Shift, 4 Alt held.
int keyStateOf(guint modifiers);

}  // namespace kameng::gtk
