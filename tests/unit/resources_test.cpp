// The files in res/pictures go into the program byte for byte (RCDATA, ICON,
// CURSOR) and the window decodes them at run time. These tests read the files'
// own headers and check what the window relies on: format and pixel size, one
// frame and a transparent colour for the GIFs, 24-bit opaque bitmaps, a 32 x 32
// 16-colour icon, and 32 x 32 16-colour pointers whose hotspot lies on the
// drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

enum class Format { Unknown, Jpeg, Gif, Bmp, Icon, Cursor };

// What the headers say about one picture file.
struct Facts {
    Format format = Format::Unknown;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;                // BMP (uncompressed only), ICO, CUR
    int frames = 0;                      // GIF image descriptors
    bool firstFrameTransparent = false;  // GIF: transparency flag set before frame 1
    int hotspotX = -1;                   // CUR
    int hotspotY = -1;
    bool hotspotDrawn = false;        // CUR: the AND mask keeps the hotspot pixel
    bool aboveHotspotMasked = false;  // CUR: the pixel above the hotspot is see-through
    bool cornerMasked = false;        // ICO, CUR: the top left pixel is see-through
};

// Bounds-checked little- and big-endian reads; a short file throws.
class Reader {
public:
    explicit Reader(const Bytes& bytes) : bytes_(bytes) {}
    std::uint8_t u8(std::size_t at) const {
        if (at >= bytes_.size()) throw std::out_of_range("file ends early");
        return bytes_[at];
    }
    unsigned le16(std::size_t at) const { return u8(at) | static_cast<unsigned>(u8(at + 1)) << 8; }
    std::uint32_t le32(std::size_t at) const {
        return le16(at) | static_cast<std::uint32_t>(le16(at + 2)) << 16;
    }
    std::int32_t le32s(std::size_t at) const { return static_cast<std::int32_t>(le32(at)); }
    unsigned be16(std::size_t at) const { return static_cast<unsigned>(u8(at)) << 8 | u8(at + 1); }
    std::size_t size() const { return bytes_.size(); }

private:
    const Bytes& bytes_;
};

// JPEG: the size is in the first start-of-frame segment.
Facts jpegFacts(const Reader& r) {
    Facts facts{Format::Jpeg};
    std::size_t at = 2;
    while (true) {
        if (r.u8(at) != 0xFF) throw std::runtime_error("JPEG segment without marker");
        const unsigned marker = r.u8(at + 1);
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            facts.height = static_cast<int>(r.be16(at + 5));
            facts.width = static_cast<int>(r.be16(at + 7));
            return facts;
        }
        at += 2 + r.be16(at + 2);
    }
}

std::size_t skipGifSubBlocks(const Reader& r, std::size_t at) {
    while (const unsigned length = r.u8(at)) at += 1 + length;
    return at + 1;
}

// GIF: walks the blocks, counting frames and noting the graphic control
// extension that comes before the first one.
Facts gifFacts(const Reader& r) {
    Facts facts{Format::Gif};
    const unsigned screenFlags = r.u8(10);
    std::size_t at = 13;
    if (screenFlags & 0x80) at += 3u << ((screenFlags & 7) + 1);
    bool transparencyPending = false;
    while (true) {
        const unsigned block = r.u8(at);
        if (block == 0x3B) return facts;  // trailer
        if (block == 0x21) {
            if (r.u8(at + 1) == 0xF9 && r.u8(at + 2) >= 4) transparencyPending = r.u8(at + 3) & 1;
            at = skipGifSubBlocks(r, at + 2);
        } else if (block == 0x2C) {
            if (facts.frames++ == 0) {
                facts.width = static_cast<int>(r.le16(at + 5));
                facts.height = static_cast<int>(r.le16(at + 7));
                facts.firstFrameTransparent = transparencyPending;
            }
            const unsigned imageFlags = r.u8(at + 9);
            at += 10;
            if (imageFlags & 0x80) at += 3u << ((imageFlags & 7) + 1);
            at = skipGifSubBlocks(r, at + 1);  // after the LZW code size
        } else {
            throw std::runtime_error("unknown GIF block");
        }
    }
}

// BMP: BITMAPINFOHEADER or larger; the pixel rows must be in the file.
Facts bmpFacts(const Reader& r) {
    Facts facts{Format::Bmp};
    if (r.le32(14) < 40) throw std::runtime_error("BMP header too small");
    facts.width = r.le32s(18);
    facts.height = std::abs(r.le32s(22));
    const int bits = static_cast<int>(r.le16(28));
    const bool uncompressed = r.le32(30) == 0;
    facts.bitsPerPixel = uncompressed ? bits : 0;
    const std::size_t stride =
        (static_cast<std::size_t>(facts.width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
    if (r.le32(10) + stride * static_cast<std::size_t>(facts.height) > r.size())
        throw std::runtime_error("BMP cut short");
    return facts;
}

// ICO and CUR: the first image, stored as a bitmap with colour bits and an
// AND mask (bottom-up). A set mask bit leaves the screen unchanged.
Facts iconFacts(const Reader& r, Format format) {
    Facts facts{format};
    if (r.le16(4) < 1) throw std::runtime_error("no image in the icon file");
    const int entryWidth = r.u8(6) ? r.u8(6) : 256;
    const int entryHeight = r.u8(7) ? r.u8(7) : 256;
    const std::size_t imageSize = r.le32(14);
    const std::size_t image = r.le32(18);
    if (image + imageSize > r.size()) throw std::runtime_error("icon image cut short");
    if (r.le32(image) != 40) throw std::runtime_error("icon image is not a plain bitmap");
    facts.width = r.le32s(image + 4);
    facts.height = r.le32s(image + 8) / 2;
    if (facts.width != entryWidth || facts.height != entryHeight)
        throw std::runtime_error("icon directory and bitmap disagree on the size");
    facts.bitsPerPixel = static_cast<int>(r.le16(image + 14));
    const std::size_t colours = r.le32(image + 32)        ? r.le32(image + 32)
                                : facts.bitsPerPixel <= 8 ? std::size_t{1} << facts.bitsPerPixel
                                                          : 0;
    const std::size_t colourStride =
        (static_cast<std::size_t>(facts.width) * static_cast<std::size_t>(facts.bitsPerPixel) +
         31) /
        32 * 4;
    const std::size_t maskStride = (static_cast<std::size_t>(facts.width) + 31) / 32 * 4;
    const auto rows = static_cast<std::size_t>(facts.height);
    const std::size_t mask = image + 40 + 4 * colours + colourStride * rows;
    if (mask + maskStride * rows > image + imageSize)
        throw std::runtime_error("icon mask cut short");
    auto masked = [&](int x, int y) {
        const auto row = static_cast<std::size_t>(facts.height - 1 - y);
        return (r.u8(mask + row * maskStride + static_cast<std::size_t>(x / 8)) >> (7 - x % 8) &
                1) != 0;
    };
    facts.cornerMasked = masked(0, 0);
    if (format == Format::Cursor) {
        facts.hotspotX = static_cast<int>(r.le16(10));
        facts.hotspotY = static_cast<int>(r.le16(12));
        if (facts.hotspotX < facts.width && facts.hotspotY < facts.height) {
            facts.hotspotDrawn = !masked(facts.hotspotX, facts.hotspotY);
            facts.aboveHotspotMasked =
                facts.hotspotY == 0 || masked(facts.hotspotX, facts.hotspotY - 1);
        }
    }
    return facts;
}

Facts readFacts(const Bytes& bytes) {
    const Reader r(bytes);
    auto starts = [&](const std::string& magic) {
        return bytes.size() >= magic.size() &&
               std::equal(magic.begin(), magic.end(), bytes.begin(),
                          [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
    };
    if (starts("\xFF\xD8")) return jpegFacts(r);
    if (starts("GIF89a")) return gifFacts(r);
    if (starts("BM")) return bmpFacts(r);
    if (starts(std::string("\0\0\1\0", 4))) return iconFacts(r, Format::Icon);
    if (starts(std::string("\0\0\2\0", 4))) return iconFacts(r, Format::Cursor);
    return Facts{};
}

Bytes readPicture(const std::string& name) {
    // This file is tests/unit/resources_test.cpp; the pictures are in res/pictures.
    const auto root = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    std::ifstream in(root / "res" / "pictures" / name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open res/pictures/" + name);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct PictureCase {
    const char* file;
    Format format;
    int width;
    int height;
    int bitsPerPixel;  // 0 where the format has no fixed depth (JPEG, GIF)
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.file; }

const PictureCase kPictures[] = {
    {"banner.jpg", Format::Jpeg, 387, 83, 0},
    {"scan.gif", Format::Gif, 16, 16, 0},
    {"settings_window.gif", Format::Gif, 16, 16, 0},
    {"gear.gif", Format::Gif, 16, 16, 0},
    {"help.gif", Format::Gif, 16, 16, 0},
    {"web.gif", Format::Gif, 16, 16, 0},
    {"stop.bmp", Format::Bmp, 16, 16, 24},
    {"play.bmp", Format::Bmp, 16, 16, 24},
    {"pause.bmp", Format::Bmp, 16, 16, 24},
    {"speedrail.ico", Format::Icon, 32, 32, 4},
    {"busy.cur", Format::Cursor, 32, 32, 4},
    {"hand.cur", Format::Cursor, 32, 32, 4},
};

// Where a pointer's hotspot must be.
enum class Hotspot {
    Centre,  // the hourglass: the middle of the image
    Tip,     // the hand: the top pixel of the index finger
};

struct PointerCase {
    const char* file;
    Hotspot hotspot;
};

void PrintTo(const PointerCase& c, std::ostream* out) { *out << c.file; }

const PointerCase kPointers[] = {
    {"busy.cur", Hotspot::Centre},
    {"hand.cur", Hotspot::Tip},
};

// "settings_window.gif" -> "settings_window_gif", a valid test name.
template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = info.param.file;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}

class PictureFile : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureFile, HasTheFormatSizeAndDepthTheWindowExpects) {
    const PictureCase& c = GetParam();
    const Facts facts = readFacts(readPicture(c.file));
    EXPECT_EQ(facts.format, c.format);
    EXPECT_EQ(facts.width, c.width);
    EXPECT_EQ(facts.height, c.height);
    if (c.bitsPerPixel != 0) EXPECT_EQ(facts.bitsPerPixel, c.bitsPerPixel);
    if (c.format == Format::Gif) {
        EXPECT_EQ(facts.frames, 1) << "a still picture, not an animation";
        EXPECT_TRUE(facts.firstFrameTransparent) << "the window must show through";
    }
}

INSTANTIATE_TEST_SUITE_P(ResPictures, PictureFile, ::testing::ValuesIn(kPictures),
                         caseName<PictureCase>);

class PointerFile : public ::testing::TestWithParam<PointerCase> {};

TEST_P(PointerFile, HotspotLiesOnTheDrawingOverASeeThroughBackground) {
    const PointerCase& c = GetParam();
    const Facts facts = readFacts(readPicture(c.file));
    ASSERT_EQ(facts.format, Format::Cursor);
    EXPECT_TRUE(facts.cornerMasked) << "the background must be see-through";
    ASSERT_GE(facts.hotspotX, 0);
    ASSERT_LT(facts.hotspotX, facts.width);
    ASSERT_GE(facts.hotspotY, 0);
    ASSERT_LT(facts.hotspotY, facts.height);
    EXPECT_TRUE(facts.hotspotDrawn);
    switch (c.hotspot) {
        case Hotspot::Centre:
            EXPECT_NEAR(facts.hotspotX, facts.width / 2, 1);
            EXPECT_NEAR(facts.hotspotY, facts.height / 2, 1);
            break;
        case Hotspot::Tip:
            EXPECT_TRUE(facts.aboveHotspotMasked) << "the hotspot is the top of the finger";
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(ResPictures, PointerFile, ::testing::ValuesIn(kPointers),
                         caseName<PointerCase>);

// The readers themselves: a damaged header must not pass for a good picture.
TEST(PictureReaders, RejectDamagedFiles) {
    Bytes gif = readPicture("gear.gif");
    gif.resize(gif.size() - 1);  // no trailer: the walk runs off the end
    EXPECT_THROW(readFacts(gif), std::out_of_range);

    Bytes animated = readPicture("gear.gif");
    const Bytes frame(animated.begin() + 13 + (3u << ((animated[10] & 7) + 1)), animated.end() - 1);
    animated.insert(animated.end() - 1, frame.begin(), frame.end());
    EXPECT_EQ(readFacts(animated).frames, 2);

    Bytes cursor = readPicture("hand.cur");
    cursor[6] = 16;  // the directory claims 16 pixels, the bitmap says 32
    EXPECT_THROW(readFacts(cursor), std::runtime_error);

    EXPECT_EQ(readFacts(Bytes{'P', 'K', 3, 4}).format, Format::Unknown);
}

}  // namespace
