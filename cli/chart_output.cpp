#include "cli/chart_output.h"

#include <array>
#include <cstdio>
#include <sstream>

#include "engine/hexagram_name.h"

namespace meihua::cli {

namespace {

struct Panel {
    const char* key;    // JSON member
    const char* title;  // shown above the name
    const Hexagram CastResult::*hexagram;
};

constexpr std::array<Panel, 5> kPanels{{
    {"main", "本卦", &CastResult::main},
    {"mutual", "互卦", &CastResult::mutual},
    {"changed", "变卦", &CastResult::changed},
    {"opposite", "错卦", &CastResult::opposite},
    {"reversed", "综卦", &CastResult::reversed},
}};

constexpr std::string_view kYangBar = "━━━━━━━";
constexpr std::string_view kYinBar = "━━━ ━━━";
constexpr std::string_view kMark = "◎";
constexpr int kColumnWidth = 12;  // in terminal cells

// Terminal cells taken by UTF-8 text: one per ASCII character and per bar or mark glyph,
// two per Chinese character.
int Cells(std::string_view text) {
    int cells = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const bool wide = length == 3 && lead >= 0xE3;  // U+3000 and up: CJK
        cells += wide ? 2 : 1;
        i += length;
    }
    return cells;
}

void PadTo(std::string& line, std::string_view cell, int width) {
    line += cell;
    for (int pad = Cells(cell); pad < width; ++pad) {
        line += ' ';
    }
}

// The length of the well-formed UTF-8 sequence of two to four bytes at `i`, or 0.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    const bool invalid = (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF;
    return overlong || invalid ? 0 : length;
}

void TrimRight(std::string& line) {
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            // Multi-byte UTF-8 passes through whole; a malformed byte becomes U+FFFD so the
            // line stays valid JSON whatever was typed.
            const std::size_t length = Utf8Length(text, i);
            if (length == 0) {
                out += "\\ufffd";
                ++i;
            } else {
                out += text.substr(i, length);
                i += length;
            }
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
        ++i;
    }
    return out + "\"";
}

std::string ChartJson(std::string_view method, const CastResult& chart, const JsonMembers& extra) {
    std::ostringstream out;
    out << "{\"method\":" << JsonString(method);
    for (const auto& [name, value] : extra) {
        out << "," << JsonString(name) << ":" << value;
    }
    out << ",\"upper\":" << chart.upper << ",\"lower\":" << chart.lower
        << ",\"movingLine\":" << chart.movingLine << ",\"hexagrams\":{";
    for (std::size_t i = 0; i < kPanels.size(); ++i) {
        const Hexagram& h = chart.*kPanels[i].hexagram;
        out << (i ? "," : "") << "\"" << kPanels[i].key
            << "\":{\"name\":" << JsonString(HexagramName(h)) << ",\"lines\":\"" << h.Pattern()
            << "\"}";
    }
    out << "}}";
    return out.str();
}

std::string ChartText(const CastResult& chart) {
    std::ostringstream out;
    out << "上卦 " << chart.upper << "  下卦 " << chart.lower << "  动爻 " << chart.movingLine
        << "\n\n";
    std::string titles, names;
    for (const Panel& panel : kPanels) {
        PadTo(titles, panel.title, kColumnWidth);
        PadTo(names, HexagramName(chart.*panel.hexagram), kColumnWidth);
    }
    TrimRight(titles);
    TrimRight(names);
    out << titles << "\n" << names << "\n";
    for (int line = kLineCount; line >= 1; --line) {
        std::string row;
        for (const Panel& panel : kPanels) {
            const Hexagram& h = chart.*panel.hexagram;
            std::string cell(h.Get(line) == kYang ? kYangBar : kYinBar);
            if (panel.hexagram == &CastResult::main && line == chart.movingLine) {
                cell += " ";
                cell += kMark;
            }
            PadTo(row, cell, kColumnWidth);
        }
        TrimRight(row);
        out << row << "\n";
    }
    return out.str();
}

}  // namespace meihua::cli
