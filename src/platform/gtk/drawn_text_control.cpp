#include "platform/gtk/drawn_text_control.h"

#include "platform/gtk/text_style.h"

#include <algorithm>

namespace kameng::gtk {

DrawnTextControl::DrawnTextControl(ControlHost& host, ControlDescription description,
                                   NativeHandle handle)
    : Control(host, std::move(description), handle), caption_(this->description().text) {
    GtkWidget* area = gtk_drawing_area_new();
    setFace(area);
    connect(area, "draw", G_CALLBACK(onDraw));
}

gboolean DrawnTextControl::onDraw(GtkWidget*, cairo_t* cr, gpointer self) {
    static_cast<const DrawnTextControl*>(self)->draw(cr);
    return FALSE;
}

void DrawnTextControl::drawLine(cairo_t* cr, const std::string& text, Rgb colour,
                                Align align) const {
    const int width = std::max(0, rect().width);
    const int height = std::max(0, rect().height);
    GObjectPtr<PangoLayout> layout(gtk_widget_create_pango_layout(face(), nullptr));
    PangoAttrList* attributes = textAttributes(description().font, std::nullopt);
    pango_layout_set_attributes(layout.get(), attributes);
    pango_attr_list_unref(attributes);
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    pango_layout_set_text(layout.get(), text.c_str(), -1);
    int textWidth = 0, textHeight = 0;
    pango_layout_get_pixel_size(layout.get(), &textWidth, &textHeight);
    const int x = align == Align::Left     ? 0
                  : align == Align::Centre ? (width - textWidth) / 2
                                           : width - textWidth;
    setSourceColour(cr, colour);
    cairo_move_to(cr, x, (height - textHeight) / 2);
    pango_cairo_show_layout(cr, layout.get());
}

Value DrawnTextControl::property(int number) const {
    if (number == prop::Caption) return caption_;
    return Control::property(number);
}

void DrawnTextControl::setProperty(int number, const Value& value) {
    if (number == prop::Caption) {
        caption_ = value.text();
        redraw();
        return;
    }
    Control::setProperty(number, value);
}

}  // namespace kameng::gtk
