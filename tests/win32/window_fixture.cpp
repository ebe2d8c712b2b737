#include "window_fixture.h"

#include <commctrl.h>

#include <array>

#include "app/win32/control_window_ids.h"
#include "app/win32/drawing/tick_box.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"
#include "res/resource.h"

namespace speedrail::win32::testing {
namespace {

// The search for the tool-tip control among the thread's windows.
struct ToolTipSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK findToolTipControl(HWND candidate, LPARAM data) {
    auto& search = *reinterpret_cast<ToolTipSearch*>(data);
    std::array<wchar_t, 64> name{};
    ::GetClassNameW(candidate, name.data(), static_cast<int>(name.size()));
    if (::GetWindow(candidate, GW_OWNER) == search.owner &&
        std::wstring(name.data()) == TOOLTIPS_CLASSW) {
        search.found = candidate;
    }
    return search.found ? FALSE : TRUE;
}

// Whether the pointer shows the same image as the program's pointer
// `resourceId`: the tests carry the program's resources.
bool showsProgramPointer(HCURSOR pointer, int resourceId) {
    const UniqueCursor own(
        static_cast<HCURSOR>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                          IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
    ICONINFO shown{}, expected{};
    if (!pointer || !own || !::GetIconInfo(pointer, &shown)) return false;
    const UniqueBitmap shownMask(shown.hbmMask), shownColour(shown.hbmColor);
    if (!::GetIconInfo(own.get(), &expected)) return false;
    const UniqueBitmap expectedMask(expected.hbmMask), expectedColour(expected.hbmColor);
    const auto bits = [](HBITMAP bitmap) {
        BITMAP info{};
        if (!bitmap || !::GetObjectW(bitmap, sizeof(info), &info)) return std::vector<BYTE>{};
        std::vector<BYTE> bytes(static_cast<std::size_t>(info.bmWidthBytes) * info.bmHeight);
        ::GetBitmapBits(bitmap, static_cast<LONG>(bytes.size()), bytes.data());
        return bytes;
    };
    return shown.xHotspot == expected.xHotspot && shown.yHotspot == expected.yHotspot &&
           bits(shown.hbmMask) == bits(expected.hbmMask) &&
           bits(shown.hbmColor) == bits(expected.hbmColor);
}

}  // namespace

std::vector<ToolTip> toolTipsOf(HWND window) {
    ToolTipSearch search{window, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), findToolTipControl,
                        reinterpret_cast<LPARAM>(&search));
    const HWND tips = search.found;
    std::vector<ToolTip> result;
    const auto count = static_cast<int>(::SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; tips && i < count; ++i) {
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        if (!::SendMessageW(tips, TTM_ENUMTOOLSW, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(&tool))) {
            continue;
        }
        std::array<wchar_t, 512> text{};
        tool.lpszText = text.data();
        ::SendMessageW(tips, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
        const HWND control =
            (tool.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.uId) : nullptr;
        result.push_back(ToolTip{control, tool.rect, toUtf8(text.data())});
    }
    return result;
}

std::string pointerName(HCURSOR pointer) {
    if (pointer == ::LoadCursorW(nullptr, IDC_ARROW)) return "arrow";
    if (pointer == ::LoadCursorW(nullptr, IDC_HELP)) return "help";
    if (pointer == ::LoadCursorW(nullptr, IDC_APPSTARTING)) return "working";
    if (showsProgramPointer(pointer, IDC_HAND_POINTER)) return "hand";
    if (showsProgramPointer(pointer, IDC_BUSY)) return "busy";
    return "other";
}

void WindowTest::TearDown() {
    window.reset();
    if (mouseBefore_) ::SetCursorPos(mouseBefore_->x, mouseBefore_->y);
}

MainWindow& WindowTest::open(int dpi, bool show) {
    MainWindowOptions options;
    options.dpi = dpi;
    dpi_ = dpi;
    window = std::make_unique<MainWindow>(platform, options);
    if (show) {
        window->show(SW_SHOWNORMAL);
        window->processPendingEvents();
    }
    return *window;
}

HWND WindowTest::child(layout::ControlId id) const {
    return ::GetDlgItem(window->hwnd(), controlWindowId(id));
}

layout::PixelRect WindowTest::pixelRect(layout::ControlId id) const {
    return layout::toPixels(layout::control(id).rect, dpi_);
}

POINT WindowTest::centreOf(layout::ControlId id) const {
    const layout::PixelRect r = pixelRect(id);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

RECT WindowTest::childRect(layout::ControlId id) const {
    RECT rect{};
    ::GetWindowRect(child(id), &rect);
    ::MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void WindowTest::click(HWND target, POINT client) {
    const LPARAM where = MAKELPARAM(client.x, client.y);
    ::PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageW(target, WM_LBUTTONUP, 0, where);
    window->processPendingEvents();
}

void WindowTest::pressTab(bool shift) {
    std::array<BYTE, 256> keys{};
    ::GetKeyboardState(keys.data());
    const BYTE shiftBefore = keys[VK_SHIFT];
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(keys.data());
    MSG message{::GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
    EXPECT_TRUE(window->translateDialogMessage(message)) << "TAB was not taken";
    keys[VK_SHIFT] = shiftBefore;
    ::SetKeyboardState(keys.data());
    window->processPendingEvents();
}

void WindowTest::pressKey(WORD key) {
    const HWND focus = ::GetFocus();
    const UINT scan = ::MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    ::PostMessageW(focus, WM_KEYDOWN, key, 1 | (scan << 16));
    ::PostMessageW(focus, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000);
    window->processPendingEvents();
}

HCURSOR WindowTest::pointerOverChild(layout::ControlId id) const {
    ::SendMessageW(window->hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(child(id)),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
}

HCURSOR WindowTest::pointerOver(POINT client) {
    if (!mouseBefore_) {
        POINT mouse{};
        ::GetCursorPos(&mouse);
        mouseBefore_ = mouse;
    }
    POINT screen = client;
    ::ClientToScreen(window->hwnd(), &screen);
    EXPECT_TRUE(::SetCursorPos(screen.x, screen.y));
    const HWND under = ::WindowFromPoint(screen);
    ::SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
}

void WindowTest::doubleClick(POINT client) {
    pointerOver(client);  // the mouse goes there
    std::array<INPUT, 4> presses{};
    for (std::size_t i = 0; i < presses.size(); ++i) {
        presses[i].type = INPUT_MOUSE;
        presses[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    EXPECT_EQ(::SendInput(static_cast<UINT>(presses.size()), presses.data(), sizeof(INPUT)),
              presses.size());
    window->processPendingEvents();
}

void WindowTest::scan(const std::vector<std::string>& names) {
    ::speedrail::testing::scanListing(window->form(), platform,
                                      ::speedrail::testing::listingNaming(names));
}

RECT WindowTest::listRow(std::int16_t index) const {
    RECT row{};
    ::SendMessageW(child(layout::ControlId::List1), LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&row));
    return row;
}

POINT WindowTest::onTick(std::int16_t index) const {
    const RECT row = listRow(index);
    const RECT tick = tickBoxIn(row, kListRowTick, dpi_);
    return POINT{(tick.left + tick.right) / 2, (tick.top + tick.bottom) / 2};
}

POINT WindowTest::onText(std::int16_t index) const {
    const RECT row = listRow(index);
    return POINT{captionAreaIn(row, kListRowTick, dpi_).left + 30, (row.top + row.bottom) / 2};
}

}  // namespace speedrail::win32::testing
