// Test child: reports how it was started into the file named by its first
// argument, one "key=value" line each:
//   show=<wShowWindow>   the window style its parent asked for
//   stdhandles=0|1       whether its standard handles were handed over
//   console=0|1          whether its standard input is a console
//   input=eof|data|error what reading standard input gave (only when it is
//                        not a console, where reading would wait for a key)
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);

    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    const bool console = ::GetConsoleMode(input, &mode) != FALSE;
    const char* inputResult = "unread";
    if (!console) {
        char buffer[64];
        DWORD got = 0;
        if (!::ReadFile(input, buffer, static_cast<DWORD>(sizeof buffer), &got, nullptr)) {
            inputResult = ::GetLastError() == ERROR_BROKEN_PIPE ? "eof" : "error";
        } else {
            inputResult = got == 0 ? "eof" : "data";
        }
    }

    FILE* report = std::fopen(argv[1], "wb");
    if (!report) return 3;
    std::fprintf(report, "show=%u\nstdhandles=%d\nconsole=%d\ninput=%s\n",
                 static_cast<unsigned>(startup.wShowWindow),
                 (startup.dwFlags & STARTF_USESTDHANDLES) ? 1 : 0, console ? 1 : 0, inputResult);
    std::fclose(report);
    return 0;
}
