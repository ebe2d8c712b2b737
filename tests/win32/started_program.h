// The real program from its distribution folder, started as its own process
// the way a user starts it, and its top-level windows found by their titles.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"
#include "tests/win32/polling.h"

namespace speedrail::win32::testing {

struct ProgramWindows {
    HWND warning = nullptr;  // the start-up message box
    HWND main = nullptr;
};

// The program's top-level windows, shown or not.
ProgramWindows windowsOf(DWORD processId);

// The distribution folder: the program, its scripts and the shipped tracks.
std::wstring distributionFolder();
// SpeeDRaiL.exe there.
std::wstring distributedProgram();

// A program the test started; one still running when the test ends is ended.
struct StartedProgram {
    UniqueKernelHandle process;
    UniqueKernelHandle thread;
    DWORD id = 0;

    StartedProgram() = default;
    StartedProgram(StartedProgram&&) = default;
    ~StartedProgram();
};

// Starts `program` in `workingFolder`; fails the test when it cannot.
StartedProgram start(const std::wstring& program, const std::wstring& workingFolder);

}  // namespace speedrail::win32::testing
