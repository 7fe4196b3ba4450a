// A control that draws its caption itself on a drawing area: the common
// part of the hyperlink box and the transparent label.
#pragma once

#include "platform/gtk/control.h"

namespace kameng::gtk {

class DrawnTextControl : public Control {
public:
    DrawnTextControl(ControlHost& host, ControlDescription description, NativeHandle handle);

    Value property(int number) const override;
    void setProperty(int number, const Value& value) override;

protected:
    const std::string& caption() const { return caption_; }
    void redraw() { gtk_widget_queue_draw(face()); }
    virtual void draw(cairo_t* cr) const = 0;
    // One line of text in the control's font, centred vertically in the
    // control's own area (not its face's, which may be larger).
    void drawLine(cairo_t* cr, const std::string& text, Rgb colour, Align align) const;

private:
    static gboolean onDraw(GtkWidget*, cairo_t* cr, gpointer self);

    std::string caption_;
};

}  // namespace kameng::gtk
