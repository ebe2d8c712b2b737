// The real program's background music, as the session's audio sink records
// it: the shipped tracks play from start-up on, a folder without tracks plays
// nothing, the pause picture silences the music and the new-track picture
// brings it back.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>

#include "app/win32/drawing/dpi.h"
#include "form/layout.h"
#include "tests/win32/audio_sink.h"
#include "tests/win32/platform_test_folder.h"
#include "tests/win32/started_program.h"

namespace speedrail::win32::testing {
namespace {

constexpr DWORD kTimeoutMs = 30000;
// How long the sink is listened to for a silence: music that plays fills it
// with sound within a fraction of this.
constexpr DWORD kListenMs = 3000;
// A tenth of a second of sound at 48 kHz: music, not a stray click.
constexpr std::uint64_t kHeardFrames = 4800;

// Whether `condition` holds at every poll for `milliseconds`.
template <typename Condition>
bool holdsFor(Condition condition, DWORD milliseconds) {
    return !waitFor([&] { return !condition(); }, milliseconds);
}

class ProgramMusic : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        sink_ = AudioSink::ofSession();
        if (!sink_) GTEST_SKIP() << "no audio sink: run the tests in scripts/in-wine-session.sh";
        sink_->clear();
    }
    // A program still running is ended before its folder goes.
    void TearDown() override {
        program_.reset();
        PlatformTest::TearDown();
    }

    // Starts the distributed program in `folder` and waits for its warning.
    void startIn(const std::wstring& folder) {
        program_.emplace(start(distributedProgram(), folder));
        ASSERT_TRUE(program_->process);
        ASSERT_TRUE(waitFor(
            [&] {
                windows_ = windowsOf(program_->id);
                return windows_.warning && ::IsWindowVisible(windows_.warning);
            },
            kTimeoutMs))
            << "no start-up message";
    }

    // Answers the warning and waits for the main window.
    void answerWarning() {
        ::PostMessageW(windows_.warning, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ASSERT_TRUE(waitFor(
            [&] {
                windows_ = windowsOf(program_->id);
                return windows_.main && ::IsWindowVisible(windows_.main);
            },
            kTimeoutMs))
            << "the main window did not appear";
    }

    // Clicks a picture of the main window as the mouse does, button down and
    // up over its centre. True once the program has handled the click.
    bool click(layout::ControlId picture) const {
        const layout::PixelRect rect =
            layout::toPixels(layout::control(picture).rect, dpiForWindow(windows_.main));
        const LPARAM centre =
            MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        DWORD_PTR result = 0;
        return ::SendMessageTimeoutW(windows_.main, WM_LBUTTONDOWN, MK_LBUTTON, centre, SMTO_NORMAL,
                                     kTimeoutMs, &result) &&
               ::SendMessageTimeoutW(windows_.main, WM_LBUTTONUP, 0, centre, SMTO_NORMAL,
                                     kTimeoutMs, &result);
    }

    void closeProgram() {
        ::PostMessageW(windows_.main, WM_CLOSE, 0, 0);
        EXPECT_EQ(::WaitForSingleObject(program_->process.get(), kTimeoutMs), WAIT_OBJECT_0);
    }

    bool heardSince(const AudioSink::Position& since) const {
        return waitFor([&] { return sink_->loudFramesSince(since) >= kHeardFrames; }, kTimeoutMs);
    }
    bool silentSince(const AudioSink::Position& since) const {
        return holdsFor([&] { return sink_->loudFramesSince(since) == 0; }, kListenMs);
    }

    std::optional<AudioSink> sink_;
    std::optional<StartedProgram> program_;
    ProgramWindows windows_;
};

TEST_F(ProgramMusic, ShippedTracksPlayFromStartUpBeforeTheWarningIsAnswered) {
    startIn(distributionFolder());
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(heardSince({}))
        << "no music while the warning shows (GStreamer's MIDI plugins and a sound font "
           "installed?)";
    EXPECT_TRUE(::IsWindowVisible(windows_.warning));
    const HWND main = windowsOf(program_->id).main;
    EXPECT_FALSE(main && ::IsWindowVisible(main));

    answerWarning();
    ASSERT_FALSE(HasFatalFailure());
    closeProgram();
}

// The folder's one MIDI file is not named as the tracks are (0.mid, ...), so
// the track drawn has no file.
TEST_F(ProgramMusic, FolderWithoutTracksPlaysNothingNotEvenForTheNewTrackPicture) {
    ASSERT_TRUE(::CopyFileW((distributionFolder() + L"\\0.mid").c_str(),
                            (folder_ + L"\\tune.mid").c_str(), TRUE));
    startIn(folder_);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(silentSince({})) << "music at start-up";

    answerWarning();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(click(layout::ControlId::Image3));
    EXPECT_TRUE(silentSince({})) << "music after the new-track picture";
    closeProgram();
    EXPECT_EQ(sink_->loudFramesSince({}), 0u);
}

TEST_F(ProgramMusic, PausePictureSilencesTheMusicAndTheNewTrackPictureBringsItBack) {
    startIn(distributionFolder());
    ASSERT_FALSE(HasFatalFailure());
    answerWarning();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(heardSince(sink_->position())) << "the music is not playing";

    ASSERT_TRUE(click(layout::ControlId::Image2));
    const AudioSink::Position paused = sink_->position();
    EXPECT_TRUE(silentSince(paused)) << "music after the pause picture";

    ASSERT_TRUE(click(layout::ControlId::Image3));
    EXPECT_TRUE(heardSince(paused)) << "no music after the new-track picture";
    closeProgram();
}

}  // namespace
}  // namespace speedrail::win32::testing
