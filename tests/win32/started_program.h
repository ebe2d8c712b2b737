// Tests of the real program from its distribution folder, started as its
// own process the way a user starts it: its start-up warning answered, its
// windows found by their titles, and closed by its window.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"
#include "tests/win32/platform_test_folder.h"
#include "tests/win32/program_folder.h"

namespace speedrail::win32::testing {

// SpeeDRaiL.exe there.
std::wstring distributedProgram();

// The program's top-level windows, shown or not.
struct ProgramWindows {
    HWND warning = nullptr;  // the start-up message box, or a later message
    HWND main = nullptr;
};

// Whether there is such a window and it shows.
inline bool shown(HWND window) { return window && ::IsWindowVisible(window); }

class ProgramTest : public PlatformTest {
protected:
    // A program still running, and every process it started, is ended
    // before its folder goes.
    void TearDown() override;

    // Starts `program` in `folder` and waits for its start-up warning to show.
    ::testing::AssertionResult start(const std::wstring& folder,
                                     const std::wstring& program = distributedProgram());
    // Answers the warning and waits for the main window to show.
    ::testing::AssertionResult answerWarning();
    // Closes the main window; the program must end, with exit code 0.
    ::testing::AssertionResult close();

    // The program's windows as they are now.
    ProgramWindows windows() const;

private:
    // The program and whatever it starts, all ended with the job.
    UniqueKernelHandle job_;
    UniqueKernelHandle process_;
    DWORD id_ = 0;
};

}  // namespace speedrail::win32::testing
