// The box-change rule, and what the user's clicks on boxes and entries do.
#include "services/service_handlers.h"

namespace speedrail {
namespace {

void runBoxHandler(Form& form, Box box) {
    switch (box) {
        case Box::Check1:
            Check1_Click(form);
            break;
        case Box::Check2:
            Check2_Click(form);
            break;
        case Box::Check3:
            Check3_Click(form);
            break;
        case Box::Check4:
            Check4_Click(form);
            break;
        case Box::Check5:
            Check5_Click(form);
            break;
    }
}

}  // namespace

void SetBox(Form& form, Box box, int value) {
    int& stored = form.state.boxes[static_cast<std::size_t>(box)];
    if (stored == value) return;
    stored = value;
    form.window.boxChanged(box, Repaint::Later);
    runBoxHandler(form, box);
}

void ToggleBox(Form& form, Box box) { SetBox(form, box, form.state.box(box) == 1 ? 0 : 1); }

void ToggleEntry(Form& form, std::int16_t index) {
    ServiceList& list = form.state.list;
    if (index < 0 || index >= list.count()) return;
    list.setSelected(index, !list.selected(index));
    form.window.entryChanged(index);
}

}  // namespace speedrail
