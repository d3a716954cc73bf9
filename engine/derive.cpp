#include <stdexcept>
#include <string>

#include "engine/cast_result.h"

namespace meihua {

namespace {

void Require(bool ok, const char* what, int value, const char* range) {
    if (!ok) {
        throw std::invalid_argument(std::string(what) + " " + std::to_string(value) +
                                    " is outside " + range);
    }
}

}  // namespace

CastResult DeriveHexagrams(TrigramTable& table, int upper, int lower, int movingLine) {
    Require(IsTrigramNumber(upper), "upper trigram", upper, "1..8");
    Require(IsTrigramNumber(lower), "lower trigram", lower, "1..8");
    Require(IsLineNumber(movingLine), "moving line", movingLine, "1..6");

    FillTrigramTable(table);
    CastResult result;
    result.upper = upper;
    result.lower = lower;
    result.movingLine = movingLine;

    const TrigramRecord& u = table.Record(upper);
    const TrigramRecord& l = table.Record(lower);
    Hexagram& main = result.main;
    main.Set(6, u.top);
    main.Set(5, u.middle);
    main.Set(4, u.bottom);
    main.Set(3, l.top);
    main.Set(2, l.middle);
    main.Set(1, l.bottom);

    // The mutual hexagram is made of the inner lines: 3..5 above, 2..4 below.
    result.mutual.Set(6, main.Get(5));
    result.mutual.Set(5, main.Get(4));
    result.mutual.Set(4, main.Get(3));
    result.mutual.Set(3, main.Get(4));
    result.mutual.Set(2, main.Get(3));
    result.mutual.Set(1, main.Get(2));

    result.changed = main;
    result.changed.Set(movingLine, FlipLine(main.Get(movingLine)));

    for (int i = kLineCount; i >= 1; --i) {
        result.opposite.Set(i, FlipLine(main.Get(i)));
        result.reversed.Set(i, main.Get(kLineCount + 1 - i));
    }
    return result;
}

CastResult DeriveHexagrams(int upper, int lower, int movingLine) {
    TrigramTable table;
    return DeriveHexagrams(table, upper, lower, movingLine);
}

}  // namespace meihua
