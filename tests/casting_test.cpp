#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "casting/cast_flow.h"
#include "casting/casting_rules.h"
#include "casting/text_to_integer.h"

namespace meihua {
namespace {

struct TextCase {
    const char* what;
    const char* text;
    std::optional<std::int64_t> value;
    int residue24;
};

TEST(TextToInteger, ReadsLeadingWholeNumbers) {
    const TextCase cases[] = {
        {"plain", "12", 12, 12},
        {"full-width digits", "１２", 12, 12},
        {"leading space", " 12", 12, 12},
        {"ideographic space and tab", "\u3000\t12", 12, 12},
        {"plus sign", "+12", 12, 12},
        {"full-width plus", "＋12", 12, 12},
        {"measure word after", "12个", 12, 12},
        {"fraction ignored", "3.9", 3, 3},
        {"letters", "abc", 0, 0},
        {"empty", "", 0, 0},
        {"sign without digits", "-", 0, 0},
        {"two signs", "+-5", 0, 0},
        {"space after the sign stops", "- 5", 0, 0},
        {"inner space ends the number", "1 2", 1, 1},
        {"full-width minus", "－３", -3, 21},
        {"negative", "-8", -8, 16},
        {"leading zeros", "0007", 7, 7},
        {"malformed UTF-8 stops",
         "4\xff"
         "5",
         4, 4},
        {"truncated UTF-8 at the end", "7\xef\xbc", 7, 7},
        // Overlong forms of "1" and of the full-width "１" are malformed, not digits.
        {"overlong digit", "4\xc0\xb1", 4, 4},
        {"overlong full-width digit", "\xf0\x8f\xbc\x91", 0, 0},
        {"largest 64-bit", "9223372036854775807", 9223372036854775807, 7},
        {"smallest 64-bit", "-9223372036854775808", std::numeric_limits<std::int64_t>::min(), 16},
        {"one below the smallest 64-bit", "-9223372036854775809", std::nullopt, 15},
        // Too long for any machine integer: the value is gone, its remainder stays exact.
        // 10^20 - 1 = 24 * 4166666666666666666 + 15.
        {"twenty nines", "99999999999999999999", std::nullopt, 15},
        {"negative twenty nines", "-99999999999999999999", std::nullopt, 9},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TextNumber n = TextToInteger(c.text);
        EXPECT_EQ(n.value, c.value);
        EXPECT_EQ(n.residue24, c.residue24);
    }
}

TEST(TextToInteger, RemaindersAreNeverNegative) {
    EXPECT_EQ(TextToInteger("-3").Mod(8), 5);
    EXPECT_EQ(TextToInteger("-8").Mod(8), 0);
    EXPECT_EQ(TextToInteger("-1").Mod(6), 5);
    // A 30-digit number keeps its exact remainders: 10^29 mod 8 = 0, mod 6 = 4.
    const std::string big = "1" + std::string(29, '0');
    EXPECT_EQ(TextToInteger(big).Mod(8), 0);
    EXPECT_EQ(TextToInteger(big).Mod(6), 4);
    EXPECT_THROW(TextToInteger("1").Mod(5), std::invalid_argument);
}

TEST(ReadTwoDigitField, TakesOneOrTwoDigitsOrNothing) {
    EXPECT_EQ(ReadTwoDigitField("23"), 23);
    EXPECT_EQ(ReadTwoDigitField("7"), 7);
    EXPECT_EQ(ReadTwoDigitField("０９"), 9);
    EXPECT_EQ(ReadTwoDigitField(""), 0);
    for (const char* bad : {"123", "1a", "-1", "+1", " 1", "1 ", "\xff", "\xc0\xb1"}) {
        EXPECT_EQ(ReadTwoDigitField(bad), std::nullopt) << bad;
    }
}

TEST(BranchOrdinal, KnowsTheTwelveBranchesAndNothingElse) {
    const char* branches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                              "午", "未", "申", "酉", "戌", "亥"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(BranchOrdinal(branches[i]), i + 1);
        EXPECT_EQ(BranchText(i + 1), branches[i]);
    }
    for (const char* other : {"", "甲", "子子", " 子", "1"}) {
        EXPECT_EQ(BranchOrdinal(other), 0) << other;
    }
    EXPECT_EQ(BranchText(0), "");
    EXPECT_EQ(BranchText(13), "");
}

struct RuleCase {
    const char* what;
    CastNumbers numbers;
    CastNumbers expected;
};

void ExpectRules(std::initializer_list<RuleCase> cases) {
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.numbers.upper, c.expected.upper);
        EXPECT_EQ(c.numbers.lower, c.expected.lower);
        EXPECT_EQ(c.numbers.movingLine, c.expected.movingLine);
    }
}

TEST(CastingRules, TimeRule) {
    ExpectRules({
        {"S 25 with hour 12", TimeCastNumbers(10, 12, 3, 12), {1, 5, 1}},
        {"S 8 leaves an upper of 0", TimeCastNumbers(1, 1, 1, 6), {0, 1, 3}},
        {"S plus hour 24", TimeCastNumbers(5, 4, 5, 10), {4, 0, 0}},
        // 辰年 十二月 十七日 申时: the plum-blossom-viewing case, 泽火革 line 1.
        {"观梅", TimeCastNumbers(5, 9, 12, 17), {2, 3, 1}},
        {"no calendar facts", TimeCastNumbers(0, 0, 3, 12), {7, 7, 3}},
    });
}

TEST(CastingRules, CountRule) {
    ExpectRules({
        {"10 at hour 3", CountCastNumbers("10", 3), {2, 3, 1}},
        {"16 at hour 8", CountCastNumbers("16", 8), {0, 0, 0}},
        {"empty count", CountCastNumbers("", 7), {0, 7, 1}},
        {"full-width and trailing word", CountCastNumbers("１２个", 5), {4, 5, 5}},
        {"no hour", CountCastNumbers("12", 0), {4, 0, 0}},
        // Negative counts take the non-negative remainder: -3 casts like 5 (21 mod 24).
        {"minus three", CountCastNumbers("-3", 2), {5, 2, 5}},
        {"minus eight", CountCastNumbers("-8", 0), {0, 0, 4}},
        {"thirty digits", CountCastNumbers(std::string(30, '9'), 1), {7, 1, 4}},
    });
}

TEST(CastingRules, LengthRule) {
    ExpectRules({
        {"3 and 5", LengthCastNumbers("3", "5"), {3, 5, 2}},
        {"fractions are cut", LengthCastNumbers("1.8", "2.2"), {1, 2, 3}},
        {"both empty", LengthCastNumbers("", ""), {0, 0, 0}},
        {"negative first", LengthCastNumbers("-3", "5"), {5, 5, 2}},
        {"negative sum", LengthCastNumbers("-9", "2"), {7, 2, 5}},
        // (10^20 - 1) + 1 = 10^20: by 8 the remainders are 7 and 1, the sum by 6 is 4.
        {"twenty nines and one", LengthCastNumbers("99999999999999999999", "1"), {7, 1, 4}},
    });
}

TEST(CastingRules, NormaliseTurnsZeroRemaindersIntoKunAndTheTopLine) {
    CastNumbers zeros{0, 0, 0};
    NormaliseCastNumbers(zeros);
    EXPECT_EQ(zeros, (CastNumbers{8, 8, 6}));
    CastNumbers inRange{3, 5, 2};
    NormaliseCastNumbers(inRange);
    EXPECT_EQ(inRange, (CastNumbers{3, 5, 2}));
}

TEST(CastingRules, EveryNormalisedRuleResultIsInRange) {
    const char* texts[] = {"", "0", "-1", "-24", "7", "１２３", "-99999999999999999999999", "x"};
    for (const char* a : texts) {
        for (const char* b : texts) {
            for (int hour = 0; hour <= 12; ++hour) {
                for (CastNumbers n : {CountCastNumbers(a, hour), LengthCastNumbers(a, b)}) {
                    NormaliseCastNumbers(n);
                    EXPECT_TRUE(n.upper >= 1 && n.upper <= 8 && n.lower >= 1 && n.lower <= 8 &&
                                n.movingLine >= 1 && n.movingLine <= 6)
                        << a << " " << b << " " << hour;
                }
            }
        }
    }
}

struct FlowCase {
    const char* what;
    CastInputs inputs;
    int yearNumber, hourNumber;
    CastNumbers numbers;
};

TEST(ComputeCastNumbers, TakesBothBranchesThenTheMethodsRuleThenNormalises) {
    const GregorianDate guanMei{1989, 1, 24};  // 戊辰年 腊月十七
    const FlowCase cases[] = {
        {"观梅 at 申时", {.date = guanMei, .hourText = "15", .minuteText = "30"}, 5, 9, {2, 3, 1}},
        // An invalid hour leaves only the lunar month and day: 12 + 17 = 29.
        {"hour 24", {.date = guanMei, .hourText = "24"}, 0, 0, {5, 5, 5}},
        {"empty texts are midnight", {.date = guanMei}, 5, 1, {2, 3, 5}},
        {"count 16 at 未时",
         {.method = CastMethod::Count, .date = {2026, 12, 10}, .hourText = "13", .countText = "16"},
         7,
         8,
         {8, 8, 6}},
        {"length ignores a broken hour",
         {.method = CastMethod::Length,
          .date = guanMei,
          .hourText = "1a",
          .firstLengthText = "3",
          .secondLengthText = "5"},
         0,
         0,
         {3, 5, 2}},
        {"characters has no rule",
         {.method = CastMethod::Characters, .date = guanMei},
         5,
         1,
         {8, 8, 6}},
        {"date outside the calendar", {.date = {1900, 1, 1}, .hourText = "12"}, 0, 0, {8, 8, 6}},
    };
    for (const FlowCase& c : cases) {
        SCOPED_TRACE(c.what);
        const CastComputation got = ComputeCastNumbers(c.inputs);
        EXPECT_EQ(got.yearNumber, c.yearNumber);
        EXPECT_EQ(got.hourNumber, c.hourNumber);
        EXPECT_EQ(got.numbers, c.numbers);
    }
}

}  // namespace
}  // namespace meihua
