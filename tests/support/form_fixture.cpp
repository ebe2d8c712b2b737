#include "tests/support/form_fixture.h"

namespace speedrail::testing {

std::string listingNaming(const std::vector<std::string>& entries) {
    std::string listing = "Name\r\n";
    for (const auto& entry : entries) listing += entry + "\r\n";
    return listing;
}

std::vector<bool> ticksOf(const ServiceList& list) {
    std::vector<bool> ticks;
    for (std::int16_t i = 0; i < list.count(); ++i) ticks.push_back(list.selected(i));
    return ticks;
}

void RecordedForm::scan(const std::vector<std::string>& entries) {
    platform.files["srv.tmp"] = listingNaming(entries);
    form.Click(layout::ControlId::Command1);
    platform.calls.clear();
    window.events.clear();
}

}  // namespace speedrail::testing
