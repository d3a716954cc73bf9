#include "app/forms.h"

#include <array>

namespace meihua::form {

namespace {

constexpr Rgb kSkyBlue{0, 136, 255};
constexpr Rgb kChartBlue{0, 96, 192};
constexpr Rgb kComboBlue{29, 107, 237};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// "00", "01", ... "59": the texts of the hour, minute and second lists.
constexpr std::array<std::array<char16_t, 2>, 60> kTwoDigitTexts = [] {
    std::array<std::array<char16_t, 2>, 60> texts{};
    for (int i = 0; i < 60; ++i) {
        texts[i] = {static_cast<char16_t>(u'0' + i / 10), static_cast<char16_t>(u'0' + i % 10)};
    }
    return texts;
}();

template <std::size_t N>
constexpr std::array<QStringView, N> TwoDigitItems() {
    std::array<QStringView, N> items{};
    for (std::size_t i = 0; i < N; ++i) {
        items[i] = QStringView(kTwoDigitTexts[i].data(), 2);
    }
    return items;
}

constexpr auto kHours = TwoDigitItems<24>();
constexpr auto kMinutes = TwoDigitItems<60>();
constexpr std::array<QStringView, 5> kLengthUnits = {u"丈", u"尺", u"米", u"分米", u"厘米"};

constexpr QStringView kInputs = u"分组框1";
constexpr QStringView kChart = u"外形框1";

// The labels beside the inputs share one look; only 标签4 and 标签7 change the text colour.
constexpr Control InputLabel(QStringView name, Point pos, Size size, QStringView text,
                             Rgb colour = kBlue) {
    return {.kind = Kind::Label,
            .name = name,
            .container = kInputs,
            .pos = pos,
            .size = size,
            .text = text,
            .textColour = colour,
            .background = kSkyBlue};
}

constexpr Control MethodRadio(QStringView name, Point pos, bool checked, bool enabled = true) {
    return {.kind = Kind::RadioBox,
            .name = name,
            .container = kInputs,
            .pos = pos,
            .size = {16, 20},
            .textColour = kBlack,
            .background = kSkyBlue,
            .checked = checked,
            .enabled = enabled,
            .focus = true,
            .event = Event::Clicked};
}

constexpr Control Edit(QStringView name, Point pos, Size size, Input input, bool enabled = false,
                       int maxLength = 0) {
    return {.kind = Kind::EditBox,
            .name = name,
            .container = kInputs,
            .pos = pos,
            .size = size,
            .textColour = kBlack,
            .background = kWhite,
            .input = input,
            .maxLength = maxLength,
            .enabled = enabled,
            .focus = true};
}

constexpr Control TimeList(QStringView name, int left, std::span<const QStringView> items) {
    return {.kind = Kind::ComboBox,
            .name = name,
            .container = kInputs,
            .pos = {left, 22},
            .size = {45, 20},
            .items = items,
            .selected = 0,
            .textColour = kBlue,
            .background = kComboBlue,
            .listHeight = 160,
            .focus = true};
}

constexpr Control Button(QStringView name, QStringView container, Point pos, Size size,
                         QStringView caption) {
    return {.kind = Kind::Button,
            .name = name,
            .container = container,
            .pos = pos,
            .size = size,
            .text = caption,
            .focus = true,
            .event = Event::Clicked};
}

constexpr Control Panel(QStringView name, int left, bool main) {
    return {.kind = Kind::DrawPanel,
            .name = name,
            .container = kChart,
            .pos = {left, 5},
            .size = {140, 150},
            .textColour = main ? kRed : kBlack,
            .background = kYellow,
            .fill = kRed,
            .font = main ? Font::Panel : Font::Interface,
            .edge = Edge::Sunken};
}

constexpr Control ChartLabel(QStringView name, Point pos, QStringView text) {
    return {.kind = Kind::Label,
            .name = name,
            .container = kChart,
            .pos = pos,
            .size = {140, 24},
            .text = text,
            .textColour = kYellow,
            .background = kChartBlue,
            .font = Font::ChartLabel,
            .align = Align::Centre};
}

constexpr std::array kMainControls = {
    Control{.kind = Kind::GroupBox,
            .name = kInputs,
            .pos = {7, 6},
            .size = {750, 136},
            .background = kSkyBlue},
    Control{.kind = Kind::ShapeBox,
            .name = kChart,
            .pos = {7, 150},
            .size = {750, 218},
            .fill = kBlue,
            .outline = kBlack},
    Control{.kind = Kind::Label,
            .name = u"标签10",
            .pos = {25, 370},
            .size = {713, 20},
            .text = u"一物从来有一身 一身还有一乾坤 能知百事备于我 肯把三才别立根 天向一中分造化 "
                    u"人于心上起经纶 仙人也有两般话 道不虚传只在人",
            .textColour = kRed,
            .background = kSkyBlue},

    // First row: the time method.
    InputLabel(u"标签1", {13, -5}, {80, 24}, u"梅花起卦方式："),
    MethodRadio(u"单选框_时间", {12, 22}, true),
    InputLabel(u"标签2", {33, 22}, {59, 20}, u"时间起卦："),
    Control{.kind = Kind::CnCalendar,
            .name = u"农历日期框1",
            .container = kInputs,
            .pos = {93, 22},
            .size = {220, 20},
            .focus = true},
    TimeList(u"组合框2", 320, kHours),
    InputLabel(u"标签27", {369, 22}, {15, 20}, u"时"),
    TimeList(u"组合框3", 388, kMinutes),
    InputLabel(u"标签108", {437, 22}, {15, 20}, u"分"),
    TimeList(u"组合框4", 456, kMinutes),
    InputLabel(u"标签111", {506, 22}, {15, 20}, u"秒"),
    Button(u"按钮_当前时间", kInputs, {525, 17}, {100, 25}, u"当前时间"),
    Button(u"按钮_软件说明", kInputs, {637, 17}, {100, 25}, u"软件说明"),

    // Second row: count and characters.
    MethodRadio(u"单选框_物数", {12, 50}, false),
    InputLabel(u"标签3", {33, 50}, {141, 20}, u"物体数量或声音次数起卦："),
    Edit(u"编辑框_物数", {177, 50}, {75, 20}, Input::DigitsAndMinus),
    MethodRadio(u"单选框_汉字", {275, 50}, false, false),
    InputLabel(u"标签5", {299, 50}, {54, 20}, u"汉字起卦："),
    Edit(u"编辑框_汉字", {361, 50}, {376, 20}, Input::AnyText),

    // Third row: length.
    MethodRadio(u"单选框_长度", {12, 78}, false),
    InputLabel(u"标签6", {33, 78}, {54, 20}, u"长度起卦："),
    InputLabel(u"标签8", {98, 78}, {54, 20}, u"第一长度："),
    Edit(u"编辑框_长度1", {163, 78}, {69, 20}, Input::DigitsAndMinus),
    Control{.kind = Kind::ComboBox,
            .name = u"组合框_长度单位1",
            .container = kInputs,
            .pos = {243, 78},
            .size = {48, 20},
            .items = kLengthUnits,
            .selected = 0,
            .textColour = kBlack,
            .background = kWhite,
            .listHeight = 160,
            .enabled = false,
            .focus = true,
            .event = Event::ItemChosen},
    InputLabel(u"标签9", {318, 78}, {54, 20}, u"第二长度："),
    Edit(u"编辑框_长度2", {381, 78}, {69, 20}, Input::DigitsAndMinus, false, 1),
    Edit(u"编辑框_长度单位2", {459, 78}, {48, 20}, Input::ReadOnly),
    InputLabel(u"标签4", {524, 78}, {213, 20}, u"不动不占！无事不占！无异常现象不占！", kRed),

    // Fourth row: the reason and the cast button.
    InputLabel(u"标签7", {12, 106}, {61, 20}, u"占测缘由：", kYellow),
    Edit(u"编辑框_占测缘由", {76, 106}, {557, 20}, Input::AnyText, true),
    Button(u"按钮1", kInputs, {645, 103}, {95, 25}, u"占测"),

    // The chart: five panels, their names, and the fixed row of titles under them.
    Panel(u"画板_本卦", 6, true),
    Panel(u"画板_互卦", 155, false),
    Panel(u"画板_变卦", 304, false),
    Panel(u"画板_错卦", 453, false),
    Panel(u"画板_综卦", 603, false),
    ChartLabel(u"标签_本卦", {6, 160}, u"本 卦"),
    ChartLabel(u"标签_互卦", {155, 160}, u"互 卦"),
    ChartLabel(u"标签_变卦", {304, 160}, u"变 卦"),
    ChartLabel(u"标签_错卦", {453, 160}, u"错 卦"),
    ChartLabel(u"标签_综卦", {603, 160}, u"综 卦"),
    ChartLabel(u"标签12", {7, 189}, u"本 卦"),
    ChartLabel(u"标签17", {156, 189}, u"互 卦"),
    ChartLabel(u"标签18", {305, 189}, u"变 卦"),
    ChartLabel(u"标签19", {454, 189}, u"错 卦"),
    ChartLabel(u"标签20", {604, 189}, u"综 卦"),
};

constexpr std::array kAboutControls = {
    Control{.kind = Kind::Label,
            .name = u"标签1",
            .pos = {7, 8},
            .size = {352, 272},
            .text = u"    "
                    u"《梅花易数》传为宋代易学家岑弈所著，是一部以易学中的数学为基础，结合易学中的“"
                    u"象学”进行占卜的书。依先天八卦数理，即乾一，兑二，离三，震四，巽五，坎六，艮七"
                    u"，坤八，随时随地皆可起卦，取卦方式多种多样。",
            .textColour = kYellow,
            .background = kSkyBlue,
            .wordWrap = true,
            .edge = Edge::Thin},
    Button(u"按钮1", {}, {139, 286}, {88, 20}, u"确定"),
};

}  // namespace

// The form sizes are client areas: the outer sizes of 771 x 422 and 373 x 341 less a frame
// of 6 pixels across and 31 down. 标签10 ends at y 390.
const Form& MainWindowForm() {
    static constexpr Form form{.caption = u"澄溪梅花易数排盘 V3.0",
                               .clientSize = {765, 391},
                               .background = kSkyBlue,
                               .icon = u":/meihua/meihua.png",
                               .controls = kMainControls};
    return form;
}

const Form& AboutWindowForm() {
    static constexpr Form form{.caption = u"关于",
                               .clientSize = {367, 310},
                               .background = kSkyBlue,
                               .controls = kAboutControls};
    return form;
}

}  // namespace meihua::form
