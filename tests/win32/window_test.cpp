// The real main window at 96 dpi: its controls, focus order, clicks on the
// windowless controls and pointers.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/win32/control_window_ids.h"
#include "app/win32/drawing/colour.h"
#include "app/win32/drawing/gdi_scope.h"
#include "app/win32/drawing/pictures.h"
#include "platform/win32/wide_text.h"
#include "window_fixture.h"

namespace speedrail::win32::testing {
namespace {

using layout::ControlId;

std::string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return toUtf8(text);
}

BOOL CALLBACK countWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The name of the control whose window this is.
std::string nameOf(HWND window, HWND main) {
    for (const layout::Control& c : layout::controls()) {
        if (window && ::GetDlgItem(main, controlWindowId(c.id)) == window) return c.name;
    }
    return window ? "another window" : "no window";
}

struct ChildCase {
    ControlId id;
    std::string caption;
    RECT pixels;  // at 96 dpi: the twips divided by 15
    bool visible, enabled;
};

// The controls with windows of their own, as the user sees them on opening.
const std::string kKeep = "Mantener funcionando servicios básicos de ";
const std::vector<ChildCase> kChildren{
    {ControlId::Check1, kKeep + "AUDIO", {13, 132, 365, 153}, true, false},
    {ControlId::Check2, kKeep + "RED", {13, 155, 365, 175}, true, false},
    {ControlId::Check3, kKeep + "SEGURIDAD", {13, 177, 365, 197}, true, false},
    {ControlId::Check4, kKeep + "IMPRESIÓN", {13, 199, 365, 219}, true, false},
    {ControlId::Check5,
     "Detener únicamente servicios seleccionados en lista",
     {13, 221, 365, 241},
     true,
     false},
    {ControlId::Command1, "1º Análisis ...", {9, 78, 124, 123}, true, true},
    {ControlId::Command4, "2º Detener ...", {133, 78, 248, 123}, true, true},
    {ControlId::Command5, "3º Reanudar ...", {256, 78, 371, 123}, true, true},
    {ControlId::Command2, "Pausar ...", {195, 352, 276, 371}, false, false},
    {ControlId::Command3, "Continuar ...", {285, 355, 366, 373}, false, false},
    {ControlId::List1, "", {8, 268, 370, 366}, true, true},
};

TEST_F(WindowTest, OpensWithEveryControlInPlaceAndInItsOpeningState) {
    open(96);
    EXPECT_EQ(windowText(window->hwnd()), "SpeeDRaiL > Ejecute como Admin...");
    RECT client{};
    ::GetClientRect(window->hwnd(), &client);
    EXPECT_EQ(client.right, 378);
    EXPECT_EQ(client.bottom, 393);
    EXPECT_FALSE(::IsWindowVisible(window->hwnd())) << "the window opens hidden";
    const LONG style = ::GetWindowLongW(window->hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) << "fixed size";

    for (const ChildCase& c : kChildren) {
        const char* name = layout::control(c.id).name;
        const HWND control = child(c.id);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(windowText(control), c.caption) << name;
        const RECT r = childRect(c.id);
        EXPECT_EQ(r.left, c.pixels.left) << name;
        EXPECT_EQ(r.top, c.pixels.top) << name;
        EXPECT_EQ(r.right, c.pixels.right) << name;
        EXPECT_EQ(r.bottom, c.pixels.bottom) << name;
        EXPECT_EQ((::GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0, c.visible) << name;
        EXPECT_EQ(::IsWindowEnabled(control) != FALSE, c.enabled) << name;
    }
    for (int b = 0; b < kBoxCount; ++b)
        EXPECT_EQ(window->form().state().box(static_cast<Box>(b)), 0);
    EXPECT_EQ(entries().count(), 0);
    EXPECT_EQ(::SendMessageW(child(ControlId::List1), LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(window->form().state().status, "Ajuste de servicios ");
    EXPECT_EQ(pointerName(pointerOverChild(ControlId::List1)), "busy")
        << "the stored style until start-up sets it";
    // Those are all its windows: the windowless controls have none, and the
    // player is the platform's.
    int children = 0;
    ::EnumChildWindows(window->hwnd(), countWindow, reinterpret_cast<LPARAM>(&children));
    EXPECT_EQ(children, static_cast<int>(kChildren.size()));
}

// Every picture the layout names decodes from the program's resources, and
// the windowless ones show on the window as more than a flat colour where
// no child window covers them.
TEST_F(WindowTest, EveryPictureIsDecodedFromTheResources) {
    open(96, /*show=*/true);
    ::UpdateWindow(window->hwnd());
    RECT client{};
    ::GetClientRect(window->hwnd(), &client);
    std::vector<RECT> covered;
    for (const layout::Control& c : layout::controls()) {
        if (::IsWindowVisible(child(c.id))) covered.push_back(childRect(c.id));
    }
    const WindowDc surface(window->hwnd());
    PictureDecoder decoder;
    for (const layout::Control& c : layout::controls()) {
        if (!c.picture) continue;
        EXPECT_TRUE(decoder.load(c.picture)) << c.name;
        if (child(c.id)) continue;  // a button draws its own picture
        const layout::PixelRect r = pixelRect(c.id);
        std::set<COLORREF> colours;
        for (int y = std::max(r.top, 0); y < std::min<int>(r.bottom, client.bottom); ++y) {
            for (int x = std::max(r.left, 0); x < std::min<int>(r.right, client.right); ++x) {
                const POINT at{x, y};
                if (std::none_of(covered.begin(), covered.end(), [&](const RECT& area) {
                        return ::PtInRect(&area, at) != FALSE;
                    })) {
                    colours.insert(::GetPixel(surface.get(), x, y));
                }
            }
        }
        EXPECT_GT(colours.size(), 1u) << c.name << " shows no picture";
    }
}

// Controls with a window of their own are tools by their window; the
// windowless ones are rectangles of the main window, exactly theirs.
TEST_F(WindowTest, ToolTipsCarryTheExactTexts) {
    open(96);
    const std::vector<ToolTip> tips = toolTipsOf(window->hwnd());
    const auto tipOf = [&](ControlId id) -> std::optional<std::string> {
        const layout::PixelRect r = pixelRect(id);
        const RECT area{r.left, r.top, r.right, r.bottom};
        for (const ToolTip& tip : tips) {
            if (child(id) ? tip.control == child(id)
                          : !tip.control && ::EqualRect(&tip.area, &area) != FALSE) {
                return tip.text;
            }
        }
        return std::nullopt;
    };
    EXPECT_EQ(tips.size(), 17u);
    for (const layout::Control& c : layout::controls()) {
        if (!c.toolTip) {
            EXPECT_FALSE(tipOf(c.id).has_value()) << c.name;
            continue;
        }
        EXPECT_EQ(tipOf(c.id), std::string(c.toolTip)) << c.name;
    }
    // Spot checks of the blanks at both ends.
    EXPECT_EQ(tipOf(ControlId::Command1),
              " Analiza el sistema en busca de servicios antes de detenerlos y los muestra por "
              "orden alfabético ...  ");
    EXPECT_EQ(tipOf(ControlId::Image7), " Abre consola de servicios del sistema ...");
}

TEST_F(WindowTest, StartUpLeavesTheStatusTextAndTheDefaultPointer) {
    open(96);
    window->form().Form_Load();
    window->show(SW_SHOWNORMAL);
    EXPECT_EQ(window->form().state().status, " > Ajuste de alto rendimiento (STOP FULL SERVICES)");
    EXPECT_EQ(pointerName(pointerOverChild(ControlId::List1)), "help") << "the list's own";
    EXPECT_EQ(::GetFocus(), child(ControlId::Command1));
}

// TAB visits the enabled windows in tab order and wraps around; Shift+TAB
// goes back the same way.
TEST_F(WindowTest, TabCyclesThroughTheEnabledControlsInTabOrder) {
    open(96, /*show=*/true);
    const auto cycle = [&](bool shift, int presses) {
        std::vector<std::string> visited{nameOf(::GetFocus(), window->hwnd())};
        for (int i = 0; i < presses; ++i) {
            pressTab(shift);
            visited.push_back(nameOf(::GetFocus(), window->hwnd()));
        }
        return visited;
    };
    EXPECT_EQ(cycle(false, 4),
              (std::vector<std::string>{"Command1", "Command4", "Command5", "List1", "Command1"}));
    EXPECT_EQ(cycle(true, 2), (std::vector<std::string>{"Command1", "List1", "Command5"}));

    ::SetFocus(child(ControlId::Command1));
    window->enableBoxes();
    EXPECT_EQ(cycle(false, 9),
              (std::vector<std::string>{"Command1", "Command4", "Command5", "List1", "Check1",
                                        "Check3", "Check2", "Check4", "Check5", "Command1"}));
}

struct ClickCase {
    const char* where;
    ControlId control;  // clicked at its centre
    POINT offset;       // from the centre
    std::vector<std::string> (*expected)(MainWindow&, ::speedrail::testing::RecordingPlatform&);
};

void PrintTo(const ClickCase& c, std::ostream* out) { *out << c.where; }

// What the form's own click of the control records: the click on the
// window must record the same. A web page it asks for is opened at once, so
// that the next one may be asked for.
template <ControlId Handler>
std::vector<std::string> callsOf(MainWindow& window,
                                 ::speedrail::testing::RecordingPlatform& platform) {
    const std::size_t before = platform.calls.size();
    window.form().Click(Handler);
    if (window.form().state().pageRequested) window.form().WebAddressAnswered({});
    std::vector<std::string> calls(platform.calls.begin() + static_cast<long>(before),
                                   platform.calls.end());
    platform.calls.resize(before);
    return calls;
}

std::vector<std::string> nothing(MainWindow&, ::speedrail::testing::RecordingPlatform&) {
    return {};
}

class WindowClickTest : public WindowTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(WindowClickTest, RunsTheFrontmostControlsHandlerAlone) {
    const ClickCase& c = GetParam();
    open();
    POINT at = centreOf(c.control);
    at.x += c.offset.x;
    at.y += c.offset.y;
    const std::vector<std::string> expected = c.expected(*window, platform);
    platform.calls.clear();
    clickForm(at);
    EXPECT_EQ(platform.calls, expected) << c.where;
}

INSTANTIATE_TEST_SUITE_P(
    Points, WindowClickTest,
    ::testing::Values(
        ClickCase{"logo 'web'", ControlId::Label7, {0, 0}, callsOf<ControlId::Image6>},
        ClickCase{"logo first piece", ControlId::Label1, {0, 0}, callsOf<ControlId::Image6>},
        ClickCase{"logo second piece", ControlId::Label5, {-10, 5}, callsOf<ControlId::Image6>},
        ClickCase{"logo third piece", ControlId::Label6, {15, 8}, callsOf<ControlId::Image6>},
        ClickCase{"web picture", ControlId::Image4, {0, 0}, callsOf<ControlId::Image6>},
        ClickCase{"web picture corner", ControlId::Image4, {-8, -8}, callsOf<ControlId::Image6>},
        ClickCase{"banner", ControlId::Image1, {0, 0}, callsOf<ControlId::Image1>},
        ClickCase{"version label", ControlId::Label2, {0, 0}, callsOf<ControlId::Label2>},
        ClickCase{"services console", ControlId::Image7, {0, 0}, callsOf<ControlId::Image7>},
        ClickCase{"repair", ControlId::Image8, {0, 0}, callsOf<ControlId::Image8>},
        ClickCase{"information", ControlId::Image5, {0, 0}, callsOf<ControlId::Image5>},
        ClickCase{"stop music", ControlId::Image2, {0, 0}, callsOf<ControlId::Image2>},
        ClickCase{"new track", ControlId::Image3, {0, 0}, callsOf<ControlId::Image3>},
        ClickCase{"status line", ControlId::Label4, {0, 0}, nothing},
        ClickCase{"status frame", ControlId::Shape1, {0, -10}, nothing},
        ClickCase{"check box panel", ControlId::Shape2, {-180, 0}, nothing}));

struct ButtonCase {
    ControlId button;
    std::vector<std::string> (*expected)(MainWindow&, ::speedrail::testing::RecordingPlatform&);
};

void PrintTo(const ButtonCase& c, std::ostream* out) { *out << layout::control(c.button).name; }

class WindowButtonTest : public WindowTest, public ::testing::WithParamInterface<ButtonCase> {};

// A click on a run button makes exactly the calls its handler makes.
TEST_P(WindowButtonTest, ClickRunsTheButtonsHandler) {
    const ButtonCase& c = GetParam();
    open();
    window->setPointer(Pointer::Default);
    // With the listing script present, every scan makes the same calls.
    platform.files["srv.cmd"] = "@wmic service get name > srv.tmp\r\n@exit\r\n";
    const std::vector<std::string> expected = c.expected(*window, platform);
    ASSERT_FALSE(expected.empty());
    platform.calls.clear();
    const layout::PixelRect r = pixelRect(c.button);
    click(child(c.button), POINT{r.width() / 2, r.height() / 2});
    EXPECT_EQ(platform.calls, expected);
    EXPECT_EQ(pointerName(pointerOverChild(c.button)), "hand")
        << "the run ends with the default pointer";
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, WindowButtonTest,
    ::testing::Values(ButtonCase{ControlId::Command1, callsOf<ControlId::Command1>},
                      ButtonCase{ControlId::Command4, callsOf<ControlId::Command4>},
                      ButtonCase{ControlId::Command5, callsOf<ControlId::Command5>}));

TEST_F(WindowTest, EnterPressesTheFocusedRunButtonOnly) {
    open(96, /*show=*/true);
    const std::vector<std::string> stop = callsOf<ControlId::Command4>(*window, platform);
    ::SetFocus(child(ControlId::Command4));
    pressKey(VK_RETURN);
    EXPECT_EQ(platform.calls, stop);

    platform.calls.clear();
    ::SetFocus(child(ControlId::List1));
    pressKey(VK_RETURN);
    EXPECT_TRUE(platform.calls.empty());
}

// A double click on a picture is one click, whether the first press asked
// for a web page or showed a box: the second press runs nothing.
TEST_F(WindowTest, DoubleClickOnAPictureClicksItOnce) {
    open(96, /*show=*/true);  // the mouse reaches only shown windows
    const std::vector<std::string> page = callsOf<ControlId::Image1>(*window, platform);
    const std::vector<std::string> help = callsOf<ControlId::Image5>(*window, platform);
    doubleClick(centreOf(ControlId::Image1));
    EXPECT_EQ(platform.calls, page);
    window->form().WebAddressAnswered({});
    platform.calls.clear();
    doubleClick(centreOf(ControlId::Image5));
    EXPECT_EQ(platform.calls, help);
}

// A box's band, a run button's face and the empty list are drawn in their
// layout colours: a pixel of each, printed as the control paints itself.
TEST_F(WindowTest, ControlsAreDrawnInTheirLayoutColours) {
    open();
    for (const ControlId id : {ControlId::Check2, ControlId::Command1, ControlId::List1}) {
        RECT area{};
        ::GetClientRect(child(id), &area);
        const WindowDc screen(nullptr);
        const UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
        const UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), area.right, area.bottom));
        const SelectedObject selected(dc.get(), bitmap.get());
        ::SendMessageW(child(id), WM_PRINT, reinterpret_cast<WPARAM>(dc.get()),
                       PRF_CLIENT | PRF_ERASEBKGND);
        EXPECT_EQ(::GetPixel(dc.get(), area.right - 6, area.bottom / 2),
                  toColorRef(*layout::control(id).back))
            << layout::control(id).name;
    }
}

TEST_F(WindowTest, ButtonReleasedOverAnotherControlClicksNothing) {
    open();
    const LPARAM down = MAKELPARAM(centreOf(ControlId::Image7).x, centreOf(ControlId::Image7).y);
    const LPARAM up = MAKELPARAM(centreOf(ControlId::Image8).x, centreOf(ControlId::Image8).y);
    ::PostMessageW(window->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, down);
    ::PostMessageW(window->hwnd(), WM_LBUTTONUP, 0, up);
    window->processPendingEvents();
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(WindowTest, PointerFollowsTheControlUnlessBusy) {
    open(96, /*show=*/true);  // the mouse finds only shown windows
    window->setPointer(Pointer::Default);
    struct PointerCase {
        ControlId id;
        const char* expected;
    };
    // Boxes still disabled: the panel behind them decides.
    const std::vector<PointerCase> cases{
        {ControlId::Image6, "hand"},   {ControlId::Image4, "hand"},  {ControlId::Image1, "hand"},
        {ControlId::Command1, "hand"}, {ControlId::List1, "help"},   {ControlId::Label2, "help"},
        {ControlId::Label4, "arrow"},  {ControlId::Check1, "arrow"},
    };
    for (const PointerCase& c : cases) {
        EXPECT_EQ(pointerName(pointerOver(centreOf(c.id))), c.expected)
            << layout::control(c.id).name;
    }
    window->enableBoxes();
    EXPECT_EQ(pointerName(pointerOver(centreOf(ControlId::Check1))), "help");
    EXPECT_EQ(pointerName(pointerOver(POINT{2, 250})), "arrow") << "bare window";

    window->form().Click(ControlId::Image1);  // a web page is being opened
    for (const PointerCase& c : cases) {
        EXPECT_EQ(pointerName(pointerOver(centreOf(c.id))), "working")
            << layout::control(c.id).name;
    }

    window->setPointer(Pointer::Busy);
    for (const PointerCase& c : cases) {
        EXPECT_EQ(pointerName(pointerOver(centreOf(c.id))), "busy") << layout::control(c.id).name;
    }
}

// The runs repaint and go on without reading messages: every repaint asked
// for now must be done when the call returns.
TEST_F(WindowTest, RepaintsAreDoneBeforeTheCallReturns) {
    open(96, /*show=*/true);  // hidden windows collect no update regions
    ::UpdateWindow(window->hwnd());
    RECT pending{};
    window->statusChanged(Repaint::Later);
    EXPECT_TRUE(::GetUpdateRect(window->hwnd(), &pending, FALSE)) << "a change marks the line";
    window->statusChanged(Repaint::Now);
    EXPECT_FALSE(::GetUpdateRect(window->hwnd(), &pending, FALSE));

    const HWND list = child(ControlId::List1);
    scan({"AudioSrv", "Dhcp", "Spooler"});  // ends with the list drawn at once
    EXPECT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    EXPECT_FALSE(::GetUpdateRect(list, &pending, FALSE));

    const HWND box = child(ControlId::Check2);
    window->boxChanged(Box::Check2, Repaint::Later);
    EXPECT_TRUE(::GetUpdateRect(box, &pending, FALSE));
    window->boxChanged(Box::Check2, Repaint::Now);
    EXPECT_FALSE(::GetUpdateRect(box, &pending, FALSE));
}

TEST_F(WindowTest, ClosingTheProgramsWindowEndsTheMessageLoop) {
    MainWindowOptions options;
    options.dpi = 96;
    options.endProgramOnClose = true;
    window = std::make_unique<MainWindow>(platform, options);
    ::SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window->hwnd(), nullptr);
    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u) << "the program's exit code";
}

}  // namespace
}  // namespace speedrail::win32::testing
