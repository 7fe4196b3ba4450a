#include "platform/gtk/transparent_label_control.h"

#include "platform/gtk/text_style.h"

namespace kameng::gtk {

TransparentLabelControl::TransparentLabelControl(ControlHost& host,
                                                 ControlDescription description,
                                                 NativeHandle handle)
    : Control(host, std::move(description), handle), caption_(this->description().text) {
    GtkWidget* area = gtk_drawing_area_new();
    gtk_widget_set_app_paintable(slot(), TRUE);
    setFace(area);
    connect(area, "draw", G_CALLBACK(onDraw));
    connect(slot(), "realize", G_CALLBACK(+[](GtkWidget* widget, gpointer) {
                cairo_region_t* none = cairo_region_create();
                gdk_window_input_shape_combine_region(gtk_widget_get_window(widget), none, 0, 0);
                cairo_region_destroy(none);
            }),
            true);
}

gboolean TransparentLabelControl::onDraw(GtkWidget*, cairo_t* cr, gpointer self) {
    static_cast<const TransparentLabelControl*>(self)->draw(cr);
    return FALSE;
}

void TransparentLabelControl::draw(cairo_t* cr) const {
    const ControlDescription& d = description();
    const int width = std::max(0, rect().width);
    const int height = std::max(0, rect().height);
    GObjectPtr<PangoLayout> layout(gtk_widget_create_pango_layout(face(), nullptr));
    PangoAttrList* attributes = textAttributes(d.font, std::nullopt);
    pango_layout_set_attributes(layout.get(), attributes);
    pango_attr_list_unref(attributes);
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    pango_layout_set_text(layout.get(), caption_.c_str(), -1);
    int textWidth = 0, textHeight = 0;
    pango_layout_get_pixel_size(layout.get(), &textWidth, &textHeight);
    int x = d.align == Align::Left     ? 0
            : d.align == Align::Centre ? (width - textWidth) / 2
                                       : width - textWidth;
    setSourceColour(cr, d.textColour.value_or(Rgb{0, 0, 0}));
    cairo_move_to(cr, x, (height - textHeight) / 2);
    pango_cairo_show_layout(cr, layout.get());
}

Value TransparentLabelControl::property(int number) const {
    if (number == prop::Caption) return caption_;
    return Control::property(number);
}

void TransparentLabelControl::setProperty(int number, const Value& value) {
    if (number == prop::Caption) {
        caption_ = value.text();
        gtk_widget_queue_draw(face());
        return;
    }
    Control::setProperty(number, value);
}

}  // namespace kameng::gtk
