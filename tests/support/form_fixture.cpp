#include "tests/support/form_fixture.h"

namespace speedrail::testing {

std::vector<std::string> textsOf(const ServiceList& list) {
    std::vector<std::string> texts;
    for (std::int16_t i = 0; i < list.count(); ++i) texts.push_back(list.text(i));
    return texts;
}

std::vector<bool> ticksOf(const ServiceList& list) {
    std::vector<bool> ticks;
    for (std::int16_t i = 0; i < list.count(); ++i) ticks.push_back(list.selected(i));
    return ticks;
}

void scanListing(Form1& form, RecordingPlatform& platform, const std::string& listing) {
    platform.files["srv.tmp"] = listing;
    form.Click(layout::ControlId::Command1);
    platform.calls.clear();
}

void RecordedForm::scan(const std::vector<std::string>& names, ListingEncoding encoding) {
    scanListing(form, platform, listingNaming(names, encoding));
    window.events.clear();
}

}  // namespace speedrail::testing
