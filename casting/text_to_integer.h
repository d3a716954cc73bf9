#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace meihua {

/// A whole number read from typed text. The casting rules need a number only by its
/// remainders by 8 and by 6, so it is kept exactly by its remainder by 24, however many
/// digits were typed; the value itself is kept too while it fits in 64 bits.
struct TextNumber {
    int residue24 = 0;                  ///< the value mod 24, in 0..23 (also for negatives)
    std::optional<std::int64_t> value;  ///< the value itself, or nothing when it is too long

    /// The non-negative remainder of the value by `k`, a divisor of 24 (1, 2, 3, 4, 6, 8, 12
    /// or 24): -3 gives 5 by 8, -8 gives 0.
    int Mod(int k) const;

    friend bool operator==(const TextNumber&, const TextNumber&) = default;
};

/// Reads a whole number from UTF-8 text: full-width forms U+FF01..U+FF5E fold to ASCII and
/// U+3000 to a space; leading white space is skipped; one "+" or "-" may follow; then the
/// decimal digits up to the first non-digit are read. No digits give 0, and whatever follows
/// the digits ("个", ".9", a unit) is ignored. Malformed UTF-8 counts as a non-digit.
TextNumber TextToInteger(std::string_view text);

/// The decimal value of exactly one or two digits (full-width digits count) for a
/// time-of-day field, 0 for the empty text, nothing for anything else.
std::optional<int> ReadTwoDigitField(std::string_view text);

}  // namespace meihua
