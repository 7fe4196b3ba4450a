#include "stats/find_text.h"

#include <array>
#include <cstddef>

namespace kameng::stats {
namespace {

using FoldTable = std::array<unsigned char, 256>;

constexpr FoldTable makeFoldTable(Case letterCase)
{
    FoldTable table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        const bool capital = byte >= 'A' && byte <= 'Z';
        table[byte] = static_cast<unsigned char>(
            letterCase == Case::IgnoreAscii && capital ? byte + ('a' - 'A') : byte);
    }
    return table;
}

constexpr FoldTable kExact = makeFoldTable(Case::Exact);
constexpr FoldTable kIgnoreAscii = makeFoldTable(Case::IgnoreAscii);

bool matchesAt(const unsigned char* at, const unsigned char* needle, std::size_t length,
               const FoldTable& fold)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (fold[at[i]] != fold[needle[i]])
            return false;
    }
    return true;
}

}  // namespace

Position findText(std::string_view textIn, std::string_view needleIn, Position start, Case letterCase)
{
    const std::string_view text = textView(textIn);
    const std::string_view needle = textView(needleIn);
    const std::size_t length = text.size();
    const std::size_t skip = start >= 2 ? static_cast<std::size_t>(start - 1) : 0;
    if (skip >= length)
        return kNotFound;
    if (needle.empty())
        return static_cast<Position>(skip) + 1;

    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const auto* wanted = reinterpret_cast<const unsigned char*>(needle.data());
    const FoldTable& fold = letterCase == Case::IgnoreAscii ? kIgnoreAscii : kExact;
    const unsigned char first = fold[wanted[0]];

    // `at` never passes `length`: a lead byte is stepped over only when a
    // second byte follows it.
    for (std::size_t at = skip; length - at >= needle.size();) {
        if (fold[bytes[at]] == first && matchesAt(bytes + at + 1, wanted + 1, needle.size() - 1, fold))
            return static_cast<Position>(at) + 1;
        if (isLeadByte(bytes[at])) {
            if (at + 1 == length)
                return kNotFound;
            at += 2;
        } else {
            ++at;
        }
    }
    return kNotFound;
}

}  // namespace kameng::stats
