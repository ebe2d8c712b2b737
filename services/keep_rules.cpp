// The keep boxes: every change of one rebuilds the whole selection from the
// boxes that are ticked, and leaves the selected-only mode.
#include "services/categories.h"
#include "services/service_handlers.h"

namespace speedrail {
namespace {

void applyKeepRules(Form& form) {
    SetBox(form, Box::Check5, 0);
    applyKeepPass(form.state, keepCategories());
    form.window.listChanged(Repaint::Now);
}

}  // namespace

void Check1_Click(Form& form) { applyKeepRules(form); }
void Check2_Click(Form& form) { applyKeepRules(form); }
void Check3_Click(Form& form) { applyKeepRules(form); }
void Check4_Click(Form& form) { applyKeepRules(form); }

}  // namespace speedrail
