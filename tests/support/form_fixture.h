// A Form1 on the recording window, and a list filled the way the user fills
// it: by a scan.
#pragma once

#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/support/listing.h"
#include "tests/support/recording_platform.h"
#include "tests/support/recording_window.h"

namespace speedrail::testing {

// The list's texts and ticks, in order.
std::vector<std::string> textsOf(const ServiceList& list);
std::vector<bool> ticksOf(const ServiceList& list);

// A scan as the user starts it, a click on Command1, where the listing
// script leaves `listing`; then the scan's platform calls are forgotten.
void scanListing(Form1& form, RecordingPlatform& platform, const std::string& listing);

// A Form1 on the recording window and on a platform of the test's choice.
template <typename Platform>
struct FormOn {
    RecordingWindow window;
    Platform platform;
    Form1 form{window, platform};

    FormOn() { window.show(form.state()); }

    std::vector<std::string> texts() const { return textsOf(form.state().list); }
    std::vector<bool> ticks() const { return ticksOf(form.state().list); }
};

struct RecordedForm : FormOn<RecordingPlatform> {
    // Scans a listing that names `names`, so that the list holds them all
    // ticked; then forgets the scan's calls and events.
    void scan(const std::vector<std::string>& names,
              ListingEncoding encoding = ListingEncoding::CodePage);
};

}  // namespace speedrail::testing
