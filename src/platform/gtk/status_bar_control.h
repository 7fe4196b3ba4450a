// 状态条: a bar of text parts docked at the bottom of its window; other
// controls can be put into it.
#pragma once

#include "platform/gtk/control.h"

#include <vector>

namespace kameng::gtk {

class StatusBarControl : public Control {
public:
    StatusBarControl(ControlHost& host, ControlDescription description, NativeHandle handle);

    // The layout that children put into the bar live in.
    GtkLayout* childArea() const { return GTK_LAYOUT(face()); }
    // The bar's own height for its font.
    int barHeight() const { return height_; }
    // Places the bar at the bottom of a client area of the given size.
    void dock(int clientWidth, int clientHeight);

    // A part outside the list is ignored.
    void setPartText(int part, std::string_view text);
    void setPartWidth(int part, int width);
    std::string partText(int part) const;
    int partWidth(int part) const;
    // Where a part ends in a bar of the given width, from its left edge.
    int partRightEdge(int part, int barWidth) const;
    // Where the part ends as the bar is drawn now.
    int drawnPartRightEdge(int part) const;

private:
    struct Part {
        int width = 0;
        std::string text;
    };
    static gboolean onDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
    void draw(cairo_t* cr) const;
    bool hasPart(int part) const { return part >= 0 && part < static_cast<int>(parts_.size()); }

    std::vector<Part> parts_;
    int height_ = 20;
};

}  // namespace kameng::gtk
