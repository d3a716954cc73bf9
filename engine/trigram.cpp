#include "engine/trigram.h"

#include <stdexcept>
#include <string>

namespace meihua {

namespace {

// Top, middle, bottom for 乾 1 .. 坤 8.
constexpr std::array<TrigramRecord, kTrigramCount> kTrigramLines{{
    {1, 1, 1},  // 乾
    {0, 1, 1},  // 兑
    {1, 0, 1},  // 离
    {0, 0, 1},  // 震
    {1, 1, 0},  // 巽
    {0, 1, 0},  // 坎
    {1, 0, 0},  // 艮
    {0, 0, 0},  // 坤
}};

std::size_t RecordIndex(int number) {
    if (!IsTrigramNumber(number)) {
        throw std::out_of_range("trigram number " + std::to_string(number) + " is outside 1..8");
    }
    return static_cast<std::size_t>(number - 1);
}

}  // namespace

const TrigramRecord& TrigramTable::Record(int number) const {
    return m_records[RecordIndex(number)];
}

TrigramRecord& TrigramTable::Record(int number) { return m_records[RecordIndex(number)]; }

void FillTrigramTable(TrigramTable& table) {
    for (int number = 1; number <= kTrigramCount; ++number) {
        table.Record(number) = kTrigramLines[static_cast<std::size_t>(number - 1)];
    }
}

}  // namespace meihua
