#pragma once

#include <array>
#include <string>

#include "engine/trigram.h"

namespace meihua {

inline constexpr int kLineCount = 6;

/// True for the line numbers 1 (bottom) .. 6 (top).
constexpr bool IsLineNumber(int number) { return number >= 1 && number <= kLineCount; }

/// Six lines, numbered 1 (bottom) to 6 (top). Lines 1..3 are the lower trigram, 4..6 the
/// upper. A new hexagram is all yin.
class Hexagram {
public:
    /// Line `number`, 1..6 counted from the bottom; throws std::out_of_range otherwise.
    Line Get(int number) const;
    void Set(int number, Line value);

    /// The six values from line 1 to line 6 as digits, e.g. "100010" for 水雷屯.
    std::string Pattern() const;

    friend bool operator==(const Hexagram&, const Hexagram&) = default;

private:
    std::array<Line, kLineCount> m_lines{};
};

/// The hexagram with `lines` given from line 1 to line 6 as '0' and '1' digits; any other
/// character, or a length other than six, throws std::invalid_argument.
Hexagram HexagramFromPattern(const std::string& lines);

}  // namespace meihua
