#include "platform/gtk/button_control.h"

#include "platform/gtk/text_style.h"

namespace kameng::gtk {

ButtonControl::ButtonControl(ControlHost& host, ControlDescription description,
                             NativeHandle handle)
    : Control(host, std::move(description), handle) {
    GtkWidget* button = gtk_button_new();
    // Win32 buttons are small: drop the theme's minimum size and padding.
    applyWidgetCss(button, "button { min-height: 0; min-width: 0; padding: 0 2px; }");
    label_ = gtk_label_new(nullptr);
    gtk_label_set_single_line_mode(GTK_LABEL(label_), TRUE);
    gtk_container_add(GTK_CONTAINER(button), label_);
    gtk_widget_show(label_);
    setFace(button);
    setCaption(this->description().text);
    connect(button, "clicked", G_CALLBACK(+[](GtkButton*, gpointer self) {
                static_cast<ButtonControl*>(self)->raise(Event::Clicked);
            }));
}

void ButtonControl::setCaption(const std::string& caption) {
    rawCaption_ = caption;
    caption_ = parseMnemonicCaption(caption);
    PangoAttrList* attributes = textAttributes(description().font, description().textColour);
    if (caption_.mnemonicAt != std::string::npos) {
        PangoAttribute* underline = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        underline->start_index = static_cast<guint>(caption_.mnemonicAt);
        underline->end_index = static_cast<guint>(caption_.mnemonicAt + caption_.mnemonicLength);
        pango_attr_list_insert(attributes, underline);
    }
    gtk_label_set_text(GTK_LABEL(label_), caption_.text.c_str());
    gtk_label_set_attributes(GTK_LABEL(label_), attributes);
    pango_attr_list_unref(attributes);
}

void ButtonControl::clickByMnemonic() {
    if (!shown() || property(prop::Disabled).number() != 0) return;
    raise(Event::Clicked);
}

Value ButtonControl::property(int number) const {
    if (number == prop::Caption) return rawCaption_;
    return Control::property(number);
}

void ButtonControl::setProperty(int number, const Value& value) {
    if (number == prop::Caption) return setCaption(value.text());
    Control::setProperty(number, value);
}

}  // namespace kameng::gtk
