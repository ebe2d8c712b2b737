#include "app/win32/drawing/fonts.h"

#include <array>
#include <cstring>
#include <utility>

#include "app/win32/drawing/gdi_scope.h"
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
// condensed ones where possible. Arial Rounded MT Bold comes with Office,
// not with Windows: a stock Windows draws the logo in Arial, bold.
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
       {L"Arial", true},
       {L"Liberation Sans", true},
       {L"DejaVu Sans Condensed", true},
       {L"DejaVu Sans", true},
       {nullptr, false}}}},
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

std::optional<std::wstring> installedOnScreen(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    if (face.size() >= LF_FACESIZE) return std::nullopt;
    face.copy(wanted.lfFaceName, face.size());
    bool found = false;
    const WindowDc screen(nullptr);
    ::EnumFontFamiliesExW(screen.get(), &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found ? std::optional<std::wstring>(face) : std::nullopt;
}

ResolvedFace findFace(const FaceLookup& lookup, const char* face) {
    for (const Fallback& fallback : kFallbacks) {
        if (std::strcmp(fallback.face, face) != 0) continue;
        for (const Candidate& candidate : fallback.candidates) {
            if (!candidate.face) break;
            if (auto drawn = lookup(candidate.face)) {
                return ResolvedFace{std::move(*drawn), candidate.bold};
            }
        }
    }
    // Unknown or nothing installed: the font mapper picks its own substitute.
    return ResolvedFace{toWide(face), false};
}

// The font `look` with a character height of `height` pixels.
UniqueFont createFontOfHeight(const layout::FontLook& look, FontFaces& faces, int height) {
    const ResolvedFace& face = faces.resolve(look.face);
    LOGFONTW font{};
    // Negative: the character height, as point sizes are meant.
    font.lfHeight = -height;
    font.lfWeight = (look.bold || face.bold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = look.italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    face.face.copy(font.lfFaceName, LF_FACESIZE - 1);  // lfFaceName stays terminated
    return UniqueFont(::CreateFontIndirectW(&font));
}

int heightAt(const layout::FontLook& look, int dpi) {
    return ::MulDiv(look.hundredthsOfPoint, dpi, 7200);
}

}  // namespace

FontFaces::FontFaces() : FontFaces(installedOnScreen) {}

FontFaces::FontFaces(FaceLookup lookup) : lookup_(std::move(lookup)) {}

const ResolvedFace& FontFaces::resolve(const char* face) {
    auto found = resolved_.find(face);
    if (found == resolved_.end()) found = resolved_.emplace(face, findFace(lookup_, face)).first;
    return found->second;
}

int captionWidth(HDC dc, const std::wstring& caption) {
    SIZE size{};
    if (caption.empty() ||
        !::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size)) {
        return 0;
    }
    ABC last{};
    const auto letter = static_cast<UINT>(caption.back());
    const int overhang =
        ::GetCharABCWidthsW(dc, letter, letter, &last) && last.abcC < 0 ? -last.abcC : 0;
    return static_cast<int>(size.cx) + overhang;
}

UniqueFont createControlFont(const layout::Control& control, FontFaces& faces, int dpi) {
    const layout::FontLook& look = control.font;
    if (!look.face) return UniqueFont();
    const int designed = heightAt(look, dpi);
    // The opaque status line shortens its changing text with an ellipsis.
    if (control.kind != layout::ControlKind::Label || control.back) {
        return createFontOfHeight(look, faces, designed);
    }
    const std::wstring caption = toWide(control.caption);
    const int room = layout::toPixels(control.rect, dpi).width();
    const WindowDc screen(nullptr);
    // Never below half the designed size: the caption would be unreadable.
    for (int height = designed;; --height) {
        UniqueFont font = createFontOfHeight(look, faces, height);
        if (!font || height <= designed / 2) return font;
        const SelectedObject selected(screen.get(), font.get());
        if (captionWidth(screen.get(), caption) < room) return font;
    }
}

}  // namespace speedrail::win32
