// The picture shortcuts and the version label: web pages, the two scripts
// beside the program, the information message and the background music.
#include "shortcuts/shortcuts.h"

#include "form/messages.h"
#include "form/music.h"
#include "form/site_info.h"
#include "shortcuts/web_pages.h"

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
        platform.messageBox(
            "No se ha podido iniciar \"" + script + "\". Compruebe que está junto a SpeeDRaiL.exe.",
            message_box::kExclamationOk, message_box::kTitle);
    }
}

}  // namespace

void Image1_Click(Form& form) { openPage(form, site::kProgramPage); }

void Label2_Click(Form& form) { Image1_Click(form); }

void Image6_Click(Form& form) { openPage(form, site::kBenchmarkSite); }

void Image7_Click(Form& form) { launchScript(form.platform, "srvopen.cmd"); }

void Image8_Click(Form& form) { launchScript(form.platform, "fix_W7-10.cmd"); }

void Image5_Click(Form& form) {
    form.state.msgAnswer = form.platform.messageBox(
        informationMessage(), message_box::kExclamationOk, message_box::kTitle);
}

void Image2_Click(Form& form) {
    form.platform.setPlayerUrl(form.state.midiFile);
    form.platform.closePlayer();
}

void Image3_Click(Form& form) {
    form.state.midiFile = midiFileName(drawTrack(form.platform.nextRandom(), form.state.midiCount));
    form.platform.setPlayerUrl(form.state.midiFile);
}

}  // namespace speedrail
