// The program's entry point.
#include <windows.h>

#include "app/win32/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    return speedrail::win32::runProgram(showCommand);
}
