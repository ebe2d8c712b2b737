// The scan: has the system list its services into srv.tmp through the
// scratch script srv.cmd, and fills the list with one ticked entry per name.
#include <memory>

#include "app/form1.h"
#include "app/service_list.h"
#include "base/number_text.h"
#include "base/try_step.h"
#include "services/listing_reader.h"

namespace speedrail {
namespace {

constexpr const char* kListingScript = "srv.cmd";
constexpr const char* kListingScriptText = "@wmic service get name > srv.tmp\r\n@exit\r\n";
constexpr const char* kListing = "srv.tmp";

// The listing tool normally finishes within the first wait; a slow first
// run gets this much more, counted from the end of that wait.
constexpr std::uint32_t kFirstWaitMs = 2000;
constexpr std::uint32_t kLongestListingMs = 30000;

}  // namespace

void Form1::Command1_Click() {
    window_.setPointer(Pointer::Busy);
    tryStep([&] {
        window_.setStatus(" > Analizando servicios ...");
        window_.repaintStatus();
    });
    tryStep([&] {
        if (!platform_.normalFileExists(kListingScript)) {
            platform_.writeFile(kListingScript, kListingScriptText);
        }
    });
    std::unique_ptr<LaunchedProcess> script;
    tryStep([&] {
        script = platform_.launch(kListingScript, ProgramLookup::WorkingFolder,
                                  WindowStyle::Minimized, ChildInput::NullDevice);
    });
    tryStep([&] { window_.listClear(); });
    tryStep([&] { platform_.sleep(kFirstWaitMs); });
    tryStep([&] {
        if (script) script->waitForExit(kLongestListingMs - kFirstWaitMs);
    });

    state_.serviceCount = 0;
    tryStep([&] {
        const auto bytes = platform_.readFile(kListing, kMaxListingBytes);
        if (!bytes) return;
        const auto text = decodeListing(
            *bytes, [&](const std::string& raw) { return platform_.systemCodePageToUtf8(raw); });
        for (const auto& entry : listingEntries(text, ServiceList::kMaxEntries)) {
            window_.listAppend(entry);
            ++state_.serviceCount;
        }
    });
    tryStep([&] {
        const std::int16_t count = window_.listCount();
        for (std::int16_t i = 0; i < count; ++i) window_.setListSelected(i, true);
        window_.repaintList();
    });
    tryStep([&] {
        window_.setStatus(" > " + withSignPlace(state_.serviceCount) + " servicios detectados ");
        window_.repaintStatus();
    });
    for (const Box box : {Box::Check1, Box::Check2, Box::Check3, Box::Check4, Box::Check5}) {
        tryStep([&] { window_.enableBox(box); });
    }
    window_.setPointer(Pointer::Default);
}

}  // namespace speedrail
