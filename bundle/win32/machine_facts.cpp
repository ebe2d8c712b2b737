// The headers declare the DPI functions of Windows 8.1 and 10 only to
// programs that require those versions; this file takes their types from
// those declarations and loads them at run time, for Windows 7.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00

#include "bundle/win32/machine_facts.h"

#include <windows.h>
// mmsystem.h and shellscalingapi.h build on the types windows.h declares.
#include <mmsystem.h>
#include <shellscalingapi.h>

#include <optional>

#include "bundle/win32/process_token.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/media_player.h"
#include "platform/win32/page_route.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32 {

namespace {

std::optional<std::wstring> registryText(HKEY root, const wchar_t* key, const wchar_t* name) {
    wchar_t value[512] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    if (::RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(value);
}

std::optional<DWORD> registryNumber(HKEY root, const wchar_t* key, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegGetValueW(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

constexpr const wchar_t* kCurrentVersion = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// The true version, which GetVersionEx hides from a program without a
// manifest that names the newer Windows.
std::string windowsVersion() {
    using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto get =
        exportedFunction<RtlGetVersion>(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!get || get(&version) != 0) return "unknown";
    std::string text = std::to_string(version.dwMajorVersion) + "." +
                       std::to_string(version.dwMinorVersion) + "." +
                       std::to_string(version.dwBuildNumber);
    if (const auto revision = registryNumber(HKEY_LOCAL_MACHINE, kCurrentVersion, L"UBR")) {
        text += "." + std::to_string(*revision);
    }
    const auto release = registryText(HKEY_LOCAL_MACHINE, kCurrentVersion, L"DisplayVersion");
    if (release) text += " (" + toUtf8(*release) + ")";
    return text;
}

std::string edition() {
    const auto product = registryText(HKEY_LOCAL_MACHINE, kCurrentVersion, L"ProductName");
    const auto id = registryText(HKEY_LOCAL_MACHINE, kCurrentVersion, L"EditionID");
    return toUtf8(product.value_or(L"unknown")) + ", edition " + toUtf8(id.value_or(L"unknown"));
}

std::string uac() {
    const auto enabled = registryNumber(
        HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
        L"EnableLUA");
    if (!enabled) return "on (EnableLUA not set)";
    return *enabled ? "on" : "off";
}

std::string shellUser() {
    const auto shell = desktopShellTokenFacts();
    if (!shell) return "cannot tell (no shell window, or its token cannot be read)";
    // The same test the program makes before it opens a web page itself.
    return std::string(runsAsDesktopShellUser() ? "yes" : "no") + " (the shell's elevation type " +
           elevationName(shell->elevation) + ")";
}

std::string systemDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return std::to_string(dpi);
}

struct ShcoreFunctions {
    SystemLibrary shcore{L"shcore.dll"};
    SPEEDRAIL_SYSTEM_FUNCTION(shcore, GetDpiForMonitor);
};

std::string monitorDpis() {
    const auto getDpi = loadedOnce<ShcoreFunctions>().GetDpiForMonitor;
    if (!getDpi) return "not told (Windows before 8.1)";
    std::string text;
    ::EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, RECT*, LPARAM context) -> BOOL {
            auto& out = *reinterpret_cast<std::string*>(context);
            UINT x = 0, y = 0;
            const auto get = loadedOnce<ShcoreFunctions>().GetDpiForMonitor;
            out += (out.empty() ? "" : ", ") + (SUCCEEDED(get(monitor, MDT_EFFECTIVE_DPI, &x, &y))
                                                    ? std::to_string(x)
                                                    : std::string("?"));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text.empty() ? "no monitor" : text;
}

std::string wmic() {
    wchar_t path[MAX_PATH] = {};
    return ::SearchPathW(nullptr, L"wmic.exe", nullptr, MAX_PATH, path, nullptr)
               ? "yes, " + toUtf8(path)
               : "no";
}

// Made the way the program makes it, in a COM apartment of this thread.
std::string mediaPlayer() {
    const ComApartment apartment;
    return MediaPlayer::create() ? "yes" : "no (the program plays through the MIDI sequencer)";
}

struct WinmmFunctions {
    SystemLibrary winmm{L"winmm.dll"};
    SPEEDRAIL_SYSTEM_FUNCTION(winmm, midiOutGetNumDevs);
    SPEEDRAIL_SYSTEM_FUNCTION(winmm, midiOutGetDevCapsW);
};

std::string midiOutputs() {
    const WinmmFunctions& winmm = loadedOnce<WinmmFunctions>();
    if (!winmm.midiOutGetNumDevs || !winmm.midiOutGetDevCapsW) return "no winmm";
    const UINT count = winmm.midiOutGetNumDevs();
    std::string text = std::to_string(count);
    for (UINT i = 0; i < count; ++i) {
        MIDIOUTCAPSW caps{};
        if (winmm.midiOutGetDevCapsW(i, &caps, sizeof caps) == MMSYSERR_NOERROR) {
            text += std::string(i ? ", " : ": ") + toUtf8(caps.szPname);
        }
    }
    return text;
}

std::string browser() {
    const auto progId = registryText(
        HKEY_CURRENT_USER,
        L"Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\https\\UserChoice",
        L"ProgId");
    return progId ? toUtf8(*progId) : "none chosen";
}

}  // namespace

Facts machineFacts() {
    return {
        {"Windows", windowsVersion()},
        {"Edition", edition()},
        {"UAC", uac()},
        {"Elevation type of the tests",
         elevationName(tokenFacts(::GetCurrentProcess()).value_or(TokenFacts{}).elevation)},
        {"Desktop's shell runs as the same user", shellUser()},
        {"System DPI", systemDpi()},
        {"Monitor DPIs", monitorDpis()},
        {"wmic on the search path", wmic()},
        {"Media player", mediaPlayer()},
        {"MIDI outputs", midiOutputs()},
        {"Default browser for https (ProgID)", browser()},
    };
}

}  // namespace speedrail::win32
