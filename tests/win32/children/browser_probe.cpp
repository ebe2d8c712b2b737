// Test child: a stand-in for the system's browser launcher. Each start adds
// one line to "<its path>.log":
//   show=<wShowWindow, or "default">|args=<its command line after its name>
// and writes who it runs as to "<its path>.token":
//   user=<its user's SID>|elevation=<its elevation type>
#include <windows.h>

#include <cstdio>
#include <string>

#include "bundle/win32/process_token.h"

// The command line after the program's name (quoted or not) and the blanks
// that follow it.
std::wstring argumentsOf(const wchar_t* commandLine) {
    const wchar_t* at = commandLine;
    if (*at == L'"') {
        ++at;
        while (*at && *at != L'"') ++at;
        if (*at) ++at;
    } else {
        while (*at && *at != L' ' && *at != L'\t') ++at;
    }
    while (*at == L' ' || *at == L'\t') ++at;
    return at;
}

int main() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    const std::wstring show = (startup.dwFlags & STARTF_USESHOWWINDOW)
                                  ? std::to_wstring(startup.wShowWindow)
                                  : std::wstring(L"default");
    const std::wstring line =
        L"show=" + show + L"|args=" + argumentsOf(::GetCommandLineW()) + L"\n";

    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 3;
    FILE* log = _wfopen((std::wstring(path, length) + L".log").c_str(), L"ab");
    if (!log) return 3;
    char utf8[4096];
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                            utf8, sizeof utf8, nullptr, nullptr);
    std::fwrite(utf8, 1, static_cast<size_t>(bytes > 0 ? bytes : 0), log);
    std::fclose(log);

    const auto token = speedrail::win32::tokenFacts(::GetCurrentProcess());
    FILE* facts = _wfopen((std::wstring(path, length) + L".token").c_str(), L"wb");
    if (!token || !facts) return 3;
    std::fprintf(facts, "user=%ls|elevation=%s", token->user.c_str(),
                 speedrail::win32::elevationName(token->elevation));
    std::fclose(facts);
    return 0;
}
