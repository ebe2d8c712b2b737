// Pictures stored in the program's resources (GIF, JPEG or BMP bytes),
// decoded once with WIC into 32-bit premultiplied bitmaps and drawn with
// GdiAlphaBlend, so that a GIF's transparent colour shows what lies behind it.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/win32/com_apartment.h"
#include "platform/win32/unique_com_ptr.h"
#include "platform/win32/unique_handle.h"

struct IWICImagingFactory;

namespace speedrail::win32 {

class Picture {
public:
    Picture(UniqueBitmap bitmap, int width, int height)
        : bitmap_(std::move(bitmap)), width_(width), height_(height) {}

    int width() const { return width_; }    // pixels
    int height() const { return height_; }  // pixels
    // Draws the picture into the rectangle, scaled to its size.
    void draw(HDC dc, int x, int y, int width, int height) const;

private:
    UniqueBitmap bitmap_;  // 32 bits, top-down, premultiplied alpha
    int width_;
    int height_;
};

// Decodes pictures while it lives; it keeps COM initialised on the thread
// for that time (WIC needs it) and leaves the thread as it found it.
class PictureDecoder {
public:
    PictureDecoder();
    ~PictureDecoder();
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;

    // The program's picture the layout names `name` ("IDR_BANNER_JPG"),
    // decoded; nothing for no name, or when it is missing or cannot be
    // decoded.
    std::optional<Picture> load(const char* name);

private:
    ComApartment apartment_;  // outlives the factory below
    UniqueComPtr<IWICImagingFactory> factory_;
};

}  // namespace speedrail::win32
