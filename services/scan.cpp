// The scan: has the system list its services into srv.tmp through the
// scratch script srv.cmd, and fills the list with one ticked entry per name.
// Where the listing tool is missing or fails, the program's own script
// leaves no name behind; the names then come from the service manager.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/blanks.h"
#include "base/number_text.h"
#include "base/try_step.h"
#include "form/service_list.h"
#include "services/listing_reader.h"
#include "services/service_handlers.h"

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

void Command1_Click(Form& form) {
    PlatformOps& platform = form.platform;
    form.window.setPointer(Pointer::Busy);
    showStatus(form, " > Analizando servicios ...", Repaint::Now);
    bool scriptWritten = false;
    tryStep([&] {
        if (!platform.normalFileExists(kListingScript)) {
            scriptWritten = true;
            platform.writeFile(kListingScript, kListingScriptText);
        }
    });
    std::unique_ptr<LaunchedProcess> script;
    tryStep([&] {
        script = platform.launch(kListingScript, ProgramLookup::WorkingFolder,
                                 WindowStyle::MinimizedNoFocus, ChildInput::NullDevice);
    });
    form.state.list.clear();
    form.window.listChanged(Repaint::Later);
    platform.sleep(kFirstWaitMs);
    if (script) script->waitForExit(kLongestListingMs - kFirstWaitMs);

    std::vector<std::string> entries;
    tryStep([&] {
        const auto bytes = platform.readFile(kListing, kMaxListingBytes);
        if (!bytes) return;
        const auto text = decodeListing(
            *bytes, [&](const std::string& raw) { return platform.systemCodePageToUtf8(raw); });
        entries = listingEntries(text, ServiceList::kMaxEntries);
    });
    // The program's own script ran when it was written now or is still
    // byte for byte what an earlier scan wrote. Any other srv.cmd is the
    // user's, and its listing is taken as it is, even when it names nothing.
    tryStep([&] {
        if (namesAService(entries)) return;
        const std::string ownScript = kListingScriptText;
        if (!scriptWritten &&
            platform.readFile(kListingScript, ownScript.size() + 1) != ownScript) {
            return;
        }
        if (auto names = platform.serviceNames(ServiceList::kMaxEntries)) {
            entries = std::move(*names);
        }
    });

    ServiceList& list = form.state.list;
    form.state.serviceCount = 0;
    for (auto& entry : entries) {
        if (!list.append(std::move(entry))) break;
        ++form.state.serviceCount;
    }
    for (std::int16_t i = 0; i < list.count(); ++i) list.setSelected(i, true);
    form.window.listChanged(Repaint::Now);
    showStatus(form, " > " + withSignPlace(form.state.serviceCount) + " servicios detectados ",
               Repaint::Now);
    form.window.enableBoxes();
    form.window.setPointer(Pointer::Default);
    form.window.reclaimForeground();
}

}  // namespace speedrail
