#include "platform/gtk/mnemonic_caption.h"

#include <glib.h>

namespace kameng::gtk {

MnemonicCaption parseMnemonicCaption(std::string_view caption) {
    MnemonicCaption result;
    std::size_t i = 0;
    while (i < caption.size()) {
        char c = caption[i];
        if (c != '&') {
            result.text += c;
            ++i;
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == '&') {
            result.text += '&';
            i += 2;
            continue;
        }
        ++i;  // the prefix itself is not shown
        if (i >= caption.size()) break;
        const char* start = caption.data() + i;
        const char* end = caption.data() + caption.size();
        gunichar ch = g_utf8_get_char_validated(start, end - start);
        std::size_t length = 1;
        if (ch != static_cast<gunichar>(-1) && ch != static_cast<gunichar>(-2))
            length = g_utf8_next_char(start) - start;
        if (result.mnemonic == 0 && length <= static_cast<std::size_t>(end - start) &&
            ch != static_cast<gunichar>(-1) && ch != static_cast<gunichar>(-2)) {
            result.mnemonicAt = result.text.size();
            result.mnemonicLength = length;
            result.mnemonic = g_unichar_tolower(ch);
        }
        result.text.append(start, length);
        i += length;
    }
    return result;
}

}  // namespace kameng::gtk
