#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/form_fixture.h"

namespace speedrail {
namespace {

using layout::ControlId;
using Texts = std::vector<std::string>;

constexpr const char* kNewScript = "@wmic service get name > srv.tmp\r\n@exit\r\n";

struct ScanFixture : ::testing::Test, testing::RecordedForm {};

TEST_F(ScanFixture, FirstScanWritesTheScriptRunsItAndTicksEveryName) {
    platform.onLaunch = [&](const std::string& line) {
        if (line == "srv.cmd")
            platform.files["srv.tmp"] = "Name \r\nBITS \r\nSpooler\r\nRpcSs  \r\n";
    };
    form.Click(ControlId::Command1);

    EXPECT_EQ(platform.files.at("srv.cmd"), kNewScript);
    EXPECT_EQ(platform.calls, (Texts{"exists srv.cmd", "write srv.cmd",
                                     "launch srv.cmd | style 7 | null input | working folder",
                                     "sleep 2000", "wait 28000", "read srv.tmp"}));
    ASSERT_EQ(form.state().list.count(), 3);
    EXPECT_EQ(form.state().list.text(0), "BITS ");
    EXPECT_EQ(form.state().list.text(2), "RpcSs  ");
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(form.state().status, " >  3 servicios detectados ");
    EXPECT_EQ(form.state().serviceCount, 3);
    EXPECT_EQ(window.events.front(), "pointer 99");
    EXPECT_EQ(Texts(window.events.end() - 2, window.events.end()),
              (Texts{"pointer 0", "foreground"}));
    EXPECT_TRUE(window.boxesEnabled);
}

TEST_F(ScanFixture, StepsRunInOrderWithRepaints) {
    testing::scanListing(form, platform, testing::listingNaming({"A"}));
    EXPECT_EQ(window.events,
              (Texts{"pointer 99", "status  > Analizando servicios ...", "repaint status",
                     "list changed", "repaint list", "status  >  1 servicios detectados ",
                     "repaint status", "enable boxes", "pointer 0", "foreground"}));
}

TEST_F(ScanFixture, AnExistingScriptRunsUnchanged) {
    platform.files["srv.cmd"] = "@echo custom > srv.tmp\r\n";
    form.Click(ControlId::Command1);
    EXPECT_EQ(platform.files.at("srv.cmd"), "@echo custom > srv.tmp\r\n");
    EXPECT_TRUE(platform.callsStartingWith("write").empty());
    EXPECT_EQ(platform.callsStartingWith("launch").size(), 1u);
}

TEST_F(ScanFixture, MissingOrEmptyListingGivesAnEmptyListAndCountZero) {
    for (const bool present : {false, true}) {
        scan({"old entry"});
        platform.files.erase("srv.tmp");
        if (present) platform.files["srv.tmp"] = "";
        form.Click(ControlId::Command1);
        EXPECT_EQ(form.state().list.count(), 0);
        EXPECT_EQ(form.state().status, " >  0 servicios detectados ");
        EXPECT_TRUE(window.boxesEnabled);
        EXPECT_EQ(window.pointer, Pointer::Default);
    }
}

// Where the listing tool is missing (Windows 11 from 25H2) or fails, the
// program's own script leaves a listing without names: the names then come
// from the service manager. A user's own script is taken at its word.
TEST(Scan, OnlyTheProgramsOwnScriptFallsBackToTheServiceManager) {
    enum class Script { Absent, Own, OwnAndMore, Users };
    struct Case {
        const char* what;
        Script script;
        std::optional<std::string> listing;  // nothing: srv.tmp missing
        Texts expected;
        bool managerAsked;
    };
    const Texts manager = {"AarSvc_686e4", "BITS", "Spooler"};
    const Texts listed = {"BITS   ", "Spooler"};
    const std::string usersScript = "@wmic service get name > srv.tmp\n@exit\n";
    for (const Case& c : {
             Case{"written, no listing", Script::Absent, std::nullopt, manager, true},
             Case{"written, empty listing", Script::Absent, "", manager, true},
             Case{"kept, header only", Script::Own, "Name   \r\n", manager, true},
             Case{"kept, header and blank lines", Script::Own, "Name\r\n\r\n  \r\n", manager, true},
             Case{"written, names listed", Script::Absent, "Name\r\nBITS   \r\nSpooler\r\n", listed,
                  false},
             Case{"kept, names listed", Script::Own, "Name\r\nBITS   \r\nSpooler\r\n", listed,
                  false},
             Case{"user's, empty listing", Script::Users, "", {}, false},
             Case{"own text and more, empty listing", Script::OwnAndMore, "", {}, false},
             Case{"user's, no listing", Script::Users, std::nullopt, {}, false},
         }) {
        SCOPED_TRACE(c.what);
        testing::RecordedForm recorded;
        auto& window = recorded.window;
        auto& platform = recorded.platform;
        auto& form = recorded.form;
        platform.managerServices = manager;
        if (c.script != Script::Absent) {
            platform.files["srv.cmd"] = c.script == Script::Own ? kNewScript
                                        : c.script == Script::OwnAndMore
                                            ? std::string(kNewScript) + "@rem\r\n"
                                            : usersScript;
        }
        platform.onLaunch = [&](const std::string&) {
            if (c.listing) platform.files["srv.tmp"] = *c.listing;
        };
        form.Click(ControlId::Command1);

        EXPECT_EQ(recorded.texts(), c.expected);
        EXPECT_EQ(recorded.ticks(), std::vector<bool>(c.expected.size(), true));
        EXPECT_EQ(form.state().status,
                  " >  " + std::to_string(c.expected.size()) + " servicios detectados ");
        EXPECT_EQ(platform.callsStartingWith("service names"),
                  c.managerAsked ? Texts{"service names 32767"} : Texts{});
        EXPECT_TRUE(platform.callsStartingWith("write srv.tmp").empty());
        EXPECT_TRUE(window.boxesEnabled);
        EXPECT_EQ(window.pointer, Pointer::Default);
    }
}

TEST_F(ScanFixture, FailuresAreSkippedAndTheScanStillEnds) {
    platform.folderWritable = false;
    platform.launchFails = [](const std::string&) { return true; };
    platform.files["srv.tmp"] = "Name\r\nOld\r\n";  // left by an earlier run
    form.Click(ControlId::Command1);
    EXPECT_TRUE(platform.callsStartingWith("wait").empty());
    EXPECT_EQ(form.state().list.count(), 1);
    EXPECT_EQ(form.state().status, " >  1 servicios detectados ");
    EXPECT_EQ(window.pointer, Pointer::Default);
}

TEST_F(ScanFixture, UnicodeListingFromTheListingTool) {
    scan({"Spooler  "}, testing::ListingEncoding::Utf16);
    EXPECT_EQ(texts(), Texts{"Spooler  "});
}

TEST_F(ScanFixture, RescanTicksEverythingAndKeepsTheBoxes) {
    scan({"AudioSrv", "Spooler"});
    form.Click(ControlId::Check1);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true}));
    form.Click(ControlId::Command1);
    EXPECT_EQ(ticks(), (std::vector<bool>{true, true}));
    EXPECT_EQ(form.state().box(Box::Check1), 1);
    EXPECT_TRUE(form.state().keepAudio());
}

TEST_F(ScanFixture, HugeListingStopsAtTheListLimit) {
    scan(Texts(40000, "S"));
    EXPECT_EQ(form.state().list.count(), 32767);
    EXPECT_EQ(form.state().status, " >  32767 servicios detectados ");
}

}  // namespace
}  // namespace speedrail
