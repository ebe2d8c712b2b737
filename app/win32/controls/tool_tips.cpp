#include "app/win32/controls/tool_tips.h"

#include <commctrl.h>

#include "platform/win32/wide_text.h"

namespace speedrail::win32 {

bool ToolTips::create(HWND owner) {
    owner_ = owner;
    tips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
    return tips_ != nullptr;
}

// The version 2 size is understood by every Common Controls version, with
// or without a manifest asking for version 6.
TTTOOLINFOW ToolTips::tool(UINT flags, UINT_PTR id) const {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = flags;
    info.hwnd = owner_;
    info.uId = id;
    return info;
}

void ToolTips::addWindowTool(HWND control, const std::string& text) {
    TTTOOLINFOW info = tool(TTF_IDISHWND | TTF_SUBCLASS, reinterpret_cast<UINT_PTR>(control));
    std::wstring wide = toWide(text);
    info.lpszText = wide.data();
    ::SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::addAreaTool(UINT_PTR id, const RECT& area, const std::string& text) {
    TTTOOLINFOW info = tool(TTF_SUBCLASS, id);
    info.rect = area;
    std::wstring wide = toWide(text);
    info.lpszText = wide.data();
    ::SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTips::moveAreaTool(UINT_PTR id, const RECT& area) {
    TTTOOLINFOW info = tool(0, id);
    info.rect = area;
    ::SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace speedrail::win32
