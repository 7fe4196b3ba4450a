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
    : DrawnTextControl(host, std::move(description), handle) {
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
    if (!caption().empty()) return caption();
    const ControlDescription& d = description();
    return d.linkIsEmail ? d.emailAddress : d.linkAddress;
}

void HyperLinkControl::setHovered(bool hovered) {
    if (hovered_ == hovered) return;
    hovered_ = hovered;
    redraw();
}

void HyperLinkControl::open() {
    std::string target = address();
    if (target.empty()) return;
    bool opened = launchDefaultForUri(target) || launchHtmlViewer(target);
    // Visited only once a program has taken the address; a failure clears it.
    visited_ = opened;
    redraw();
}

void HyperLinkControl::draw(cairo_t* cr) const {
    const ControlDescription& d = description();
    // The background hides what lies beneath (a status bar's part text).
    if (d.background) {
        setSourceColour(cr, *d.background);
        cairo_paint(cr);
    } else {
        GtkWidget* top = gtk_widget_get_toplevel(face());
        gtk_render_background(gtk_widget_get_style_context(top), cr, 0, 0, std::max(0, rect().width),
                              std::max(0, rect().height));
    }
    const Rgb colour = hovered_   ? d.hoverColour.value_or(kHover)
                       : visited_ ? d.visitedColour.value_or(kVisited)
                                  : d.textColour.value_or(kNormal);
    drawLine(cr, shownText(), colour, Align::Centre);
}

}  // namespace kameng::gtk
