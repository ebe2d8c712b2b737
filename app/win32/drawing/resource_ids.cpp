#include "app/win32/drawing/resource_ids.h"

#include <windows.h>

#include <array>
#include <cstring>

#include "res/resource.h"

namespace speedrail::win32 {
namespace {

struct NamedId {
    const char* name;
    int id;
};

#define SPEEDRAIL_NAMED_ID(id) \
    NamedId { #id, id }
constexpr std::array<NamedId, 9> kPictures{{
    SPEEDRAIL_NAMED_ID(IDR_BANNER_JPG),
    SPEEDRAIL_NAMED_ID(IDR_SCAN_GIF),
    SPEEDRAIL_NAMED_ID(IDR_STOP_BMP),
    SPEEDRAIL_NAMED_ID(IDR_PLAY_BMP),
    SPEEDRAIL_NAMED_ID(IDR_PAUSE_BMP),
    SPEEDRAIL_NAMED_ID(IDR_SETTINGS_WINDOW_GIF),
    SPEEDRAIL_NAMED_ID(IDR_GEAR_GIF),
    SPEEDRAIL_NAMED_ID(IDR_HELP_GIF),
    SPEEDRAIL_NAMED_ID(IDR_WEB_GIF),
}};
#undef SPEEDRAIL_NAMED_ID

}  // namespace

int pictureResourceId(const char* name) {
    if (!name) return 0;
    for (const NamedId& picture : kPictures) {
        if (std::strcmp(picture.name, name) == 0) return picture.id;
    }
    return 0;
}

}  // namespace speedrail::win32
