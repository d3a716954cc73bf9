#include "casting/text_to_integer.h"

#include <limits>
#include <stdexcept>

namespace meihua {

namespace {

constexpr char32_t kNotACharacter = 0xFFFFFFFF;

// Decodes one UTF-8 sequence at `pos` and advances past it. A malformed sequence yields
// kNotACharacter and advances one byte, so it never reads as a digit, sign or space. Overlong
// forms are malformed too: C0 B1 must not sneak in a "1", nor F0 8F BC 91 a full-width one.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        ++pos;
        return kNotACharacter;
    }
    if (pos + static_cast<std::size_t>(length) > text.size()) {
        ++pos;
        return kNotACharacter;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kNotACharacter;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kShortest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kNotACharacter;
    }
    pos += static_cast<std::size_t>(length);
    return cp;
}

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
