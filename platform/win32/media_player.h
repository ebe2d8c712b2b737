// The background music through the system's media player object.
#pragma once

#include <windows.h>
#include <wmp.h>

#include <memory>
#include <string>

#include "platform/win32/music_thread.h"
#include "platform/win32/unique_com_ptr.h"
#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

class MediaPlayer final : public MusicPlayer {
public:
    // The player, made on the calling thread, which must be in a
    // single-threaded COM apartment and stay the player's only user; null
    // where the system has no media player (the N editions of Windows).
    static std::unique_ptr<MediaPlayer> create();
    ~MediaPlayer() override;
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    void play(const std::string& name) override;
    void close() override;

private:
    MediaPlayer() = default;
    void applySettings();

    UniqueComPtr<IWMPCore> core_;
    UniqueComPtr<IDispatch> dispatch_;
};

}  // namespace speedrail::win32
