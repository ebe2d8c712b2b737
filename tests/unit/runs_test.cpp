#include <gtest/gtest.h>

#include "app/form1.h"
#include "tests/support/recording_platform.h"
#include "tests/support/recording_window.h"

namespace speedrail {
namespace {

using testing::RecordingPlatform;
using testing::RecordingWindow;
using Texts = std::vector<std::string>;

struct RunFixture : ::testing::Test {
    RecordingWindow window;
    RecordingPlatform platform;
    Form1 form{window, platform};

    RunFixture() {
        form.Form_Load();
        platform.calls.clear();
        window.events.clear();
    }
    // Five entries, entries 1 and 3 ticked.
    void fiveEntries() {
        window.fillList({"Alpha", "Spooler   ", "Gamma", "Two Words", "Epsilon"}, false);
        window.setListSelected(1, true);
        window.setListSelected(3, true);
    }
    Texts statuses() const {
        Texts result;
        for (const auto& e : window.events) {
            if (e.rfind("status ", 0) == 0) result.push_back(e.substr(7));
        }
        return result;
    }
    static Texts spinnerCaptions(const std::string& prefix, std::initializer_list<int> frames) {
        static const char* const glyphs[] = {"- ", "\\ ", "| ", "/ "};
        Texts captions;
        for (const int f : frames) captions.push_back(prefix + glyphs[f]);
        return captions;
    }
};

Texts concat(Texts a, const Texts& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(RunFixture, StopRunAnsweredNoDoesNothing) {
    fiveEntries();
    platform.messageBoxAnswers = {7};
    window.status = "before";
    form.Command4_Click();
    EXPECT_EQ(platform.calls, (Texts{"message box 4 | Información - SpeeDRaiL"}));
    EXPECT_EQ(platform.messageBoxTexts.back(),
              "¿Está plenamente seguro de querer detener los servicios indicados?");
    EXPECT_TRUE(window.events.empty());
    EXPECT_EQ(form.state().msgAnswer, 7);
}

TEST_F(RunFixture, StopRunStopsTheTickedEntriesTwice) {
    fiveEntries();
    platform.messageBoxAnswers = {6};
    form.Command4_Click();
    EXPECT_EQ(
        platform.calls,
        (Texts{"message box 4 | Información - SpeeDRaiL",
               "launch sc stop \"Spooler\" | style 2 | null input | system folder",
               "launch sc stop \"Two Words\" | style 2 | null input | system folder", "sleep 5000",
               "launch net stop \"Spooler\" | style 2 | null input | system folder",
               "launch net stop \"Two Words\" | style 2 | null input | system folder",
               "sleep 3000"}));
    const Texts expected = concat(
        concat({" > Deteniendo ... "},
               spinnerCaptions(" > Deteniendo servicios ", {0, 1, 2, 3, 0, 1, 2, 3, 0, 1})),
        {" > Se han intentado detener 2 servicios "});
    EXPECT_EQ(statuses(), expected);
    EXPECT_EQ(window.events.front(), "pointer 99");
    EXPECT_EQ(Texts(window.events.end() - 2, window.events.end()),
              (Texts{"pointer 0", "foreground"}));
    EXPECT_EQ(window.ticks(), (std::vector<bool>{false, true, false, true, false}));
}

TEST_F(RunFixture, StopRunOverNothingStillWaitsAndCountsZero) {
    for (const bool entriesPresent : {false, true}) {
        window.fillList(entriesPresent ? Texts{"A", "B"} : Texts{}, false);
        platform.calls.clear();
        window.events.clear();
        platform.messageBoxAnswers = {6};
        form.Command4_Click();
        EXPECT_TRUE(platform.callsStartingWith("launch").empty());
        EXPECT_EQ(platform.callsStartingWith("sleep"), (Texts{"sleep 5000", "sleep 3000"}));
        EXPECT_EQ(statuses().back(), " > Se han intentado detener 0 servicios ");
        EXPECT_EQ(statuses().size(), entriesPresent ? 6u : 2u);
    }
}

TEST_F(RunFixture, FailedLaunchesStillCountAndTheRunGoesOn) {
    fiveEntries();
    window.setListSelected(0, true);
    platform.messageBoxAnswers = {6};
    platform.launchFails = [](const std::string& line) { return line.find("Spooler") != std::string::npos; };
    form.Command4_Click();
    EXPECT_EQ(platform.callsStartingWith("launch").size(), 6u);
    EXPECT_EQ(window.status, " > Se han intentado detener 3 servicios ");
    EXPECT_EQ(window.pointer, Pointer::Default);
}

TEST_F(RunFixture, EmptySelectedEntryGetsAnEmptyNameAndCounts) {
    window.fillList({""}, true);
    platform.messageBoxAnswers = {6};
    form.Command4_Click();
    EXPECT_EQ(platform.callsStartingWith("launch"),
              (Texts{"launch sc stop \"\" | style 2 | null input | system folder",
                     "launch net stop \"\" | style 2 | null input | system folder"}));
    EXPECT_EQ(window.status, " > Se han intentado detener 1 servicios ");
}

TEST_F(RunFixture, ResumeRunStartsEveryEntryTwice) {
    fiveEntries();
    const auto ticksBefore = window.ticks();
    form.Command5_Click();
    Texts starts;
    for (const char* name : {"Alpha", "Spooler", "Gamma", "Two Words", "Epsilon"}) {
        starts.push_back(std::string("launch sc start \"") + name +
                         "\" | style 2 | null input | system folder");
    }
    EXPECT_EQ(platform.calls, concat(concat(starts, {"sleep 3000"}), starts));
    const Texts expected = concat(
        concat({" > Reanudando servicios ..."},
               spinnerCaptions(" > Reanudando servicios ", {0, 1, 2, 3, 0, 1, 2, 3, 0, 1})),
        {" > Reanudados 5 servicios "});
    EXPECT_EQ(statuses(), expected);
    EXPECT_EQ(window.ticks(), ticksBefore);
    EXPECT_EQ(Texts(window.events.end() - 2, window.events.end()),
              (Texts{"pointer 0", "foreground"}));
}

TEST_F(RunFixture, ResumeRunOverAnEmptyListStillPauses) {
    window.fillList({}, false);
    form.Command5_Click();
    EXPECT_EQ(platform.calls, (Texts{"sleep 3000"}));
    EXPECT_EQ(window.status, " > Reanudados 0 servicios ");
}

TEST_F(RunFixture, EveryRunStartsItsSpinnerAtTheFirstFrame) {
    window.fillList({"A", "B", "C"}, true);
    platform.messageBoxAnswers = {6, 6};
    form.Command4_Click();
    form.Command5_Click();
    form.Command4_Click();
    Texts firstFrames;
    for (const auto& caption : statuses()) {
        if (caption == " > Deteniendo servicios - " || caption == " > Reanudando servicios - ") {
            firstFrames.push_back(caption);
        }
    }
    // Three entries: frames 0,1,2 then 3,0,1 — frame 0 twice per run.
    EXPECT_EQ(firstFrames.size(), 6u);
    EXPECT_EQ(statuses()[1], " > Deteniendo servicios - ");
}

}  // namespace
}  // namespace speedrail
