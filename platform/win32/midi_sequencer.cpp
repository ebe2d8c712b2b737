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

bool MidiSequencer::playing() const {
    std::wstring mode;
    return open_ && send(L"status " + alias_ + L" mode", &mode) && mode == L"playing";
}

bool MidiSequencer::send(const std::wstring& command, std::wstring* answer) const {
    if (!sendString_) return false;
    std::array<wchar_t, 128> buffer{};
    const MCIERROR error =
        sendString_(command.c_str(), buffer.data(), static_cast<UINT>(buffer.size()), nullptr);
    if (answer) *answer = buffer.data();
    return error == 0;
}

}  // namespace speedrail::win32
