// libFuzzer target for findText and textBetween. Each run checks what a
// search promises against facts worked out here from the bytes themselves:
// a found position is a character boundary at or after the start and really
// matches, no earlier boundary matches, and textBetween's result sits between
// the markers. Build and run it with scripts/fuzz.sh.
//
// Input: byte 0 holds flags (bit 0: ignore case), byte 1 the start position
// (signed), bytes 2 and 3 the lengths of the needle (or start marker) and the
// end marker; then the needle, the end marker, and the rest is the text.
#include "stats/find_text.h"
#include "stats/text_between.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using kameng::stats::Case;
using kameng::stats::Position;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
}

void check(bool holds, const char* what)
{
    if (!holds)
        fail(what);
}

unsigned char fold(unsigned char byte, Case letterCase)
{
    return letterCase == Case::IgnoreAscii && byte >= 'A' && byte <= 'Z' ? byte + 32 : byte;
}

bool sameAt(std::string_view text, std::size_t at, std::string_view needle, Case letterCase)
{
    if (at + needle.size() > text.size())
        return false;
    for (std::size_t i = 0; i < needle.size(); ++i)
        if (fold(text[at + i], letterCase) != fold(needle[i], letterCase))
            return false;
    return true;
}

// The 0-based offsets where a character begins, counted from `from`; a lead
// byte with nothing after it begins nothing.
std::vector<std::size_t> boundaries(std::string_view text, std::size_t from)
{
    std::vector<std::size_t> result;
    for (std::size_t at = from; at < text.size();) {
        const bool lead = static_cast<unsigned char>(text[at]) >= 0x80;
        if (lead && at + 1 == text.size()) {
            result.push_back(at);  // it may still be compared, as itself
            break;
        }
        result.push_back(at);
        at += lead ? 2 : 1;
    }
    return result;
}

std::string_view upToZero(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

std::string lowered(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(fold(c, Case::IgnoreAscii));
    return result;
}

// The first boundary at or after `start` where needle matches, 1-based, or -1.
Position firstMatch(std::string_view text, std::string_view needle, Position start, Case letterCase)
{
    const std::size_t skip = start >= 2 ? static_cast<std::size_t>(start - 1) : 0;
    if (skip >= text.size())
        return -1;
    for (std::size_t at : boundaries(text, skip))
        if (sameAt(text, at, needle, letterCase))
            return static_cast<Position>(at) + 1;
    return -1;
}

void checkFindText(std::string_view rawText, std::string_view rawNeedle, Position start, Case letterCase)
{
    const std::string_view text = upToZero(rawText);
    const std::string_view needle = upToZero(rawNeedle);
    const Position found = kameng::stats::findText(rawText, rawNeedle, start, letterCase);

    check(found == -1 || (found >= 1 && found >= start && found <= static_cast<Position>(text.size())),
          "findText: position within the text and not before the start");
    check(found == firstMatch(text, needle, start, letterCase),
          "findText: first matching character boundary from the start");
    if (found != -1) {
        check(sameAt(text, static_cast<std::size_t>(found - 1), needle, letterCase),
              "findText: the bytes there match");
    }

    // Ignoring case is the same as searching both sides in small letters.
    if (letterCase == Case::IgnoreAscii) {
        check(found == kameng::stats::findText(lowered(text), lowered(needle), start, Case::Exact),
              "findText: ignoring case equals an exact search of folded texts");
    } else {
        const Position folded = kameng::stats::findText(text, needle, start, Case::IgnoreAscii);
        check(found == -1 || (folded != -1 && folded <= found),
              "findText: an exact match is found at least as early when ignoring case");
    }
}

bool hasPlaceholderAtBoundary(std::string_view marker)
{
    for (std::size_t at : boundaries(marker, 0))
        if (marker.substr(at, kameng::stats::kQuotePlaceholder.size()) == kameng::stats::kQuotePlaceholder)
            return true;
    return false;
}

void checkMarkerRewrite(std::string_view before, const std::string& after)
{
    const std::string_view original = upToZero(before);
    if (!hasPlaceholderAtBoundary(original)) {
        check(after == before, "textBetween: a marker without placeholder is left as it was");
        return;
    }
    check(!hasPlaceholderAtBoundary(after), "textBetween: every placeholder replaced");
    check(after.size() < original.size() && (original.size() - after.size()) % 4 == 0,
          "textBetween: each placeholder shrinks to one byte");
    check(after.find('"') != std::string::npos, "textBetween: a double quote in its place");
}

void checkTextBetween(std::string_view rawSource, std::string_view opening, std::string_view closing,
                      Position start, Case letterCase)
{
    std::string startMarker(opening);
    std::string endMarker(closing);
    const std::string result =
        kameng::stats::textBetween(rawSource, startMarker, endMarker, start, letterCase);
    checkMarkerRewrite(opening, startMarker);
    checkMarkerRewrite(closing, endMarker);

    const std::string_view source = upToZero(rawSource);
    const std::string_view sm = upToZero(startMarker);
    const std::string_view em = upToZero(endMarker);
    check(result.find('\0') == std::string::npos, "textBetween: no zero byte in the result");

    const Position p1 = firstMatch(source, sm, start, letterCase);
    if (p1 == -1) {
        check(result.empty(), "textBetween: empty without a start marker");
        return;
    }
    const std::string_view rest = source.substr(static_cast<std::size_t>(p1 - 1) + sm.size());
    const Position p2 = em.empty() ? -1 : firstMatch(rest, em, 1, letterCase);
    if (p2 == -1) {
        check(result.empty(), "textBetween: empty without an end marker after the start marker");
        return;
    }
    // start marker, result, end marker follow each other in the source
    check(rest.substr(0, result.size()) == result, "textBetween: result follows the start marker");
    check(sameAt(rest, result.size(), em, letterCase), "textBetween: end marker follows the result");
    check(static_cast<Position>(result.size()) == p2 - 1, "textBetween: ends at the first end marker");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const Case letterCase = (data[0] & 1) ? Case::IgnoreAscii : Case::Exact;
    const Position start = static_cast<std::int8_t>(data[1]);
    std::string_view rest(reinterpret_cast<const char*>(data + 4), size - 4);
    const std::string_view needle = rest.substr(0, data[2]);
    rest.remove_prefix(needle.size());
    const std::string_view closing = rest.substr(0, data[3]);
    rest.remove_prefix(closing.size());
    const std::string_view text = rest;

    checkFindText(text, needle, start, letterCase);
    checkTextBetween(text, needle, closing, start, letterCase);
    return 0;
}
