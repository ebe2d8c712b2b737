#include "form/service_list.h"

#include <stdexcept>

namespace speedrail {

bool ServiceList::append(std::string text) {
    if (entries_.size() >= static_cast<std::size_t>(kMaxEntries)) return false;
    entries_.push_back(Entry{std::move(text), false});
    return true;
}

std::size_t ServiceList::checkedIndex(std::int16_t index) {
    if (index < 0) throw std::out_of_range("negative list index");
    return static_cast<std::size_t>(index);
}

}  // namespace speedrail
