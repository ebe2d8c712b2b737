// The keep boxes: every change of one rebuilds the whole selection from the
// boxes that are ticked, and leaves the selected-only mode.
#include "app/form1.h"
#include "services/categories.h"

namespace speedrail {

void Form1::Check1_Click() { ApplyKeepRules(0); }
void Form1::Check2_Click() { ApplyKeepRules(1); }
void Form1::Check3_Click() { ApplyKeepRules(2); }
void Form1::Check4_Click() { ApplyKeepRules(3); }

void Form1::ApplyKeepRules(std::size_t row) {
    const Category& category = keepCategories().at(row);
    SetBox(Box::Check5, 0);
    state_.*category.keepFlag = window_.boxValue(category.box) == 1;
    applyKeepPass(window_, keepCategories(), state_);
}

}  // namespace speedrail
