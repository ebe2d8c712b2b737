#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "form/messages.h"
#include "tests/support/form_fixture.h"

namespace speedrail {
namespace {

using layout::ControlId;
using testing::RecordingPlatform;
using Texts = std::vector<std::string>;

struct StartupFixture : ::testing::Test, testing::RecordedForm {
    void withMusicFiles(int count) {
        platform.searchResults.clear();
        for (int i = 0; i < count; ++i)
            platform.searchResults.push_back("track" + std::to_string(i) + ".mid");
    }
    std::size_t indexOf(const std::vector<std::string>& calls, const std::string& prefix) {
        const auto found = std::find_if(calls.begin(), calls.end(),
                                        [&](const auto& c) { return c.rfind(prefix, 0) == 0; });
        return static_cast<std::size_t>(found - calls.begin());
    }
};

TEST_F(StartupFixture, PlatformCallsComeInStartUpOrder) {
    withMusicFiles(3);
    platform.randomValues = {0.7f};
    platform.seconds = 45296.25f;
    form.Form_Load();
    EXPECT_EQ(platform.calls, (Texts{"time of day", "seed 45296.250000", "find *.mid", "random",
                                     "url  2.mid", "message box 48 | Información - SpeeDRaiL"}));
    // The window is pumped once before the music starts, and the status text
    // is written only after the message was answered.
    EXPECT_EQ(window.events, (Texts{"pointer 0", "process events",
                                    "status  > Ajuste de alto rendimiento (STOP FULL SERVICES)",
                                    "repaint status"}));
    EXPECT_EQ(form.state().spinnerFrames, (std::array<std::string, 4>{"- ", "\\ ", "| ", "/ "}));
    EXPECT_EQ(form.state().msgAnswer, 1);
}

struct TrackCase {
    int files;
    float r;
    const char* expected;
};

TEST_F(StartupFixture, TrackNamesFollowTheNumberOfMusicFiles) {
    for (const TrackCase c :
         {TrackCase{0, 0.9f, " 0.mid"}, TrackCase{1, 0.99f, " 0.mid"}, TrackCase{3, 0.0f, " 0.mid"},
          TrackCase{3, 0.5f, " 1.mid"}, TrackCase{3, 0.9999999f, " 2.mid"},
          TrackCase{40000, 0.9999999f, " 32766.mid"}}) {
        RecordingPlatform fresh;
        Form1 started{window, fresh};
        fresh.searchResults.assign(static_cast<std::size_t>(c.files), "x.mid");
        fresh.randomValues = {c.r};
        started.Form_Load();
        EXPECT_EQ(started.state().midiFile, c.expected) << c.files << " files, r=" << c.r;
        EXPECT_EQ(started.state().midiCount, std::min(c.files, 32767));
    }
}

TEST_F(StartupFixture, FailuresAfterTheDrawDoNotStopStartUp) {
    struct FailingPlayer : RecordingPlatform {
        void setPlayerUrl(const std::string&) override { throw std::runtime_error("no player"); }
    } failing;
    Form1 started{window, failing};
    started.Form_Load();
    EXPECT_EQ(started.state().status, " > Ajuste de alto rendimiento (STOP FULL SERVICES)");
    EXPECT_EQ(started.state().spinnerFrames[3], "/ ");
}

TEST_F(StartupFixture, SeedsOnceAndDrawsNewTracksFromTheSameSequence) {
    withMusicFiles(4);
    platform.randomValues = {0.1f, 0.8f, 0.3f};
    form.Form_Load();
    form.Click(ControlId::Image3);
    EXPECT_EQ(form.state().midiFile, " 3.mid");
    form.Click(ControlId::Image3);
    EXPECT_EQ(form.state().midiFile, " 1.mid");
    EXPECT_EQ(platform.callsStartingWith("seed").size(), 1u);
    EXPECT_EQ(platform.callsStartingWith("url"), (Texts{"url  0.mid", "url  3.mid", "url  1.mid"}));
}

TEST_F(StartupFixture, StoppingTheMusicSetsTheNameAgainThenCloses) {
    withMusicFiles(2);
    form.Form_Load();
    platform.calls.clear();
    form.Click(ControlId::Image2);
    form.Click(ControlId::Image2);
    EXPECT_EQ(platform.calls, (Texts{"url  0.mid", "close player", "url  0.mid", "close player"}));
}

// The warning and the information message, piece by piece.
std::string expectedMessage(const std::string& advice, const std::string& importance,
                            const std::string& indent, const std::string& year) {
    return "Este es un software EXPERIMENTAL pensado para plataformas GAMING en modo local o "
           "equipos con gran carga de cálculo puntual (simulación, resolución de algoritmos, "
           "etc.), "
           "por ello, " +
           advice +
           " en entornos corporativos ni de juego en red ya que puede detener "
           "servicios esenciales para desempeñar determinadas tareas, además, al detener servicios "
           "relativos a la seguridad el propio sistema puede detectarlo como amenaza y proceder a "
           "su "
           "bloqueo o eliminación, en cuyo caso deberá añadirlo como EXCEPCIÓN para poder usarlo."
           "\r\n\r\n"
           "Utilícelo de forma limitada y en momentos puntuales en los que requiera elevar al "
           "máximo "
           "el rendimiento y la dedicación del procesador."
           "\r\n\r\n" +
           importance +
           " REINICIE SIEMPRE su ordenador después de utilizarlo o si experimenta algún problema "
           "durante su ejecución"
           "\r\n\r\n" +
           indent +
           "https://www.retrobench.example.org\r\n"
           "        contacto@speedrail.example.org  " +
           year;
}

TEST_F(StartupFixture, WarningAndInformationMessagesDifferInFourPlaces) {
    form.Form_Load();
    form.Click(ControlId::Image5);
    ASSERT_EQ(platform.messageBoxTexts.size(), 2u);
    EXPECT_EQ(platform.messageBoxTexts[0],
              expectedMessage("no lo ejecute NUNCA", "> Muy importante:", "  ", "2019"));
    EXPECT_EQ(platform.messageBoxTexts[1],
              expectedMessage("no debe ejecutarse NUNCA", "> IMPORTANTE:", "", "2020"));
    EXPECT_EQ(platform.callsStartingWith("message box"),
              (Texts{"message box 48 | Información - SpeeDRaiL",
                     "message box 48 | Información - SpeeDRaiL"}));
}

// The platform gets the address and nothing else: how it is opened, and as
// whom, is its affair. A page is asked for one at a time; its answer is kept,
// and every answer but "opened" gives the user the address. A slow page is
// told once, by a second click or the platform's notice.
TEST_F(StartupFixture, WebPagesAreAskedForOneAtATimeAndAnyFailureShowsTheAddress) {
    const std::string notYet =
        "Windows aún no ha terminado de abrir la página anterior, así que esta no se ha pedido. "
        "Ábrala en su navegador:\r\n\r\nhttps://retrobench.example.org/";
    const std::string slow =
        "Windows está tardando en abrir la página. Si no llega a abrirse, ábrala en su "
        "navegador:\r\n\r\nhttps://speedrail.example.org/";
    form.Click(ControlId::Image1);
    form.Click(ControlId::Image6);
    form.Click(ControlId::Image1);
    form.WebAddressAnswered({WebOutcome::Slow, 0});
    EXPECT_EQ(platform.messageBoxTexts, (Texts{notYet, slow}));
    form.WebAddressAnswered({WebOutcome::Opened, 42});
    EXPECT_EQ(form.state().msgAnswer, 42);
    EXPECT_EQ(window.events, (Texts{"page pending", "page ended"}));

    form.Click(ControlId::Label2);
    form.WebAddressAnswered({WebOutcome::Slow, 0});
    form.WebAddressAnswered({WebOutcome::NoDesktopShell, 5});
    EXPECT_EQ(form.state().msgAnswer, 5);
    form.Click(ControlId::Image6);
    form.WebAddressAnswered({WebOutcome::Failed, 2});
    EXPECT_EQ(form.state().msgAnswer, 2);
    EXPECT_EQ(platform.callsStartingWith("open"),
              (Texts{"open https://speedrail.example.org/", "open https://speedrail.example.org/",
                     "open https://retrobench.example.org/"}));
    EXPECT_EQ(platform.messageBoxTexts,
              (Texts{notYet, slow, slow,
                     "No se ha podido abrir la página como usuario del escritorio, y SpeeDRaiL no "
                     "abre el navegador con sus derechos de administrador. Ábrala en su "
                     "navegador:\r\n\r\nhttps://speedrail.example.org/",
                     "Windows no ha podido abrir la página. Ábrala en su "
                     "navegador:\r\n\r\nhttps://retrobench.example.org/"}));
}

// Nothing leaves a page pending for good: neither a request that never
// reached the platform nor an answer that came while a handler failed. A
// click while a handler's box shows runs nothing.
TEST_F(StartupFixture, NoFailureLeavesAPagePendingAndHandlersRunOneAtATime) {
    platform.openFails = true;
    form.Click(ControlId::Image1);
    platform.openFails = false;
    form.Click(ControlId::Image1);
    platform.whileMessageBoxShows = [&] {
        form.Click(ControlId::Image5);
        form.WebAddressAnswered({WebOutcome::Failed, 2});
        throw std::runtime_error("no box");
    };
    EXPECT_THROW(form.Click(ControlId::Image5), std::runtime_error);
    EXPECT_FALSE(form.state().pageRequested);
    EXPECT_EQ(platform.callsStartingWith("open").size(), 2u);
    // The unsent page's address, the information, the failed page's address.
    EXPECT_EQ(platform.messageBoxTexts.size(), 3u);
}

// The answer comes while the stop run's confirmation shows: the run reads its
// own answer, and the address follows the run's last word.
TEST_F(StartupFixture, AnAnswerThatComesDuringARunWaitsForItsEnd) {
    scan({"Spooler"});
    form.Click(ControlId::Image1);
    platform.messageBoxAnswers = {message_box::kAnswerYes};
    platform.whileMessageBoxShows = [&] { form.WebAddressAnswered({WebOutcome::Failed, 2}); };
    form.Click(ControlId::Command4);
    EXPECT_EQ(platform.callsStartingWith("launch").size(), 2u) << "the run did not go on";
    ASSERT_EQ(platform.messageBoxTexts.size(), 2u);
    EXPECT_EQ(platform.calls.back(), "message box 48 | Información - SpeeDRaiL");
    EXPECT_EQ(platform.calls[platform.calls.size() - 2], "sleep 3000");
    EXPECT_EQ(form.state().msgAnswer, 2);
}

TEST_F(StartupFixture, ScriptShortcutsLaunchInANormalWindowEachClick) {
    form.Click(ControlId::Image7);
    form.Click(ControlId::Image7);
    form.Click(ControlId::Image8);
    EXPECT_EQ(platform.calls,
              (Texts{"launch srvopen.cmd | style 1 | console input | system search",
                     "launch srvopen.cmd | style 1 | console input | system search",
                     "launch fix_W7-10.cmd | style 1 | console input | system search"}));
}

TEST_F(StartupFixture, AScriptThatCannotStartIsNamedToTheUser) {
    platform.launchFails = [](const std::string&) { return true; };
    form.Click(ControlId::Image8);
    ASSERT_EQ(platform.messageBoxTexts.size(), 1u);
    EXPECT_NE(platform.messageBoxTexts[0].find("\"fix_W7-10.cmd\""), std::string::npos);
    EXPECT_EQ(platform.callsStartingWith("message box"),
              (Texts{"message box 48 | Información - SpeeDRaiL"}));
}

}  // namespace
}  // namespace speedrail
