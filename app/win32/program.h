// The program's whole run: its start-up, then the main window's messages
// until the window is closed. Its entry point runs it, and so does the
// start-up benchmark's step-by-step child, so that both time the same
// start-up.
#pragma once

namespace speedrail::win32 {

// Runs the program with the window shown as `showCommand` says (the entry
// point's argument); the exit code.
int runProgram(int showCommand);

}  // namespace speedrail::win32
