#include "platform/gtk/edit_box_control.h"

#include "platform/gtk/text_style.h"

namespace kameng::gtk {

EditBoxControl::EditBoxControl(ControlHost& host, ControlDescription description,
                               NativeHandle handle)
    : Control(host, std::move(description), handle) {
    const ControlDescription& d = this->description();
    GtkWidget* entry = gtk_entry_new();
    gtk_entry_set_has_frame(GTK_ENTRY(entry), TRUE);
    gtk_entry_set_width_chars(GTK_ENTRY(entry), 0);
    applyWidgetCss(entry, "entry { min-height: 0; min-width: 0; padding: 0 2px; color: " +
                              cssColour(d.textColour.value_or(Rgb{0, 0, 0})) +
                              "; background-color: " +
                              cssColour(d.background.value_or(Rgb{255, 255, 255})) +
                              "; background-image: none; border-radius: 0; }");
    PangoAttrList* attributes = textAttributes(d.font, std::nullopt);
    gtk_entry_set_attributes(GTK_ENTRY(entry), attributes);
    pango_attr_list_unref(attributes);
    gtk_entry_set_text(GTK_ENTRY(entry), d.text.c_str());
    setFace(entry);
}

Value EditBoxControl::property(int number) const {
    if (number == prop::Text) return std::string(gtk_entry_get_text(GTK_ENTRY(face())));
    return Control::property(number);
}

void EditBoxControl::setProperty(int number, const Value& value) {
    if (number == prop::Text) {
        gtk_entry_set_text(GTK_ENTRY(face()), value.text().c_str());
        return;
    }
    Control::setProperty(number, value);
}

}  // namespace kameng::gtk
