// Start-up: runs once while the window is still hidden.
#include "app/form1.h"
#include "base/spinner.h"
#include "base/try_step.h"
#include "form/messages.h"
#include "form/music.h"

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

void Form1::load() {
    PlatformOps& platform = form_.platform;
    FormState& state = form_.state;
    platform.seedRandom(platform.secondsSinceMidnight());
    state.midiCount = 0;
    form_.window.setPointer(Pointer::Default);
    tryStep([&] { state.midiCount = countMusicFiles(platform); });
    state.midiFile = midiFileName(drawTrack(platform.nextRandom(), state.midiCount));

    form_.window.processPendingEvents();
    tryStep([&] { platform.setPlayerUrl(state.midiFile); });
    tryStep([&] {
        state.msgAnswer =
            platform.messageBox(warningMessage(), message_box::kExclamationOk, message_box::kTitle);
    });
    state.spinnerFrames = kSpinnerFrames;
    showStatus(form_, " > Ajuste de alto rendimiento (STOP FULL SERVICES)", Repaint::Now);
}

}  // namespace speedrail
