#include "platform/gtk/transparent_label_control.h"

namespace kameng::gtk {

TransparentLabelControl::TransparentLabelControl(ControlHost& host,
                                                 ControlDescription description,
                                                 NativeHandle handle)
    : DrawnTextControl(host, std::move(description), handle) {
    gtk_widget_set_app_paintable(slot(), TRUE);
    connect(slot(), "realize", G_CALLBACK(+[](GtkWidget* widget, gpointer) {
                cairo_region_t* none = cairo_region_create();
                gdk_window_input_shape_combine_region(gtk_widget_get_window(widget), none, 0, 0);
                cairo_region_destroy(none);
            }),
            true);
}

void TransparentLabelControl::draw(cairo_t* cr) const {
    const ControlDescription& d = description();
    drawLine(cr, caption(), d.textColour.value_or(Rgb{0, 0, 0}), d.align);
}

}  // namespace kameng::gtk
