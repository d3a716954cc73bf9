#pragma once

#include <array>
#include <cstdint>

namespace meihua {

/// A line value: 1 is yang (drawn solid), 0 is yin (drawn broken). Lines hold nothing else.
using Line = std::int32_t;

inline constexpr Line kYang = 1;
inline constexpr Line kYin = 0;

/// Yang becomes yin and yin becomes yang; any other value is first reduced to its low bit.
constexpr Line FlipLine(Line value) { return (value & 1) ^ 1; }

/// The eight trigrams by their Former Heaven numbers.
enum class Trigram : int {
    Qian = 1,
    Dui = 2,
    Li = 3,
    Zhen = 4,
    Xun = 5,
    Kan = 6,
    Gen = 7,
    Kun = 8
};

inline constexpr int kTrigramCount = 8;

/// True for the Former Heaven numbers 1..8.
constexpr bool IsTrigramNumber(int number) { return number >= 1 && number <= kTrigramCount; }

/// The three lines of one trigram, top line first.
struct TrigramRecord {
    Line top = kYin;
    Line middle = kYin;
    Line bottom = kYin;

    friend bool operator==(const TrigramRecord&, const TrigramRecord&) = default;
};

/// The eight trigram records, addressed 1..8 by Former Heaven number. A new table is all yin;
/// FillTrigramTable gives it the trigrams' lines.
class TrigramTable {
public:
    /// The record of trigram `number`; throws std::out_of_range outside 1..8.
    const TrigramRecord& Record(int number) const;
    TrigramRecord& Record(int number);

    const TrigramRecord& Record(Trigram trigram) const { return Record(static_cast<int>(trigram)); }

private:
    std::array<TrigramRecord, kTrigramCount> m_records{};
};

/// Writes the lines of the eight trigrams into `table` (乾 111, 兑 011, 离 101, 震 001,
/// 巽 110, 坎 010, 艮 100, 坤 000, each top line first).
void FillTrigramTable(TrigramTable& table);

}  // namespace meihua
