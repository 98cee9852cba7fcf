// File layer: whole-file and text loads, the quiet flag, the BMP decoder's checks and
// the preload cache.

#include "core/file.h"
#include "core/mem.h"
#include "render/tex.h"

#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class FileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        g_file_quiet = 0;
        g_preload_reload = 0;
        g_preload_hue = 0.0f;
    }
    void TearDown() override
    {
        file_free_textures();
        g_preload_reload = 0;
        g_preload_hue = 0.0f;
        g_file_quiet = 0;
        // Every block a test took must have come back.
        EXPECT_EQ(mem_usage, 0u);
        mem_init();
    }
    TempDir dir;
    LogCapture log;
};

void put16(std::string &s, uint32_t v)
{
    s += (char)(v & 0xff);
    s += (char)(v >> 8 & 0xff);
}

void put32(std::string &s, uint32_t v)
{
    put16(s, v & 0xffff);
    put16(s, v >> 16);
}

// A BMP built by hand, independent of the decoder and of the generator: pixel (x, y)
// of stored row y gets value (x, y) through the palette or as b = x, g = y, r = x + y.
std::string make_bmp(int width, int height, int bits, uint32_t compression = 0)
{
    int bytes = bits / 8;
    int stride = (width * bytes + 3) & ~3;
    int palette = bits == 8 ? 1024 : 0;
    std::string s = "BM";
    put32(s, (uint32_t)(54 + palette + stride * (height > 0 ? height : -height)));
    put32(s, 0);
    put32(s, (uint32_t)(54 + palette));
    put32(s, 40);
    put32(s, (uint32_t)width);
    put32(s, (uint32_t)height);
    put16(s, 1);
    put16(s, (uint32_t)bits);
    put32(s, compression);
    put32(s, 0);
    put32(s, 0);
    put32(s, 0);
    put32(s, 0);
    put32(s, 0);
    if (bits == 8) {
        for (int i = 0; i < 256; i++) {
            s += (char)i;            // blue
            s += (char)(255 - i);    // green
            s += (char)(i / 2);      // red
            s += (char)0;
        }
    }
    for (int y = 0; y < (height > 0 ? height : 0); y++) {
        for (int x = 0; x < width; x++) {
            if (bits == 8) {
                s += (char)(x * 16 + y);
            } else {
                s += (char)x;
                s += (char)y;
                s += (char)(x + y);
            }
        }
        for (int pad = width * bytes; pad < stride; pad++) {
            s += (char)0xee;   // filler must never be read as a pixel
        }
    }
    return s;
}

TEST_F(FileTest, LoadReturnsWholeFileAndSizeOnlyOnSuccess)
{
    dir.write("a.bin", std::string("\x01\x02\x03\x00\x05", 5));
    int size = 77;
    uint8_t *data = file_load(dir.file("a.bin").c_str(), &size);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(size, 5);
    EXPECT_EQ(memcmp(data, "\x01\x02\x03\x00\x05", 5), 0);
    mem_free(data);

    size = 77;
    EXPECT_EQ(file_load(dir.file("missing.bin").c_str(), &size), nullptr);
    EXPECT_EQ(size, 77);
    EXPECT_EQ(log.count("*** [file] failed to stat '" + dir.file("missing.bin") + "'"), 1);
}

TEST_F(FileTest, ZeroLengthFileGivesNullWithoutReadingAndIsNamed)
{
    dir.write("empty.bin", "");
    dir.write("z_empty.bmp", "");
    int size = 9;
    EXPECT_EQ(file_load(dir.file("empty.bin").c_str(), &size), nullptr);
    EXPECT_EQ(size, 9);
    EXPECT_EQ(mem_usage, 0u);
    EXPECT_EQ(log.count("*** [file] '" + dir.file("empty.bin") + "' is empty"), 1);
    // A damaged bitmap is named even by a probing load, which is silent about absence.
    g_file_quiet = 1;
    EXPECT_EQ(file_mload(dir.file("z_empty.bmp").c_str(), 3), nullptr);
    EXPECT_EQ(file_mload(dir.file("z_absent.bmp").c_str(), 3), nullptr);
    g_file_quiet = 0;
    EXPECT_EQ(log.count("*** [file] '" + dir.file("z_empty.bmp") + "' is empty"), 1);
    EXPECT_EQ(log.errors(), 2);
    EXPECT_EQ(g_preload_count, 0);
}

TEST_F(FileTest, QuietFlagSilencesStatAndOpenFailures)
{
    g_file_quiet = 1;
    EXPECT_EQ(file_size(dir.file("nothing").c_str()), -1);
    EXPECT_EQ(file_open(dir.file("nothing").c_str(), "rb"), nullptr);
    EXPECT_EQ(file_load(dir.file("nothing").c_str(), nullptr), nullptr);
    EXPECT_EQ(log.lines().size(), 0u);
    g_file_quiet = 0;
    EXPECT_EQ(file_open(dir.file("nothing").c_str(), "rb"), nullptr);
    EXPECT_EQ(log.count("*** [file] failed to fopen '" + dir.file("nothing") + "'"), 1);
    EXPECT_EQ(file_exists_size(dir.file("nothing").c_str()), -1);
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST_F(FileTest, TextKeepsLastByteWithoutNewline)
{
    dir.write("menu.txt", "line one\nlast");
    int size = 0;
    char *text = file_load_text(dir.file("menu.txt").c_str(), &size);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(size, 13);
    EXPECT_STREQ(text, "line one\nlast");
    mem_free(text);

    dir.write("one.txt", "x");
    text = file_load_text(dir.file("one.txt").c_str(), &size);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "x");
    EXPECT_EQ(size, 1);
    mem_free(text);
}

TEST_F(FileTest, BmpDecodesPaddedRowsInFileOrder)
{
    // 5 pixels wide: 3 filler bytes per 8-bit row, 1 per 24-bit row. Without the last
    // row's filler no pixel is missing: the file reads the same.
    for (int variant = 0; variant < 4; variant++) {
        int bits = variant % 2 ? 24 : 8;
        size_t filler = variant >= 2 ? (bits == 8 ? 3 : 1) : 0;
        std::string bmp = make_bmp(5, 3, bits);
        dir.write("p.bmp", bmp.substr(0, bmp.size() - filler));
        int w = 0;
        int h = 0;
        int ch = 0;
        uint8_t *px = file_load_bmp(dir.file("p.bmp").c_str(), &w, &h, &ch);
        ASSERT_NE(px, nullptr) << bits << " bits, last filler cut " << filler;
        EXPECT_EQ(w, 5);
        EXPECT_EQ(h, 3);
        EXPECT_EQ(ch, bits == 8 ? 1 : 3);
        for (int y = 0; y < 3; y++) {
            for (int x = 0; x < 5; x++) {
                int b, g, r;
                if (bits == 8) {
                    int i = x * 16 + y;
                    b = i;
                    g = 255 - i;
                    r = i / 2;
                    EXPECT_EQ(px[y * 5 + x], (r + g + b) / 3) << x << "," << y;
                } else {
                    b = x;
                    g = y;
                    r = x + y;
                    const uint8_t *p = px + 3 * (y * 5 + x);
                    EXPECT_EQ(p[0], r);
                    EXPECT_EQ(p[1], g);
                    EXPECT_EQ(p[2], b);
                }
            }
        }
        mem_free(px);
    }
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(FileTest, BmpChannelRequests)
{
    dir.write("p.bmp", make_bmp(3, 2, 8));
    int w, h;
    int ch = 4;
    uint8_t *px = file_load_bmp(dir.file("p.bmp").c_str(), &w, &h, &ch);
    ASSERT_NE(px, nullptr);
    EXPECT_EQ(ch, 4);
    // Pixel (1, 0): index 16 -> b 16, g 239, r 8; alpha is the grey.
    EXPECT_EQ(px[4], 8);
    EXPECT_EQ(px[5], 239);
    EXPECT_EQ(px[6], 16);
    EXPECT_EQ(px[7], (8 + 239 + 16) / 3);
    mem_free(px);

    ch = 3;
    px = file_load_bmp(dir.file("p.bmp").c_str(), &w, &h, &ch);
    ASSERT_NE(px, nullptr);
    EXPECT_EQ(px[3], 8);
    mem_free(px);

    ch = 2;
    EXPECT_EQ(file_load_bmp(dir.file("p.bmp").c_str(), &w, &h, &ch), nullptr);
    EXPECT_EQ(log.errors(), 1);
}

TEST_F(FileTest, BmpRefusesWhatItCannotRead)
{
    struct Case {
        std::string bytes;
        const char *why;
    };
    std::string good = make_bmp(4, 4, 24);
    std::string not_bm = good;
    not_bm[0] = 'X';
    std::vector<Case> cases = {
        {good.substr(0, 53), "header cut"},
        {not_bm, "no BM"},
        {make_bmp(4, 4, 16), "16 bits"},
        {make_bmp(4, 4, 32), "32 bits"},
        {make_bmp(8, 4, 8, 1), "RLE"},
        {make_bmp(0, 4, 24), "width 0"},
        {make_bmp(-4, 4, 24), "negative width"},
        {make_bmp(4, -4, 24), "top-down"},
        {make_bmp(4, 0, 24), "height 0"},
    };
    std::string wide = make_bmp(4, 1, 24);
    wide[18] = 0x01;   // width 4097
    wide[19] = 0x10;
    cases.push_back({wide, "too wide"});
    // Every cut through the pixel rows and through the palette.
    for (int cut = 54; cut < (int)good.size(); cut += 7) {
        cases.push_back({good.substr(0, (size_t)cut), "rows cut"});
    }
    std::string pal = make_bmp(3, 3, 8);
    // The last row holds 3 pixel bytes and 1 of filler: 2 bytes short, one pixel is cut.
    for (int cut : {54, 600, 1077, (int)pal.size() - 2}) {
        cases.push_back({pal.substr(0, (size_t)cut), "palette cut"});
    }
    for (const Case &c : cases) {
        log.clear();
        dir.write("bad.bmp", c.bytes);
        int w = -1;
        int h = -1;
        int ch = 0;
        EXPECT_EQ(file_load_bmp(dir.file("bad.bmp").c_str(), &w, &h, &ch), nullptr) << c.why;
        EXPECT_EQ(log.errors(), 1) << c.why;
        EXPECT_EQ(w, -1) << c.why;
        EXPECT_EQ(mem_usage, 0u) << c.why;
    }
}

TEST_F(FileTest, PreloadTypesAndReuse)
{
    dir.write("grey.bmp", make_bmp(2, 2, 8));
    dir.write("rgb.bmp", make_bmp(2, 2, 24));
    std::string grey = dir.file("grey.bmp");
    std::string rgb = dir.file("rgb.bmp");

    Preload *a = file_mload(grey.c_str(), 0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->type, 1);
    Preload *b = file_mload(rgb.c_str(), 0);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->type, 3);
    // Type 0 never matches a stored record.
    EXPECT_NE(file_mload(grey.c_str(), 0), a);
    EXPECT_EQ(g_preload_count, 3);

    // The type-0 load of the 24-bit file was stored as type 3 and serves type 3.
    Preload *c = file_mload(rgb.c_str(), 3);
    EXPECT_EQ(c, b);
    EXPECT_EQ(file_mload(rgb.c_str(), 3), c);
    std::string upper = rgb;
    upper.replace(upper.size() - 7, 3, "RGB");
    EXPECT_EQ(file_mload(upper.c_str(), 3), c) << "names compare ignoring case";
    g_preload_reload = 1;
    Preload *d = file_mload(rgb.c_str(), 3);
    EXPECT_NE(d, c);
    EXPECT_EQ(g_preload_count, 4);
    Preload *m1 = file_mload(grey.c_str(), 1);
    EXPECT_EQ(file_mload(grey.c_str(), 1), m1) << "masks are reused even while reloading";
    EXPECT_EQ(file_mload(grey.c_str(), 2), nullptr);
    EXPECT_EQ(file_mload(grey.c_str(), 5), nullptr);
    EXPECT_EQ(log.errors(), 0);

    c->texture_id = 0x00b30000;
    EXPECT_EQ(file_find_preload_by_id(0x00b30000), c);
    EXPECT_EQ(file_find_preload_by_id(0x12345678), nullptr);

    log.clear();
    file_free_textures_level();
    EXPECT_EQ(log.count("[file] textures 4"), 1);
    EXPECT_EQ(g_preload_count, 0);
    EXPECT_EQ(mem_usage, 0u);
    file_free_textures();
    EXPECT_EQ(log.lines().size(), 1u) << "an empty table logs nothing";
}

TEST_F(FileTest, PreloadFailedDecodeLeavesCountAndTable)
{
    dir.write("bad.bmp", "BM not really");
    EXPECT_EQ(file_mload(dir.file("bad.bmp").c_str(), 3), nullptr);
    EXPECT_EQ(file_mload(dir.file("none.bmp").c_str(), 3), nullptr);
    EXPECT_EQ(g_preload_count, 0);
}

TEST_F(FileTest, PreloadFullTableRefusesNewButFindsOld)
{
    dir.write("p.bmp", make_bmp(1, 1, 24));
    std::string p = dir.file("p.bmp");
    Preload *first = file_mload(p.c_str(), 3);
    ASSERT_NE(first, nullptr);
    for (int i = 1; i < MAX_PRELOADS; i++) {
        ASSERT_NE(file_mload(p.c_str(), 0), nullptr) << i;
    }
    EXPECT_EQ(g_preload_count, MAX_PRELOADS);
    EXPECT_EQ(file_mload(p.c_str(), 0), nullptr);
    EXPECT_EQ(log.count("*** [file] file_mload MAX_PRELOADS reached. Increase #define value. :)"), 1);
    EXPECT_EQ(file_mload(p.c_str(), 3), first);
    EXPECT_EQ(g_preload_count, MAX_PRELOADS);
}

TEST_F(FileTest, PreloadNamesShareTheirFirst63Characters)
{
    std::string sub(70, 'd');
    dir.write(sub + "/x.bmp", make_bmp(1, 1, 24));
    std::string path = dir.file(sub + "/x.bmp");
    Preload *a = file_mload(path.c_str(), 3);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(strlen(a->name), 63u);
    EXPECT_EQ(file_mload(path.c_str(), 3), a);
    EXPECT_EQ(g_preload_count, 1);
}

TEST_F(FileTest, PreloadHueRotatesColourImagesOnly)
{
    std::string orange = make_bmp(1, 1, 24);
    orange[54] = 0;            // blue
    orange[55] = (char)153;    // green
    orange[56] = (char)255;    // red
    dir.write("rgb.bmp", orange);
    dir.write("pal.bmp", make_bmp(4, 1, 8));
    std::string rgb = dir.file("rgb.bmp");
    Preload *plain = file_mload(rgb.c_str(), 4);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->pixels[0], 255);
    EXPECT_EQ(plain->pixels[1], 153);
    EXPECT_EQ(plain->pixels[2], 0);
    g_preload_hue = 180.0f;
    g_preload_reload = 1;
    Preload *tinted = file_mload(rgb.c_str(), 4);
    ASSERT_NE(tinted, nullptr);
    ASSERT_NE(tinted, plain);
    EXPECT_NEAR(tinted->pixels[0], 88, 2);
    EXPECT_NEAR(tinted->pixels[1], 190, 2);
    EXPECT_EQ(tinted->pixels[2], 255);
    EXPECT_EQ(tinted->pixels[3], (255 + 153 + 0) / 3) << "alpha is not rotated";
    Preload *grey = file_mload(dir.file("pal.bmp").c_str(), 1);
    g_preload_hue = 0.0f;
    Preload *grey_plain = file_mload(dir.file("pal.bmp").c_str(), 0);
    ASSERT_NE(grey, nullptr);
    ASSERT_NE(grey_plain, nullptr);
    EXPECT_EQ(memcmp(grey->pixels, grey_plain->pixels, 4), 0);
}

TEST_F(FileTest, MaskMergesOnlyWhenSizesMatch)
{
    dir.write("c.bmp", make_bmp(3, 2, 24));
    dir.write("m.bmp", make_bmp(3, 2, 8));
    dir.write("small.bmp", make_bmp(2, 2, 8));
    Preload *colour = file_mload(dir.file("c.bmp").c_str(), 4);
    Preload *mask = file_mload(dir.file("m.bmp").c_str(), 1);
    Preload *small = file_mload(dir.file("small.bmp").c_str(), 1);
    ASSERT_TRUE(colour && mask && small);
    EXPECT_EQ(file_apply_mask(colour, mask), 1);
    for (int k = 0; k < 6; k++) {
        EXPECT_EQ(colour->pixels[4 * k + 3], mask->pixels[k]);
    }
    std::vector<uint8_t> kept(colour->pixels, colour->pixels + 24);
    EXPECT_EQ(file_apply_mask(colour, small), 0);
    EXPECT_EQ(log.errors(), 1);
    EXPECT_EQ(std::vector<uint8_t>(colour->pixels, colour->pixels + 24), kept);
    EXPECT_EQ(file_apply_mask(mask, mask), 0) << "the colour image needs an alpha channel";
}

}  // namespace
