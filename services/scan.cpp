// The scan: has the system list its services into srv.tmp through the
// scratch script srv.cmd, and fills the list with one ticked entry per name.
// Where the listing tool is missing or fails, the program's own script
// leaves no name behind; the names then come from the service manager.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/service_list.h"
#include "base/blanks.h"
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

// Whether a listing names any service: a listing tool that failed leaves
// none, or only the header, or blank lines.
bool namesAService(const std::vector<std::string>& entries) {
    return std::any_of(entries.begin(), entries.end(),
                       [](const std::string& entry) { return !trimBlanks(entry).empty(); });
}

}  // namespace

void Form1::Command1_Click() {
    window_.setPointer(Pointer::Busy);
    tryStep([&] {
        window_.setStatus(" > Analizando servicios ...");
        window_.repaintStatus();
    });
    bool scriptWritten = false;
    tryStep([&] {
        if (!platform_.normalFileExists(kListingScript)) {
            scriptWritten = true;
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

    std::vector<std::string> entries;
    tryStep([&] {
        const auto bytes = platform_.readFile(kListing, kMaxListingBytes);
        if (!bytes) return;
        const auto text = decodeListing(
            *bytes, [&](const std::string& raw) { return platform_.systemCodePageToUtf8(raw); });
        entries = listingEntries(text, ServiceList::kMaxEntries);
    });
    // The program's own script ran when it was written now or is still
    // byte for byte what an earlier scan wrote. Any other srv.cmd is the
    // user's, and its listing is taken as it is, even when it names nothing.
    tryStep([&] {
        if (namesAService(entries)) return;
        const std::string ownScript = kListingScriptText;
        if (!scriptWritten &&
            platform_.readFile(kListingScript, ownScript.size() + 1) != ownScript) {
            return;
        }
        if (auto names = platform_.serviceNames(ServiceList::kMaxEntries)) {
            entries = std::move(*names);
        }
    });

    state_.serviceCount = 0;
    tryStep([&] {
        for (const auto& entry : entries) {
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
    window_.reclaimForeground();
}

}  // namespace speedrail
