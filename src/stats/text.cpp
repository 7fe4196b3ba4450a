#include "stats/text.h"

#include <algorithm>

namespace kameng::stats {

std::string_view textView(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

Text bytesToText(std::span<const std::uint8_t> bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return Text(bytes.begin(), end);
}

Text textLeft(std::string_view text, Position count)
{
    text = textView(text);
    if (count <= 0)
        return {};
    return Text(text.substr(0, static_cast<std::size_t>(
                                   std::min<Position>(count, static_cast<Position>(text.size())))));
}

Text textRight(std::string_view text, Position count)
{
    text = textView(text);
    if (count <= 0)
        return {};
    const auto size = static_cast<Position>(text.size());
    return Text(text.substr(static_cast<std::size_t>(size - std::min(count, size))));
}

}  // namespace kameng::stats
