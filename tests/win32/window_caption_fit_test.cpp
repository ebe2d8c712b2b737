// Every caption the window draws fits inside its control, in the font the
// window really chose. Where Windows' own faces are missing (under Wine),
// a stand-in draws them; a stand-in wider than the face it replaces would
// clip the captions, and this test names it.
#include <windows.h>

#include <string>

#include "app/win32/check_box.h"
#include "app/win32/fonts.h"
#include "app/win32/gdi_scope.h"
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

// The width the caption is drawn in: a box's caption right of its tick box,
// a button's inside its focus outline and raised edge, a label's across
// its whole rectangle.
int roomFor(HWND child, ControlId id, int dpi) {
    if (!child) return layout::toPixels(layout::control(id).rect, dpi).width();
    RECT face{};
    ::GetClientRect(child, &face);
    if (layout::control(id).kind == layout::ControlKind::CheckBox) {
        const RECT caption = checkBoxCaptionArea(face, dpi);
        return caption.right - caption.left;
    }
    return face.right - face.left - 2 * (1 + ::GetSystemMetrics(SM_CXEDGE));
}

class WindowCaptionFitTest : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(WindowCaptionFitTest, EveryCaptionFitsInTheFaceTheWindowChose) {
    const int dpi = GetParam();
    open(dpi);
    const WindowDc screen(nullptr);
    FontFaces faces;  // the labels' fonts, made as the window makes them
    for (const ControlId id : kCaptioned) {
        const layout::Control& control = layout::control(id);
        const HWND own = child(id);
        UniqueFont labelFont;
        if (!own) labelFont = createFont(control.font, faces, dpi);
        const auto font =
            own ? reinterpret_cast<HFONT>(::SendMessageW(own, WM_GETFONT, 0, 0)) : labelFont.get();
        ASSERT_NE(font, nullptr) << control.name;
        const SelectedObject selected(screen.get(), font);
        wchar_t face[LF_FACESIZE]{};  // the face the font mapper really chose
        ::GetTextFaceW(screen.get(), LF_FACESIZE, face);
        const std::wstring caption = toWide(control.caption);
        SIZE size{};
        ASSERT_TRUE(::GetTextExtentPoint32W(screen.get(), caption.c_str(),
                                            static_cast<int>(caption.size()), &size));
        const int room = roomFor(own, id, dpi);
        EXPECT_LE(size.cx, room) << control.name << " \"" << control.caption << "\" in "
                                 << toUtf8(face) << " at " << dpi << " dpi: " << size.cx - room
                                 << " px wider than its " << room << " px";
    }
}

INSTANTIATE_TEST_SUITE_P(Dpis, WindowCaptionFitTest, ::testing::Values(96, 144));

}  // namespace
}  // namespace speedrail::win32::testing
