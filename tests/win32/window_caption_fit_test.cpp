// Every caption the window draws ends at least a pixel inside its control:
// in the faces this system has, and in those a stock Windows 7-11 without
// Office would take. Where Windows' own faces are missing (under Wine), a
// metric-compatible stand-in is measured in their place; a stand-in wider
// than the face it replaces would clip the captions, and this test names it.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "app/win32/drawing/fonts.h"
#include "app/win32/drawing/gdi_scope.h"
#include "app/win32/drawing/tick_box.h"
#include "platform/win32/wide_text.h"
#include "window_fixture.h"

namespace speedrail::win32::testing {
namespace {

using layout::ControlId;

// The five boxes, the three run buttons, the logo's four labels and the
// version label.
constexpr ControlId kCaptioned[] = {
    ControlId::Check1, ControlId::Check2,   ControlId::Check3,   ControlId::Check4,
    ControlId::Check5, ControlId::Command1, ControlId::Command4, ControlId::Command5,
    ControlId::Label7, ControlId::Label1,   ControlId::Label5,   ControlId::Label6,
    ControlId::Label2,
};

// The faces of a stock Windows that the captions can reach, each as the
// face measured here: Arial through Liberation Sans and Calibri through
// Carlito, which have their widths, and Tahoma through the wider DejaVu
// Sans, so that a caption that fits here fits in Tahoma. Office's Arial
// Rounded MT Bold and every Linux face are missing.
std::optional<std::wstring> onStockWindows(const std::wstring& face) {
    static const std::map<std::wstring, std::wstring> kMeasuredAs{
        {L"Arial", L"Liberation Sans"}, {L"Calibri", L"Carlito"}, {L"Tahoma", L"DejaVu Sans"}};
    const auto found = kMeasuredAs.find(face);
    if (found == kMeasuredAs.end()) return std::nullopt;
    return found->second;
}

// The width the caption is drawn in: a box's caption right of its tick box,
// a button's inside its focus outline and raised edge, a label's across
// its whole rectangle.
int roomFor(HWND child, ControlId id, int dpi) {
    if (!child) return layout::toPixels(layout::control(id).rect, dpi).width();
    RECT face{};
    ::GetClientRect(child, &face);
    if (layout::control(id).kind == layout::ControlKind::CheckBox) {
        const RECT caption = captionAreaIn(face, kCheckBoxTick, dpi);
        return caption.right - caption.left;
    }
    return face.right - face.left - 2 * (1 + ::GetSystemMetrics(SM_CXEDGE));
}

// The DPI, and whether the fonts are a stock Windows' rather than the ones
// the window chose on this system.
class WindowCaptionFitTest : public WindowTest,
                             public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(WindowCaptionFitTest, EveryCaptionEndsInsideItsControl) {
    const auto [dpi, stockWindows] = GetParam();
    open(dpi);
    const WindowDc screen(nullptr);
    FontFaces faces = stockWindows ? FontFaces(onStockWindows) : FontFaces();
    for (const ControlId id : kCaptioned) {
        const layout::Control& control = layout::control(id);
        const HWND own = child(id);
        const UniqueFont made = createControlFont(control, faces, dpi);
        const auto font = own && !stockWindows
                              ? reinterpret_cast<HFONT>(::SendMessageW(own, WM_GETFONT, 0, 0))
                              : made.get();
        ASSERT_NE(font, nullptr) << control.name;
        const SelectedObject selected(screen.get(), font);
        wchar_t face[LF_FACESIZE]{};  // the face the font mapper really chose
        ::GetTextFaceW(screen.get(), LF_FACESIZE, face);
        const int width = captionWidth(screen.get(), toWide(control.caption));
        const int room = roomFor(own, id, dpi);
        EXPECT_LT(width, room) << control.name << " \"" << control.caption << "\" in "
                               << toUtf8(face) << " at " << dpi << " dpi: " << width
                               << " px in its " << room << " px";
    }
}

INSTANTIATE_TEST_SUITE_P(DpisAndFaces, WindowCaptionFitTest,
                         ::testing::Combine(::testing::Values(96, 144), ::testing::Bool()));

}  // namespace
}  // namespace speedrail::win32::testing
