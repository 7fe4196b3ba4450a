// 透明标签: draws only its text; what lies beneath shows around the letters,
// and pointer input passes through to it.
#pragma once

#include "platform/gtk/drawn_text_control.h"

namespace kameng::gtk {

class TransparentLabelControl : public DrawnTextControl {
public:
    TransparentLabelControl(ControlHost& host, ControlDescription description, NativeHandle handle);

private:
    void draw(cairo_t* cr) const override;
};

}  // namespace kameng::gtk
