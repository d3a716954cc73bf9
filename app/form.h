#pragma once

#include <QStringView>
#include <optional>
#include <span>

namespace meihua::form {

/// The kinds of control a window is made of.
enum class Kind {
    Label,
    EditBox,
    ComboBox,
    RadioBox,
    Button,
    GroupBox,
    ShapeBox,
    DrawPanel,
    CnCalendar
};

/// The one event of a control that the program handles, if any.
enum class Event { None, Clicked, ItemChosen };

/// How an edit box takes typed text.
enum class Input { AnyText, DigitsAndMinus, ReadOnly };

enum class Align { Left, Centre };

/// Labels may have a thin sunken edge; draw panels have a sunken edge of 2 pixels.
enum class Edge { None, Thin, Sunken };

/// The window's interface font, or one of the two fonts a form stores.
enum class Font {
    Interface,
    ChartLabel,  ///< 16 pixels, bold
    Panel,       ///< 16 pixels, normal weight
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

/// One control of a form. Positions are pixels from the top-left corner of the container,
/// which is the window itself when `container` is empty.
struct Control {
    Kind kind = Kind::Label;
    QStringView name{};
    QStringView container{};
    Point pos{};
    Size size{};
    QStringView text{};                    ///< caption, label text or initial edit text
    std::span<const QStringView> items{};  ///< combo box items, in this order
    int selected = -1;                     ///< combo box: the item selected at start
    std::optional<Rgb> textColour{};
    std::optional<Rgb> background{};
    std::optional<Rgb> fill{};     ///< shape box fill; draw panel fill colour
    std::optional<Rgb> outline{};  ///< shape box outline, 1 pixel
    Font font = Font::Interface;
    Align align = Align::Left;
    bool wordWrap = false;
    Edge edge = Edge::None;
    Input input = Input::AnyText;
    int maxLength = 0;   ///< edit box: at most this many characters; 0 for no limit
    int listHeight = 0;  ///< combo box: the opened list is at least this many pixels high
    bool checked = false;
    bool enabled = true;
    bool focus = false;  ///< takes the keyboard focus
    Event event = Event::None;
};

/// A window: its caption, the size of its client area, its background and its controls.
struct Form {
    QStringView caption{};
    Size clientSize{};
    Rgb background{};
    QStringView icon{};  ///< resource path of the window icon, or empty for none
    std::span<const Control> controls{};
};

}  // namespace meihua::form
