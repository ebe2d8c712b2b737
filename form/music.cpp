#include "form/music.h"

#include <cmath>

#include "base/number_text.h"

namespace speedrail {

std::int16_t drawTrack(float r, std::int16_t count) {
    if (count <= 0) return 0;
    const float product = r * static_cast<float>(count);
    const auto track = static_cast<long>(std::floor(product));
    if (track < 0) return 0;
    if (track >= count) return static_cast<std::int16_t>(count - 1);
    return static_cast<std::int16_t>(track);
}

std::string midiFileName(std::int16_t track) { return withSignPlace(track) + ".mid"; }

}  // namespace speedrail
