#include "platform/win32/midi_sequencer.h"

#include <windows.h>
// mmsystem.h builds on the types windows.h declares.
#include <mmsystem.h>

#include <array>
#include <cstdint>

namespace speedrail::win32 {

MidiSequencer::MidiSequencer()
    : alias_(L"speedrail_music_" + std::to_wstring(reinterpret_cast<std::uintptr_t>(this))) {}

MidiSequencer::~MidiSequencer() { close(); }

bool MidiSequencer::play(const std::wstring& path) {
    close();
    if (!send(L"open \"" + path + L"\" type sequencer alias " + alias_)) return false;
    open_ = true;
    return send(L"play " + alias_);
}

void MidiSequencer::close() {
    if (!open_) return;
    send(L"close " + alias_);
    open_ = false;
}

bool MidiSequencer::send(const std::wstring& command) const {
    if (!sendString_) return false;
    std::array<wchar_t, 128> answer{};  // what the command returns, unread
    const MCIERROR error =
        sendString_(command.c_str(), answer.data(), static_cast<UINT>(answer.size()), nullptr);
    return error == 0;
}

}  // namespace speedrail::win32
