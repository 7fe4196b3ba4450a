// 超级链接框: a link drawn in its normal, hover or visited colour that opens
// its web or e-mail address in the user's program for it.
#pragma once

#include "platform/gtk/drawn_text_control.h"

namespace kameng::gtk {

class HyperLinkControl : public DrawnTextControl {
public:
    HyperLinkControl(ControlHost& host, ControlDescription description, NativeHandle handle);

    bool visited() const { return visited_; }
    bool hovered() const { return hovered_; }

private:
    void draw(cairo_t* cr) const override;
    std::string shownText() const;
    std::string address() const;
    void setHovered(bool hovered);
    void open();

    bool hovered_ = false;
    bool visited_ = false;
};

}  // namespace kameng::gtk
