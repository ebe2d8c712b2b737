#include "tests/support/form_fixture.h"

namespace speedrail::testing {

void RecordedForm::scan(const std::vector<std::string>& entries) {
    std::string listing = "Name\r\n";
    for (const auto& entry : entries) listing += entry + "\r\n";
    platform.files["srv.tmp"] = listing;
    form.Click(layout::ControlId::Command1);
    platform.calls.clear();
    window.events.clear();
}

std::vector<bool> RecordedForm::ticks() const {
    const ServiceList& list = form.state().list;
    std::vector<bool> result;
    for (std::int16_t i = 0; i < list.count(); ++i) result.push_back(list.selected(i));
    return result;
}

}  // namespace speedrail::testing
