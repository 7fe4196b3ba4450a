// Captions with an "&" prefix: "主页(&G)" shows "主页(G)" with G underlined,
// and Alt+G clicks the button. "&&" stands for one "&".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kameng::gtk {

struct MnemonicCaption {
    std::string text;                      // the caption as shown
    std::size_t mnemonicAt = std::string::npos;  // byte offset of the marked character
    std::size_t mnemonicLength = 0;        // its length in UTF-8 bytes
    char32_t mnemonic = 0;                 // the marked character, lower case; 0: none
};

MnemonicCaption parseMnemonicCaption(std::string_view caption);

}  // namespace kameng::gtk
