#include "platform/gtk/label_control.h"

#include "platform/gtk/text_style.h"

namespace kameng::gtk {

int keyStateOf(guint modifiers) {
    int state = 0;
    if (modifiers & GDK_CONTROL_MASK) state |= key_state::Ctrl;
    if (modifiers & GDK_SHIFT_MASK) state |= key_state::Shift;
    if (modifiers & GDK_MOD1_MASK) state |= key_state::Alt;
    return state;
}

LabelControl::LabelControl(ControlHost& host, ControlDescription description, NativeHandle handle)
    : Control(host, std::move(description), handle) {
    const ControlDescription& d = this->description();
    GtkWidget* label = gtk_label_new(nullptr);
    gtk_label_set_single_line_mode(GTK_LABEL(label), TRUE);
    gtk_label_set_xalign(GTK_LABEL(label), d.align == Align::Left     ? 0.0f
                                           : d.align == Align::Centre ? 0.5f
                                                                      : 1.0f);
    gtk_label_set_yalign(GTK_LABEL(label), 0.5f);
    PangoAttrList* attributes = textAttributes(d.font, d.textColour.value_or(Rgb{0, 0, 0}));
    gtk_label_set_attributes(GTK_LABEL(label), attributes);
    pango_attr_list_unref(attributes);
    if (d.background)
        applyWidgetCss(slot(), "* { background-color: " + cssColour(*d.background) + "; }");
    setFace(label);
    setCaption(d.text);
    connect(slot(), "button-press-event",
            G_CALLBACK(+[](GtkWidget*, GdkEventButton* event, gpointer self) -> gboolean {
                if (event->type != GDK_BUTTON_PRESS || event->button != GDK_BUTTON_PRIMARY)
                    return FALSE;
                EventArgs args;
                args.x = static_cast<int>(event->x);
                args.y = static_cast<int>(event->y);
                args.keyState = keyStateOf(event->state);
                static_cast<LabelControl*>(self)->raise(Event::LeftMousePressed, args);
                return TRUE;
            }));
}

void LabelControl::setCaption(const std::string& caption) {
    caption_ = caption;
    gtk_label_set_text(GTK_LABEL(face()), caption.c_str());
}

Value LabelControl::property(int number) const {
    if (number == prop::Caption) return caption_;
    return Control::property(number);
}

void LabelControl::setProperty(int number, const Value& value) {
    if (number == prop::Caption) return setCaption(value.text());
    Control::setProperty(number, value);
}

}  // namespace kameng::gtk
