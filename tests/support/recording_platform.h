// A platform for tests: an in-memory working folder, scripted answers, and a
// record of every call in order.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform_ops.h"

namespace speedrail::testing {

class RecordingPlatform : public PlatformOps {
public:
    std::unique_ptr<LaunchedProcess> launch(const std::string& commandLine, ProgramLookup lookup,
                                            WindowStyle style, ChildInput input) override;
    void sleep(std::uint32_t milliseconds) override;
    std::int32_t messageBox(const std::string& text, std::int32_t style,
                            const std::string& title) override;
    void setPlayerUrl(const std::string& url) override;
    void closePlayer() override;
    void openWebAddress(const std::string& address) override;
    bool normalFileExists(const std::string& name) override;
    bool writeFile(const std::string& name, const std::string& bytes) override;
    std::optional<std::string> readFile(const std::string& name, std::size_t maxBytes) override;
    std::unique_ptr<DirectorySearch> findNormalFiles(const std::string& pattern) override;
    std::string systemCodePageToUtf8(const std::string& bytes) override;
    std::optional<std::vector<std::string>> serviceNames(std::size_t maxNames) override;
    float secondsSinceMidnight() override;
    void seedRandom(float seed) override;
    float nextRandom() override;

    // Calls in order, e.g. "launch sc stop \"X\" | style 7 | null input | system folder",
    // "sleep 5000", "message box 48 | <title>", "url  0.mid", "service names 32767".
    std::vector<std::string> calls;
    // Calls whose record starts with `prefix`.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const;

    // The working folder: name -> bytes.
    std::map<std::string, std::string> files;
    bool folderWritable = true;
    // Names that findNormalFiles gives for any pattern, in order.
    std::vector<std::string> searchResults;
    // What the service manager lists; nothing: it cannot be read.
    std::optional<std::vector<std::string>> managerServices;

    // Answers of successive message boxes; OK once they run out.
    std::deque<std::int32_t> messageBoxAnswers;
    std::vector<std::string> messageBoxTexts;
    // Runs while a message box shows, as events do in the box's own loop.
    std::function<void()> whileMessageBoxShows;

    // Values of successive nextRandom calls; 0 once they run out.
    std::deque<float> randomValues;
    float seconds = 3600.5f;

    // Decides per command line whether the launch fails.
    std::function<bool(const std::string&)> launchFails;
    // Runs when a command line is launched (e.g. to write a listing).
    std::function<void(const std::string&)> onLaunch;
    // Whether a web address fails to reach the shell's worker.
    bool openFails = false;
    // Whether launched processes have ended when waited for.
    bool processesEnd = true;
};

}  // namespace speedrail::testing
