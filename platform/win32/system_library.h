// DLLs taken from the system folder only. The program runs elevated from
// whatever folder it was unpacked into, so a DLL named like a system one and
// dropped beside it, or in the working folder, must never be loaded.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace speedrail::win32 {

// From here on, every DLL this process loads by name, itself or through the
// system's own code, is looked for in the system folder only. Called first
// thing, before anything loads a DLL that is not one of the system's known
// DLLs (those always come from the system folder). A Windows 7 without
// update KB2533623 lacks the setting; there the working folder at least
// leaves the search.
void restrictDllSearchToSystemFolder();

// The system folder (System32), without a final backslash; empty when the
// system does not say.
std::wstring systemFolder();

// The exported function `name` of `module` as a `Function` pointer, the
// type taken from the system's own declaration (decltype(&::Name)); null
// when the module or the function is missing.
template <typename Function>
Function exportedFunction(HMODULE module, const char* name) {
    const FARPROC proc = module ? ::GetProcAddress(module, name) : nullptr;
    // Through void(*)() so that no compiler warns about the cast.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}

// A DLL of the system folder, loaded for as long as the object lives. A DLL
// that the program's manifest redirects (the common controls, version 6)
// still comes from where the manifest points.
class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* name);

    // The exported function `name` as a `Function` pointer; null when the
    // DLL or the function is missing.
    template <typename Function>
    Function find(const char* name) const {
        return exportedFunction<Function>(module_.get(), name);
    }

private:
    UniqueModule module_;
};

// Declares, in a struct of a DLL's late-bound functions, the member `Name`:
// the function Name of `library` (a SystemLibrary member declared before
// it), typed by the system's own declaration; null when missing. Each
// function is named once.
#define SPEEDRAIL_SYSTEM_FUNCTION(library, Name) \
    decltype(&::Name) Name = (library).find<decltype(&::Name)>(#Name)

// A struct of late-bound functions, loaded on first use, on whichever thread
// comes first, and never changed after.
template <typename Functions>
const Functions& loadedOnce() {
    static const Functions loaded;
    return loaded;
}

}  // namespace speedrail::win32
