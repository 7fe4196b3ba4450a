// 透明标签: draws only its text; what lies beneath shows around the letters,
// and pointer input passes through to it.
#pragma once

#include "platform/gtk/control.h"

namespace kameng::gtk {

class TransparentLabelControl : public Control {
public:
    TransparentLabelControl(ControlHost& host, ControlDescription description, NativeHandle handle);

    Value property(int number) const override;
    void setProperty(int number, const Value& value) override;

private:
    static gboolean onDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
    void draw(cairo_t* cr) const;

    std::string caption_;
};

}  // namespace kameng::gtk
