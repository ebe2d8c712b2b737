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
constexpr FontLook kNoFont{nullptr, 0, false, false};

constexpr ShapeLook kNoShape{Rgb{0x000000}, 0, Rgb{0x000000}, FillStyle::Transparent};

constexpr Rgb kButtonFace{0xE0E0E0};

// The pictures that open a web page.
constexpr bool kLink = true;

// The texts of the logo under the pictures: "web" and the benchmark site's
// name in three coloured pieces.
constexpr const char* kLogoWeb = "web";
constexpr const char* kLogoFirst = "Retro";
constexpr const char* kLogoSecond = "BENCH";
constexpr const char* kLogoThird = "ORG";

// The version label: "v" and the program's version.
constexpr const char* kVersionLabel = "v" SPEEDRAIL_VERSION_TEXT;

// One row per control, in ControlId order (checked below). The rows stay
// as written: one control per block reads better than one field per line.
// clang-format off
constexpr std::array<Control, kControlCount> kControls{{
    {ControlId::Check1, "Check1", K::CheckBox, "Mantener funcionando servicios básicos de AUDIO",
     {195, 1980, 5280, 315}, Rgb{0xC0C0C0}, Rgb{0x404040}, kCalibri, P::Help, 9,
     " Marcar casilla para mantener servicios de sonido funcionando ... ", true, false, nullptr,
     kNoShape},
    {ControlId::Check2, "Check2", K::CheckBox, "Mantener funcionando servicios básicos de RED",
     {195, 2325, 5280, 300}, Rgb{0x808080}, Rgb{0xFFFFC0}, kCalibri, P::Help, 15,
     " Marcar casilla para mantener servicios de red funcionando ... ", true, false, nullptr,
     kNoShape},
    {ControlId::Check3, "Check3", K::CheckBox,
     "Mantener funcionando servicios básicos de SEGURIDAD", {195, 2655, 5280, 300},
     Rgb{0xC0C0C0}, Rgb{0x404040}, kCalibri, P::Help, 14,
     " Marcar casilla para mantener servicios básicos de seguridad funcionando ... ", true, false,
     nullptr, kNoShape},
    {ControlId::Check4, "Check4", K::CheckBox,
     "Mantener funcionando servicios básicos de IMPRESIÓN", {195, 2985, 5280, 300},
     Rgb{0x808080}, Rgb{0xFFFFC0}, kCalibri, P::Help, 16,
     " Marcar casilla para mantener servicios básicos de impresión funcionando ... ", true, false,
     nullptr, kNoShape},
    {ControlId::Check5, "Check5", K::CheckBox,
     "Detener únicamente servicios seleccionados en lista", {195, 3315, 5280, 300},
     Rgb{0x400040}, Rgb{0xFFFFFF}, kCalibri, P::Help, 17,
     " Marcar casilla para detener únicamente los servicios seleccionados ... ", true, false,
     nullptr, kNoShape},
    {ControlId::Command1, "Command1", K::CommandButton, "1º Análisis ...", {135, 1170, 1725, 675},
     kButtonFace, Rgb{0x000000}, kCalibri, P::Hand, 0,
     " Analiza el sistema en busca de servicios antes de detenerlos y los muestra por orden "
     "alfabético ...  ",
     true, true, "IDR_SCAN_GIF", kNoShape},
    {ControlId::Command2, "Command2", K::CommandButton, "Pausar ...", {2925, 5280, 1215, 285},
     std::nullopt, std::nullopt, kCalibri, P::Default, 1, nullptr, false, false, nullptr,
     kNoShape},
    {ControlId::Command3, "Command3", K::CommandButton, "Continuar ...", {4275, 5325, 1215, 270},
     std::nullopt, std::nullopt, kCalibri, P::Default, 2, nullptr, false, false, nullptr,
     kNoShape},
    {ControlId::Command4, "Command4", K::CommandButton, "2º Detener ...", {1995, 1170, 1725, 675},
     kButtonFace, Rgb{0x000000}, kCalibri, P::Hand, 3,
     " Envía orden de detención a todos los servicios seleccionados (algunos podrían no "
     "detenerse) ... ",
     true, true, "IDR_STOP_BMP", kNoShape},
    {ControlId::Command5, "Command5", K::CommandButton, "3º Reanudar ...",
     {3840, 1170, 1725, 675}, kButtonFace, Rgb{0x000000}, kCalibri, P::Hand, 4,
     " Reanuda los servicios que ha detenido ... ", true, true, "IDR_PLAY_BMP", kNoShape},
    {ControlId::List1, "List1", K::ListBox, "", {120, 4020, 5430, 1470}, Rgb{0x404040},
     Rgb{0x00FF00}, kConsolas, P::Help, 5,
     " Desactive casilla de los servicios que desee dejar funcionando ...", true, true, nullptr,
     kNoShape},
    {ControlId::Label1, "Label1", K::Label, kLogoFirst, {3885, 5625, 570, 330}, std::nullopt,
     Rgb{0xFFFF00}, kRounded, P::Hand, 7, nullptr, true, true, nullptr, kNoShape},
    {ControlId::Label2, "Label2", K::Label, kVersionLabel, {2145, 5610, 555, 180}, std::nullopt,
     Rgb{0xC0FFC0}, kTahoma, P::Help, 13,
     " Compruebe la última versión de SpeeDRaiL en la web del programa ... ", true, true, nullptr,
     kNoShape},
    {ControlId::Label4, "Label4", K::Label, "Ajuste de servicios ", {150, 3705, 5385, 270},
     Rgb{0xC0D000}, Rgb{0x000000}, kConsolas, P::Default, 6, nullptr, true, true, nullptr,
     kNoShape},
    {ControlId::Label5, "Label5", K::Label, kLogoSecond, {4440, 5625, 570, 330}, std::nullopt,
     Rgb{0xFF8080}, kRoundedItalic, P::Hand, 10, nullptr, true, true, nullptr, kNoShape},
    {ControlId::Label6, "Label6", K::Label, kLogoThird, {4995, 5625, 570, 330}, std::nullopt,
     Rgb{0x8080FF}, kRounded, P::Hand, 11, nullptr, true, true, nullptr, kNoShape},
    {ControlId::Label7, "Label7", K::Label, kLogoWeb, {3450, 5625, 465, 330}, std::nullopt,
     Rgb{0xFFFFFF}, kRounded, P::Hand, 12, nullptr, true, true, nullptr, kNoShape},
    {ControlId::Image1, "Image1", K::Image, "", {-30, -45, 5805, 1245}, std::nullopt,
     std::nullopt, kNoFont, P::Hand, -1,
     " Visita el site oficial de SpeeDRaiL y actualiza a la última versión ... ", true, true,
     "IDR_BANNER_JPG", kNoShape, kLink},
    {ControlId::Image2, "Image2", K::Image, "", {120, 5565, 240, 240}, std::nullopt,
     std::nullopt, kNoFont, P::Hand, -1, " Detiene la música de fondo ... ", true, true,
     "IDR_PAUSE_BMP", kNoShape},
    {ControlId::Image3, "Image3", K::Image, "", {525, 5565, 240, 240}, std::nullopt,
     std::nullopt, kNoFont, P::Hand, -1, " Reanuda la música de fondo ... ", true, true,
     "IDR_PLAY_BMP", kNoShape},
    {ControlId::Image4, "Image4", K::Image, "", {3120, 5595, 240, 240}, std::nullopt,
     std::nullopt, kNoFont, P::Default, -1, nullptr, true, true, "IDR_WEB_GIF", kNoShape},
    {ControlId::Image5, "Image5", K::Image, "", {1770, 5580, 240, 240}, std::nullopt,
     std::nullopt, kNoFont, P::Hand, -1, " Ayuda rápida acerca de SpeeDRaiL ... ", true, true,
     "IDR_HELP_GIF", kNoShape},
    {ControlId::Image6, "Image6", K::Image, "", {2820, 5580, 2895, 390}, std::nullopt,
     std::nullopt, kNoFont, P::Hand, -1,
     " Website de corte retro dedicado a los benchmarks informáticos... ", true, true, nullptr,
     kNoShape, kLink},
    {ControlId::Image7, "Image7", K::Image, "", {975, 5565, 240, 240}, std::nullopt,
     std::nullopt, kNoFont, P::Hand, -1, " Abre consola de servicios del sistema ...", true,
     true, "IDR_SETTINGS_WINDOW_GIF", kNoShape},
    {ControlId::Image8, "Image8", K::Image, "", {1380, 5565, 240, 240}, std::nullopt,
     std::nullopt, kNoFont, P::Hand, -1,
     " Revisar y reparar la integridad del sistema Windows (7-10) ", true, true, "IDR_GEAR_GIF",
     kNoShape},
    // The frame around the status line: 30 twips larger on every side.
    {ControlId::Shape1, "Shape1", K::Shape, "", {120, 3675, 5445, 330}, Rgb{0x808000},
     std::nullopt, kNoFont, P::Default, -1, nullptr, true, true, nullptr,
     ShapeLook{Rgb{0x000000}, 1, Rgb{0x000000}, FillStyle::Transparent}},
    // The panel behind the check boxes: 75 twips larger than their block.
    // Its fill style is transparent, so the navy back colour shows.
    {ControlId::Shape2, "Shape2", K::Shape, "", {120, 1905, 5445, 1770}, Rgb{0x000080},
     std::nullopt, kNoFont, P::Default, -1, nullptr, true, true, nullptr,
     ShapeLook{Rgb{0x000000}, 1, Rgb{0xE0E0E0}, FillStyle::Transparent}},
    {ControlId::WindowsMediaPlayer1, "WindowsMediaPlayer1", K::MediaPlayer, "",
     {2325, 5055, 510, 465}, std::nullopt, std::nullopt, kNoFont, P::Default, 8, nullptr, false,
     true, nullptr, kNoShape},
}};
// clang-format on

constexpr bool tableInIdOrder() {
    for (int i = 0; i < kControlCount; ++i) {
        if (static_cast<int>(kControls[static_cast<std::size_t>(i)].id) != i) return false;
    }
    return true;
}
static_assert(tableInIdOrder(), "the control table must list the controls in ControlId order");

}  // namespace

const WindowLayout& window() {
    static const WindowLayout frame{"SpeeDRaiL > Ejecute como Admin...", 5670, 5895, Rgb{0x000000}};
    return frame;
}

const std::array<Control, kControlCount>& controls() { return kControls; }

const Control& control(ControlId id) { return controls()[static_cast<std::size_t>(id)]; }

const std::vector<ControlId>& windowlessStacking() {
    static const std::vector<ControlId> order{
        ControlId::Label2, ControlId::Image8, ControlId::Image7, ControlId::Image6,
        ControlId::Image1, ControlId::Label7, ControlId::Label6, ControlId::Label5,
        ControlId::Shape2, ControlId::Image5, ControlId::Image4, ControlId::Image3,
        ControlId::Image2, ControlId::Label1, ControlId::Label4, ControlId::Shape1,
    };
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
