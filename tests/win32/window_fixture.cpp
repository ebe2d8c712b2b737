#include "window_fixture.h"

#include <array>

namespace speedrail::win32::testing {

void WindowTest::TearDown() { window.reset(); }

MainWindow& WindowTest::open(int dpi, bool show) {
    MainWindowOptions options;
    options.dpi = dpi;
    window = std::make_unique<MainWindow>(platform, options);
    if (show) {
        window->show(SW_SHOWNORMAL);
        window->processPendingEvents();
    }
    return *window;
}

void WindowTest::scan(const std::vector<std::string>& entries) {
    std::string listing = "Name\r\n";
    for (const auto& entry : entries) listing += entry + "\r\n";
    platform.files["srv.tmp"] = listing;
    window->form().Click(layout::ControlId::Command1);
    window->processPendingEvents();
    platform.calls.clear();
}

std::vector<bool> WindowTest::ticks() const {
    const ServiceList& list = window->form().state().list;
    std::vector<bool> result;
    for (std::int16_t i = 0; i < list.count(); ++i) result.push_back(list.selected(i));
    return result;
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

POINT WindowTest::centreOf(layout::ControlId id) const {
    const layout::PixelRect r = window->controlRect(id);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

RECT WindowTest::childRect(layout::ControlId id) const {
    RECT rect{};
    ::GetWindowRect(window->controlWindow(id), &rect);
    ::MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace speedrail::win32::testing
