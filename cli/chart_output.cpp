#include "cli/chart_output.h"

#include <array>
#include <cstdio>
#include <sstream>

#include "casting/utf8.h"
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
        const char32_t c = NextCodePoint(text, i);
        cells += c >= 0x3000 && c != kNotACharacter ? 2 : 1;  // U+3000 and up: CJK
    }
    return cells;
}

void PadTo(std::string& line, std::string_view cell, int width) {
    line += cell;
    for (int pad = Cells(cell); pad < width; ++pad) {
        line += ' ';
    }
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
            const std::size_t start = i;
            if (NextCodePoint(text, i) == kNotACharacter) {
                out += "\\ufffd";
            } else {
                out += text.substr(start, i - start);
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
