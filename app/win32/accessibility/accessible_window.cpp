#include "app/win32/accessibility/accessible_window.h"

#include "app/win32/accessibility/accessible_object.h"
#include "platform/win32/common_controls.h"

namespace speedrail::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x5AD1;

}  // namespace

AccessibleWindow::AccessibleWindow(HWND window, std::unique_ptr<AccessibleModel> model)
    : window_(window), model_(std::move(model)) {
    if (!window_ || !common_controls::setWindowSubclass(window_, subclassProc, kSubclassId,
                                                        reinterpret_cast<DWORD_PTR>(this))) {
        window_ = nullptr;
    }
}

AccessibleWindow::~AccessibleWindow() { detach(); }

void AccessibleWindow::detach() {
    if (window_) common_controls::removeWindowSubclass(window_, subclassProc, kSubclassId);
    window_ = nullptr;
    model_.reset();
}

LRESULT CALLBACK AccessibleWindow::subclassProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto& accessible = *reinterpret_cast<AccessibleWindow*>(self);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        // No exception may cross into the system's code: without an object
        // of ours the system's standard one answers.
        try {
            if (const LRESULT result = accessibleObjectResult(window, accessible.model_, wParam)) {
                return result;
            }
        } catch (...) {
        }
    } else if (message == WM_NCDESTROY) {
        accessible.detach();
    }
    return common_controls::defSubclassProc(window, message, wParam, lParam);
}

}  // namespace speedrail::win32
