#include "app/win32/fonts.h"

#include <array>
#include <cstring>

#include "app/win32/gdi_scope.h"
#include "platform/win32/wide_text.h"

namespace speedrail::win32 {
namespace {

struct Candidate {
    const wchar_t* face;
    bool bold;
};

struct Fallback {
    const char* face;
    std::array<Candidate, 6> candidates;  // tried in order, up to the first empty face
};

// Close faces, best first: the face itself, a metric-compatible clone,
// faces of the same width class every Windows has, then the faces Wine
// finds on Linux (DejaVu). Calibri is narrow, so its stand-ins are
// condensed ones where possible. The logo's labels leave no room to spare:
// "BENCH" in Arial's widths runs past its label, so the narrow clone of
// Arial comes before Arial where it is installed.
constexpr std::array<Fallback, 4> kFallbacks{{
    {"Calibri",
     {{{L"Calibri", false},
       {L"Carlito", false},
       {L"Segoe UI", false},
       {L"DejaVu Sans Condensed", false},
       {L"Tahoma", false},
       {L"DejaVu Sans", false}}}},
    {"Consolas",
     {{{L"Consolas", false},
       {L"Lucida Console", false},
       {L"Courier New", false},
       {L"DejaVu Sans Mono", false},
       {L"Liberation Mono", false},
       {nullptr, false}}}},
    {"Arial Rounded MT Bold",
     {{{L"Arial Rounded MT Bold", false},
       {L"Liberation Sans Narrow", true},
       {L"Arial", true},
       {L"Liberation Sans", true},
       {L"DejaVu Sans Condensed", true},
       {L"DejaVu Sans", true}}}},
    {"Tahoma",
     {{{L"Tahoma", false},
       {L"Verdana", false},
       {L"DejaVu Sans", false},
       {nullptr, false},
       {nullptr, false},
       {nullptr, false}}}},
}};

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one match is enough
}

bool faceInstalled(HDC dc, const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name(face);
    if (name.size() >= LF_FACESIZE) return false;
    name.copy(wanted.lfFaceName, name.size());
    bool found = false;
    ::EnumFontFamiliesExW(dc, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

ResolvedFace findInstalledFace(const char* face) {
    const WindowDc screen(nullptr);
    for (const Fallback& fallback : kFallbacks) {
        if (std::strcmp(fallback.face, face) != 0) continue;
        for (const Candidate& candidate : fallback.candidates) {
            if (!candidate.face) break;
            if (faceInstalled(screen.get(), candidate.face)) {
                return ResolvedFace{candidate.face, candidate.bold};
            }
        }
    }
    // Unknown or nothing installed: the font mapper picks its own substitute.
    return ResolvedFace{toWide(face), false};
}

}  // namespace

const ResolvedFace& FontFaces::resolve(const char* face) {
    auto found = resolved_.find(face);
    if (found == resolved_.end()) found = resolved_.emplace(face, findInstalledFace(face)).first;
    return found->second;
}

UniqueFont createFont(const layout::FontLook& look, FontFaces& faces, int dpi) {
    if (!look.face) return UniqueFont();
    const ResolvedFace& face = faces.resolve(look.face);
    LOGFONTW font{};
    // Negative: the character height, as point sizes are meant.
    font.lfHeight = -::MulDiv(look.hundredthsOfPoint, dpi, 7200);
    font.lfWeight = (look.bold || face.bold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = look.italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    face.face.copy(font.lfFaceName, LF_FACESIZE - 1);  // lfFaceName stays terminated
    return UniqueFont(::CreateFontIndirectW(&font));
}

}  // namespace speedrail::win32
