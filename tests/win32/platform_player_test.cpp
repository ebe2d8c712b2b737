// The background-music player: it must take any name quietly, and its MIDI
// sequencer fallback must really play.
#include <array>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/form1.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/idle_signal.h"
#include "platform/win32/media_player.h"
#include "platform/win32/midi_sequencer.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "platform_test_folder.h"
#include "tests/support/recording_window.h"
#include "tests/win32/confirming_platform.h"
#include "tests/win32/polling.h"

namespace speedrail::win32::testing {
namespace {

// A one-track MIDI file holding one note of two seconds.
std::string tinyMidiFile() {
    const std::string track(
        "\x00\xC0\x00"          // program change: piano
        "\x00\x90\x3C\x40"      // note on
        "\x8F\x00\x80\x3C\x40"  // 1920 ticks later: note off
        "\x00\xFF\x2F\x00",     // end of track
        16);
    return std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 14) + "MTrk" +
           std::string("\x00\x00\x00", 3) + static_cast<char>(track.size()) + track;
}

// MCI's answer to a command; a refusal fails the test.
std::wstring mciAnswer(const std::wstring& command) {
    const SystemLibrary winmm(L"winmm.dll");
    const auto send = winmm.find<decltype(&::mciSendStringW)>("mciSendStringW");
    std::array<wchar_t, 128> text{};
    if (!send || send(command.c_str(), text.data(), static_cast<UINT>(text.size()), nullptr)) {
        ADD_FAILURE() << "MCI refused: " << toUtf8(command);
    }
    return std::wstring(text.data());
}

// How many sequencers this process holds open, on any of its threads.
int openSequencers() { return std::stoi(L"0" + mciAnswer(L"sysinfo sequencer quantity open")); }

// What each sequencer this thread holds open reports ("playing", ...), read
// from MCI's own list of the process's open devices.
std::vector<std::wstring> openSequencerModes() {
    std::vector<std::wstring> modes;
    for (int device = 1, open = openSequencers(); device <= open; ++device) {
        const std::wstring name =
            mciAnswer(L"sysinfo sequencer name " + std::to_wstring(device) + L" open");
        modes.push_back(mciAnswer(L"status " + name + L" mode"));
    }
    return modes;
}

using PlatformPlayerTest = PlatformTest;

// What the music thread and the message box did, in order, across threads.
struct EventLog {
    UniqueKernelHandle playerReleased{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::mutex mutex;
    std::vector<std::string> events;

    void add(std::string event) {
        const std::lock_guard<std::mutex> lock(mutex);
        events.push_back(std::move(event));
    }
    std::vector<std::string> read() {
        const std::lock_guard<std::mutex> lock(mutex);
        return events;
    }
};

// A player made only once the test releases it, which notes what it plays.
class SlowToMakePlayer : public ConfirmingPlatform {
public:
    class Player : public MusicPlayer {
    public:
        explicit Player(std::shared_ptr<EventLog> log) : log_(std::move(log)) {}
        ~Player() override { log_->add("player gone"); }
        void play(const std::string& name) override { log_->add("play " + name); }
        void close() override {}

    private:
        std::shared_ptr<EventLog> log_;
    };

    std::int32_t messageBox(const std::string& text, std::int32_t style,
                            const std::string& title) override {
        log->add("message box");
        return ConfirmingPlatform::messageBox(text, style, title);
    }
    MusicPlayerFactory musicPlayerFactory() const override {
        return [log = log] {
            ::WaitForSingleObject(log->playerReleased.get(), kWaitMs);
            log->add("player made");
            return std::make_unique<Player>(log);
        };
    }

    const std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
};

TEST_F(PlatformPlayerTest, TheWarningShowsWhileThePlayerIsBeingMadeAndTheTrackPlaysOnceItIs) {
    createFile("0.mid", tinyMidiFile());
    SlowToMakePlayer platform;
    ::speedrail::testing::RecordingWindow window;
    Form1 form(window, platform);
    form.Form_Load();
    ::SetEvent(platform.log->playerReleased.get());
    ASSERT_TRUE(waitFor([&] { return platform.log->read().size() == 3; }, kWaitMs));
    EXPECT_EQ(platform.log->read(),
              (std::vector<std::string>{"message box", "player made", "play  0.mid"}));
}

// The music waits for the window's thread to be idle. That thread is idle
// inside the start-up warning's own message loop, so the signal comes while
// the box shows, long before any limit on the wait: the box is closed only
// once the signal has come, or the test's wait is over.
TEST(IdleSignal, ComesWhileAMessageBoxShows) {
    const auto idle = signalWhenIdle();
    std::atomic<bool> signalled{false};
    std::thread closer([&] {
        signalled = ::WaitForSingleObject(idle->get(), kWaitMs) == WAIT_OBJECT_0;
        HWND box = nullptr;
        waitFor([&] { return (box = ::FindWindowW(nullptr, L"SpeeDRaiL idle")) != nullptr; },
                kWaitMs);
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    ::MessageBoxW(nullptr, L"", L"SpeeDRaiL idle", MB_OK);
    closer.join();
    EXPECT_TRUE(signalled);
}

// A platform whose music thread makes its player with `make`.
class PlayerOf : public ConfirmingPlatform {
public:
    explicit PlayerOf(MusicPlayerFactory make) : make_(std::move(make)) {}
    MusicPlayerFactory musicPlayerFactory() const override { return make_; }

private:
    MusicPlayerFactory make_;
};

// Where Windows has no media player (its N editions, a Server without the
// feature), the music's own thread plays through the MCI sequencer.
TEST_F(PlatformPlayerTest, WithoutTheMediaPlayerTheMusicThreadOpensTheSequencer) {
    const ComApartment apartment;
    if (MediaPlayer::create()) GTEST_SKIP() << "this system has the media player";
    const SystemLibrary winmm(L"winmm.dll");
    const auto outputs = winmm.find<decltype(&::midiOutGetNumDevs)>("midiOutGetNumDevs");
    if (!outputs || outputs() == 0) GTEST_SKIP() << "no MIDI output to play through";
    createFile("0.mid", tinyMidiFile());
    Win32Platform platform;
    platform.setPlayerUrl(" 0.mid");
    EXPECT_TRUE(waitFor([] { return openSequencers() == 1; }, kWaitMs));
}

// The end waits two seconds at most for a player that hangs in its making,
// and what was queued before it is not carried out once that player is made.
TEST_F(PlatformPlayerTest, TheEndWaitsForNoHungPlayerAndCancelsWhatWasQueued) {
    createFile("0.mid", tinyMidiFile());
    const auto log = std::make_shared<EventLog>();
    auto platform = std::make_unique<PlayerOf>([log] {
        log->add("making");
        ::WaitForSingleObject(log->playerReleased.get(), kWaitMs);
        return std::make_unique<SlowToMakePlayer::Player>(log);
    });
    platform->setPlayerUrl(" 0.mid");
    ASSERT_TRUE(waitFor([&] { return !log->read().empty(); }, kWaitMs));
    const ULONGLONG asked = ::GetTickCount64();
    platform.reset();
    EXPECT_LT(::GetTickCount64() - asked, 3000u);
    ::SetEvent(log->playerReleased.get());
    ASSERT_TRUE(waitFor([&] { return log->read().size() > 1; }, kWaitMs));
    EXPECT_EQ(log->read(), (std::vector<std::string>{"making", "player gone"}));
}

// A player that throws anything leaves the program going on.
TEST_F(PlatformPlayerTest, APlayerThatThrowsAnythingLeavesTheProgramGoingOn) {
    createFile("0.mid", tinyMidiFile());
    const auto made = std::make_shared<std::atomic<int>>(0);
    PlayerOf platform([made]() -> std::unique_ptr<MusicPlayer> { throw ++*made; });
    platform.setPlayerUrl(" 0.mid");
    platform.closePlayer();
    EXPECT_TRUE(waitFor([&] { return *made == 2; }, kWaitMs));
}

// The sequencer plays a track named as the handlers name them, and every
// close, whatever was asked before it, leaves no sequencer open.
TEST_F(PlatformPlayerTest, SequencerPlaysATrackAndLeavesNothingOpenAfterAnyClose) {
    createFile(" 1.mid", "not a MIDI file");
    createFile("2.mid", tinyMidiFile());  // reached through " 2.mid"
    MidiSequencer sequencer;
    sequencer.close();  // before anything was played
    sequencer.play(" 2.mid");
    EXPECT_EQ(openSequencerModes(), std::vector<std::wstring>{L"playing"});
    for (const char* name :
         {" 2.mid", " 0.mid", " 1.mid", "", "   ", "no_such_folder\\ 3.mid", "\"*?<>|.mid"}) {
        SCOPED_TRACE(name);
        sequencer.play(" 2.mid");
        sequencer.play(name);  // in place of the track that played
        sequencer.close();
        EXPECT_TRUE(openSequencerModes().empty());
    }
    // Nor does the program's end, on the music's thread.
    auto platform = std::make_unique<PlayerOf>([] { return std::make_unique<MidiSequencer>(); });
    platform->setPlayerUrl(" 2.mid");
    EXPECT_TRUE(waitFor([] { return openSequencers() == 1; }, kWaitMs));
    platform.reset();
    EXPECT_EQ(openSequencers(), 0);
}

}  // namespace
}  // namespace speedrail::win32::testing
