// Win32Platform: construction, pauses, time of day, random numbers, text
// conversion and the music.
#include "platform/win32/win32_platform.h"

#include <vector>

#include "platform/win32/idle_signal.h"
#include "platform/win32/media_player.h"
#include "platform/win32/midi_sequencer.h"
#include "platform/win32/music_files.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32 {

Win32Platform::Win32Platform() = default;

Win32Platform::~Win32Platform() = default;

void Win32Platform::sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

float Win32Platform::secondsSinceMidnight() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const double seconds =
        now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
    return static_cast<float>(seconds);
}

void Win32Platform::seedRandom(float seed) { random_.seed(seed); }

float Win32Platform::nextRandom() { return random_.next(); }

std::string Win32Platform::systemCodePageToUtf8(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::vector<wchar_t> wide(static_cast<std::size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
    return toUtf8(std::wstring(wide.data(), wide.size()));
}

// The callers hand names over and never look at what the player makes of
// them. Before anything has played, a name with no file behind it has
// nothing to play and nothing to replace, so no music thread is started for
// it: start-up without music stays quick. Nothing the thread does, not even
// failing to start, reaches the callers.
void Win32Platform::setPlayerUrl(const std::string& url) {
    try {
        if (!music_) {
            if (!hasMusicFile(url)) return;
            // The thread waits until the window's thread, if there is a window,
            // has nothing else to do.
            music_ = std::make_unique<MusicThread>(musicPlayerFactory(),
                                                   owner_ ? signalWhenIdle() : nullptr);
        }
        music_->play(url);
    } catch (...) {
    }
}

// Before anything was played there is nothing to close.
void Win32Platform::closePlayer() {
    try {
        if (music_) music_->close();
    } catch (...) {
    }
}

// The system's media player, or the MIDI sequencer where it has none.
MusicPlayerFactory Win32Platform::musicPlayerFactory() const {
    return []() -> std::unique_ptr<MusicPlayer> {
        if (auto player = MediaPlayer::create()) return player;
        return std::make_unique<MidiSequencer>();
    };
}

}  // namespace speedrail::win32
