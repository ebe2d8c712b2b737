// The background-music player: the system's media player object, or the MIDI
// sequencer where the system has no media player.
#pragma once

#include <windows.h>
#include <wmp.h>

#include <memory>
#include <string>

#include "platform/win32/midi_sequencer.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

// Whether the music name stands for a file of the current folder.
bool hasMusicFile(const std::string& name);

class MediaPlayer {
public:
    // Creates the player on the calling thread, which must be in a
    // single-threaded COM apartment and stay the player's only user.
    MediaPlayer();
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Opens the music file `name` of the current folder and starts playing
    // it once. A name that cannot be played stays silent.
    void setUrl(const std::string& name);
    // Closes the current music; playback stops.
    void close();

private:
    bool createMediaPlayer();
    void applySettings();

    UniqueComPtr<IWMPCore> core_;
    UniqueComPtr<IDispatch> dispatch_;
    std::unique_ptr<MidiSequencer> sequencer_;  // only without a media player
};

}  // namespace speedrail::win32
