#include "engine/hexagram_name.h"

namespace meihua {

const std::array<HexagramNameEntry, 64> HexagramNameTable{{
    // 乾宫
    {"111111", "乾为天"},
    {"011111", "天风姤"},
    {"001111", "天山遁"},
    {"000111", "天地否"},
    {"000011", "风地观"},
    {"000001", "山地剥"},
    {"000101", "火地晋"},
    {"111101", "火天大有"},
    // 震宫
    {"100100", "震为雷"},
    {"000100", "雷地豫"},
    {"010100", "雷水解"},
    {"011100", "雷风恒"},
    {"011000", "地风升"},
    {"011010", "水风井"},
    {"011110", "泽风大过"},
    {"100110", "泽雷随"},
    // 坎宫
    {"010010", "坎为水"},
    {"110010", "水泽节"},
    {"100010", "水雷屯"},
    {"101010", "水火既济"},
    {"101110", "泽火革"},
    {"101100", "雷火丰"},
    {"101000", "地火明夷"},
    {"010000", "地水师"},
    // 艮宫
    {"001001", "艮为山"},
    {"101001", "山火贲"},
    {"111001", "山天大畜"},
    {"110001", "山泽损"},
    {"110101", "火泽睽"},
    {"110111", "天泽履"},
    {"110011", "风泽中孚"},
    {"001011", "风山渐"},
    // 坤宫
    {"000000", "坤为地"},
    {"100000", "地雷复"},
    {"110000", "地泽临"},
    {"111000", "地天泰"},
    {"111100", "雷天大壮"},
    {"111110", "泽天夬"},
    {"111010", "水天需"},
    {"000010", "水地比"},
    // 巽宫
    {"011011", "巽为风"},
    {"111011", "风天小畜"},
    {"101011", "风火家人"},
    {"100011", "风雷益"},
    {"100111", "天雷无妄"},
    {"100101", "火雷噬嗑"},
    {"100001", "山雷颐"},
    {"011001", "山风蛊"},
    // 离宫
    {"101101", "离为火"},
    {"001101", "火山旅"},
    {"011101", "火风鼎"},
    {"010101", "火水未济"},
    {"010001", "山水蒙"},
    {"010011", "风水涣"},
    {"010111", "天水讼"},
    {"101111", "天火同人"},
    // 兑宫
    {"110110", "兑为泽"},
    {"010110", "泽水困"},
    {"000110", "泽地萃"},
    {"001110", "泽山咸"},
    {"001010", "水山蹇"},
    {"001000", "地山谦"},
    {"001100", "雷山小过"},
    {"110100", "雷泽归妹"},
}};

std::string HexagramName(Line line6, Line line5, Line line4, Line line3, Line line2, Line line1) {
    // Top line first, as the entries are compared; lines.at(k) is line k + 1.
    const std::array<Line, kLineCount> topFirst{line6, line5, line4, line3, line2, line1};
    for (const HexagramNameEntry& entry : HexagramNameTable) {
        bool same = true;
        for (int k = 0; k < kLineCount && same; ++k) {
            const char digit = entry.lines[static_cast<std::size_t>(kLineCount - 1 - k)];
            same = topFirst[static_cast<std::size_t>(k)] == (digit == '1' ? kYang : kYin);
        }
        if (same) {
            return std::string(entry.name);
        }
    }
    return {};
}

std::string HexagramName(const Hexagram& hexagram) {
    return HexagramName(hexagram.Get(6), hexagram.Get(5), hexagram.Get(4), hexagram.Get(3),
                        hexagram.Get(2), hexagram.Get(1));
}

}  // namespace meihua
