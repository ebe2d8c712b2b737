// The box-change rule, and what the user's clicks on boxes and entries do.
#include "services/service_handlers.h"

namespace speedrail {
namespace {

// Each box's own handler, in the boxes' order.
constexpr void (*kBoxHandlers[kBoxCount])(Form&) = {Check1_Click, Check2_Click, Check3_Click,
                                                    Check4_Click, Check5_Click};

}  // namespace

void SetBox(Form& form, Box box, int value) {
    int& stored = form.state.boxes[static_cast<std::size_t>(box)];
    if (stored == value) return;
    stored = value;
    form.window.boxChanged(box, Repaint::Later);
    kBoxHandlers[static_cast<std::size_t>(box)](form);
}

void ToggleBox(Form& form, Box box) { SetBox(form, box, form.state.box(box) == 1 ? 0 : 1); }

void ToggleEntry(Form& form, std::int16_t index) {
    ServiceList& list = form.state.list;
    if (index < 0 || index >= list.count()) return;
    list.setSelected(index, !list.selected(index));
    form.window.entryChanged(index);
}

}  // namespace speedrail
