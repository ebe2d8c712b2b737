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
#include "tests/win32/polling.h"
#include "tests/win32/started_program.h"

namespace speedrail::win32::testing {
namespace {

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

class ProgramMusic : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        sink_ = AudioSink::ofSession();
        if (!sink_) GTEST_SKIP() << "no audio sink: run the tests in scripts/in-wine-session.sh";
        sink_->clear();
    }
    // Clicks a picture of the main window as the mouse does, button down and
    // up over its centre. True once the program has handled the click.
    bool click(layout::ControlId picture) const {
        const HWND main = windows().main;
        const layout::PixelRect rect =
            layout::toPixels(layout::control(picture).rect, dpiForWindow(main));
        const LPARAM centre =
            MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        DWORD_PTR result = 0;
        return ::SendMessageTimeoutW(main, WM_LBUTTONDOWN, MK_LBUTTON, centre, SMTO_NORMAL, kWaitMs,
                                     &result) &&
               ::SendMessageTimeoutW(main, WM_LBUTTONUP, 0, centre, SMTO_NORMAL, kWaitMs, &result);
    }

    bool heardSince(const AudioSink::Position& since) const {
        return waitFor([&] { return sink_->loudFramesSince(since) >= kHeardFrames; }, kWaitMs);
    }
    bool silentSince(const AudioSink::Position& since) const {
        return holdsFor([&] { return sink_->loudFramesSince(since) == 0; }, kListenMs);
    }

    std::optional<AudioSink> sink_;
};

TEST_F(ProgramMusic, ShippedTracksPlayFromStartUpBeforeTheWarningIsAnswered) {
    ASSERT_TRUE(start(distributionFolder()));
    EXPECT_TRUE(heardSince({}))
        << "no music while the warning shows (GStreamer's MIDI plugins and a sound font "
           "installed?)";
    const ProgramWindows now = windows();
    EXPECT_TRUE(shown(now.warning));
    EXPECT_FALSE(shown(now.main));

    ASSERT_TRUE(answerWarning());
    EXPECT_TRUE(close());
}

// The folder's one MIDI file is not named as the tracks are (0.mid, ...), so
// the track drawn has no file.
TEST_F(ProgramMusic, FolderWithoutTracksPlaysNothingNotEvenForTheNewTrackPicture) {
    ASSERT_TRUE(::CopyFileW((distributionFolder() + L"\\0.mid").c_str(),
                            (folder_ + L"\\tune.mid").c_str(), TRUE));
    ASSERT_TRUE(start(folder_));
    EXPECT_TRUE(silentSince({})) << "music at start-up";

    ASSERT_TRUE(answerWarning());
    ASSERT_TRUE(click(layout::ControlId::Image3));
    EXPECT_TRUE(silentSince({})) << "music after the new-track picture";
    EXPECT_TRUE(close());
    EXPECT_EQ(sink_->loudFramesSince({}), 0u);
}

TEST_F(ProgramMusic, PausePictureSilencesTheMusicAndTheNewTrackPictureBringsItBack) {
    ASSERT_TRUE(start(distributionFolder()));
    ASSERT_TRUE(answerWarning());
    ASSERT_TRUE(heardSince(sink_->position())) << "the music is not playing";

    // The music's thread closes the player a moment after the click.
    ASSERT_TRUE(click(layout::ControlId::Image2));
    AudioSink::Position paused;
    EXPECT_TRUE(waitFor(
        [&] {
            paused = sink_->position();
            return silentSince(paused);
        },
        kWaitMs))
        << "music after the pause picture";

    ASSERT_TRUE(click(layout::ControlId::Image3));
    EXPECT_TRUE(heardSince(paused)) << "no music after the new-track picture";
    EXPECT_TRUE(close());
}

}  // namespace
}  // namespace speedrail::win32::testing
