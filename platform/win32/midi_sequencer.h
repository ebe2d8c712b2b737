// Plays a MIDI file through the system's MCI sequencer device. This is how
// the music still plays on Windows editions that ship without the media
// player object.
#pragma once

#include <windows.h>
// mmsystem.h builds on the types windows.h declares.
#include <mmsystem.h>

#include <string>

#include "platform/win32/music_thread.h"
#include "platform/win32/system_library.h"

namespace speedrail::win32 {

class MidiSequencer final : public MusicPlayer {
public:
    MidiSequencer();
    ~MidiSequencer() override;
    MidiSequencer(const MidiSequencer&) = delete;
    MidiSequencer& operator=(const MidiSequencer&) = delete;

    void play(const std::string& name) override;
    void close() override;

private:
    bool send(const std::wstring& command) const;

    // winmm is no known DLL: it is loaded from the system folder when needed.
    SystemLibrary winmm_{L"winmm.dll"};
    SPEEDRAIL_SYSTEM_FUNCTION(winmm_, mciSendStringW);
    std::wstring alias_;  // unique per object: several players may coexist
    bool open_ = false;
};

}  // namespace speedrail::win32
