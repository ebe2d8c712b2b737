// The main window's creation and layout: its class, its controls made from
// the layout table, the painter of its surface, tool tips and accessible
// object, and their places at the window's DPI, again whenever the DPI
// changes.
#include <memory>
#include <stdexcept>

#include "app/win32/main_window.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/wide_text.h"
#include "res/resource.h"

namespace speedrail::win32 {
namespace {

using layout::ControlId;

constexpr wchar_t kClassName[] = L"SpeeDRaiL.Form1";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The tool id of a windowless control's tool-tip rectangle.
UINT_PTR areaTool(ControlId id) { return 1000 + static_cast<UINT_PTR>(id); }

// Once per process; later windows find the class registered.
void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (::GetClassInfoExW(instance, kClassName, &windowClass)) return;
    // The pictures and labels handle no double click: its second press comes
    // apart (WM_LBUTTONDBLCLK), so that it is not taken for a second click.
    windowClass.style = CS_DBLCLKS;
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
    : options_(options), form_(*this, platform) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    // Before any control exists: the tool tips and the version 6 look of
    // the standard controls come from it. Without it the window still works.
    common_controls::load();
    registerWindowClass(instance, windowProc);

    busyCursor_.reset(loadOwnCursor(IDC_BUSY, IDC_WAIT));
    handCursor_.reset(loadOwnCursor(IDC_HAND_POINTER, IDC_HAND));

    const std::wstring caption = toWide(layout::window().caption);
    ::CreateWindowExW(0, kClassName, caption.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!hwnd_) throw std::runtime_error("cannot create the main window");
}

MainWindow::~MainWindow() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

void MainWindow::onCreate() {
    dpi_ = options_.dpi.value_or(dpiForWindow(hwnd_));
    PictureDecoder pictures;
    surface_.loadPictures(pictures);
    surface_.makeFonts(faces_, dpi_);
    children_.create(hwnd_, form_, pictures, faces_, dpi_);
    createToolTips();
    // Nothing of oleacc is loaded here: only a client's first request does that.
    ClientAreaSite& site = *this;
    accessible_.emplace(hwnd_, std::make_unique<AccessibleClientArea>(site));
    fitClientArea(0, 0, false);
}

void MainWindow::createToolTips() {
    if (!toolTips_.create(hwnd_)) return;
    for (const layout::Control& control : layout::controls()) {
        const HWND child = controlWindow(control.id);
        if (child && control.toolTip) toolTips_.addWindowTool(child, control.toolTip);
    }
    // Front to back: where rectangles overlap, the front control's tip shows.
    for (const ControlId id : layout::windowlessStacking()) {
        const layout::Control& control = layout::control(id);
        if (control.toolTip) {
            toolTips_.addAreaTool(areaTool(id), controlRect(id), control.toolTip);
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
    const int width = layout::twipsToPixels(layout::window().clientWidth, dpi_) + frameWidth;
    const int height = layout::twipsToPixels(layout::window().clientHeight, dpi_) + frameHeight;
    ::SetWindowPos(hwnd_, nullptr, x, y, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE | (move ? 0 : SWP_NOMOVE));
}

void MainWindow::onDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    surface_.makeFonts(faces_, dpi_);
    children_.setDpi(faces_, dpi_);
    for (const ControlId id : layout::windowlessStacking()) {
        if (layout::control(id).toolTip) toolTips_.moveAreaTool(areaTool(id), controlRect(id));
    }
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea(suggested.left, suggested.top, true);
    ::RedrawWindow(hwnd_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace speedrail::win32
