// Texts as the statistics page delivers them: raw code-page-936 (GBK) bytes,
// kept exactly as received. A byte of 80 hex or more begins a double-byte
// character and takes the byte after it as its second byte; every other byte
// is a character by itself. Nothing here converts between encodings: the page
// is searched in its own bytes, and only a caption that is finally shown gets
// converted, by whoever shows it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kameng::stats {

// A text: GBK bytes in a std::string, never holding a zero byte (the zero
// that ends a text elsewhere is not stored). The empty text stands for an
// absent one too. Operations that read a text take std::string_view and see
// it only up to its first zero byte, should one slip in.
using Text = std::string;

// A byte array: what a page fetch delivers, zero bytes included.
using ByteArray = std::vector<std::uint8_t>;

// A 1-based byte position, or a count of bytes. 64 bits wide so that no
// length can overflow it.
using Position = std::int64_t;
inline constexpr Position kNotFound = -1;

// How letters compare: Exact compares bytes as they are; IgnoreAscii folds
// the 26 ASCII capitals (41..5A hex) to small letters on both sides before
// comparing, in every byte compared, second bytes of double-byte characters
// included. Nothing else is folded.
enum class Case { Exact, IgnoreAscii };

inline constexpr bool isLeadByte(unsigned char byte) { return byte >= 0x80; }

// The text as every operation sees it: up to, not including, its first zero.
std::string_view textView(std::string_view text);

// The bytes up to, not including, the first zero byte (all of them when
// there is none).
Text bytesToText(std::span<const std::uint8_t> bytes);

// The first / last `count` bytes of text. A count of 0 or less gives the
// empty text, one beyond the length the whole text. Bytes, not characters:
// a double-byte character may be cut in two.
Text textLeft(std::string_view text, Position count);
Text textRight(std::string_view text, Position count);

}  // namespace kameng::stats
