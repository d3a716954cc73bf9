#pragma once

#include "engine/hexagram.h"
#include "engine/trigram.h"

namespace meihua {

/// The chart of one cast: the three numbers it was made from and its five hexagrams.
struct CastResult {
    int upper = 0;       ///< Former Heaven number of the upper trigram, 1..8
    int lower = 0;       ///< Former Heaven number of the lower trigram, 1..8
    int movingLine = 0;  ///< the moving line, 1..6 counted from the bottom
    Hexagram main;       ///< 本卦
    Hexagram mutual;     ///< 互卦
    Hexagram changed;    ///< 变卦
    Hexagram opposite;   ///< 错卦
    Hexagram reversed;   ///< 综卦
};

/// Refills `table` and derives the five hexagrams of upper over lower with `movingLine`.
/// The mutual, changed, opposite and reversed hexagrams all come from the main one; the
/// moving line changes only the changed hexagram. Throws std::invalid_argument, naming the
/// value, when upper or lower lies outside 1..8 or movingLine outside 1..6; nothing is
/// indexed with such a value.
CastResult DeriveHexagrams(TrigramTable& table, int upper, int lower, int movingLine);

/// The same with a table of its own, for callers that keep none.
CastResult DeriveHexagrams(int upper, int lower, int movingLine);

}  // namespace meihua
