// The ids of the main window's child windows. Each control that has a
// window of its own carries the id of its place in the layout, so that
// GetDlgItem finds it and WM_COMMAND and WM_DRAWITEM name it.
#pragma once

#include <optional>

#include "form/layout.h"

namespace speedrail::win32 {

// Clear of IDOK and IDCANCEL, which the dialog keyboard interface sends for
// Enter and Escape.
constexpr int kFirstControlWindowId = 100;

constexpr int controlWindowId(layout::ControlId id) {
    return kFirstControlWindowId + static_cast<int>(id);
}

// The control whose window carries `windowId`; nothing for any other id.
constexpr std::optional<layout::ControlId> controlOfWindowId(int windowId) {
    const int index = windowId - kFirstControlWindowId;
    if (index < 0 || index >= layout::kControlCount) return std::nullopt;
    return static_cast<layout::ControlId>(index);
}

}  // namespace speedrail::win32
