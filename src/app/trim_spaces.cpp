#include "app/trim_spaces.h"

namespace kameng {

namespace {

constexpr std::string_view asciiSpace = " ";
constexpr std::string_view fullWidthSpace = "\xE3\x80\x80";  // U+3000 in UTF-8

}  // namespace

std::string trimSpaces(std::string_view text) {
    for (bool changed = true; changed;) {
        changed = false;
        for (auto space : {asciiSpace, fullWidthSpace}) {
            if (text.starts_with(space)) {
                text.remove_prefix(space.size());
                changed = true;
            }
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                changed = true;
            }
        }
    }
    return std::string(text);
}

}  // namespace kameng
