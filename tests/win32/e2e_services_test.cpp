// End to end under the real platform: the real listing tool (or, where it is
// missing, the service manager), sc and net.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "form/layout.h"
#include "form/service_list.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/unique_service_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "services/command_line.h"
#include "services/listing_reader.h"
#include "tests/support/form_fixture.h"
#include "tests/win32/confirming_platform.h"
#include "tests/win32/dropped_tools.h"
#include "tests/win32/platform_test_folder.h"
#include "tests/win32/service_states.h"

namespace speedrail {
namespace {

using layout::ControlId;
using win32::testing::ConfirmingPlatform;
using win32::testing::DroppedTools;

// Keeps the listing tool off this process's search path for as long as it
// lives, and so off the path of the scripts it starts, as on a Windows
// without wmic: every folder on the path that holds a wmic (the prefix's
// forwarder, the system's wbem folder) is left out. The tests' working
// folder, where the listing script also lives, holds none.
class ListingToolOffThePath {
public:
    ListingToolOffThePath() {
        std::vector<wchar_t> value(::GetEnvironmentVariableW(L"PATH", nullptr, 0));
        if (!value.empty() &&
            ::GetEnvironmentVariableW(L"PATH", value.data(), static_cast<DWORD>(value.size()))) {
            saved_ = std::wstring(value.data());
        }
        std::wstring kept;
        const std::wstring path = saved_.value_or(L"");
        for (std::size_t start = 0; start <= path.size();) {
            const std::size_t end = std::min(path.find(L';', start), path.size());
            const std::wstring folder = path.substr(start, end - start);
            start = end + 1;
            if (folder.empty() || holdsListingTool(folder)) continue;
            kept += (kept.empty() ? L"" : L";") + folder;
        }
        EXPECT_TRUE(::SetEnvironmentVariableW(L"PATH", kept.c_str()));
    }
    ~ListingToolOffThePath() {
        ::SetEnvironmentVariableW(L"PATH", saved_ ? saved_->c_str() : nullptr);
    }
    ListingToolOffThePath(const ListingToolOffThePath&) = delete;
    ListingToolOffThePath& operator=(const ListingToolOffThePath&) = delete;

private:
    static bool holdsListingTool(const std::wstring& folder) {
        WIN32_FIND_DATAW found{};
        return static_cast<bool>(
            win32::UniqueFindHandle(::FindFirstFileW((folder + L"\\wmic.*").c_str(), &found)));
    }

    std::optional<std::wstring> saved_;
};

// Each test runs in a fresh working folder, and leaves the services as it
// found them.
struct EndToEnd : win32::testing::PlatformTest, testing::FormOn<ConfirmingPlatform> {
    const testing::ServicesLeftAsFound servicesAsFound;

    std::int16_t entryNamed(const std::string& name) const {
        for (std::int16_t i = 0; i < form.state().list.count(); ++i) {
            if (trimBlanks(form.state().list.text(i)) == name) return i;
        }
        return -1;
    }

    // The services Wine's wmic lists, in its order, each name trimmed.
    // Wine's Win32_Service also holds the drivers, which Windows keeps in
    // Win32_SystemDriver and the scan leaves out; wmic's own type column
    // tells them apart.
    std::vector<std::string> servicesTheListingToolLists() {
        createFile("listing.cmd",
                   "@wmic path win32_service get name,servicetype > listing.txt\r\n@exit\r\n");
        const auto script = platform.launch("listing.cmd", ProgramLookup::WorkingFolder,
                                            WindowStyle::MinimizedNoFocus, ChildInput::NullDevice);
        EXPECT_TRUE(script->waitForExit(30000));
        const auto bytes = platform.readFile("listing.txt", kMaxListingBytes);
        if (!bytes) return {};
        const std::string text = decodeListing(
            *bytes, [&](const std::string& raw) { return platform.systemCodePageToUtf8(raw); });
        const std::size_t typeColumn = text.find("ServiceType");
        std::vector<std::string> names;
        for (const auto& line : listingEntries(text, ServiceList::kMaxEntries)) {
            const std::string name = trimBlanks(line.substr(0, typeColumn));
            if (!name.empty() && line.find("Driver", typeColumn) == std::string::npos) {
                names.push_back(name);
            }
        }
        return names;
    }
};

TEST_F(EndToEnd, ScanListsThePrefixServicesThroughTheRealListingTool) {
    form.Click(ControlId::Command1);

    EXPECT_EQ(platform.readFile("srv.cmd", 100), "@wmic service get name > srv.tmp\r\n@exit\r\n");
    ASSERT_GE(entryNamed("Spooler"), 0);
    ASSERT_GE(entryNamed("RpcSs"), 0);
    // The names keep the blanks the listing tool pads them with.
    EXPECT_NE(form.state().list.text(entryNamed("Spooler")), "Spooler");
    EXPECT_EQ(form.state().status,
              " >  " + std::to_string(form.state().list.count()) + " servicios detectados ");
    for (std::int16_t i = 0; i < form.state().list.count(); ++i)
        EXPECT_TRUE(form.state().list.selected(i));
}

// The tools run are the system's own, whatever lies beside the program (here
// the test program) or in the working folder. A wmic.exe in the working
// folder is left out: Wine's command interpreter runs it although the
// script's environment forbids that (the platform test checks the
// environment instead).
TEST_F(EndToEnd, StopRunStopsOnlyTheTickedServiceAndResumeStartsItAgain) {
    const std::wstring programFolder = win32::toWide(childPath(""));
    const DroppedTools dropped(
        childPath("tool_mark.exe"),
        {programFolder + L"sc.exe", programFolder + L"net.exe", programFolder + L"wmic.exe",
         folder_ + L"\\sc.exe", folder_ + L"\\net.exe"});
    ASSERT_TRUE(testing::ensureServiceRunning(L"Spooler", 30000));
    form.Click(ControlId::Command1);
    const std::int16_t spooler = entryNamed("Spooler");
    ASSERT_GE(spooler, 0);
    form.Click(ControlId::Check5);  // pick by hand: nothing ticked
    form.ToggleEntry(spooler);

    const auto before = testing::allServiceStates();
    form.Click(ControlId::Command4);
    EXPECT_EQ(platform.boxesShown, 1);
    EXPECT_TRUE(testing::waitForServiceState(L"Spooler", SERVICE_STOPPED, 30000));
    // Every other service that ran before still runs.
    const auto after = testing::allServiceStates();
    for (const auto& [name, state] : before) {
        if (name == L"Spooler" || state != SERVICE_RUNNING) continue;
        EXPECT_EQ(after.count(name) ? after.at(name) : 0, static_cast<DWORD>(SERVICE_RUNNING))
            << name;
    }
    EXPECT_EQ(form.state().status, " > Se han intentado detener 1 servicios ");

    form.Click(ControlId::Command5);
    EXPECT_TRUE(testing::waitForServiceState(L"Spooler", SERVICE_RUNNING, 30000));
    EXPECT_EQ(form.state().status,
              " > Reanudados " + std::to_string(form.state().list.count()) + " servicios ");
    EXPECT_EQ(dropped.thoseThatRan(), std::vector<std::string>{});
}

// Where Windows has no wmic (Windows 11 from 25H2), the program's own script
// lists nothing and the names come from the service manager: the services
// wmic lists where it is, in its order, without padding; and a service
// picked from them stops and starts again for real.
TEST_F(EndToEnd, WithoutTheListingToolTheScanListsTheManagersServicesAndTheyStopAndStart) {
    const std::vector<std::string> listed = servicesTheListingToolLists();
    ASSERT_GE(std::count(listed.begin(), listed.end(), "Spooler"), 1);
    ASSERT_TRUE(testing::ensureServiceRunning(L"Spooler", 30000));

    const ListingToolOffThePath offThePath;
    form.Click(ControlId::Command1);
    EXPECT_EQ(platform.readFile("srv.tmp", 100).value_or(""), "") << "the script found a wmic";
    EXPECT_EQ(texts(), listed);
    EXPECT_EQ(form.state().status,
              " >  " + std::to_string(listed.size()) + " servicios detectados ");

    const std::int16_t spooler = entryNamed("Spooler");
    ASSERT_GE(spooler, 0);
    form.Click(ControlId::Check5);  // pick by hand: nothing ticked
    form.ToggleEntry(spooler);
    form.Click(ControlId::Command4);
    EXPECT_TRUE(testing::waitForServiceState(L"Spooler", SERVICE_STOPPED, 30000));
    EXPECT_EQ(form.state().status, " > Se han intentado detener 1 servicios ");

    form.Click(ControlId::Command5);
    EXPECT_TRUE(testing::waitForServiceState(L"Spooler", SERVICE_RUNNING, 30000));
}

// A machine with a thousand services more, their names near the longest the
// registry allows and with accents in them: the manager's list no longer
// fits a batch of the usual size, and without wmic the scan still lists
// every one, name for name. Registering them changes the prefix for good, so
// this runs only in a throwaway copy of it (scripts/in-scratch-wine-prefix.sh,
// which sets SPEEDRAIL_SCRATCH_PREFIX); the other runs leave it out.
using ThousandServicesEndToEnd = EndToEnd;

TEST_F(ThousandServicesEndToEnd, WithoutTheListingToolTheScanListsEveryOne) {
    if (::GetEnvironmentVariableW(L"SPEEDRAIL_SCRATCH_PREFIX", nullptr, 0) == 0) {
        GTEST_SKIP() << "registers services for good: only in a throwaway Wine prefix";
    }
    const ListingToolOffThePath offThePath;
    form.Click(ControlId::Command1);
    ASSERT_GE(entryNamed("Spooler"), 0);
    const std::size_t before = texts().size();

    const win32::UniqueServiceHandle manager(
        ::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE));
    ASSERT_TRUE(manager);
    const std::wstring neverStarted = win32::toWide(childPath("tool_mark.exe"));
    std::vector<std::string> registered;
    for (int i = 0; i < 1000; ++i) {
        std::string name = "Prueba " + std::to_string(1000 + i) + " ñandú Über café ";
        name.resize(name.size() + 250 - win32::toWide(name).size(), 'x');
        const std::wstring wide = win32::toWide(name);
        ASSERT_TRUE(win32::UniqueServiceHandle(
            ::CreateServiceW(manager.get(), wide.c_str(), wide.c_str(), SERVICE_QUERY_STATUS,
                             SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                             neverStarted.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr)))
            << name << ": error " << ::GetLastError();
        registered.push_back(name);
    }

    form.Click(ControlId::Command1);
    EXPECT_EQ(platform.readFile("srv.tmp", 100).value_or(""), "") << "the script found a wmic";
    const std::vector<std::string> listed = texts();
    const auto missing = std::count_if(registered.begin(), registered.end(), [&](const auto& name) {
        return std::count(listed.begin(), listed.end(), name) != 1;
    });
    EXPECT_EQ(missing, 0) << "of " << registered.size() << " registered services";
    EXPECT_EQ(listed.size(), before + registered.size());
    EXPECT_EQ(form.state().status,
              " >  " + std::to_string(before + registered.size()) + " servicios detectados ");
}

}  // namespace
}  // namespace speedrail
