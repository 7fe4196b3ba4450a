// 编辑框: a one-line, sunken text box, black on white.
#pragma once

#include "platform/gtk/control.h"

namespace kameng::gtk {

class EditBoxControl : public Control {
public:
    EditBoxControl(ControlHost& host, ControlDescription description, NativeHandle handle);

    Value property(int number) const override;
    void setProperty(int number, const Value& value) override;
};

}  // namespace kameng::gtk
