#include "form/layout.h"

#include <algorithm>
#include <cstdlib>

#include "form/version.h"

namespace speedrail::layout {
namespace {

using K = ControlKind;
using P = PointerStyle;

constexpr FontLook kCalibri{"Calibri", 975, false, false};
constexpr FontLook kConsolas{"Consolas", 900, false, false};
constexpr FontLook kTahoma{"Tahoma", 825, false, false};
constexpr FontLook kRounded{"Arial Rounded MT Bold", 825, false, false};
constexpr FontLook kRoundedItalic{"Arial Rounded MT Bold", 825, false, true};

constexpr Rgb kButtonFace{0xE0E0E0};

// The texts of the logo under the pictures: "web" and the benchmark site's
// name in three coloured pieces.
constexpr const char* kLogoWeb = "web";
constexpr const char* kLogoFirst = "Retro";
constexpr const char* kLogoSecond = "BENCH";
constexpr const char* kLogoThird = "ORG";

// The version label: "v" and the program's version.
constexpr const char* kVersionLabel = "v" SPEEDRAIL_VERSION_TEXT;

// A row written field by field, each setter named after its field.
class Row {
    Control c_;

    // Above its callers: clang evaluates them in the table only so.
    template <typename Field>
    constexpr Row& set(Field Control::*field, Field value) {
        c_.*field = value;
        return *this;
    }

public:
    constexpr Row(ControlId id, const char* name, ControlKind kind) : c_{} {
        c_.id = id;
        c_.name = name;
        c_.kind = kind;
    }
    constexpr Row& caption(const char* text) { return set(&Control::caption, text); }
    constexpr Row& at(int left, int top, int width, int height) {
        return set(&Control::rect, TwipsRect{left, top, width, height});
    }
    constexpr Row& back(Rgb colour) { return set(&Control::back, std::optional<Rgb>(colour)); }
    constexpr Row& fore(Rgb colour) { return set(&Control::fore, std::optional<Rgb>(colour)); }
    constexpr Row& font(FontLook look) { return set(&Control::font, look); }
    constexpr Row& pointer(PointerStyle style) { return set(&Control::pointer, style); }
    constexpr Row& tabIndex(int index) { return set(&Control::tabIndex, index); }
    constexpr Row& toolTip(const char* text) { return set(&Control::toolTip, text); }
    constexpr Row& hidden() { return set(&Control::visible, false); }
    constexpr Row& disabled() { return set(&Control::enabled, false); }
    constexpr Row& picture(const char* name) { return set(&Control::picture, name); }
    constexpr Row& shape(ShapeLook look) { return set(&Control::shape, look); }
    constexpr Row& link() { return set(&Control::link, true); }
    constexpr Row& depth(int place) { return set(&Control::depth, place); }
    constexpr operator Control() const { return c_; }
};

// One row per control, in the order screen readers read them: the banner,
// the run buttons, the boxes, the status line and the list, then the
// bottom row from left to right. The shapes and the player, which are not
// read, stand beside what they frame or last.
// clang-format off
constexpr std::array<Control, kControlCount> kControls{{
    Row(ControlId::Image1, "Image1", K::Image).at(-30, -45, 5805, 1245).pointer(P::Hand)
        .toolTip(" Visita el site oficial de SpeeDRaiL y actualiza a la última versión ... ")
        .picture("IDR_BANNER_JPG").link().depth(4),
    Row(ControlId::Command1, "Command1", K::GraphicalButton).caption("1º Análisis ...")
        .at(135, 1170, 1725, 675).back(kButtonFace).fore(Rgb{0x000000}).font(kCalibri)
        .pointer(P::Hand).tabIndex(0).picture("IDR_SCAN_GIF")
        .toolTip(" Analiza el sistema en busca de servicios antes de detenerlos y los muestra "
                 "por orden alfabético ...  "),
    Row(ControlId::Command2, "Command2", K::CommandButton).caption("Pausar ...")
        .at(2925, 5280, 1215, 285).font(kCalibri).tabIndex(1).hidden().disabled(),
    Row(ControlId::Command3, "Command3", K::CommandButton).caption("Continuar ...")
        .at(4275, 5325, 1215, 270).font(kCalibri).tabIndex(2).hidden().disabled(),
    Row(ControlId::Command4, "Command4", K::GraphicalButton).caption("2º Detener ...")
        .at(1995, 1170, 1725, 675).back(kButtonFace).fore(Rgb{0x000000}).font(kCalibri)
        .pointer(P::Hand).tabIndex(3).picture("IDR_STOP_BMP")
        .toolTip(" Envía orden de detención a todos los servicios seleccionados (algunos "
                 "podrían no detenerse) ... "),
    Row(ControlId::Command5, "Command5", K::GraphicalButton).caption("3º Reanudar ...")
        .at(3840, 1170, 1725, 675).back(kButtonFace).fore(Rgb{0x000000}).font(kCalibri)
        .pointer(P::Hand).tabIndex(4).picture("IDR_PLAY_BMP")
        .toolTip(" Reanuda los servicios que ha detenido ... "),
    // The panel behind the check boxes: 75 twips larger than their block.
    // Its fill style is transparent, so the navy back colour shows.
    Row(ControlId::Shape2, "Shape2", K::Shape).at(120, 1905, 5445, 1770).back(Rgb{0x000080})
        .shape({Rgb{0x000000}, 1, Rgb{0xE0E0E0}, FillStyle::Transparent}).depth(8),
    Row(ControlId::Check1, "Check1", K::CheckBox)
        .caption("Mantener funcionando servicios básicos de AUDIO").at(195, 1980, 5280, 315)
        .back(Rgb{0xC0C0C0}).fore(Rgb{0x404040}).font(kCalibri).pointer(P::Help).tabIndex(9)
        .toolTip(" Marcar casilla para mantener servicios de sonido funcionando ... ").disabled(),
    Row(ControlId::Check2, "Check2", K::CheckBox)
        .caption("Mantener funcionando servicios básicos de RED").at(195, 2325, 5280, 300)
        .back(Rgb{0x808080}).fore(Rgb{0xFFFFC0}).font(kCalibri).pointer(P::Help).tabIndex(15)
        .toolTip(" Marcar casilla para mantener servicios de red funcionando ... ").disabled(),
    Row(ControlId::Check3, "Check3", K::CheckBox)
        .caption("Mantener funcionando servicios básicos de SEGURIDAD").at(195, 2655, 5280, 300)
        .back(Rgb{0xC0C0C0}).fore(Rgb{0x404040}).font(kCalibri).pointer(P::Help).tabIndex(14)
        .toolTip(" Marcar casilla para mantener servicios básicos de seguridad funcionando ... ")
        .disabled(),
    Row(ControlId::Check4, "Check4", K::CheckBox)
        .caption("Mantener funcionando servicios básicos de IMPRESIÓN").at(195, 2985, 5280, 300)
        .back(Rgb{0x808080}).fore(Rgb{0xFFFFC0}).font(kCalibri).pointer(P::Help).tabIndex(16)
        .toolTip(" Marcar casilla para mantener servicios básicos de impresión funcionando ... ")
        .disabled(),
    Row(ControlId::Check5, "Check5", K::CheckBox)
        .caption("Detener únicamente servicios seleccionados en lista").at(195, 3315, 5280, 300)
        .back(Rgb{0x400040}).fore(Rgb{0xFFFFFF}).font(kCalibri).pointer(P::Help).tabIndex(17)
        .toolTip(" Marcar casilla para detener únicamente los servicios seleccionados ... ")
        .disabled(),
    // The frame around the status line: 30 twips larger on every side.
    Row(ControlId::Shape1, "Shape1", K::Shape).at(120, 3675, 5445, 330).back(Rgb{0x808000})
        .shape({Rgb{0x000000}, 1, Rgb{0x000000}, FillStyle::Transparent}).depth(15),
    Row(ControlId::Label4, "Label4", K::Label).caption("Ajuste de servicios ")
        .at(150, 3705, 5385, 270).back(Rgb{0xC0D000}).fore(Rgb{0x000000}).font(kConsolas)
        .tabIndex(6).depth(14),
    Row(ControlId::List1, "List1", K::ListBox).at(120, 4020, 5430, 1470).back(Rgb{0x404040})
        .fore(Rgb{0x00FF00}).font(kConsolas).pointer(P::Help).tabIndex(5)
        .toolTip(" Desactive casilla de los servicios que desee dejar funcionando ..."),
    Row(ControlId::Image2, "Image2", K::Image).at(120, 5565, 240, 240).pointer(P::Hand)
        .toolTip(" Detiene la música de fondo ... ").picture("IDR_PAUSE_BMP").depth(12),
    Row(ControlId::Image3, "Image3", K::Image).at(525, 5565, 240, 240).pointer(P::Hand)
        .toolTip(" Reanuda la música de fondo ... ").picture("IDR_PLAY_BMP").depth(11),
    Row(ControlId::Image7, "Image7", K::Image).at(975, 5565, 240, 240).pointer(P::Hand)
        .toolTip(" Abre consola de servicios del sistema ...").picture("IDR_SETTINGS_WINDOW_GIF")
        .depth(2),
    Row(ControlId::Image8, "Image8", K::Image).at(1380, 5565, 240, 240).pointer(P::Hand)
        .toolTip(" Revisar y reparar la integridad del sistema Windows (7-10) ")
        .picture("IDR_GEAR_GIF").depth(1),
    Row(ControlId::Image5, "Image5", K::Image).at(1770, 5580, 240, 240).pointer(P::Hand)
        .toolTip(" Ayuda rápida acerca de SpeeDRaiL ... ").picture("IDR_HELP_GIF").depth(9),
    Row(ControlId::Label2, "Label2", K::Label).caption(kVersionLabel).at(2145, 5610, 555, 180)
        .fore(Rgb{0xC0FFC0}).font(kTahoma).pointer(P::Help).tabIndex(13)
        .toolTip(" Compruebe la última versión de SpeeDRaiL en la web del programa ... ")
        .depth(0),
    Row(ControlId::Image4, "Image4", K::Image).at(3120, 5595, 240, 240).picture("IDR_WEB_GIF")
        .depth(10),
    // The click area over the logo and the web picture.
    Row(ControlId::Image6, "Image6", K::Image).at(2820, 5580, 2895, 390).pointer(P::Hand)
        .toolTip(" Website de corte retro dedicado a los benchmarks informáticos... ").link()
        .depth(3),
    Row(ControlId::Label7, "Label7", K::Label).caption(kLogoWeb).at(3450, 5625, 465, 330)
        .fore(Rgb{0xFFFFFF}).font(kRounded).pointer(P::Hand).tabIndex(12).depth(5),
    Row(ControlId::Label1, "Label1", K::Label).caption(kLogoFirst).at(3885, 5625, 570, 330)
        .fore(Rgb{0xFFFF00}).font(kRounded).pointer(P::Hand).tabIndex(7).depth(13),
    Row(ControlId::Label5, "Label5", K::Label).caption(kLogoSecond).at(4440, 5625, 570, 330)
        .fore(Rgb{0xFF8080}).font(kRoundedItalic).pointer(P::Hand).tabIndex(10).depth(7),
    Row(ControlId::Label6, "Label6", K::Label).caption(kLogoThird).at(4995, 5625, 570, 330)
        .fore(Rgb{0x8080FF}).font(kRounded).pointer(P::Hand).tabIndex(11).depth(6),
    Row(ControlId::WindowsMediaPlayer1, "WindowsMediaPlayer1", K::MediaPlayer)
        .at(2325, 5055, 510, 465).tabIndex(8).hidden(),
}};
// clang-format on

// What the table must hold, checked as the program is built.

template <typename Rule>
constexpr bool everyRow(Rule rule) {
    for (const Control& c : kControls) {
        if (!rule(c)) return false;
    }
    return true;
}

// Whether no two rows share a place (0 and above, below the control count);
// a row without one has -1.
template <typename Place>
constexpr bool placesDistinct(Place place) {
    std::array<bool, kControlCount> taken{};
    for (const Control& c : kControls) {
        const int at = place(c);
        if (at < 0) continue;
        if (at >= kControlCount || taken[static_cast<std::size_t>(at)]) return false;
        taken[static_cast<std::size_t>(at)] = true;
    }
    return true;
}

constexpr bool isPainted(ControlKind kind) {
    return kind == K::Label || kind == K::Image || kind == K::Shape;
}

// The kinds the program draws itself need the colours it draws them in:
// back and text, or text alone for a label, which may be transparent.
constexpr bool hasItsColours(const Control& c) {
    switch (c.kind) {
        case K::CheckBox:
        case K::GraphicalButton:
        case K::ListBox:
            return c.back && c.fore;
        case K::Label:
            return c.fore.has_value();
        case K::CommandButton:
        case K::Image:
        case K::Shape:
        case K::MediaPlayer:
            break;
    }
    return true;
}

static_assert(placesDistinct([](const Control& c) { return static_cast<int>(c.id); }),
              "the table must hold one row for each ControlId");
static_assert(everyRow([](const Control& c) { return static_cast<int>(c.kind) < kKindCount; }),
              "kKindCount must count every ControlKind");
static_assert(everyRow([](const Control& c) { return isPainted(c.kind) == (c.depth >= 0); }) &&
                  placesDistinct([](const Control& c) { return c.depth; }),
              "each painted control needs a depth of its own, and no other control has one");
static_assert(placesDistinct([](const Control& c) { return c.tabIndex; }),
              "tab indexes must be distinct");
static_assert(everyRow(hasItsColours), "a control the program draws needs its colours");

// Each control's row, by ControlId.
constexpr std::array<std::size_t, kControlCount> rowsById() {
    std::array<std::size_t, kControlCount> rows{};
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        rows[static_cast<std::size_t>(kControls[row].id)] = row;
    }
    return rows;
}
constexpr std::array<std::size_t, kControlCount> kRowOf = rowsById();

}  // namespace

const WindowLayout& window() {
    static const WindowLayout frame{"SpeeDRaiL > Ejecute como Admin...", 5670, 5895, Rgb{0x000000}};
    return frame;
}

const std::array<Control, kControlCount>& controls() { return kControls; }

const Control& control(ControlId id) { return kControls[kRowOf[static_cast<std::size_t>(id)]]; }

// The depths are distinct and below the control count (checked above).
const std::vector<ControlId>& windowlessStacking() {
    static const std::vector<ControlId> order = [] {
        std::array<std::optional<ControlId>, kControlCount> atDepth{};
        for (const Control& c : kControls) {
            if (c.depth >= 0) atDepth[static_cast<std::size_t>(c.depth)] = c.id;
        }
        std::vector<ControlId> painted;
        for (const std::optional<ControlId>& id : atDepth) {
            if (id) painted.push_back(*id);
        }
        return painted;
    }();
    return order;
}

int twipsToPixels(int twips, int dpi) {
    const long long product = static_cast<long long>(twips) * dpi;
    constexpr long long kTwipsPerInch = 1440;
    const long long magnitude = (std::llabs(product) + kTwipsPerInch / 2) / kTwipsPerInch;
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

PixelRect toPixels(const TwipsRect& rect, int dpi) {
    return PixelRect{twipsToPixels(rect.left, dpi), twipsToPixels(rect.top, dpi),
                     twipsToPixels(rect.right(), dpi), twipsToPixels(rect.bottom(), dpi)};
}

std::optional<ControlId> hitTestPixels(int x, int y, int dpi) {
    for (const ControlId id : windowlessStacking()) {
        const Control& c = control(id);
        if (c.visible && toPixels(c.rect, dpi).contains(x, y)) return id;
    }
    return std::nullopt;
}

std::vector<ControlId> tabOrder() {
    std::vector<ControlId> order;
    for (const Control& c : controls()) {
        if (c.tabIndex >= 0) order.push_back(c.id);
    }
    std::sort(order.begin(), order.end(),
              [](ControlId a, ControlId b) { return control(a).tabIndex < control(b).tabIndex; });
    return order;
}

}  // namespace speedrail::layout
