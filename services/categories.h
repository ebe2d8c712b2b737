// The categories the keep boxes keep running, and the rule that tells
// whether a list entry belongs to one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/form_state.h"

namespace speedrail {

struct Category {
    Box box;                                 // the category is kept while this box is ticked
    std::vector<std::string_view> keywords;  // lower case
};

// Audio, network, security and printing, in the order they are applied.
const std::vector<Category>& keepCategories();

// Whether the entry's text, folded to lower case and not trimmed, begins
// with one of the keywords.
bool matchesCategory(const std::string& entryText, const std::vector<std::string_view>& keywords);

// Ticks every entry except those matching a category whose box is ticked.
void applyKeepPass(FormState& state, const std::vector<Category>& categories);

}  // namespace speedrail
