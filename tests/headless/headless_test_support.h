// Small description builders for the double's own tests.
#pragma once

#include "headless/headless_framework.h"

#include <string>

namespace kameng::headless_test {

inline ControlDescription makeControl(std::string name, Kind kind, Rect rect = {10, 10, 80, 24},
                                      std::string text = {}) {
    ControlDescription d;
    d.name = std::move(name);
    d.kind = kind;
    d.rect = rect;
    d.text = std::move(text);
    return d;
}

inline WindowDescription makeWindow(std::string name, Rect rect = {100, 100, 400, 300}) {
    WindowDescription d;
    d.name = std::move(name);
    d.rect = rect;
    return d;
}

}  // namespace kameng::headless_test
