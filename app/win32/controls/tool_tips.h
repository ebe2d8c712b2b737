// The window's tool tips: one tool-tip control with a tool per control that
// has a tip. Controls with a window of their own are tools by handle; the
// windowless ones are rectangles of the main window.
#pragma once

#include <windows.h>
// commctrl.h builds on the types windows.h declares.
#include <commctrl.h>

#include <string>

namespace speedrail::win32 {

class ToolTips {
public:
    ToolTips() = default;
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    // The control is owned by `owner` and goes when it goes.
    bool create(HWND owner);

    void addWindowTool(HWND control, const std::string& text);
    // Rectangle tools: the first added wins where rectangles overlap.
    void addAreaTool(UINT_PTR id, const RECT& area, const std::string& text);
    void moveAreaTool(UINT_PTR id, const RECT& area);

private:
    TTTOOLINFOW tool(UINT flags, UINT_PTR id) const;

    HWND owner_ = nullptr;
    HWND tips_ = nullptr;
};

}  // namespace speedrail::win32
