// tex_files.h -- bitmaps for the texture tests, written with the generator's writers into
// "bitmaps/" below the working directory (relative and lower case like the game's asset
// folders, since the cache lower-cases every request), and one-entry texture requests.
#pragma once

#include "assetgen/formats.h"
#include "core/file.h"
#include "core/str.h"
#include "render/tex.h"
#include "tests/support/temp_dir.h"

#include <array>
#include <cstdio>
#include <functional>
#include <string>

inline std::string bitmap_path(const std::string &name)
{
    return "bitmaps/" + name;
}

// Points the cache's bitmaps folder at "bitmaps/".
inline void use_test_bitmaps()
{
    snprintf(g_bitmaps_dir, FILE_DIR_SIZE, "%s", "bitmaps/");
}

inline void write_rgb_bitmap(const TempDir &dir, const std::string &name, int w, int h,
                             const std::function<std::array<uint8_t, 3>(int x, int y)> &colour)
{
    ImageRgb img(w, h);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            std::array<uint8_t, 3> c = colour(x, y);
            uint8_t *p = img.at(x, y);
            p[0] = c[0];
            p[1] = c[1];
            p[2] = c[2];
        }
    }
    Bytes b = bmp_write_24(img);
    dir.write(bitmap_path(name), std::string(b.begin(), b.end()));
}

inline void write_flat_bitmap(const TempDir &dir, const std::string &name, int w, int h, uint8_t r, uint8_t g,
                              uint8_t b)
{
    write_rgb_bitmap(dir, name, w, h, [&](int, int) { return std::array<uint8_t, 3>{r, g, b}; });
}

inline void write_grey_bitmap(const TempDir &dir, const std::string &name, int w, int h,
                              const std::function<uint8_t(int x, int y)> &value)
{
    ImageGrey img(w, h);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            img.at(x, y) = value(x, y);
        }
    }
    Bytes b = bmp_write_grey(img);
    dir.write(bitmap_path(name), std::string(b.begin(), b.end()));
}

// A request of bitmaps/colour (and bitmaps/mask) into a one-entry list of its own.
inline TextureRecord *request_texture(const std::string &colour, uint32_t flags, const char *mask = nullptr,
                                      float speed = 0.0f, int mode = 0)
{
    char c[512];
    char m[512];
    str_copy_n(c, bitmap_path(colour).c_str(), sizeof(c));
    if (mask) {
        str_copy_n(m, bitmap_path(mask).c_str(), sizeof(m));
    }
    TextureRecord *list[1] = {nullptr};
    int count = 0;
    zgl_texture_find_or_load(c, flags, list, &count, mask ? m : nullptr, speed, mode);
    return count == 1 ? list[0] : nullptr;
}

inline std::string image_name(const TextureRecord *r)
{
    return r && r->colour ? std::string(r->colour->name) : std::string("(none)");
}
