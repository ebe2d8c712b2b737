// The entries of the service list with their ticks. Both the real list
// control (a virtual list drawn from this model) and the test window keep
// their entries here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace speedrail {

class ServiceList {
public:
    // Indexes and counts are signed 16-bit: the list holds at most this many.
    static constexpr std::int16_t kMaxEntries = 32767;

    std::int16_t count() const { return static_cast<std::int16_t>(entries_.size()); }
    const std::string& text(std::int16_t index) const { return at(index).text; }
    bool selected(std::int16_t index) const { return at(index).selected; }
    void setSelected(std::int16_t index, bool selected) { at(index).selected = selected; }
    // Appends an unticked entry; false (and nothing added) once the list is full.
    bool append(std::string text);
    void clear() { entries_.clear(); }

private:
    struct Entry {
        std::string text;
        bool selected = false;
    };
    const Entry& at(std::int16_t index) const { return entries_.at(checkedIndex(index)); }
    Entry& at(std::int16_t index) { return entries_.at(checkedIndex(index)); }
    static std::size_t checkedIndex(std::int16_t index);

    std::vector<Entry> entries_;
};

}  // namespace speedrail
