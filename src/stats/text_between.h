// Cutting a piece out of a page: the text between a start and an end marker.
#pragma once

#include "stats/text.h"

#include <string_view>

namespace kameng::stats {

// "#引号" in code page 936. In a marker it stands for one double quote, so
// that a marker can hold quotes.
inline constexpr std::string_view kQuotePlaceholder = "\x23\xD2\xFD\xBA\xC5";

// Replaces every "#引号" found at a character boundary of `marker` by a
// double quote. Returns whether anything was replaced (and `marker` changed).
bool replaceQuotePlaceholders(Text& marker);

// The text between the first occurrence of `startMarker` at or after `start`
// (a 1-based byte position; 0 and 1 mean the first byte) and the first
// occurrence of `endMarker` after it; empty when either is missing. Both
// searches follow findText: character boundaries, and with IgnoreAscii the
// ASCII letters match regardless of case.
//
// The markers are in and out: a marker that held "#引号" comes back with
// double quotes in its place, as it was searched for.
//
// An empty start marker matches where the search begins; an empty end marker
// gives the empty text.
Text textBetween(std::string_view source, Text& startMarker, Text& endMarker, Position start = 0,
                 Case letterCase = Case::IgnoreAscii);

}  // namespace kameng::stats
