#include "app/win32/drawing/pictures.h"

#include <wincodec.h>

#include <array>
#include <cstring>

#include "app/win32/drawing/gdi_scope.h"
#include "app/win32/drawing/resource_ids.h"
#include "platform/win32/unique_com_ptr.h"

namespace speedrail::win32 {
namespace {

struct Signature {
    std::array<BYTE, 4> bytes;
    std::size_t length;
    const CLSID* decoder;
};

// The decoder of each kind of picture the resources hold, known by the bytes
// the picture starts with. Naming the decoder spares the factory's own
// detection (CreateDecoderFromStream), which first reads every registered
// decoder's patterns from the registry: under Wine that costs more than
// decoding all of the program's pictures.
constexpr std::array<Signature, 3> kSignatures{{
    {{'G', 'I', 'F', '8'}, 4, &CLSID_WICGifDecoder},
    {{0xFF, 0xD8, 0xFF}, 3, &CLSID_WICJpegDecoder},
    {{'B', 'M'}, 2, &CLSID_WICBmpDecoder},
}};

// The class of the decoder for the picture in `bytes`; null for any other kind.
const CLSID* decoderFor(const BYTE* bytes, DWORD size) {
    for (const Signature& signature : kSignatures) {
        if (size >= signature.length &&
            std::memcmp(bytes, signature.bytes.data(), signature.length) == 0) {
            return signature.decoder;
        }
    }
    return nullptr;
}

// The first frame of an encoded picture, converted to premultiplied BGRA.
UniqueComPtr<IWICBitmapSource> decodeFirstFrame(IWICImagingFactory* factory, const void* bytes,
                                                DWORD size) {
    BYTE* const data = static_cast<BYTE*>(const_cast<void*>(bytes));
    const CLSID* const decoderClass = decoderFor(data, size);
    if (!decoderClass) return {};
    UniqueComPtr<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.put()))) return {};
    if (FAILED(stream->InitializeFromMemory(data, size))) return {};
    // Made by COM, like the factory, from where the class is registered.
    UniqueComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(::CoCreateInstance(*decoderClass, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(decoder.put()))) ||
        FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand))) {
        return {};
    }
    UniqueComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.put()))) return {};
    // Through the factory's converter: the WIC library itself is then only
    // ever loaded by COM, from where it is registered.
    UniqueComPtr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.put()))) return {};
    if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return {};
    }
    return UniqueComPtr<IWICBitmapSource>(converter.release());
}

std::optional<Picture> toBitmap(IWICBitmapSource* source) {
    UINT width = 0, height = 0;
    if (FAILED(source->GetSize(&width, &height)) || width == 0 || height == 0) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down rows, as WIC gives them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    const UINT stride = width * 4;
    if (FAILED(source->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        return {};
    }
    ::GdiFlush();
    return Picture(std::move(bitmap), static_cast<int>(width), static_cast<int>(height));
}

}  // namespace

void Picture::draw(HDC dc, int x, int y, int width, int height) const {
    const UniqueMemoryDc source(::CreateCompatibleDC(dc));
    if (!source) return;
    const SelectedObject selected(source.get(), bitmap_.get());
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = 255;
    blend.AlphaFormat = AC_SRC_ALPHA;
    // gdi32's own entry point: msimg32's AlphaBlend only forwards to it, and
    // msimg32 is no known DLL.
    ::GdiAlphaBlend(dc, x, y, width, height, source.get(), 0, 0, width_, height_, blend);
}

PictureDecoder::PictureDecoder() {
    ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                       IID_PPV_ARGS(factory_.put()));
}

// Defined here, where the factory's type is complete.
PictureDecoder::~PictureDecoder() = default;

std::optional<Picture> PictureDecoder::load(const char* name) {
    const int id = pictureResourceId(name);
    if (!factory_ || id == 0) return {};
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (!resource) return {};
    const HGLOBAL loaded = ::LoadResource(module, resource);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = ::SizeofResource(module, resource);
    if (!bytes || size == 0) return {};
    const UniqueComPtr<IWICBitmapSource> frame = decodeFirstFrame(factory_.get(), bytes, size);
    if (!frame) return {};
    return toBitmap(frame.get());
}

}  // namespace speedrail::win32
