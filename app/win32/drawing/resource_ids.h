// The program's resource ids by the names the layout gives them.
#pragma once

namespace speedrail::win32 {

// The id of the picture resource named `name` ("IDR_BANNER_JPG"), or 0
// for an unknown name.
int pictureResourceId(const char* name);

}  // namespace speedrail::win32
