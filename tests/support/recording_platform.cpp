#include "tests/support/recording_platform.h"

#include <new>
#include <utility>

#include "tests/support/listing.h"

namespace speedrail::testing {
namespace {

class RecordedProcess : public LaunchedProcess {
public:
    RecordedProcess(std::vector<std::string>& calls, bool ends) : calls_(calls), ends_(ends) {}
    bool waitForExit(std::uint32_t milliseconds) override {
        calls_.push_back("wait " + std::to_string(milliseconds));
        return ends_;
    }

private:
    std::vector<std::string>& calls_;
    bool ends_;
};

class ListedSearch : public DirectorySearch {
public:
    explicit ListedSearch(std::vector<std::string> names) : names_(std::move(names)) {}
    std::optional<std::string> next() override {
        if (next_ >= names_.size()) return std::nullopt;
        return names_[next_++];
    }

private:
    std::vector<std::string> names_;
    std::size_t next_ = 0;
};

const char* lookupName(ProgramLookup lookup) {
    switch (lookup) {
        case ProgramLookup::SystemSearch:
            return " | system search";
        case ProgramLookup::SystemFolder:
            return " | system folder";
        case ProgramLookup::WorkingFolder:
            return " | working folder";
    }
    return " | ?";
}

}  // namespace

std::unique_ptr<LaunchedProcess> RecordingPlatform::launch(const std::string& commandLine,
                                                           ProgramLookup lookup, WindowStyle style,
                                                           ChildInput input) {
    calls.push_back("launch " + commandLine + " | style " +
                    std::to_string(static_cast<int>(style)) +
                    (input == ChildInput::NullDevice ? " | null input" : " | console input") +
                    lookupName(lookup));
    if (launchFails && launchFails(commandLine)) throw LaunchError("cannot start " + commandLine);
    if (onLaunch) onLaunch(commandLine);
    return std::make_unique<RecordedProcess>(calls, processesEnd);
}

void RecordingPlatform::sleep(std::uint32_t milliseconds) {
    calls.push_back("sleep " + std::to_string(milliseconds));
}

std::int32_t RecordingPlatform::messageBox(const std::string& text, std::int32_t style,
                                           const std::string& title) {
    calls.push_back("message box " + std::to_string(style) + " | " + title);
    messageBoxTexts.push_back(text);
    if (whileMessageBoxShows) std::exchange(whileMessageBoxShows, nullptr)();
    if (messageBoxAnswers.empty()) return message_box::kAnswerOk;
    const std::int32_t answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

void RecordingPlatform::setPlayerUrl(const std::string& url) { calls.push_back("url " + url); }

void RecordingPlatform::closePlayer() { calls.push_back("close player"); }

void RecordingPlatform::openWebAddress(const std::string& address) {
    calls.push_back("open " + address);
    if (openFails) throw std::bad_alloc();
}

bool RecordingPlatform::normalFileExists(const std::string& name) {
    calls.push_back("exists " + name);
    return files.count(name) != 0;
}

bool RecordingPlatform::writeFile(const std::string& name, const std::string& bytes) {
    calls.push_back("write " + name);
    if (!folderWritable) return false;
    files[name] = bytes;
    return true;
}

std::optional<std::string> RecordingPlatform::readFile(const std::string& name,
                                                       std::size_t maxBytes) {
    calls.push_back("read " + name);
    const auto found = files.find(name);
    if (found == files.end()) return std::nullopt;
    return found->second.substr(0, maxBytes);
}

std::unique_ptr<DirectorySearch> RecordingPlatform::findNormalFiles(const std::string& pattern) {
    calls.push_back("find " + pattern);
    return std::make_unique<ListedSearch>(searchResults);
}

std::string RecordingPlatform::systemCodePageToUtf8(const std::string& bytes) {
    return latin1ToUtf8(bytes);
}

std::optional<std::vector<std::string>> RecordingPlatform::serviceNames(std::size_t maxNames) {
    calls.push_back("service names " + std::to_string(maxNames));
    return managerServices;
}

float RecordingPlatform::secondsSinceMidnight() {
    calls.push_back("time of day");
    return seconds;
}

void RecordingPlatform::seedRandom(float seed) { calls.push_back("seed " + std::to_string(seed)); }

float RecordingPlatform::nextRandom() {
    calls.push_back("random");
    if (randomValues.empty()) return 0.0f;
    const float value = randomValues.front();
    randomValues.pop_front();
    return value;
}

std::vector<std::string> RecordingPlatform::callsStartingWith(const std::string& prefix) const {
    std::vector<std::string> matching;
    for (const auto& call : calls) {
        if (call.rfind(prefix, 0) == 0) matching.push_back(call);
    }
    return matching;
}

}  // namespace speedrail::testing
