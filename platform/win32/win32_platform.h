// The real platform operations on Windows.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/platform_ops.h"
#include "platform/random_sequence.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/desktop_shell.h"
#include "platform/win32/music_thread.h"

namespace speedrail::win32 {

class Win32Platform : public PlatformOps {
public:
    Win32Platform();
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // The main window: owner of the message boxes, and where the answers of
    // web requests go (kWebAnswerMessage).
    void setOwnerWindow(HWND owner) { owner_ = owner; }

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

protected:
    // How a web address reaches the desktop's shell, and what makes the
    // music player. Tests stand in a missing, failing or hung shell, and a
    // player that is slow to make.
    virtual DesktopShellRequest desktopShellRoute() const;
    virtual MusicPlayerFactory musicPlayerFactory() const;

private:
    HWND owner_ = nullptr;
    // COM for the thread that creates the platform (the window's thread).
    ComApartment apartment_;
    std::unique_ptr<MusicThread> music_;  // started when there is music to play
    RandomSequence random_;
};

}  // namespace speedrail::win32
