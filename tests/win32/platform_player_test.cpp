// The background-music player: it must take any name quietly, and its MIDI
// sequencer fallback must really play.
#include <array>
#include <string>
#include <vector>

#include "platform/win32/midi_sequencer.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "platform_test_folder.h"

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

// What each sequencer this process holds open reports ("playing", ...),
// read from MCI's own list of the process's open devices.
std::vector<std::wstring> openSequencerModes() {
    const SystemLibrary winmm(L"winmm.dll");
    const auto send =
        winmm.find<DWORD(WINAPI*)(const wchar_t*, wchar_t*, UINT, HWND)>("mciSendStringW");
    const auto answer = [&](const std::wstring& command) {
        std::array<wchar_t, 128> text{};
        if (!send || send(command.c_str(), text.data(), static_cast<UINT>(text.size()), nullptr)) {
            ADD_FAILURE() << "MCI refused: " << toUtf8(command);
        }
        return std::wstring(text.data());
    };
    std::vector<std::wstring> modes;
    const int open = std::stoi(L"0" + answer(L"sysinfo sequencer quantity open"));
    for (int device = 1; device <= open; ++device) {
        const std::wstring name =
            answer(L"sysinfo sequencer name " + std::to_wstring(device) + L" open");
        modes.push_back(answer(L"status " + name + L" mode"));
    }
    return modes;
}

using PlatformPlayerTest = PlatformTest;

// Both calls swallow every failure by design; what a name can still do is
// crash the process or hang it on a dialog, and either fails this test.
TEST_F(PlatformPlayerTest, AnyNameAndCloseStayQuiet) {
    createFile(" 1.mid", "not a MIDI file");
    createFile("2.mid", tinyMidiFile());  // reached through " 2.mid"
    Win32Platform platform;
    platform.closePlayer();  // before anything was played
    for (const char* name :
         {" 0.mid", " 1.mid", " 2.mid", "", "   ", "no_such_folder\\ 3.mid", "\"*?<>|.mid"}) {
        platform.setPlayerUrl(name);
        platform.closePlayer();
        platform.closePlayer();
    }
}

TEST_F(PlatformPlayerTest, SequencerPlaysUntilClosedOrReplacedAndStaysSilentOnFailure) {
    createFile("song.mid", tinyMidiFile());
    const std::vector<std::wstring> playing{L"playing"};
    MidiSequencer sequencer;
    ASSERT_TRUE(sequencer.play(folder_ + L"\\song.mid"));
    EXPECT_EQ(openSequencerModes(), playing);
    sequencer.close();
    EXPECT_TRUE(openSequencerModes().empty());
    ASSERT_TRUE(sequencer.play(folder_ + L"\\song.mid"));  // the alias is free again
    EXPECT_EQ(openSequencerModes(), playing);
    EXPECT_FALSE(sequencer.play(folder_ + L"\\missing.mid"));
    EXPECT_TRUE(openSequencerModes().empty()) << "the previous music must have stopped";
}

}  // namespace
}  // namespace speedrail::win32::testing
