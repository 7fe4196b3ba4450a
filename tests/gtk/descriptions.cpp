#include "descriptions.h"

namespace kameng::gtk::testing {

ControlDescription controlOf(Kind kind, std::string name, Rect rect, std::string text) {
    ControlDescription d;
    d.kind = kind;
    d.name = std::move(name);
    d.rect = rect;
    d.text = std::move(text);
    return d;
}

WindowDescription windowOf(std::string name, Rect rect, int border) {
    WindowDescription d;
    d.name = std::move(name);
    d.title = d.name;
    d.rect = rect;
    d.border = border;
    return d;
}

}  // namespace kameng::gtk::testing
