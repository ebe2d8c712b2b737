// The background music's own thread. The player (the media player object,
// a large component that can be slow to load or hang, or the MIDI
// sequencer) lives there for its whole life, in a single-threaded COM
// apartment of the thread's own with a message loop; the window's thread
// hands it commands and never waits for them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

// What plays the music.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    // Opens the music file `name` of the working folder and plays it once,
    // in place of whatever played. A name that cannot be played stays silent.
    virtual void play(const std::string& name) = 0;
    // Closes the current music: playback stops.
    virtual void close() = 0;
};

// Makes the player, on the music thread, when the first command comes.
using MusicPlayerFactory = std::function<std::unique_ptr<MusicPlayer>()>;

class MusicThread {
public:
    // Starts the thread. It starts its work only once `windowIdle` (if
    // any) is set, when the window's thread has nothing else to do: making
    // it is heavy work (the media player loads its codecs) that must not
    // slow the window's start on a machine with few cores. Throws
    // std::system_error when no thread can start.
    MusicThread(MusicPlayerFactory create, std::shared_ptr<const UniqueKernelHandle> windowIdle);
    // Closes the player and ends the thread, waiting at most two seconds: a
    // player that takes longer is left to the end of the process.
    ~MusicThread();
    MusicThread(const MusicThread&) = delete;
    MusicThread& operator=(const MusicThread&) = delete;

    // Commands, carried out in order. Nothing the player does, fails or
    // throws reaches the caller.
    void play(const std::string& name);
    void close();

    struct Queue;  // shared with the thread, which may outlive this object

private:
    std::shared_ptr<Queue> queue_;
    std::shared_ptr<const UniqueKernelHandle> windowIdle_;
    std::thread thread_;
};

}  // namespace speedrail::win32
