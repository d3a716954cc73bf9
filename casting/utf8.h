#pragma once

#include <cstddef>
#include <string_view>

namespace meihua {

/// What NextCodePoint gives for a byte that does not start a well-formed sequence.
inline constexpr char32_t kNotACharacter = 0xFFFFFFFF;

/// Decodes the UTF-8 sequence at `pos` and advances past it. A malformed sequence (a stray
/// continuation byte, a truncated sequence, an overlong form, a surrogate, anything above
/// U+10FFFF) yields kNotACharacter and advances one byte, so it never reads as a digit, a
/// sign or a space: C0 B1 does not sneak in a "1". `pos` must be below text.size().
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

}  // namespace meihua
