#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/cast_result.h"
#include "engine/hexagram_name.h"
#include "render/hexagram_panels.h"

namespace meihua {
namespace {

// Records every operation as one line of text in a log shared by the five panels, so that
// the order across panels is checked too.
class RecordingPanel : public DrawPanelOps {
public:
    RecordingPanel(std::string name, std::vector<std::string>& log)
        : m_name(std::move(name)), m_log(log) {}

    void Clear() override { m_log.push_back(m_name + " clear"); }
    void FillRect(int left, int top, int right, int bottom) override {
        m_log.push_back(m_name + " fill " + std::to_string(left) + " " + std::to_string(top) + " " +
                        std::to_string(right) + " " + std::to_string(bottom));
    }
    void WriteTextAt(int x, int y, std::string_view text) override {
        m_log.push_back(m_name + " text " + std::to_string(x) + " " + std::to_string(y) + " " +
                        std::string(text));
    }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

struct Fixture {
    std::vector<std::string> log;
    RecordingPanel main{"main", log};
    RecordingPanel mutual{"mutual", log};
    RecordingPanel changed{"changed", log};
    RecordingPanel opposite{"opposite", log};
    RecordingPanel reversed{"reversed", log};
    HexagramPanels panels{main, mutual, changed, opposite, reversed};

    std::vector<std::string> OpsOf(const std::string& panel) const {
        std::vector<std::string> ops;
        for (const std::string& entry : log) {
            if (entry.starts_with(panel + " ")) {
                ops.push_back(entry.substr(panel.size() + 1));
            }
        }
        return ops;
    }
};

TEST(RenderTest, ClearWipesTheFivePanelsFromMainToReversedAndDrawsNothing) {
    Fixture f;
    ClearHexagramPanels(f.panels);
    EXPECT_EQ(f.log, (std::vector<std::string>{"main clear", "mutual clear", "changed clear",
                                               "opposite clear", "reversed clear"}));
}

// 水雷屯 with line 5 moving: the chart the bar geometry is worked out on.
TEST(RenderTest, WorkedExampleDrawsTheMainPanelBarByBarWithTheMarkBeforeItsBar) {
    Fixture f;
    const CastResult result = DeriveHexagrams(6, 4, 5);
    ASSERT_EQ(HexagramName(result.main), "水雷屯");
    DrawHexagramPanels(f.panels, result);

    EXPECT_EQ(f.OpsOf("main"), (std::vector<std::string>{
                                   "fill 10 122 115 138",                      // line 1 yang
                                   "fill 10 99 59 115", "fill 69 99 115 115",  // line 2 yin
                                   "fill 10 76 59 92", "fill 69 76 115 92",    // line 3 yin
                                   "fill 10 53 59 69", "fill 69 53 115 69",    // line 4 yin
                                   "text 120 30 ◎", "fill 10 30 115 46",       // line 5 moving
                                   "fill 10 7 59 23", "fill 69 7 115 23",      // line 6 yin
                               }));
    // 山地剥 in a wide panel: five broken bars under a solid top bar.
    const std::vector<std::string> mutual = f.OpsOf("mutual");
    ASSERT_EQ(mutual.size(), 11u);
    EXPECT_EQ(mutual.front(), "fill 10 122 68 138");
    EXPECT_EQ(mutual[1], "fill 78 122 130 138");
    EXPECT_EQ(mutual.back(), "fill 10 7 130 23");
}

TEST(RenderTest, RowsAreDrawnBottomFirstAcrossAllFivePanels) {
    Fixture f;
    DrawHexagramPanels(f.panels, DeriveHexagrams(1, 1, 1));
    // Every fill of line 1 (y 122) comes before any fill of line 2 (y 99), in every panel.
    std::size_t lastRow1 = 0, firstRow2 = f.log.size();
    for (std::size_t i = 0; i < f.log.size(); ++i) {
        if (f.log[i].find(" 122 ") != std::string::npos) lastRow1 = i;
        if (f.log[i].find(" 99 ") != std::string::npos && firstRow2 == f.log.size()) firstRow2 = i;
    }
    EXPECT_LT(lastRow1, firstRow2);
    EXPECT_EQ(f.log.front(), "main text 120 122 ◎");
    EXPECT_EQ(f.log[1], "main fill 10 122 115 138");
    EXPECT_EQ(f.log[2], "mutual fill 10 122 130 138");
}

TEST(RenderTest, EachPanelGetsSixToTwelveFillsAndOnlyTheMainPanelOneText) {
    for (int movingLine = 1; movingLine <= 6; ++movingLine) {
        for (int upper : {1, 6, 8}) {
            SCOPED_TRACE("upper " + std::to_string(upper) + " moving " +
                         std::to_string(movingLine));
            Fixture f;
            DrawHexagramPanels(f.panels, DeriveHexagrams(upper, 8, movingLine));
            int texts = 0;
            for (const char* panel : {"main", "mutual", "changed", "opposite", "reversed"}) {
                int fills = 0;
                for (const std::string& op : f.OpsOf(panel)) {
                    if (op.starts_with("fill")) ++fills;
                    if (op.starts_with("text")) {
                        ++texts;
                        EXPECT_STREQ(panel, "main");
                        EXPECT_EQ(op, "text 120 " + std::to_string(BarTop(movingLine)) + " ◎");
                    }
                }
                EXPECT_GE(fills, 6) << panel;
                EXPECT_LE(fills, 12) << panel;
            }
            EXPECT_EQ(texts, 1);
        }
    }
}

TEST(RenderTest, AllYangAndAllYinUseTheNarrowAndWideExtents) {
    Fixture f;
    CastResult result;
    for (int line = 1; line <= 6; ++line) {
        result.main.Set(line, kYang);
        result.mutual.Set(line, kYang);
    }
    result.movingLine = 6;
    DrawHexagramPanels(f.panels, result);

    const std::vector<std::string> main = f.OpsOf("main");
    ASSERT_EQ(main.size(), 7u);
    EXPECT_EQ(main[0], "fill 10 122 115 138");
    EXPECT_EQ(main[5], "text 120 7 ◎");
    EXPECT_EQ(main[6], "fill 10 7 115 23");
    EXPECT_EQ(f.OpsOf("mutual")[0], "fill 10 122 130 138");
    // The changed panel is left all yin: twelve halves, 58 and 52 pixels wide.
    const std::vector<std::string> changed = f.OpsOf("changed");
    ASSERT_EQ(changed.size(), 12u);
    EXPECT_EQ(changed[10], "fill 10 7 68 23");
    EXPECT_EQ(changed[11], "fill 78 7 130 23");
}

TEST(RenderTest, OddLineValuesDrawYinAndAMovingLineOutOfRangeWritesNoMark) {
    for (int movingLine : {0, 7, -1}) {
        Fixture f;
        CastResult result;
        result.main.Set(3, 2);  // never made by the engine; anything but 1 is yin
        result.movingLine = movingLine;
        DrawHexagramPanels(f.panels, result);
        const std::vector<std::string> main = f.OpsOf("main");
        EXPECT_EQ(main.size(), 12u) << movingLine;
        EXPECT_EQ(main[4], "fill 10 76 59 92");
        for (const std::string& op : f.log) {
            EXPECT_FALSE(op.find(" text ") != std::string::npos) << op;
        }
    }
}

TEST(RenderTest, FillRectAreaSwapsReversedCornersAndWidensEmptySides) {
    struct Row {
        const char* what;
        PanelRect given;
        PanelRect filled;
    };
    const Row rows[] = {
        {"in order", {10, 7, 115, 23}, {10, 7, 115, 23}},
        {"right before left", {115, 7, 10, 23}, {10, 7, 115, 23}},
        {"bottom above top", {10, 23, 115, 7}, {10, 7, 115, 23}},
        {"zero width becomes one column", {40, 7, 40, 23}, {40, 7, 41, 23}},
        {"zero area becomes one pixel", {5, 5, 5, 5}, {5, 5, 6, 6}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FillRectArea(row.given.left, row.given.top, row.given.right, row.given.bottom),
                  row.filled)
            << row.what;
    }
}

}  // namespace
}  // namespace meihua
