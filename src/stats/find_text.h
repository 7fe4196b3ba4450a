// Searching a GBK text for a needle, character by character.
#pragma once

#include "stats/text.h"

#include <string_view>

namespace kameng::stats {

// The 1-based position of the first occurrence of `needle` in `text` at or
// after `start`, or kNotFound.
//
// The scan begins at byte `start` (0 and 1, and anything less, mean the first
// byte; past the end there is nothing to scan) and tries a match only at the
// character boundaries counted from there: after a lead byte (80 hex or more)
// it steps over the second byte too. So 41 62 ("Ab") is not found in
// 61 B0 41 62, where 41 is the second byte of B0 41. A lead byte that is the
// last byte of the text ends the search.
//
// An empty needle is found where the scan begins, unless nothing is left to
// scan.
Position findText(std::string_view text, std::string_view needle, Position start, Case letterCase);

}  // namespace kameng::stats
