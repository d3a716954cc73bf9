// Slow, plainly written readings of typed numbers and calendar facts that the fuzz targets
// hold the real code against. Written from the rules, not from the real code: a strict UTF-8
// decoder after the Unicode table of well-formed byte sequences, remainders from the last
// three digits and the digit sum instead of running arithmetic.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meihua::fuzz {

/// Stops the run with a message, so libFuzzer keeps the input that caused it.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void Check(bool ok, const char* what) {
    if (!ok) {
        Fail(what);
    }
}

/// The code point of the well-formed UTF-8 sequence at `pos` and its length in bytes, or
/// nothing when the bytes there are not one (overlong forms, surrogates and values above
/// U+10FFFF included).
inline std::optional<std::pair<char32_t, std::size_t>> DecodeStrict(std::string_view s,
                                                                    std::size_t pos) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned b0 = at(pos);
    if (b0 <= 0x7F) {
        return std::pair{char32_t{b0}, std::size_t{1}};
    }
    std::size_t length = 0;
    unsigned lo = 0x80;
    unsigned hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 == 0xE0) {
        length = 3, lo = 0xA0;
    } else if ((b0 >= 0xE1 && b0 <= 0xEC) || b0 == 0xEE || b0 == 0xEF) {
        length = 3;
    } else if (b0 == 0xED) {
        length = 3, hi = 0x9F;
    } else if (b0 == 0xF0) {
        length = 4, lo = 0x90;
    } else if (b0 >= 0xF1 && b0 <= 0xF3) {
        length = 4;
    } else if (b0 == 0xF4) {
        length = 4, hi = 0x8F;
    } else {
        return std::nullopt;
    }
    if (pos + length > s.size() || at(pos + 1) < lo || at(pos + 1) > hi) {
        return std::nullopt;
    }
    char32_t cp = b0 & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
    for (std::size_t i = 1; i < length; ++i) {
        if (at(pos + i) < 0x80 || at(pos + i) > 0xBF) {
            return std::nullopt;
        }
        cp = cp << 6 | (at(pos + i) & 0x3F);
    }
    return std::pair{cp, length};
}

/// The characters of `s` up to its first malformed sequence, full-width forms folded to
/// ASCII and the ideographic space to a space.
inline std::u32string FoldedCharacters(std::string_view s, bool* malformed = nullptr) {
    std::u32string out;
    std::size_t pos = 0;
    while (pos < s.size()) {
        const auto decoded = DecodeStrict(s, pos);
        if (!decoded) {
            if (malformed != nullptr) {
                *malformed = true;
            }
            break;
        }
        char32_t c = decoded->first;
        if (c >= 0xFF01 && c <= 0xFF5E) {
            c = c - 0xFF01 + 0x21;
        } else if (c == 0x3000) {
            c = U' ';
        }
        out += c;
        pos += decoded->second;
    }
    return out;
}

/// A number as typed: its sign and its digits, leading zeros kept.
struct TypedNumber {
    bool negative = false;
    std::string digits;
};

inline TypedNumber ReadTyped(std::string_view text) {
    const std::u32string chars = FoldedCharacters(text);
    const std::u32string spaces = U" \t\n\v\f\r";
    std::size_t i = 0;
    while (i < chars.size() && spaces.find(chars[i]) != std::u32string::npos) {
        ++i;
    }
    TypedNumber n;
    if (i < chars.size() && (chars[i] == U'+' || chars[i] == U'-')) {
        n.negative = chars[i] == U'-';
        ++i;
    }
    while (i < chars.size() && chars[i] >= U'0' && chars[i] <= U'9') {
        n.digits += static_cast<char>(chars[i]);
        ++i;
    }
    return n;
}

/// The non-negative remainder by 24, from the remainder by 8 (1000 is a multiple of 8, so
/// only the last three digits count) and the remainder by 3 (that of the digit sum).
inline int Residue24(const TypedNumber& n) {
    const std::string& d = n.digits;
    const std::string last = d.size() > 3 ? d.substr(d.size() - 3) : d;
    const int mod8 = last.empty() ? 0 : std::stoi(last) % 8;
    std::uint64_t digitSum = 0;
    for (char c : d) {
        digitSum += static_cast<std::uint64_t>(c - '0');
    }
    const int mod3 = static_cast<int>(digitSum % 3);
    int r = 0;
    while (r % 8 != mod8 || r % 3 != mod3) {
        ++r;
    }
    return n.negative ? (24 - r) % 24 : r;
}

/// The value in decimal when it lies within the signed 64-bit range, nothing otherwise.
inline std::optional<std::string> ExactValue(const TypedNumber& n) {
    std::string d = n.digits;
    d.erase(0, d.find_first_not_of('0') == std::string::npos ? d.size() : d.find_first_not_of('0'));
    if (d.empty()) {
        return "0";
    }
    const std::string limit = n.negative ? "9223372036854775808" : "9223372036854775807";
    if (d.size() > limit.size() || (d.size() == limit.size() && d > limit)) {
        return std::nullopt;
    }
    return (n.negative ? "-" : "") + d;
}

/// A time-of-day field: the empty text is 0, one or two digits their value, anything else
/// nothing.
inline std::optional<int> TwoDigitField(std::string_view text) {
    bool malformed = false;
    const std::u32string chars = FoldedCharacters(text, &malformed);
    if (malformed || chars.size() > 2) {
        return std::nullopt;
    }
    int value = 0;
    for (char32_t c : chars) {
        if (c < U'0' || c > U'9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<int>(c - U'0');
    }
    return value;
}

}  // namespace meihua::fuzz
