// What the programs of the test session play. scripts/in-wine-session.sh
// records each audio stream a program opens, as 32-bit float stereo
// samples, in a file of its own in the folder named by SPEEDRAIL_AUDIO_SINK.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace speedrail::win32::testing {

class AudioSink {
public:
    // Where the recording stands: the frames recorded so far in each stream.
    using Position = std::map<std::wstring, std::uint64_t>;

    // The session's sink, or nothing when the session records no sound.
    static std::optional<AudioSink> ofSession();

    // Deletes the streams recorded so far. A program still playing into one
    // goes on unheard; a stream opened after this is recorded anew.
    void clear() const;
    Position position() const;
    // The frames recorded after `since` that are not silent: some sample is
    // louder than Wine's quietest music. Wine plays the media player's volume
    // of 50 very softly, its peaks about 4e-4, while silence stays below 1e-9.
    std::uint64_t loudFramesSince(const Position& since) const;

private:
    explicit AudioSink(std::wstring folder) : folder_(std::move(folder)) {}

    std::wstring folder_;  // Windows path
};

}  // namespace speedrail::win32::testing
