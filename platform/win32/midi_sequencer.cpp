#include "platform/win32/midi_sequencer.h"

#include <windows.h>
// mmsystem.h builds on the types windows.h declares.
#include <mmsystem.h>

#include <array>
#include <cstdint>

#include "platform/win32/music_files.h"

namespace speedrail::win32 {

MidiSequencer::MidiSequencer()
    : alias_(L"speedrail_music_" + std::to_wstring(reinterpret_cast<std::uintptr_t>(this))) {}

MidiSequencer::~MidiSequencer() { close(); }

// A file the sequencer cannot open leaves it closed.
void MidiSequencer::play(const std::string& name) {
    close();
    if (!send(L"open \"" + musicFilePath(name) + L"\" type sequencer alias " + alias_)) return;
    open_ = true;
    send(L"play " + alias_);
}

void MidiSequencer::close() {
    if (!open_) return;
    send(L"close " + alias_);
    open_ = false;
}

bool MidiSequencer::send(const std::wstring& command) const {
    if (!mciSendStringW) return false;
    std::array<wchar_t, 128> answer{};  // what the command returns, unread
    const MCIERROR error =
        mciSendStringW(command.c_str(), answer.data(), static_cast<UINT>(answer.size()), nullptr);
    return error == 0;
}

}  // namespace speedrail::win32
