#include "platform/gtk/text_style.h"

#include <cstdio>

namespace kameng::gtk {
namespace {

// Stands in for the Chinese faces the descriptions name when they are absent.
constexpr const char* kCjkStandIn = "WenQuanYi Zen Hei";
constexpr int kDefaultPixelHeight = 12;

std::string themeFamily() {
    GtkSettings* settings = gtk_settings_get_default();
    GCharPtr name;
    if (settings) {
        gchar* raw = nullptr;
        g_object_get(settings, "gtk-font-name", &raw, nullptr);
        name.reset(raw);
    }
    if (!name) return "Sans";
    FontDescriptionPtr d(pango_font_description_from_string(name.get()));
    const char* family = pango_font_description_get_family(d.get());
    return family && *family ? family : "Sans";
}

}  // namespace

FontDescriptionPtr fontDescription(const std::optional<Font>& font) {
    FontDescriptionPtr d(pango_font_description_new());
    std::string face = font && !font->face.empty() ? font->face : themeFamily();
    pango_font_description_set_family(d.get(), (face + "," + kCjkStandIn).c_str());
    int pixels = kDefaultPixelHeight;
    if (font && font->height < 0) pixels = -font->height;
    // A positive height is the cell height, leading included.
    if (font && font->height > 0) pixels = font->height * 4 / 5;
    pango_font_description_set_absolute_size(d.get(), pixels * PANGO_SCALE);
    int weight = font ? font->weight : 400;
    if (weight <= 0) weight = 400;
    pango_font_description_set_weight(d.get(), static_cast<PangoWeight>(weight));
    return d;
}

PangoAttrList* textAttributes(const std::optional<Font>& font, std::optional<Rgb> colour) {
    PangoAttrList* list = pango_attr_list_new();
    FontDescriptionPtr d = fontDescription(font);
    pango_attr_list_insert(list, pango_attr_font_desc_new(d.get()));
    if (font && font->underline)
        pango_attr_list_insert(list, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (colour)
        pango_attr_list_insert(list, pango_attr_foreground_new(colour->r * 257, colour->g * 257,
                                                                colour->b * 257));
    return list;
}

std::string cssColour(Rgb colour) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return buffer;
}

void applyWidgetCss(GtkWidget* widget, const std::string& css) {
    GObjectPtr<GtkCssProvider> provider(gtk_css_provider_new());
    gtk_css_provider_load_from_data(provider.get(), css.c_str(), -1, nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget),
                                   GTK_STYLE_PROVIDER(provider.get()),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

void setSourceColour(cairo_t* cr, Rgb colour) {
    cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

int lineHeight(GtkWidget* widget, const std::optional<Font>& font) {
    FontDescriptionPtr d = fontDescription(font);
    PangoContext* context = gtk_widget_get_pango_context(widget);
    GObjectPtr<PangoLayout> layout(pango_layout_new(context));
    pango_layout_set_font_description(layout.get(), d.get());
    pango_layout_set_text(layout.get(), "Ag国", -1);
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout.get(), &width, &height);
    return height;
}

}  // namespace kameng::gtk
