// The variables that live as long as the window and that its handlers share.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace speedrail {

struct FormState {
    // Keep flags: each equals its keep box whenever no handler runs.
    bool keepAudio = false;
    bool keepNetwork = false;
    bool keepSecurity = false;
    bool keepPrinting = false;

    // Entries the last scan added.
    std::int16_t serviceCount = 0;

    // The answer of the last message box or shell request.
    std::int32_t msgAnswer = 0;

    // Background music: how many "*.mid" files start-up counted, and the
    // name last handed to the player.
    std::int16_t midiCount = 0;
    std::string midiFile;

    // The progress spinner's frames, filled at start-up.
    std::array<std::string, 4> spinnerFrames;
};

}  // namespace speedrail
