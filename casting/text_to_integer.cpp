#include "casting/text_to_integer.h"

#include <limits>
#include <stdexcept>

#include "casting/utf8.h"

namespace meihua {

namespace {

// Full-width forms fold to the ASCII they stand for, the ideographic space to a space.
char32_t Fold(char32_t cp) {
    if (cp >= 0xFF01 && cp <= 0xFF5E) {
        return cp - 0xFF01 + 0x21;
    }
    if (cp == 0x3000) {
        return U' ';
    }
    return cp;
}

bool IsSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\v' || c == U'\f' || c == U'\r';
}

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

int TextNumber::Mod(int k) const {
    if (k <= 0 || 24 % k != 0) {
        throw std::invalid_argument("a remainder is kept only by the divisors of 24");
    }
    return residue24 % k;
}

TextNumber TextToInteger(std::string_view text) {
    std::size_t pos = 0;
    char32_t c = kNotACharacter;
    const auto advance = [&] { c = pos < text.size() ? Fold(NextCodePoint(text, pos)) : 0; };

    advance();
    while (IsSpace(c)) {
        advance();
    }
    bool negative = false;
    if (c == U'+' || c == U'-') {
        negative = c == U'-';
        advance();
    }

    constexpr std::uint64_t kLimit = std::numeric_limits<std::uint64_t>::max() / 10 - 9;
    int residue = 0;
    std::uint64_t magnitude = 0;
    bool fits = true;
    while (IsDigit(c)) {
        const int digit = static_cast<int>(c - U'0');
        residue = (residue * 10 + digit) % 24;
        if (magnitude > kLimit) {
            fits = false;
        } else {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit);
        }
        advance();
    }

    TextNumber number;
    number.residue24 = negative ? (24 - residue) % 24 : residue;
    // The negative side reaches one further: -9223372036854775808 fits as well.
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (fits && magnitude <= kMax + (negative ? 1 : 0)) {
        // Negated in unsigned arithmetic, which wraps, so the most negative value needs no
        // positive counterpart.
        number.value = static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude);
    }
    return number;
}

std::optional<int> ReadTwoDigitField(std::string_view text) {
    int value = 0;
    int digits = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = Fold(NextCodePoint(text, pos));
        if (!IsDigit(c) || ++digits > 2) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<int>(c - U'0');
    }
    return value;
}

}  // namespace meihua
