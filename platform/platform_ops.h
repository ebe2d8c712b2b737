// The operations the program takes from the operating system. The handlers
// reach the outside world only through this interface, so the whole
// behaviour can run against a recording fake on any platform.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace speedrail {

// Window styles for launched programs, numbered as the system numbers them.
enum class WindowStyle : int {
    Normal = 1,            // a normal window that takes the focus
    MinimizedNoFocus = 7,  // a minimised window that leaves the focus where it is
};

// What a launched program reads as its standard input.
enum class ChildInput {
    Console,    // its own console: scripts that talk to the user
    NullDevice  // end of input at once: nothing may ever wait for a key
};

// Where the program that a command line names is taken from.
enum class ProgramLookup {
    // The system's ordinary search for a bare name (the program's folder,
    // the working folder, the search path): the scripts shipped beside the
    // program.
    SystemSearch,
    // The first word names a tool of the system folder, such as "sc" or
    // "net"; nothing else is searched.
    SystemFolder,
    // The first word names a script of the working folder, started by its
    // full path; the command interpreter running it does not look for
    // programs in the working folder.
    WorkingFolder
};

// Thrown by PlatformOps::launch when a command line cannot be started.
class LaunchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A program started by PlatformOps::launch. Dropping it does not end the
// program: launched programs always run on by themselves.
class LaunchedProcess {
public:
    virtual ~LaunchedProcess() = default;
    // Waits at most `milliseconds`; true when the program has ended.
    virtual bool waitForExit(std::uint32_t milliseconds) = 0;
};

// One directory search; gives the matching names one by one.
class DirectorySearch {
public:
    virtual ~DirectorySearch() = default;
    // The next matching name, or nothing when the search is exhausted.
    virtual std::optional<std::string> next() = 0;
};

// Message box styles and answers, valued as the system values them.
namespace message_box {
// The title every message box of the program carries.
inline constexpr const char* kTitle = "Información - SpeeDRaiL";
constexpr std::int32_t kExclamationOk = 48;
constexpr std::int32_t kYesNo = 4;
constexpr std::int32_t kAnswerOk = 1;
constexpr std::int32_t kAnswerYes = 6;
}  // namespace message_box

// How a request to open a web address ended, or that it has not yet.
enum class WebOutcome : int {
    Opened,          // the browser has the address
    NoDesktopShell,  // nothing on the desktop to ask, and the program may not open it itself
    Failed,          // the shell answered that it did not open it
    Slow,            // no answer after kSlowWebAnswerMs; the request goes on
};

struct WebAnswer {
    WebOutcome outcome = WebOutcome::Opened;
    // The shell's result: above 32 when opened, otherwise an error code.
    std::int32_t result = 0;
};

// How long a shell may take to open a page before the user is told it is slow.
inline constexpr std::uint32_t kSlowWebAnswerMs = 10000;

// The most of a service listing ever taken, from a file or from the
// service manager: far above the biggest real listing (32,767 names of 256
// UTF-16 characters), so a huge one cannot exhaust memory.
inline constexpr std::size_t kMaxListingBytes = 32u << 20;

// All texts are UTF-8.
class PlatformOps {
public:
    virtual ~PlatformOps() = default;

    // Starts `commandLine` as a new process, exactly as given (no command
    // interpreter in front, no quoting added), and returns at once. The
    // program it names is looked up as `lookup` says. The child inherits no
    // handle of ours but the null device it may be given as input.
    // Throws LaunchError when it cannot be started.
    virtual std::unique_ptr<LaunchedProcess> launch(const std::string& commandLine,
                                                    ProgramLookup lookup, WindowStyle style,
                                                    ChildInput input) = 0;

    // Blocks the calling thread.
    virtual void sleep(std::uint32_t milliseconds) = 0;

    // Shows a modal message box and returns the code of the button pressed.
    virtual std::int32_t messageBox(const std::string& text, std::int32_t style,
                                    const std::string& title) = 0;

    // The background-music player: setting the address starts playback;
    // closing stops it. A name that cannot be played stays silent.
    virtual void setPlayerUrl(const std::string& url) = 0;
    virtual void closePlayer() = 0;

    // Starts opening a web address in the signed-in user's default browser,
    // in a normal window and as that user, never with this program's
    // rights, and returns at once: the shell may take long to answer, or
    // never. Its answer comes later, on the window's thread, as an event of
    // the window (Form1::WebAddressAnswered), never within this call: a
    // Slow notice once kSlowWebAnswerMs have passed without one, then the
    // answer itself. Throws when the request cannot be handed over; then no
    // answer comes.
    virtual void openWebAddress(const std::string& address) = 0;

    // Files in the working folder, addressed by bare name.
    virtual bool normalFileExists(const std::string& name) = 0;
    // Creates or replaces the file with exactly these bytes.
    virtual bool writeFile(const std::string& name, const std::string& bytes) = 0;
    // At most `maxBytes` bytes from the start of the file; nothing when the
    // file is missing or cannot be read.
    virtual std::optional<std::string> readFile(const std::string& name, std::size_t maxBytes) = 0;
    // Normal files (no folders, hidden or system files) matching `pattern`.
    virtual std::unique_ptr<DirectorySearch> findNormalFiles(const std::string& pattern) = 0;
    // Single-byte text in the system's code page, as UTF-8.
    virtual std::string systemCodePageToUtf8(const std::string& bytes) = 0;

    // The names of the system's services, as its service manager lists them
    // (`sc query type= service state= all`): every own-process and
    // shared-process service, per-user instances included, running or not,
    // no drivers. In the manager's order, each exactly as the manager gives
    // it; at most `maxNames`. Nothing when the manager cannot be read.
    virtual std::optional<std::vector<std::string>> serviceNames(std::size_t maxNames) = 0;

    // Local time of day in seconds since midnight.
    virtual float secondsSinceMidnight() = 0;
    // The program's pseudo-random sequence: values 0 <= r < 1.
    virtual void seedRandom(float seed) = 0;
    virtual float nextRandom() = 0;
};

}  // namespace speedrail
