// Background-music track names: start-up and the new-track picture draw a
// number below the count of "*.mid" files and hand the player " <n>.mid".
#pragma once

#include <cstdint>
#include <string>

namespace speedrail {

inline constexpr const char* kMusicPattern = "*.mid";

// The largest whole number not above r * count (single precision), kept
// below count; 0 when there are no tracks.
std::int16_t drawTrack(float r, std::int16_t count);

// " 3.mid" for track 3: the number with its sign place, then ".mid".
std::string midiFileName(std::int16_t track);

}  // namespace speedrail
