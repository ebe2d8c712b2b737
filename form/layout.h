// The main window and its 28 controls as data: kinds, captions, places in
// twips, colours, fonts, pointers, tab indexes, tool tips, pictures, the
// stacking of the painted ones and the order screen readers read them in.
// The Win32 window builds itself from this table; the pure functions below
// (unit conversion, hit test, focus order) are shared by the window and its
// tests.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace speedrail::layout {

enum class ControlId {
    Check1,
    Check2,
    Check3,
    Check4,
    Check5,
    Command1,
    Command2,
    Command3,
    Command4,
    Command5,
    List1,
    Label1,
    Label2,
    Label4,
    Label5,
    Label6,
    Label7,
    Image1,
    Image2,
    Image3,
    Image4,
    Image5,
    Image6,
    Image7,
    Image8,
    Shape1,
    Shape2,
    WindowsMediaPlayer1,
};
constexpr int kControlCount = 28;

enum class ControlKind {
    CheckBox,         // a check box the program draws
    CommandButton,    // a push button the system draws
    GraphicalButton,  // a push button with a picture, drawn by the program
    ListBox,          // the service list, drawn by the program
    Label,            // text painted on the window's surface
    Image,            // a picture painted on the window's surface, or a bare click area
    Shape,            // a frame or panel painted on the window's surface
    MediaPlayer,      // the music player, which shows nothing
};
constexpr int kKindCount = 8;

// The mouse pointer a control shows.
enum class PointerStyle {
    Default,  // the system's arrow
    Help,     // the system's arrow with a question mark
    Hand,     // the program's pointing hand, one image for every control
};

// A colour as 0xRRGGBB.
struct Rgb {
    std::uint32_t value;
    constexpr std::uint8_t red() const { return static_cast<std::uint8_t>(value >> 16); }
    constexpr std::uint8_t green() const { return static_cast<std::uint8_t>(value >> 8); }
    constexpr std::uint8_t blue() const { return static_cast<std::uint8_t>(value); }
    friend constexpr bool operator==(Rgb a, Rgb b) { return a.value == b.value; }
};

// Left, top, width and height in twips, from the client area's top left.
struct TwipsRect {
    int left, top, width, height;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

struct FontLook {
    const char* face;       // nullptr: the control uses the system's font
    int hundredthsOfPoint;  // 975 for 9.75 pt
    bool bold;
    bool italic;
};

// How a shape's interior is painted: a shape shows its back colour when
// opaque; the fill colour shows only with a solid fill style.
enum class FillStyle { Transparent, Solid };

struct ShapeLook {
    Rgb border;
    int borderPixels;
    Rgb fill;
    FillStyle fillStyle;
};

// One row of the table. A field a row leaves out keeps its default.
struct Control {
    ControlId id{};
    const char* name = "";  // "Check1", ...
    ControlKind kind{};
    const char* caption = "";  // UTF-8, exact; empty for pictures and shapes
    TwipsRect rect{};
    std::optional<Rgb> back;  // nothing: transparent or the system's colour
    std::optional<Rgb> fore;
    FontLook font{nullptr, 0, false, false};
    PointerStyle pointer = PointerStyle::Default;
    int tabIndex = -1;              // -1 for controls without one (pictures, shapes)
    const char* toolTip = nullptr;  // UTF-8, exact with its blanks
    bool visible = true;
    bool enabled = true;
    const char* picture = nullptr;  // resource id name
    ShapeLook shape{};              // shapes only
    bool link = false;              // a picture that opens a web page: screen readers read a link
    int depth = -1;  // a painted control's place in the stacking, 0 the frontmost; else -1
};

// The window itself.
struct WindowLayout {
    const char* caption;
    int clientWidth;   // twips
    int clientHeight;  // twips
    Rgb back;
};

const WindowLayout& window();

// Every control, in the order screen readers read them (shapes and the
// player, which they skip, stand among them).
const std::array<Control, kControlCount>& controls();
const Control& control(ControlId id);

// The labels, pictures and shapes that have no window of their own, front
// to back by depth. The check boxes, buttons and list lie in front of all
// of them.
const std::vector<ControlId>& windowlessStacking();

// Twips to pixels at `dpi` (15 twips per pixel at 96 dpi), rounded to the
// nearest pixel with halves away from zero, as MulDiv does.
int twipsToPixels(int twips, int dpi);

// A rectangle in pixels: left and top inside, right and bottom outside.
struct PixelRect {
    int left, top, right, bottom;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
};
// Each edge is converted on its own, so controls that touch in twips touch
// in pixels too.
PixelRect toPixels(const TwipsRect& rect, int dpi);

// The frontmost windowless control whose rectangle, as drawn at `dpi`,
// holds the point (client pixels), or nothing over the bare window.
std::optional<ControlId> hitTestPixels(int x, int y, int dpi);

// All controls with a tab index, lowest first.
std::vector<ControlId> tabOrder();

}  // namespace speedrail::layout
