#include "platform/gtk/status_bar_control.h"

#include "platform/gtk/text_style.h"

#include <algorithm>

namespace kameng::gtk {
namespace {

constexpr int kTextInset = 4;
constexpr Rgb kEdgeColour{160, 160, 160};
constexpr Rgb kTextColour{0, 0, 0};

}  // namespace

StatusBarControl::StatusBarControl(ControlHost& host, ControlDescription description,
                                   NativeHandle handle)
    : Control(host, std::move(description), handle) {
    for (int width : this->description().statusParts) parts_.push_back({width, {}});
    GtkWidget* area = gtk_layout_new(nullptr, nullptr);
    setFace(area);
    height_ = std::max(lineHeight(area, this->description().font) + 6, 16);
    connect(area, "draw", G_CALLBACK(onDraw));
}

void StatusBarControl::dock(int clientWidth, int clientHeight) {
    Rect docked{0, clientHeight - height_, std::max(0, clientWidth), height_};
    if (!(docked == rect())) setRect(docked);
}

void StatusBarControl::setPartText(int part, std::string_view text) {
    if (!hasPart(part)) return;
    parts_[part].text = std::string(text);
    gtk_widget_queue_draw(face());
}

void StatusBarControl::setPartWidth(int part, int width) {
    if (!hasPart(part)) return;
    parts_[part].width = width;
    gtk_widget_queue_draw(face());
}

std::string StatusBarControl::partText(int part) const {
    return hasPart(part) ? parts_[part].text : std::string();
}

int StatusBarControl::partWidth(int part) const { return hasPart(part) ? parts_[part].width : 0; }

int StatusBarControl::partRightEdge(int part, int barWidth) const {
    // Right edges are running sums of the widths; -1 runs to the end.
    int right = 0;
    for (int i = 0; i <= part && i < static_cast<int>(parts_.size()); ++i) {
        const int left = right;
        right = parts_[i].width == -1 ? barWidth : left + parts_[i].width;
        right = std::max(left, right);
    }
    return right;
}

int StatusBarControl::drawnPartRightEdge(int part) const {
    return partRightEdge(part, gtk_widget_get_allocated_width(face()));
}

gboolean StatusBarControl::onDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
    // The layout draws its children after this, on top of the parts.
    if (gtk_cairo_should_draw_window(cr, gtk_layout_get_bin_window(GTK_LAYOUT(widget))))
        static_cast<const StatusBarControl*>(self)->draw(cr);
    return FALSE;
}

void StatusBarControl::draw(cairo_t* cr) const {
    const int width = gtk_widget_get_allocated_width(face());
    const int height = gtk_widget_get_allocated_height(face());
    setSourceColour(cr, kEdgeColour);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, 0, 0.5);
    cairo_line_to(cr, width, 0.5);
    cairo_stroke(cr);

    FontDescriptionPtr font = fontDescription(description().font);
    GObjectPtr<PangoLayout> layout(gtk_widget_create_pango_layout(face(), nullptr));
    pango_layout_set_font_description(layout.get(), font.get());
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);

    for (int i = 0; i < static_cast<int>(parts_.size()); ++i) {
        const int left = i == 0 ? 0 : partRightEdge(i - 1, width);
        const int right = partRightEdge(i, width);
        const Part& part = parts_[i];
        if (right > left) {
            cairo_save(cr);
            cairo_rectangle(cr, left, 1, right - left - 1, height - 1);
            cairo_clip(cr);
            pango_layout_set_text(layout.get(), part.text.c_str(), -1);
            int textWidth = 0, textHeight = 0;
            pango_layout_get_pixel_size(layout.get(), &textWidth, &textHeight);
            setSourceColour(cr, kTextColour);
            cairo_move_to(cr, left + kTextInset, (height - textHeight) / 2.0 + 0.5);
            pango_cairo_show_layout(cr, layout.get());
            cairo_restore(cr);
            if (right < width) {
                setSourceColour(cr, kEdgeColour);
                cairo_move_to(cr, right - 0.5, 3);
                cairo_line_to(cr, right - 0.5, height - 2);
                cairo_stroke(cr);
            }
        }
    }
}

}  // namespace kameng::gtk
