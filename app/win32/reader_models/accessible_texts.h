// The texts screen readers get beside the window's own captions.
#pragma once

#include <optional>
#include <string>

#include "base/blanks.h"
#include "form/layout.h"

namespace speedrail::win32::accessible_text {

// Default actions, in the window's language.
inline constexpr const char* kTick = "Marcar";
inline constexpr const char* kUntick = "Desmarcar";
inline constexpr const char* kPress = "Presionar";
inline constexpr const char* kOpen = "Abrir";

// A control's tool tip without the blanks it is framed in.
inline std::optional<std::string> toolTip(const layout::Control& control) {
    if (!control.toolTip) return std::nullopt;
    return trimBlanks(control.toolTip);
}

}  // namespace speedrail::win32::accessible_text
