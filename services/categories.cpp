#include "services/categories.h"

#include "services/text_fold.h"

namespace speedrail {

const std::vector<Category>& keepCategories() {
    static const std::vector<Category> categories = {
        {Box::Check1, &FormState::keepAudio, {"audio"}},
        {Box::Check2, &FormState::keepNetwork, {"wcmsv", "wlan", "rpc", "http", "dhcp", "web"}},
        {Box::Check3,
         &FormState::keepSecurity,
         {"crypt", "ikeext", "key", "lms", "policy", "samss", "securityhealth", "sstpsvc"}},
        {Box::Check4, &FormState::keepPrinting, {"pdf24", "spool"}},
    };
    return categories;
}

bool matchesCategory(const std::string& entryText, const std::vector<std::string_view>& keywords) {
    const std::string folded = foldToLower(entryText);
    for (const auto keyword : keywords) {
        if (folded.compare(0, keyword.size(), keyword) == 0) return true;
    }
    return false;
}

void applyKeepPass(WindowOps& window, const std::vector<Category>& categories,
                   const FormState& state) {
    const std::int16_t count = window.listCount();
    for (std::int16_t i = 0; i < count; ++i) window.setListSelected(i, true);
    for (const auto& category : categories) {
        if (!(state.*category.keepFlag)) continue;
        const std::int16_t entries = window.listCount();
        for (std::int16_t i = 0; i < entries; ++i) {
            if (matchesCategory(window.listText(i), category.keywords)) {
                window.setListSelected(i, false);
            }
        }
    }
    window.repaintList();
}

}  // namespace speedrail
