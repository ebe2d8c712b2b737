#include "platform/win32/launch_target.h"

#include <windows.h>

#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/working_folder_path.h"

namespace speedrail::win32 {
namespace {

[[noreturn]] void refuse(const std::string& commandLine, const char* why) {
    throw LaunchError("cannot start \"" + commandLine + "\": " + why);
}

// A file name alone: no folder, drive, quote or wildcard, so that nothing but
// the folder put in front of it decides where the file is.
bool isBareName(const std::wstring& word) {
    return !word.empty() && word != L"." && word != L".." &&
           word.find_first_of(L"\\/:\"*?<>|") == std::wstring::npos;
}

}  // namespace

LaunchTarget launchTarget(const std::string& commandLine, ProgramLookup lookup) {
    LaunchTarget target;
    target.commandLine = toWide(commandLine);
    if (lookup == ProgramLookup::SystemSearch) return target;

    // The first word ends at the first blank; these command lines never quote it.
    const std::size_t end = target.commandLine.find_first_of(L" \t");
    const std::wstring first = target.commandLine.substr(0, end);
    const std::wstring rest = end == std::wstring::npos ? L"" : target.commandLine.substr(end);
    if (!isBareName(first)) refuse(commandLine, "the program must be named without a folder");

    if (lookup == ProgramLookup::SystemFolder) {
        // The tool is named as the program to start, so the command line
        // itself stays exactly as the caller built it.
        const std::wstring folder = systemFolder();
        if (folder.empty()) refuse(commandLine, "no system folder");
        target.application = folder + L"\\" + first + L".exe";
        return target;
    }

    // A script: the system hands its command line to the command interpreter,
    // which must find the script itself without searching the working folder.
    const std::wstring script = workingFolderPath(first);
    if (script.empty()) refuse(commandLine, "no working folder");
    target.commandLine = L"\"" + script + L"\"" + rest;
    target.withoutWorkingFolderSearch = true;
    return target;
}

}  // namespace speedrail::win32
