#include <gtest/gtest.h>

#include "tests/support/form_fixture.h"

namespace speedrail {
namespace {

using layout::ControlId;
using Texts = std::vector<std::string>;

struct RunFixture : ::testing::Test, testing::RecordedForm {
    RunFixture() {
        form.Form_Load();
        platform.calls.clear();
        window.events.clear();
    }
    // The entries, scanned; then the user unticks those not in `ticked`.
    void entries(const Texts& texts, const std::vector<bool>& ticked) {
        scan(texts);
        for (std::size_t i = 0; i < ticked.size(); ++i) {
            if (!ticked[i]) form.ToggleEntry(static_cast<std::int16_t>(i));
        }
        window.events.clear();
    }
    // Five entries, entries 1 and 3 ticked.
    void fiveEntries() {
        entries({"Alpha", "Spooler   ", "Gamma", "Two Words", "Epsilon"},
                {false, true, false, true, false});
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
    const FormState before = form.state();
    form.Click(ControlId::Command4);
    EXPECT_EQ(platform.calls, (Texts{"message box 4 | Información - SpeeDRaiL"}));
    EXPECT_EQ(platform.messageBoxTexts.back(),
              "¿Está plenamente seguro de querer detener los servicios indicados?");
    EXPECT_TRUE(window.events.empty());
    EXPECT_EQ(form.state().status, before.status);
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true, false, true, false}));
    EXPECT_EQ(form.state().msgAnswer, 7);
}

TEST_F(RunFixture, StopRunStopsTheTickedEntriesTwice) {
    fiveEntries();
    platform.messageBoxAnswers = {6};
    form.Click(ControlId::Command4);
    EXPECT_EQ(
        platform.calls,
        (Texts{"message box 4 | Información - SpeeDRaiL",
               "launch sc stop \"Spooler\" | style 7 | null input | system folder",
               "launch sc stop \"Two Words\" | style 7 | null input | system folder", "sleep 5000",
               "launch net stop \"Spooler\" | style 7 | null input | system folder",
               "launch net stop \"Two Words\" | style 7 | null input | system folder",
               "sleep 3000"}));
    const Texts expected =
        concat(concat({" > Deteniendo ... "},
                      spinnerCaptions(" > Deteniendo servicios ", {0, 1, 2, 3, 0, 1, 2, 3, 0, 1})),
               {" > Se han intentado detener 2 servicios "});
    EXPECT_EQ(statuses(), expected);
    EXPECT_EQ(window.events.front(), "pointer 99");
    EXPECT_EQ(Texts(window.events.end() - 2, window.events.end()),
              (Texts{"pointer 0", "foreground"}));
    EXPECT_EQ(ticks(), (std::vector<bool>{false, true, false, true, false}));
}

TEST_F(RunFixture, StopRunOverNothingStillWaitsAndCountsZero) {
    for (const bool entriesPresent : {false, true}) {
        if (entriesPresent) entries({"A", "B"}, {false, false});
        platform.calls.clear();
        window.events.clear();
        platform.messageBoxAnswers = {6};
        form.Click(ControlId::Command4);
        EXPECT_TRUE(platform.callsStartingWith("launch").empty());
        EXPECT_EQ(platform.callsStartingWith("sleep"), (Texts{"sleep 5000", "sleep 3000"}));
        EXPECT_EQ(statuses().back(), " > Se han intentado detener 0 servicios ");
        EXPECT_EQ(statuses().size(), entriesPresent ? 6u : 2u);
    }
}

TEST_F(RunFixture, FailedLaunchesStillCountAndTheRunGoesOn) {
    fiveEntries();
    form.ToggleEntry(0);
    platform.messageBoxAnswers = {6};
    platform.launchFails = [](const std::string& line) {
        return line.find("Spooler") != std::string::npos;
    };
    form.Click(ControlId::Command4);
    EXPECT_EQ(platform.callsStartingWith("launch").size(), 6u);
    EXPECT_EQ(form.state().status, " > Se han intentado detener 3 servicios ");
    EXPECT_EQ(window.pointer, Pointer::Default);
}

TEST_F(RunFixture, EmptySelectedEntryGetsAnEmptyNameAndCounts) {
    scan({""});
    platform.messageBoxAnswers = {6};
    form.Click(ControlId::Command4);
    EXPECT_EQ(platform.callsStartingWith("launch"),
              (Texts{"launch sc stop \"\" | style 7 | null input | system folder",
                     "launch net stop \"\" | style 7 | null input | system folder"}));
    EXPECT_EQ(form.state().status, " > Se han intentado detener 1 servicios ");
}

TEST_F(RunFixture, ResumeRunStartsEveryEntryTwice) {
    fiveEntries();
    const auto ticksBefore = ticks();
    form.Click(ControlId::Command5);
    Texts starts;
    for (const char* name : {"Alpha", "Spooler", "Gamma", "Two Words", "Epsilon"}) {
        starts.push_back(std::string("launch sc start \"") + name +
                         "\" | style 7 | null input | system folder");
    }
    EXPECT_EQ(platform.calls, concat(concat(starts, {"sleep 3000"}), starts));
    const Texts expected =
        concat(concat({" > Reanudando servicios ..."},
                      spinnerCaptions(" > Reanudando servicios ", {0, 1, 2, 3, 0, 1, 2, 3, 0, 1})),
               {" > Reanudados 5 servicios "});
    EXPECT_EQ(statuses(), expected);
    EXPECT_EQ(ticks(), ticksBefore);
    EXPECT_EQ(Texts(window.events.end() - 2, window.events.end()),
              (Texts{"pointer 0", "foreground"}));
}

TEST_F(RunFixture, ResumeRunOverAnEmptyListStillPauses) {
    form.Click(ControlId::Command5);
    EXPECT_EQ(platform.calls, (Texts{"sleep 3000"}));
    EXPECT_EQ(form.state().status, " > Reanudados 0 servicios ");
}

TEST_F(RunFixture, EveryRunStartsItsSpinnerAtTheFirstFrame) {
    scan({"A", "B", "C"});
    platform.messageBoxAnswers = {6, 6};
    form.Click(ControlId::Command4);
    form.Click(ControlId::Command5);
    form.Click(ControlId::Command4);
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
