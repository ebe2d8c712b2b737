// Test child: reports how it was started into the file named by its first
// argument, one "key=value" line each:
//   show=<wShowWindow>   the window style its parent asked for
//   stdhandles=0|1       whether its standard handles were handed over
//   console=0|1          whether its standard input is a console
//   input=eof|data|error what reading standard input gave (only when it is
//                        not a console, where reading would wait for a key)
// Given a second argument, a file handle value of its parent's (decimal), it
// adds one more line:
//   handle=<text>|none   the first bytes read through that handle value, or
//                        none when it is no usable file handle here
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// What reading from the start of the file behind `value` gives, if anything.
std::string readThrough(const char* value) {
    const HANDLE handle =
        reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(std::strtoull(value, nullptr, 10)));
    char buffer[32];
    DWORD got = 0;
    if (::GetFileType(handle) != FILE_TYPE_DISK ||
        ::SetFilePointer(handle, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER ||
        !::ReadFile(handle, buffer, static_cast<DWORD>(sizeof buffer), &got, nullptr) || got == 0) {
        return "none";
    }
    return std::string(buffer, got);
}

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

    // Before the report is opened, whose handle could take the same value.
    const std::string handleText = argc >= 3 ? readThrough(argv[2]) : "";
    FILE* report = std::fopen(argv[1], "wb");
    if (!report) return 3;
    std::fprintf(report, "show=%u\nstdhandles=%d\nconsole=%d\ninput=%s\n",
                 static_cast<unsigned>(startup.wShowWindow),
                 (startup.dwFlags & STARTF_USESTDHANDLES) ? 1 : 0, console ? 1 : 0, inputResult);
    if (argc >= 3) std::fprintf(report, "handle=%s\n", handleText.c_str());
    std::fclose(report);
    return 0;
}
