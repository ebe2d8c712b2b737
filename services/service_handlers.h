// The handlers of the service controls: the scan, the stop and resume
// runs, the five boxes and the list's ticks. Each works on the form's state
// and tells the window what changed.
#pragma once

#include <cstdint>

#include "form/form.h"

namespace speedrail {

// The runs.
void Command1_Click(Form& form);  // scan
void Command4_Click(Form& form);  // stop
void Command5_Click(Form& form);  // resume

// The box handlers: the keep boxes and the selected-only box. Each runs when
// its box's value changes (SetBox).
void Check1_Click(Form& form);
void Check2_Click(Form& form);
void Check3_Click(Form& form);
void Check4_Click(Form& form);
void Check5_Click(Form& form);

// The box-change rule: a box set to a new value runs its click handler at
// once, whoever sets it; setting the value it already has runs nothing.
void SetBox(Form& form, Box box, int value);
// A click of the user on a box: it takes the other value.
void ToggleBox(Form& form, Box box);
// A click of the user on a list entry (or Space at the caret, or a screen
// reader's default action): its tick changes and nothing else does.
void ToggleEntry(Form& form, std::int16_t index);

}  // namespace speedrail
