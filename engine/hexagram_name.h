#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/hexagram.h"

namespace meihua {

/// One of the sixty-four names with its line pattern, lines 1..6 bottom first.
struct HexagramNameEntry {
    std::string_view lines;
    std::string_view name;
};

/// The sixty-four hexagrams in the Eight Palaces order: 乾, 震, 坎, 艮, 坤, 巽, 离, 兑, each
/// head followed by the seven hexagrams of its palace.
extern const std::array<HexagramNameEntry, 64> HexagramNameTable;

/// The name of the hexagram with these lines, given top line first (line 6 down to line 1),
/// or an empty text when no entry matches (a line value other than 0 or 1).
std::string HexagramName(Line line6, Line line5, Line line4, Line line3, Line line2, Line line1);

/// The name of `hexagram`; never empty, since its lines are 0 or 1.
std::string HexagramName(const Hexagram& hexagram);

}  // namespace meihua
