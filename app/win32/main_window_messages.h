// The main window's private messages.
#pragma once

#include <windows.h>

#include "platform/win32/web_request.h"

namespace speedrail::win32 {

// Clicks a control (wParam: its layout::ControlId) as the mouse would, once
// the window reads its messages again. A screen reader's default action
// posts it, so that the reader does not wait for a handler that may open a
// message box.
constexpr UINT kClickControlMessage = WM_APP + 2;
static_assert(kClickControlMessage != kWebAnswerMessage, "two meanings for one message");

}  // namespace speedrail::win32
