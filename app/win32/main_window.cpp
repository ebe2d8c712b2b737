#include "app/win32/main_window.h"

#include <commctrl.h>

#include <stdexcept>
#include <utility>

#include "app/win32/accessibility/accessible_button.h"
#include "app/win32/accessibility/accessible_form.h"
#include "app/win32/accessibility/accessible_list.h"
#include "app/win32/check_box.h"
#include "app/win32/colour.h"
#include "app/win32/common_controls.h"
#include "app/win32/control_window_ids.h"
#include "app/win32/dpi.h"
#include "app/win32/gdi_scope.h"
#include "app/win32/graphical_button.h"
#include "app/win32/main_window_messages.h"
#include "app/win32/resource_ids.h"
#include "platform/win32/wide_text.h"
#include "res/resource.h"

namespace speedrail::win32 {
namespace {

using layout::ControlId;
using layout::ControlKind;

constexpr wchar_t kClassName[] = L"SpeeDRaiL.Form1";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT kDpiChangedMessage = 0x02E0;  // WM_DPICHANGED, Windows 8.1 and later

// Tool ids of the windowless controls' tool-tip rectangles.
constexpr UINT_PTR kFirstAreaTool = 1000;

std::size_t indexOf(ControlId id) { return static_cast<std::size_t>(id); }

ControlId boxControl(Box box) {
    return static_cast<ControlId>(static_cast<int>(ControlId::Check1) + static_cast<int>(box));
}

bool isGraphicalButton(const layout::Control& control) {
    return control.kind == ControlKind::CommandButton && control.picture != nullptr;
}

// Once per process; later windows find the class registered.
void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (::GetClassInfoExW(instance, kClassName, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(::LoadImageW(
        instance, MAKEINTRESOURCEW(IDI_SPEEDRAIL), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_SPEEDRAIL), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassExW(&windowClass)) {
        throw std::runtime_error("cannot register the main window's class");
    }
}

HCURSOR loadOwnCursor(int id, const wchar_t* systemFallback) {
    HCURSOR cursor = static_cast<HCURSOR>(::LoadImageW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    if (cursor) return cursor;
    // Without the program's pointer image, a copy of the system's nearest.
    return static_cast<HCURSOR>(::CopyIcon(::LoadCursorW(nullptr, systemFallback)));
}

}  // namespace

MainWindow::MainWindow(PlatformOps& platform, MainWindowOptions options)
    : options_(options),
      form_(*this, platform),
      list_(layout::control(ControlId::List1), form_.state().list,
            [this](std::int16_t entry) { form_.ToggleEntry(entry); }) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    // Before any control exists: the tool tips and the version 6 look of
    // the standard controls come from it. Without it the window still works.
    common_controls::load();
    registerWindowClass(instance, windowProc);

    busyCursor_.reset(loadOwnCursor(IDC_BUSY, IDC_WAIT));
    handCursor_.reset(loadOwnCursor(IDC_HAND_POINTER, IDC_HAND));
    loadPictures();
    look_.status = &form_.state().status;
    for (const layout::Control& control : layout::controls()) {
        if (control.back && layout::hasOwnWindow(control.id)) {
            backBrushes_[indexOf(control.id)].reset(::CreateSolidBrush(toColorRef(*control.back)));
        }
    }

    const std::wstring caption = toWide(layout::form().caption);
    ::CreateWindowExW(0, kClassName, caption.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!hwnd_) throw std::runtime_error("cannot create the main window");
}

MainWindow::~MainWindow() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

// ---------------------------------------------------------------------------
// The window procedure.

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
            return onCreate() ? 0 : -1;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
            return onControlColour(message, reinterpret_cast<HDC>(wParam),
                                   reinterpret_cast<HWND>(lParam));
        case WM_DRAWITEM:
            onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_MEASUREITEM:
            onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
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
        case kDpiChangedMessage:
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
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Creation.

bool MainWindow::onCreate() {
    look_.dpi = options_.dpi.value_or(dpiForWindow(hwnd_));
    buildFonts();
    createChildren();
    applyFonts();
    createToolTips();
    createAccessibility();
    fitClientArea(0, 0, false);
    return true;
}

void MainWindow::loadPictures() {
    PictureDecoder decoder;
    for (const layout::Control& control : layout::controls()) {
        const int id = pictureResourceId(control.picture);
        if (id == 0) continue;
        const std::size_t index = indexOf(control.id);
        pictures_[index] = decoder.load(::GetModuleHandleW(nullptr), id);
        look_.pictures[index] = pictures_[index] ? &*pictures_[index] : nullptr;
    }
}

void MainWindow::buildFonts() {
    for (const layout::Control& control : layout::controls()) {
        const std::size_t index = indexOf(control.id);
        fonts_[index] = createFont(control.font, faces_, look_.dpi);
        look_.fonts[index] = fonts_[index].get();
    }
}

void MainWindow::applyFonts() {
    for (const layout::Control& control : layout::controls()) {
        const HWND child = children_[indexOf(control.id)];
        if (child && control.id != ControlId::List1) {
            ::SendMessageW(child, WM_SETFONT,
                           reinterpret_cast<WPARAM>(fonts_[indexOf(control.id)].get()), TRUE);
        }
    }
    list_.setFont(fonts_[indexOf(ControlId::List1)].get(), look_.dpi);
}

// The windows are made in tab order, so that their order among the
// window's children is the order the TAB key visits them in.
void MainWindow::createChildren() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    for (const ControlId id : layout::tabOrder()) {
        if (!layout::hasOwnWindow(id)) continue;
        const layout::Control& control = layout::control(id);
        const layout::PixelRect rect = layout::toPixels(control.rect, look_.dpi);
        const int windowId = controlWindowId(id);
        DWORD style = WS_CHILD | WS_TABSTOP;
        if (control.visible) style |= WS_VISIBLE;
        if (!control.enabled) style |= WS_DISABLED;
        HWND child = nullptr;
        if (control.kind == ControlKind::ListBox) {
            list_.setFont(fonts_[indexOf(id)].get(), look_.dpi);
            child = list_.create(hwnd_, windowId, rect);
        } else {
            // Check boxes and graphical buttons are drawn by the window. A
            // box's value is the form's, not the control's: a click asks the
            // form to change it, and the form runs the box's handler.
            const bool drawn = control.kind == ControlKind::CheckBox || isGraphicalButton(control);
            style |= drawn ? BS_OWNERDRAW : BS_PUSHBUTTON;
            const std::wstring caption = toWide(control.caption);
            child = ::CreateWindowExW(0, L"BUTTON", caption.c_str(), style, rect.left, rect.top,
                                      rect.width(), rect.height(), hwnd_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(windowId)),
                                      instance, nullptr);
        }
        if (!child) throw std::runtime_error(std::string("cannot create ") + control.name);
        children_[indexOf(id)] = child;
    }
}

// Nothing of oleacc is loaded here: only a client's first request does that.
void MainWindow::createAccessibility() {
    AccessibleFormSite& site = *this;
    accessible_.push_back(
        std::make_unique<AccessibleWindow>(hwnd_, std::make_unique<AccessibleForm>(site)));
    for (const layout::Control& control : layout::controls()) {
        const HWND child = children_[indexOf(control.id)];
        if (!child) continue;
        std::unique_ptr<AccessibleModel> model;
        if (control.kind == ControlKind::ListBox) {
            model = std::make_unique<AccessibleList>(list_, control);
        } else if (control.kind == ControlKind::CheckBox) {
            const auto box = static_cast<std::size_t>(static_cast<int>(control.id) -
                                                      static_cast<int>(ControlId::Check1));
            model = std::make_unique<AccessibleButton>(
                child, control, [this, box] { return form_.state().boxes[box] == 1; });
        } else {
            model = std::make_unique<AccessibleButton>(child, control, nullptr);
        }
        accessible_.push_back(std::make_unique<AccessibleWindow>(child, std::move(model)));
    }
}

void MainWindow::createToolTips() {
    if (!toolTips_.create(hwnd_)) return;
    for (const layout::Control& control : layout::controls()) {
        const HWND child = children_[indexOf(control.id)];
        if (child && control.toolTip) toolTips_.addWindowTool(child, control.toolTip);
    }
    // Front to back: where rectangles overlap, the front control's tip shows.
    for (const ControlId id : layout::windowlessStacking()) {
        const layout::Control& control = layout::control(id);
        if (control.toolTip) {
            toolTips_.addAreaTool(kFirstAreaTool + indexOf(id), controlRect(id), control.toolTip);
        }
    }
}

void MainWindow::placeChildren() {
    for (const layout::Control& control : layout::controls()) {
        const HWND child = children_[indexOf(control.id)];
        if (!child) continue;
        const layout::PixelRect rect = layout::toPixels(control.rect, look_.dpi);
        ::SetWindowPos(child, nullptr, rect.left, rect.top, rect.width(), rect.height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const ControlId id : layout::windowlessStacking()) {
        if (layout::control(id).toolTip) {
            toolTips_.moveAreaTool(kFirstAreaTool + indexOf(id), controlRect(id));
        }
    }
}

// Sizes the window so that its client area is exactly the form's size at
// the window's DPI, whatever the frame's size is on this system.
void MainWindow::fitClientArea(int x, int y, bool move) {
    RECT window{}, client{};
    ::GetWindowRect(hwnd_, &window);
    ::GetClientRect(hwnd_, &client);
    const int frameWidth = (window.right - window.left) - (client.right - client.left);
    const int frameHeight = (window.bottom - window.top) - (client.bottom - client.top);
    const int width = layout::twipsToPixels(layout::form().clientWidth, look_.dpi) + frameWidth;
    const int height = layout::twipsToPixels(layout::form().clientHeight, look_.dpi) + frameHeight;
    ::SetWindowPos(hwnd_, nullptr, x, y, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE | (move ? 0 : SWP_NOMOVE));
}

void MainWindow::show(int showCommand) {
    ::ShowWindow(hwnd_, showCommand);
    // Focus rectangles show from the start, not only after a key press.
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::SetFocus(children_[indexOf(ControlId::Command1)]);
    ::UpdateWindow(hwnd_);
}

bool MainWindow::translateDialogMessage(MSG& message) {
    return hwnd_ && ::IsDialogMessageW(hwnd_, &message);
}

// ---------------------------------------------------------------------------
// Painting and control colours.

void MainWindow::onPaint() {
    const PaintScope paint(hwnd_);
    paintForm(paint.dc(), paint.area(), look_);
}

LRESULT MainWindow::onControlColour(UINT message, HDC dc, HWND window) {
    const std::optional<ControlId> id = controlOfWindow(window);
    if (!id || !backBrushes_[indexOf(*id)]) {
        return ::DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(window));
    }
    const layout::Control& control = layout::control(*id);
    ::SetBkColor(dc, toColorRef(*control.back));
    if (control.fore) ::SetTextColor(dc, toColorRef(*control.fore));
    return reinterpret_cast<LRESULT>(backBrushes_[indexOf(*id)].get());
}

void MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    const std::optional<ControlId> drawn = controlOfWindowId(static_cast<int>(item.CtlID));
    if (!drawn) return;
    const ControlId id = *drawn;
    if (id == ControlId::List1) {
        list_.draw(item);
    } else if (layout::control(id).kind == ControlKind::CheckBox) {
        const auto box =
            static_cast<std::size_t>(static_cast<int>(id) - static_cast<int>(ControlId::Check1));
        drawCheckBox(item, layout::control(id), form_.state().boxes[box] == 1,
                     fonts_[indexOf(id)].get(), look_.dpi);
    } else if (item.CtlType == ODT_BUTTON) {
        drawGraphicalButton(item, layout::control(id), look_.pictures[indexOf(id)],
                            fonts_[indexOf(id)].get(), look_.dpi);
    }
}

void MainWindow::onMeasureItem(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType == ODT_LISTBOX) item.itemHeight = static_cast<UINT>(list_.itemHeight());
}

// ---------------------------------------------------------------------------
// Events.

void MainWindow::onCommand(int windowId, int notification) {
    const std::optional<ControlId> id = controlOfWindowId(windowId);
    // A double click on a button counts as two clicks.
    if (!id || (notification != BN_CLICKED && notification != BN_DOUBLECLICKED)) return;
    form_.Click(*id);
}

// Enter presses the run button that has the focus, as in a dialog: the
// keyboard interface asks for the default button and clicks it.
LRESULT MainWindow::onGetDefaultId() const {
    const std::optional<ControlId> focused = controlOfWindow(::GetFocus());
    if (!focused || !isGraphicalButton(layout::control(*focused))) return 0;
    return MAKELRESULT(controlWindowId(*focused), DC_HASDEFID);
}

// A windowless control is clicked when the button goes down and comes up
// over the same control.
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
        case layout::PointerStyle::Custom:
            return handCursor_.get();
        case layout::PointerStyle::Help:
            return ::LoadCursorW(nullptr, IDC_HELP);
        case layout::PointerStyle::Default:
            break;
    }
    return ::LoadCursorW(nullptr, IDC_ARROW);
}

layout::PointerStyle MainWindow::pointerAt(HWND target, POINT client) const {
    if (target == hwnd_) {
        const std::optional<ControlId> id = controlAt(client);
        return id ? layout::control(*id).pointer : layout::PointerStyle::Default;
    }
    const std::optional<ControlId> id = controlOfWindow(target);
    return id ? layout::control(*id).pointer : layout::PointerStyle::Default;
}

HCURSOR MainWindow::cursorAt(POINT client) const {
    if (pointer_ == Pointer::Busy) return busyCursor_.get();
    // Disabled and hidden windows take no mouse input: the window under
    // them decides the pointer, as it does for the system.
    HWND target = ::ChildWindowFromPointEx(hwnd_, client, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (!target) target = hwnd_;
    return cursorFor(pointerAt(target, client));
}

bool MainWindow::onSetCursor(HWND target, int hitTest) {
    if (pointer_ == Pointer::Busy) {
        ::SetCursor(busyCursor_.get());
        return true;
    }
    if (hitTest != HTCLIENT) return false;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(hwnd_, &cursor);
    ::SetCursor(cursorFor(pointerAt(target, cursor)));
    return true;
}

// The runs change the pointer and then work without reading messages, so
// the new pointer is put up at once rather than at the next mouse move.
void MainWindow::showPointerNow() {
    POINT cursor{};
    if (!::GetCursorPos(&cursor)) return;
    const HWND under = ::WindowFromPoint(cursor);
    if (under != hwnd_ && !::IsChild(hwnd_, under)) return;
    ::ScreenToClient(hwnd_, &cursor);
    ::SetCursor(cursorAt(cursor));
}

// ---------------------------------------------------------------------------
// DPI, activation, end.

void MainWindow::onDpiChanged(int dpi, const RECT& suggested) {
    look_.dpi = dpi;
    // The children keep their old fonts until the new ones are set.
    std::array<UniqueFont, layout::kControlCount> oldFonts = std::move(fonts_);
    buildFonts();
    applyFonts();
    placeChildren();
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea(suggested.left, suggested.top, true);
    ::RedrawWindow(hwnd_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

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
        target = children_[indexOf(ControlId::Command1)];
    }
    if (target) ::SetFocus(target);
}

void MainWindow::onDestroy() {
    if (options_.endProgramOnClose) ::PostQuitMessage(0);
}

// The last message: the window lets go of this object.
LRESULT MainWindow::onNcDestroy(WPARAM wParam, LPARAM lParam) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    children_.fill(nullptr);
    const HWND window = std::exchange(hwnd_, nullptr);
    return ::DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

// ---------------------------------------------------------------------------
// WindowOps.

void MainWindow::setPointer(Pointer pointer) {
    pointer_ = pointer;
    showPointerNow();
}

// Each console a run starts takes the foreground. The click that started
// the run came to this window, so Windows lets it take the foreground back;
// activation then puts the focus back on the control that had it.
void MainWindow::reclaimForeground() {
    if (::GetForegroundWindow() != hwnd_) ::SetForegroundWindow(hwnd_);
}

void MainWindow::processPendingEvents() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave it for the message loop, which ends the program.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!translateDialogMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

HWND MainWindow::boxWindow(Box box) const { return children_[indexOf(boxControl(box))]; }

void MainWindow::enableBoxes() {
    for (const Box box : {Box::Check1, Box::Check2, Box::Check3, Box::Check4, Box::Check5}) {
        ::EnableWindow(boxWindow(box), TRUE);
    }
}

void MainWindow::boxChanged(Box box, Repaint when) {
    if (when == Repaint::Now) {
        ::RedrawWindow(boxWindow(box), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return;
    }
    ::InvalidateRect(boxWindow(box), nullptr, FALSE);
    ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, boxWindow(box), OBJID_CLIENT, CHILDID_SELF);
}

void MainWindow::listChanged(Repaint when) { list_.modelChanged(when == Repaint::Now); }

void MainWindow::entryChanged(std::int16_t index) { list_.entryChanged(index); }

void MainWindow::statusChanged(Repaint when) {
    const RECT rect = controlRect(ControlId::Label4);
    ::InvalidateRect(hwnd_, &rect, FALSE);
    // A screen reader reads the status line out as it changes.
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, formChildId(ControlId::Label4));
    if (when == Repaint::Now) ::RedrawWindow(hwnd_, &rect, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// ---------------------------------------------------------------------------
// Looking controls up.

HWND MainWindow::controlWindow(ControlId id) const { return children_[indexOf(id)]; }

RECT MainWindow::controlRect(ControlId id) const {
    const layout::PixelRect r = layout::toPixels(layout::control(id).rect, look_.dpi);
    return RECT{r.left, r.top, r.right, r.bottom};
}

std::optional<ControlId> MainWindow::controlOfWindow(HWND window) const {
    if (!window) return std::nullopt;
    for (std::size_t i = 0; i < children_.size(); ++i) {
        if (children_[i] == window) return static_cast<ControlId>(i);
    }
    return std::nullopt;
}

std::optional<ControlId> MainWindow::controlAt(POINT client) const {
    return layout::hitTestPixels(client.x, client.y, look_.dpi);
}

bool MainWindow::postClick(ControlId id) {
    return ::PostMessageW(hwnd_, kClickControlMessage, static_cast<WPARAM>(id), 0) != FALSE;
}

}  // namespace speedrail::win32
