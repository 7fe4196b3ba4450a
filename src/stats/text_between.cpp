#include "stats/text_between.h"

#include "stats/find_text.h"

#include <cstddef>
#include <utility>

namespace kameng::stats {

bool replaceQuotePlaceholders(Text& marker)
{
    const std::string_view text = textView(marker);
    Text replaced;
    bool any = false;
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at, kQuotePlaceholder.size()) == kQuotePlaceholder) {
            replaced += '"';
            at += kQuotePlaceholder.size();
            any = true;
            continue;
        }
        // A lead byte at the very end has no second byte to take along.
        const std::size_t width =
            isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
        replaced.append(text.substr(at, width));
        at += width;
    }
    if (any)
        marker = std::move(replaced);
    return any;
}

Text textBetween(std::string_view sourceIn, Text& startMarker, Text& endMarker, Position start,
                 Case letterCase)
{
    replaceQuotePlaceholders(startMarker);
    replaceQuotePlaceholders(endMarker);

    const std::string_view source = textView(sourceIn);
    const std::string_view opening = textView(startMarker);
    const Position found = findText(source, opening, start, letterCase);
    if (found == kNotFound)
        return {};

    // The end marker is searched from the first byte after the start marker:
    // it has to follow the start marker, wherever the search began.
    const std::string_view rest = source.substr(static_cast<std::size_t>(found - 1) + opening.size());
    const Position end = findText(rest, endMarker, 1, letterCase);
    if (end == kNotFound)
        return {};
    return textLeft(rest, end - 1);
}

}  // namespace kameng::stats
