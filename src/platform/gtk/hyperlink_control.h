// 超级链接框: a link drawn in its normal, hover or visited colour that opens
// its web or e-mail address in the user's program for it.
#pragma once

#include "platform/gtk/control.h"

namespace kameng::gtk {

class HyperLinkControl : public Control {
public:
    HyperLinkControl(ControlHost& host, ControlDescription description, NativeHandle handle);

    Value property(int number) const override;
    void setProperty(int number, const Value& value) override;

    bool visited() const { return visited_; }
    bool hovered() const { return hovered_; }

private:
    static gboolean onDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
    void draw(cairo_t* cr) const;
    std::string shownText() const;
    std::string address() const;
    void setHovered(bool hovered);
    void open();

    std::string caption_;
    bool hovered_ = false;
    bool visited_ = false;
};

}  // namespace kameng::gtk
