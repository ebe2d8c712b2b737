// Makes a window answer screen readers: while both live, WM_GETOBJECT for
// the window's client area hands out an AccessibleObject over the model.
// When the window or this object goes, the model goes with it and every
// object a client still holds reports itself disconnected.
#pragma once

#include <windows.h>

#include <memory>

#include "app/win32/accessibility/accessible_model.h"

namespace speedrail::win32 {

class AccessibleWindow {
public:
    AccessibleWindow(HWND window, std::unique_ptr<AccessibleModel> model);
    ~AccessibleWindow();
    AccessibleWindow(const AccessibleWindow&) = delete;
    AccessibleWindow& operator=(const AccessibleWindow&) = delete;

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void detach();

    HWND window_;
    std::shared_ptr<AccessibleModel> model_;
};

}  // namespace speedrail::win32
