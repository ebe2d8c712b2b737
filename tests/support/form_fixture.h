// A Form1 on the recording window and platform, and a list filled the way
// the user fills it: by a scan.
#pragma once

#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/support/recording_platform.h"
#include "tests/support/recording_window.h"

namespace speedrail::testing {

// A listing as the listing tool writes it: a header, then one name a line.
std::string listingNaming(const std::vector<std::string>& entries);
// The list's ticks, in order.
std::vector<bool> ticksOf(const ServiceList& list);

struct RecordedForm {
    RecordingWindow window;
    RecordingPlatform platform;
    Form1 form{window, platform};

    RecordedForm() { window.show(form.state()); }

    // Scans a listing that names `entries` (after its header), so that the
    // list holds them all ticked; then forgets the scan's calls and events.
    void scan(const std::vector<std::string>& entries);
    std::vector<bool> ticks() const { return ticksOf(form.state().list); }
};

}  // namespace speedrail::testing
