// Start-up: runs once while the window is still hidden.
#include "app/form1.h"
#include "app/messages.h"
#include "app/music.h"
#include "base/spinner.h"
#include "base/try_step.h"

namespace speedrail {
namespace {

// A folder with more music files than a 16-bit count holds still starts.
constexpr std::int16_t kMaxMusicFiles = 32767;

std::int16_t countMusicFiles(PlatformOps& platform) {
    std::int16_t count = 0;
    const auto search = platform.findNormalFiles(kMusicPattern);
    while (count < kMaxMusicFiles && search->next()) ++count;
    return count;
}

}  // namespace

void Form1::Form_Load() {
    platform_.seedRandom(platform_.secondsSinceMidnight());
    state_.keepAudio = false;
    state_.keepNetwork = false;
    state_.midiCount = 0;
    window_.setPointer(Pointer::Default);
    tryStep([&] { state_.midiCount = countMusicFiles(platform_); });
    state_.midiFile = midiFileName(drawTrack(platform_.nextRandom(), state_.midiCount));

    tryStep([&] { window_.processPendingEvents(); });
    tryStep([&] { platform_.setPlayerUrl(state_.midiFile); });
    tryStep([&] {
        state_.msgAnswer =
            platform_.messageBox(warningMessage(), message_box::kExclamationOk, kMessageTitle);
    });
    state_.spinnerFrames = kSpinnerFrames;
    tryStep([&] {
        window_.setStatus(" > Ajuste de alto rendimiento (STOP FULL SERVICES)");
        window_.repaintStatus();
    });
}

}  // namespace speedrail
