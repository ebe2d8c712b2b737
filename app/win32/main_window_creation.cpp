// The main window's creation and layout: its class, its child windows made
// from the layout table, fonts, pictures, tool tips and accessible objects,
// and their places at the window's DPI, again whenever the DPI changes.
#include <stdexcept>
#include <utility>

#include "app/win32/control_window_ids.h"
#include "app/win32/controls/graphical_button.h"
#include "app/win32/drawing/colour.h"
#include "app/win32/drawing/dpi.h"
#include "app/win32/drawing/resource_ids.h"
#include "app/win32/main_window.h"
#include "app/win32/reader_models/accessible_button.h"
#include "app/win32/reader_models/accessible_client_area.h"
#include "app/win32/reader_models/accessible_list.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/wide_text.h"
#include "res/resource.h"

namespace speedrail::win32 {
namespace {

using layout::ControlId;
using layout::ControlKind;

constexpr wchar_t kClassName[] = L"SpeeDRaiL.Form1";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Tool ids of the windowless controls' tool-tip rectangles.
constexpr UINT_PTR kFirstAreaTool = 1000;

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
    for (const layout::Control& control : layout::controls()) {
        if (control.back && layout::hasOwnWindow(control.id)) {
            backBrushes_[indexOf(control.id)].reset(::CreateSolidBrush(toColorRef(*control.back)));
        }
    }

    const std::wstring caption = toWide(layout::window().caption);
    ::CreateWindowExW(0, kClassName, caption.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!hwnd_) throw std::runtime_error("cannot create the main window");
}

MainWindow::~MainWindow() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

void MainWindow::onCreate() {
    look_.dpi = options_.dpi.value_or(dpiForWindow(hwnd_));
    buildFonts();
    createChildren();
    applyFonts();
    createToolTips();
    createAccessibility();
    fitClientArea(0, 0, false);
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
        fonts_[index] = createControlFont(control, faces_, look_.dpi);
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
    ClientAreaSite& site = *this;
    accessible_.push_back(
        std::make_unique<AccessibleWindow>(hwnd_, std::make_unique<AccessibleClientArea>(site)));
    for (const layout::Control& control : layout::controls()) {
        const HWND child = children_[indexOf(control.id)];
        if (!child) continue;
        std::unique_ptr<AccessibleModel> model;
        if (control.kind == ControlKind::ListBox) {
            model = std::make_unique<AccessibleList>(list_, control);
        } else if (control.kind == ControlKind::CheckBox) {
            model = std::make_unique<AccessibleButton>(
                child, control, [this, box = control.id] { return ticked(box); });
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

// Sizes the window so that its client area is exactly the layout's size at
// the window's DPI, whatever the frame's size is on this system.
void MainWindow::fitClientArea(int x, int y, bool move) {
    RECT window{}, client{};
    ::GetWindowRect(hwnd_, &window);
    ::GetClientRect(hwnd_, &client);
    const int frameWidth = (window.right - window.left) - (client.right - client.left);
    const int frameHeight = (window.bottom - window.top) - (client.bottom - client.top);
    const int width = layout::twipsToPixels(layout::window().clientWidth, look_.dpi) + frameWidth;
    const int height =
        layout::twipsToPixels(layout::window().clientHeight, look_.dpi) + frameHeight;
    ::SetWindowPos(hwnd_, nullptr, x, y, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE | (move ? 0 : SWP_NOMOVE));
}

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

}  // namespace speedrail::win32
