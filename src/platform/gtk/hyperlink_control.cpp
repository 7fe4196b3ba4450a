#include "platform/gtk/hyperlink_control.h"

#include "platform/gtk/text_style.h"
#include "platform/gtk/uri_launcher.h"

namespace kameng::gtk {
namespace {

constexpr Rgb kNormal{0, 0, 255};
constexpr Rgb kHover{51, 153, 255};
constexpr Rgb kVisited{128, 0, 128};

}  // namespace

HyperLinkControl::HyperLinkControl(ControlHost& host, ControlDescription description,
                                   NativeHandle handle)
    : Control(host, std::move(description), handle), caption_(this->description().text) {
    GtkWidget* area = gtk_drawing_area_new();
    setFace(area);
    connect(area, "draw", G_CALLBACK(onDraw));
    connect(slot(), "enter-notify-event",
            G_CALLBACK(+[](GtkWidget*, GdkEventCrossing*, gpointer self) -> gboolean {
                static_cast<HyperLinkControl*>(self)->setHovered(true);
                return FALSE;
            }));
    connect(slot(), "leave-notify-event",
            G_CALLBACK(+[](GtkWidget*, GdkEventCrossing* event, gpointer self) -> gboolean {
                // Leaving for a child window is not leaving the control.
                if (event->detail != GDK_NOTIFY_INFERIOR)
                    static_cast<HyperLinkControl*>(self)->setHovered(false);
                return FALSE;
            }));
    connect(slot(), "button-press-event",
            G_CALLBACK(+[](GtkWidget*, GdkEventButton* event, gpointer self) -> gboolean {
                if (event->type != GDK_BUTTON_PRESS || event->button != GDK_BUTTON_PRIMARY)
                    return FALSE;
                static_cast<HyperLinkControl*>(self)->open();
                return TRUE;
            }));
}

std::string HyperLinkControl::address() const {
    const ControlDescription& d = description();
    if (d.linkIsEmail) return d.emailAddress.empty() ? "" : "mailto:" + d.emailAddress;
    return d.linkAddress;
}

std::string HyperLinkControl::shownText() const {
    if (!caption_.empty()) return caption_;
    const ControlDescription& d = description();
    return d.linkIsEmail ? d.emailAddress : d.linkAddress;
}

void HyperLinkControl::setHovered(bool hovered) {
    if (hovered_ == hovered) return;
    hovered_ = hovered;
    gtk_widget_queue_draw(face());
}

void HyperLinkControl::open() {
    std::string target = address();
    if (target.empty()) return;
    bool opened = launchDefaultForUri(target) || launchHtmlViewer(target);
    // Visited only once a program has taken the address; a failure clears it.
    visited_ = opened;
    gtk_widget_queue_draw(face());
}

gboolean HyperLinkControl::onDraw(GtkWidget*, cairo_t* cr, gpointer self) {
    static_cast<const HyperLinkControl*>(self)->draw(cr);
    return FALSE;
}

void HyperLinkControl::draw(cairo_t* cr) const {
    const ControlDescription& d = description();
    // The control's own area, not its face's (which may be larger).
    const int width = std::max(0, rect().width);
    const int height = std::max(0, rect().height);
    // The background hides what lies beneath (a status bar's part text).
    if (d.background) {
        setSourceColour(cr, *d.background);
        cairo_paint(cr);
    } else {
        GtkWidget* top = gtk_widget_get_toplevel(face());
        gtk_render_background(gtk_widget_get_style_context(top), cr, 0, 0, width, height);
    }
    Rgb colour = hovered_ ? d.hoverColour.value_or(kHover)
                 : visited_ ? d.visitedColour.value_or(kVisited)
                            : d.textColour.value_or(kNormal);
    GObjectPtr<PangoLayout> layout(gtk_widget_create_pango_layout(face(), nullptr));
    FontDescriptionPtr font = fontDescription(d.font);
    pango_layout_set_font_description(layout.get(), font.get());
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    pango_layout_set_text(layout.get(), shownText().c_str(), -1);
    if (d.font && d.font->underline) {
        PangoAttrList* attributes = pango_attr_list_new();
        pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        pango_layout_set_attributes(layout.get(), attributes);
        pango_attr_list_unref(attributes);
    }
    int textWidth = 0, textHeight = 0;
    pango_layout_get_pixel_size(layout.get(), &textWidth, &textHeight);
    setSourceColour(cr, colour);
    cairo_move_to(cr, (width - textWidth) / 2, (height - textHeight) / 2);
    pango_cairo_show_layout(cr, layout.get());
}

Value HyperLinkControl::property(int number) const {
    if (number == prop::Caption) return caption_;
    return Control::property(number);
}

void HyperLinkControl::setProperty(int number, const Value& value) {
    if (number == prop::Caption) {
        caption_ = value.text();
        gtk_widget_queue_draw(face());
        return;
    }
    Control::setProperty(number, value);
}

}  // namespace kameng::gtk
