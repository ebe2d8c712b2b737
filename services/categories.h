// The categories the keep boxes keep running, and the rule that tells
// whether a list entry belongs to one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/form_state.h"
#include "app/window_ops.h"

namespace speedrail {

struct Category {
    Box box;
    bool FormState::*keepFlag;
    std::vector<std::string_view> keywords;  // lower case
};

// Audio, network, security and printing, in the order they are applied.
const std::vector<Category>& keepCategories();

// Whether the entry's text, folded to lower case and not trimmed, begins
// with one of the keywords.
bool matchesCategory(const std::string& entryText, const std::vector<std::string_view>& keywords);

// Ticks every entry, then unticks the entries matching any category whose
// keep flag is set in `state`; repaints the list once.
void applyKeepPass(WindowOps& window, const std::vector<Category>& categories,
                   const FormState& state);

}  // namespace speedrail
