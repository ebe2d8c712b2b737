// Plays a MIDI file through the system's MCI sequencer device. This is how
// the music still plays on Windows editions that ship without the media
// player object.
#pragma once

#include <windows.h>
// mmsystem.h builds on the types windows.h declares.
#include <mmsystem.h>

#include <string>

#include "platform/win32/system_library.h"

namespace speedrail::win32 {

class MidiSequencer {
public:
    MidiSequencer();
    ~MidiSequencer();
    MidiSequencer(const MidiSequencer&) = delete;
    MidiSequencer& operator=(const MidiSequencer&) = delete;

    // Closes whatever plays and starts `path` once, in the background. A
    // file the sequencer cannot open leaves it silent. False then.
    bool play(const std::wstring& path);
    // Stops and closes the current file, if any.
    void close();

private:
    bool send(const std::wstring& command) const;

    // winmm is no known DLL: it is loaded from the system folder when needed.
    SystemLibrary winmm_{L"winmm.dll"};
    decltype(&::mciSendStringW) sendString_ =
        winmm_.find<decltype(&::mciSendStringW)>("mciSendStringW");
    std::wstring alias_;  // unique per object: several players may coexist
    bool open_ = false;
};

}  // namespace speedrail::win32
