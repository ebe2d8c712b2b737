// The background-music player: the system's media player object, or the MIDI
// sequencer where the system has no media player.
#pragma once

#include <windows.h>
#include <wmp.h>

#include <memory>
#include <string>

#include "platform/win32/midi_sequencer.h"
#include "platform/win32/music_thread.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

// Whether the music name stands for a file of the current folder.
bool hasMusicFile(const std::string& name);

class MediaPlayer final : public MusicPlayer {
public:
    // Creates the player on the calling thread, which must be in a
    // single-threaded COM apartment and stay the player's only user.
    MediaPlayer();
    ~MediaPlayer() override;
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    void play(const std::string& name) override;
    void close() override;

private:
    bool createMediaPlayer();
    void applySettings();

    UniqueComPtr<IWMPCore> core_;
    UniqueComPtr<IDispatch> dispatch_;
    std::unique_ptr<MidiSequencer> sequencer_;  // only without a media player
};

}  // namespace speedrail::win32
