#include "services/categories.h"

#include "services/text_fold.h"

namespace speedrail {

const std::vector<Category>& keepCategories() {
    static const std::vector<Category> categories = {
        {Box::Check1, {"audio"}},
        {Box::Check2, {"wcmsv", "wlan", "rpc", "http", "dhcp", "web"}},
        {Box::Check3,
         {"crypt", "ikeext", "key", "lms", "policy", "samss", "securityhealth", "sstpsvc"}},
        {Box::Check4, {"pdf24", "spool"}},
    };
    return categories;
}

namespace {

bool beginsWithAny(const std::string& folded, const std::vector<std::string_view>& keywords) {
    for (const auto keyword : keywords) {
        if (folded.compare(0, keyword.size(), keyword) == 0) return true;
    }
    return false;
}

}  // namespace

bool matchesCategory(const std::string& entryText, const std::vector<std::string_view>& keywords) {
    return beginsWithAny(foldToLower(entryText), keywords);
}

void applyKeepPass(FormState& state, const std::vector<Category>& categories) {
    // Each entry is folded once, however many categories are kept.
    std::vector<const Category*> kept;
    for (const auto& category : categories) {
        if (state.box(category.box) == 1) kept.push_back(&category);
    }
    ServiceList& list = state.list;
    for (std::int16_t i = 0; i < list.count(); ++i) {
        bool keep = false;
        if (!kept.empty()) {
            const std::string folded = foldToLower(list.text(i));
            for (const Category* category : kept) {
                keep = keep || beginsWithAny(folded, category->keywords);
            }
        }
        list.setSelected(i, !keep);
    }
}

}  // namespace speedrail
