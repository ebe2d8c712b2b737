// The picture shortcuts and the version label: web pages, the two scripts
// beside the program, the information message and the background music.
#include "app/form1.h"
#include "app/messages.h"
#include "app/music.h"
#include "app/site_info.h"

namespace speedrail {
namespace {

// The scripts ship beside the program, where the system's ordinary search
// finds them first. A script that is missing or cannot start is named to
// the user instead of ending the program.
void launchScript(PlatformOps& platform, const std::string& script) {
    try {
        platform.launch(script, ProgramLookup::SystemSearch, WindowStyle::Normal,
                        ChildInput::Console);
    } catch (const LaunchError&) {
        platform.messageBox("No se ha podido iniciar \"" + script +
                                "\". Compruebe que está junto a SpeeDRaiL.exe.",
                            message_box::kExclamationOk, kMessageTitle);
    }
}

}  // namespace

void Form1::Image1_Click() {
    state_.msgAnswer = platform_.openWebAddress(site::kProgramPage);
}

void Form1::Label2_Click() { Image1_Click(); }

void Form1::Image6_Click() {
    state_.msgAnswer = platform_.openWebAddress(site::kBenchmarkSite);
}

void Form1::Image7_Click() { launchScript(platform_, "srvopen.cmd"); }

void Form1::Image8_Click() { launchScript(platform_, "fix_W7-10.cmd"); }

void Form1::Image5_Click() {
    state_.msgAnswer = platform_.messageBox(informationMessage(), message_box::kExclamationOk,
                                            kMessageTitle);
}

void Form1::Image2_Click() {
    platform_.setPlayerUrl(state_.midiFile);
    platform_.closePlayer();
}

void Form1::Image3_Click() {
    state_.midiFile = midiFileName(drawTrack(platform_.nextRandom(), state_.midiCount));
    platform_.setPlayerUrl(state_.midiFile);
}

}  // namespace speedrail
