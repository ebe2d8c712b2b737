// The main window's procedure and its input: the child windows' messages
// handed to their controls, clicks on the windowless controls, mouse
// pointers, the keyboard interface and the focus, and the window's end.
#include <exception>
#include <utility>

#include "app/win32/main_window.h"
#include "app/win32/main_window_messages.h"

namespace speedrail::win32 {

using layout::ControlId;

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MainWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->handleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        // Nothing may cross into the system's code: the event is dropped
        // and the window goes on.
        ::OutputDebugStringA(error.what());
    } catch (...) {
        ::OutputDebugStringA("SpeeDRaiL: unknown error in an event handler");
    }
    // A window whose controls could not all be made is not created.
    return message == WM_CREATE ? -1 : 0;
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto point = [lParam] {
        return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    };
    switch (message) {
        case WM_CREATE:
            onCreate();  // a failure throws, and the window is not created
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_LBUTTONDOWN:
            onButtonDown(point());
            return 0;
        case WM_LBUTTONUP:
            onButtonUp(point());
            return 0;
        case WM_CAPTURECHANGED:
            pressed_.reset();
            return 0;
        case WM_SETCURSOR:
            if (onSetCursor(reinterpret_cast<HWND>(wParam), static_cast<short>(LOWORD(lParam)))) {
                return TRUE;
            }
            break;
        case WM_DPICHANGED:
            onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ACTIVATE:
            if (onActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0)) return 0;
            break;
        case WM_SETFOCUS:
            onSetFocus();
            return 0;
        case DM_GETDEFID:
            return onGetDefaultId();
        case kWebAnswerMessage:
            form_.WebAddressAnswered(webAnswerOf(wParam, lParam));
            return 0;
        case kClickControlMessage:
            if (wParam < static_cast<WPARAM>(layout::kControlCount)) {
                form_.Click(static_cast<ControlId>(wParam));
            }
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        case WM_NCDESTROY:
            return onNcDestroy(wParam, lParam);
        default:
            // What a child window tells or asks of its parent about itself
            // (a command, drawing, colours) its control answers.
            if (const std::optional<LRESULT> answer = children_.reflect(message, wParam, lParam)) {
                return *answer;
            }
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Commands, clicks and the keyboard interface.

bool MainWindow::translateDialogMessage(MSG& message) {
    return hwnd_ && ::IsDialogMessageW(hwnd_, &message);
}

// Enter presses the run button that has the focus, as in a dialog: the
// keyboard interface asks for the default button and clicks it.
LRESULT MainWindow::onGetDefaultId() const {
    const HWND focus = ::GetFocus();
    const ChildControl* focused = children_.find(focus);
    if (!focused || !focused->pressedByEnter()) return 0;
    return MAKELRESULT(::GetDlgCtrlID(focus), DC_HASDEFID);
}

// A windowless control is clicked when the button goes down and comes up
// over the same control. The second press of a double click comes as
// WM_LBUTTONDBLCLK, which clicks nothing: a double click is one click.
void MainWindow::onButtonDown(POINT client) {
    ::SetCapture(hwnd_);  // first: taking the capture again clears pressed_
    pressed_ = controlAt(client);
}

void MainWindow::onButtonUp(POINT client) {
    const std::optional<ControlId> pressed = std::exchange(pressed_, std::nullopt);
    if (::GetCapture() == hwnd_) ::ReleaseCapture();
    if (pressed && controlAt(client) == pressed) form_.Click(*pressed);
}

// ---------------------------------------------------------------------------
// Mouse pointers.

HCURSOR MainWindow::cursorFor(layout::PointerStyle style) const {
    switch (style) {
        case layout::PointerStyle::Hand:
            return handCursor_.get();
        case layout::PointerStyle::Help:
            return ::LoadCursorW(nullptr, IDC_HELP);
        case layout::PointerStyle::Default:
            break;
    }
    return ::LoadCursorW(nullptr, IDC_ARROW);
}

layout::PointerStyle MainWindow::pointerAt(HWND target, POINT client) const {
    if (const ChildControl* child = children_.find(target)) return child->layout().pointer;
    const std::optional<ControlId> id = target == hwnd_ ? controlAt(client) : std::nullopt;
    return id ? layout::control(*id).pointer : layout::PointerStyle::Default;
}

// The run's busy pointer over everything; while a web page is being opened,
// the system's "working in background" pointer, as for any program that
// starts something for the user; otherwise the control's own.
HCURSOR MainWindow::cursorAt(HWND target, POINT client) const {
    if (pointer_ == Pointer::Busy) return busyCursor_.get();
    if (form_.state().pageRequested) return ::LoadCursorW(nullptr, IDC_APPSTARTING);
    return cursorFor(pointerAt(target, client));
}

bool MainWindow::onSetCursor(HWND target, int hitTest) {
    if (pointer_ != Pointer::Busy && hitTest != HTCLIENT) return false;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(hwnd_, &cursor);
    ::SetCursor(cursorAt(target, cursor));
    return true;
}

// A new pointer (a run's, a page request's) is put up at once rather than at
// the next mouse move: the runs work without reading messages.
void MainWindow::showPointerNow() {
    POINT cursor{};
    if (!::GetCursorPos(&cursor)) return;
    const HWND under = ::WindowFromPoint(cursor);
    if (under != hwnd_ && !::IsChild(hwnd_, under)) return;
    ::ScreenToClient(hwnd_, &cursor);
    // Disabled and hidden windows take no mouse input: the window under
    // them decides the pointer, as it does for the system.
    const HWND target =
        ::ChildWindowFromPointEx(hwnd_, cursor, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    ::SetCursor(cursorAt(target ? target : hwnd_, cursor));
}

// ---------------------------------------------------------------------------
// Focus, and the window's end.

// The window keeps the focus on the control that had it when the user
// comes back to it from another window. True when the focus was put back.
bool MainWindow::onActivate(bool active, bool minimized) {
    if (!active) {
        const HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd_, focus)) focusBeforeDeactivation_ = focus;
        return false;
    }
    if (minimized || !focusBeforeDeactivation_ || !::IsWindow(focusBeforeDeactivation_)) {
        return false;
    }
    ::SetFocus(focusBeforeDeactivation_);
    return true;
}

void MainWindow::onSetFocus() {
    HWND target = focusBeforeDeactivation_;
    if (!target || !::IsWindow(target) || !::IsWindowEnabled(target)) {
        target = controlWindow(ControlId::Command1);
    }
    if (target) ::SetFocus(target);
}

// The controls go before the window, while their windows are still there.
void MainWindow::onDestroy() {
    children_.clear();
    if (options_.endProgramOnClose) ::PostQuitMessage(0);
}

// The last message: the window lets go of this object.
LRESULT MainWindow::onNcDestroy(WPARAM wParam, LPARAM lParam) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    const HWND window = std::exchange(hwnd_, nullptr);
    return ::DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace speedrail::win32
