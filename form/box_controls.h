// The check box control that shows each box of the form's state, and the
// box a control shows, if any.
#pragma once

#include <optional>

#include "form/form_state.h"
#include "form/layout.h"

namespace speedrail {

// Both enumerations list the five boxes in the same order, from Check1.
constexpr layout::ControlId controlOf(Box box) {
    return static_cast<layout::ControlId>(static_cast<int>(layout::ControlId::Check1) +
                                          static_cast<int>(box));
}

constexpr std::optional<Box> boxOf(layout::ControlId control) {
    const int box = static_cast<int>(control) - static_cast<int>(layout::ControlId::Check1);
    return box >= 0 && box < kBoxCount ? std::optional<Box>(static_cast<Box>(box)) : std::nullopt;
}

static_assert(controlOf(Box::Check1) == layout::ControlId::Check1 &&
                  controlOf(Box::Check2) == layout::ControlId::Check2 &&
                  controlOf(Box::Check3) == layout::ControlId::Check3 &&
                  controlOf(Box::Check4) == layout::ControlId::Check4 &&
                  controlOf(Box::Check5) == layout::ControlId::Check5,
              "the boxes and their controls are listed in the same order");
static_assert(!boxOf(layout::ControlId::Command1) &&
                  boxOf(layout::ControlId::Check5) == Box::Check5,
              "only the five boxes' controls show a box");

}  // namespace speedrail
