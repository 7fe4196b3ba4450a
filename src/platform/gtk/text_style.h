// Fonts and colours of the program's descriptions in GTK's terms.
#pragma once

#include "platform/description.h"
#include "platform/gtk/gobject_ptr.h"

#include <gtk/gtk.h>

#include <optional>
#include <string>

namespace kameng::gtk {

// The description's font, or the default GUI font (12-pixel characters, as
// the program's layout expects) when it names none. Faces the machine lacks
// are stood in for by a CJK font.
FontDescriptionPtr fontDescription(const std::optional<Font>& font);

// Pango attributes for a one-line text: font, underline, colour.
PangoAttrList* textAttributes(const std::optional<Font>& font, std::optional<Rgb> colour);

std::string cssColour(Rgb colour);
// Adds a style sheet of its own to one widget.
void applyWidgetCss(GtkWidget* widget, const std::string& css);

void setSourceColour(cairo_t* cr, Rgb colour);

// Pixel height of a line of text in the given font.
int lineHeight(GtkWidget* widget, const std::optional<Font>& font);

}  // namespace kameng::gtk
