#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "engine/cast_result.h"
#include "engine/hexagram_name.h"

namespace meihua {
namespace {

struct Chart {
    std::string main, mutual, changed, opposite, reversed;
    friend bool operator==(const Chart&, const Chart&) = default;
};

Chart NamesOf(const CastResult& r) {
    return {HexagramName(r.main), HexagramName(r.mutual), HexagramName(r.changed),
            HexagramName(r.opposite), HexagramName(r.reversed)};
}

void PrintTo(const Chart& c, std::ostream* os) {
    *os << c.main << " " << c.mutual << " " << c.changed << " " << c.opposite << " " << c.reversed;
}

TEST(TrigramTable, StartsAllYinAndIsFilledWithTheFormerHeavenLines) {
    TrigramTable table;
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(table.Record(n), TrigramRecord{}) << n;
    }
    FillTrigramTable(table);
    // 震 has its one yang line at the bottom, 艮 at the top; 兑 a yin top, 巽 a yin bottom.
    EXPECT_EQ(table.Record(Trigram::Zhen), (TrigramRecord{0, 0, 1}));
    EXPECT_EQ(table.Record(Trigram::Gen), (TrigramRecord{1, 0, 0}));
    EXPECT_EQ(table.Record(Trigram::Dui), (TrigramRecord{0, 1, 1}));
    EXPECT_EQ(table.Record(Trigram::Xun), (TrigramRecord{1, 1, 0}));
    EXPECT_EQ(table.Record(Trigram::Qian), (TrigramRecord{1, 1, 1}));
    EXPECT_EQ(table.Record(Trigram::Kun), (TrigramRecord{0, 0, 0}));
    EXPECT_THROW(table.Record(0), std::out_of_range);
    EXPECT_THROW(table.Record(9), std::out_of_range);
}

TEST(Hexagram, LinesCountFromTheBottomAndOnlyOneToSixExist) {
    Hexagram h;
    EXPECT_EQ(h.Pattern(), "000000");
    h.Set(1, kYang);
    EXPECT_EQ(h.Pattern(), "100000");
    EXPECT_THROW(h.Get(0), std::out_of_range);
    EXPECT_THROW(h.Set(7, kYang), std::out_of_range);
    EXPECT_THROW(HexagramFromPattern("10001"), std::invalid_argument);
    EXPECT_THROW(HexagramFromPattern("10001x"), std::invalid_argument);
}

TEST(HexagramNameTable, NamesEachOfTheSixtyFourPatternsOnce) {
    std::set<std::string_view> patterns, names;
    for (const HexagramNameEntry& entry : HexagramNameTable) {
        patterns.insert(entry.lines);
        names.insert(entry.name);
    }
    EXPECT_EQ(patterns.size(), 64u);
    EXPECT_EQ(names.size(), 64u);
    for (int bits = 0; bits < 64; ++bits) {
        Hexagram h;
        for (int i = 1; i <= 6; ++i) {
            h.Set(i, (bits >> (i - 1)) & 1);
        }
        EXPECT_FALSE(HexagramName(h).empty()) << h.Pattern();
    }
    // The palaces open with the doubled trigrams in their order.
    const char* heads[] = {"乾为天", "震为雷", "坎为水", "艮为山",
                           "坤为地", "巽为风", "离为火", "兑为泽"};
    for (int palace = 0; palace < 8; ++palace) {
        EXPECT_EQ(HexagramNameTable[static_cast<std::size_t>(palace * 8)].name, heads[palace]);
    }
}

TEST(HexagramName, TakesTheTopLineFirst) {
    // Line 1 yin under five yang lines is 天风姤; line 6 yin is 泽天夬.
    EXPECT_EQ(HexagramName(1, 1, 1, 1, 1, 0), "天风姤");
    EXPECT_EQ(HexagramName(0, 1, 1, 1, 1, 1), "泽天夬");
    EXPECT_EQ(HexagramName(HexagramFromPattern("011010")), "水风井");
    // A value that is not a line matches no entry.
    EXPECT_EQ(HexagramName(2, 1, 1, 1, 1, 1), "");
}

struct DeriveCase {
    const char* what;
    int upper, lower, movingLine;
    Chart names;
};

class DeriveHexagramsTest : public testing::TestWithParam<DeriveCase> {};

TEST_P(DeriveHexagramsTest, GivesTheFiveNames) {
    const DeriveCase& c = GetParam();
    const CastResult r = DeriveHexagrams(c.upper, c.lower, c.movingLine);
    EXPECT_EQ(NamesOf(r), c.names);
    EXPECT_EQ(r.upper, c.upper);
    EXPECT_EQ(r.lower, c.lower);
    EXPECT_EQ(r.movingLine, c.movingLine);
}

INSTANTIATE_TEST_SUITE_P(
    KnownCharts, DeriveHexagramsTest,
    testing::Values(
        DeriveCase{"worked example", 6, 4, 5, {"水雷屯", "山地剥", "地雷复", "火风鼎", "山水蒙"}},
        // The plum-blossom-viewing case of the old books: 泽火革, line 1 moving.
        DeriveCase{"观梅", 2, 3, 1, {"泽火革", "天风姤", "泽山咸", "山水蒙", "火风鼎"}},
        DeriveCase{"乾 top line", 1, 1, 6, {"乾为天", "乾为天", "泽天夬", "坤为地", "乾为天"}},
        DeriveCase{"乾 bottom line", 1, 1, 1, {"乾为天", "乾为天", "天风姤", "坤为地", "乾为天"}},
        DeriveCase{"坤", 8, 8, 3, {"坤为地", "坤为地", "地山谦", "乾为天", "坤为地"}},
        // 火水未济: mutual, opposite and reversed are all 水火既济.
        DeriveCase{"未济", 3, 6, 2, {"火水未济", "水火既济", "火地晋", "水火既济", "水火既济"}},
        DeriveCase{"length 3 and 5", 3, 5, 2, {"火风鼎", "泽天夬", "火山旅", "水雷屯", "泽火革"}}),
    [](const testing::TestParamInfo<DeriveCase>& info) {
        return "case" + std::to_string(info.index);
    });

TEST(DeriveHexagrams, ChangedFlipsOnlyTheMovingLine) {
    for (int moving = 1; moving <= 6; ++moving) {
        const CastResult r = DeriveHexagrams(6, 4, moving);
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(r.changed.Get(i) != r.main.Get(i), i == moving) << moving << " " << i;
        }
        // The moving line touches nothing else.
        EXPECT_EQ(r.mutual, DeriveHexagrams(6, 4, 1).mutual);
        EXPECT_EQ(r.reversed, DeriveHexagrams(6, 4, 1).reversed);
    }
}

TEST(DeriveHexagrams, SymmetricHexagramsAreTheirOwnReversal) {
    const int symmetric[][2] = {{1, 1}, {8, 8}, {6, 6}, {3, 3}, {2, 5}, {7, 4}, {5, 2}, {4, 7}};
    for (const auto& [upper, lower] : symmetric) {
        const CastResult r = DeriveHexagrams(upper, lower, 1);
        EXPECT_EQ(r.reversed, r.main) << HexagramName(r.main);
    }
}

TEST(DeriveHexagrams, RefusesNumbersOutOfRangeWithAClearError) {
    const int bad[][3] = {{0, 1, 1}, {9, 1, 1}, {1, 0, 1}, {1, 9, 1},
                          {1, 1, 0}, {1, 1, 7}, {-3, 1, 1}};
    for (const auto& [upper, lower, moving] : bad) {
        try {
            DeriveHexagrams(upper, lower, moving);
            ADD_FAILURE() << upper << " " << lower << " " << moving << " was accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find("outside"), std::string::npos) << e.what();
        }
    }
}

TEST(DeriveHexagrams, RefillsTheSharedTableAndKeepsNothingBetweenCasts) {
    TrigramTable table;  // all yin, as at start-up
    const CastResult first = DeriveHexagrams(table, 6, 4, 5);
    DeriveHexagrams(table, 1, 1, 1);
    const CastResult again = DeriveHexagrams(table, 6, 4, 5);
    EXPECT_EQ(NamesOf(first), NamesOf(again));
    EXPECT_EQ(first.changed, again.changed);
    EXPECT_EQ(table.Record(Trigram::Qian), (TrigramRecord{1, 1, 1}));
}

}  // namespace
}  // namespace meihua
