#include "engine/hexagram.h"

#include <stdexcept>

namespace meihua {

namespace {

std::size_t LineIndex(int number) {
    if (!IsLineNumber(number)) {
        throw std::out_of_range("line number " + std::to_string(number) + " is outside 1..6");
    }
    return static_cast<std::size_t>(number - 1);
}

}  // namespace

Line Hexagram::Get(int number) const { return m_lines[LineIndex(number)]; }

void Hexagram::Set(int number, Line value) { m_lines[LineIndex(number)] = value; }

std::string Hexagram::Pattern() const {
    std::string digits;
    for (Line value : m_lines) {
        digits += value == kYang ? '1' : '0';
    }
    return digits;
}

Hexagram HexagramFromPattern(const std::string& lines) {
    if (lines.size() != static_cast<std::size_t>(kLineCount)) {
        throw std::invalid_argument("a line pattern has six digits, not \"" + lines + "\"");
    }
    Hexagram hexagram;
    for (int i = 1; i <= kLineCount; ++i) {
        const char digit = lines[static_cast<std::size_t>(i - 1)];
        if (digit != '0' && digit != '1') {
            throw std::invalid_argument("a line pattern holds only 0 and 1, not \"" + lines + "\"");
        }
        hexagram.Set(i, digit == '1' ? kYang : kYin);
    }
    return hexagram;
}

}  // namespace meihua
