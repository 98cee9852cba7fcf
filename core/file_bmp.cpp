// file_bmp.cpp -- the BMP decoder: 8-bit paletted and 24-bit files into packed grey,
// RGB or RGBA pixels, every header field checked before a byte of pixels is read.

#include "core/file.h"

#include "core/con.h"
#include "core/mem.h"

#include <cstdint>

static uint32_t bmp_u16(const uint8_t *p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8;
}

static uint32_t bmp_u32(const uint8_t *p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

uint8_t *file_decode_bmp(const uint8_t *data, int size, const char *name, int *width, int *height,
                         int *channels)
{
    if (!name) {
        name = "(null)";
    }
    if (!data || size < BMP_HEADER_SIZE || data[0] != 'B' || data[1] != 'M') {
        con_printf("*** [file] %s is not a BMP file", name);
        return nullptr;
    }
    int32_t w = (int32_t)bmp_u32(data + 18);
    int32_t h = (int32_t)bmp_u32(data + 22);
    int bits = (int)bmp_u16(data + 28);
    uint32_t compression = bmp_u32(data + 30);
    if (bits != 8 && bits != 24) {
        con_printf("*** [file] %s has %d bits per pixel; only 8 and 24 are read", name, bits);
        return nullptr;
    }
    if (compression != 0) {
        con_printf("*** [file] %s is compressed (%u); only plain BMP files are read", name, compression);
        return nullptr;
    }
    // Top-down files (negative height) are refused with the rest: the game's bitmaps
    // are stored bottom-up.
    if (w < 1 || h < 1 || w > BMP_MAX_SIDE || h > BMP_MAX_SIDE) {
        con_printf("*** [file] %s is %d x %d; sides must be 1 .. %d", name, (int)w, (int)h, BMP_MAX_SIDE);
        return nullptr;
    }
    int want = channels ? *channels : 0;
    if (want != 0 && want != 1 && want != 3 && want != 4) {
        con_printf("*** [file] %s asked for %d channels", name, want);
        return nullptr;
    }
    int source_bytes = bits / 8;
    int start = BMP_HEADER_SIZE + (bits == 8 ? BMP_PALETTE_SIZE : 0);
    // Rows are padded to a multiple of 4 bytes. The last row's filler is never read, so
    // a file that lacks only that is whole.
    int stride = (w * source_bytes + 3) & ~3;
    int64_t need = (int64_t)start + (int64_t)stride * (h - 1) + (int64_t)w * source_bytes;
    if (need > size) {
        con_printf("*** [file] %s holds %d bytes; its pixels need %lld", name, size, (long long)need);
        return nullptr;
    }
    if (want == 0) {
        want = bits == 8 ? 1 : 3;
    }
    uint8_t *out = (uint8_t *)mem_alloc((size_t)w * (size_t)h * (size_t)want);
    if (!out) {
        return nullptr;
    }
    const uint8_t *palette = data + BMP_HEADER_SIZE;
    uint8_t *dst = out;
    for (int y = 0; y < h; y++) {
        const uint8_t *src = data + start + (size_t)stride * y;
        for (int x = 0; x < w; x++) {
            const uint8_t *bgr = bits == 8 ? palette + 4 * src[x] : src + 3 * x;
            int b = bgr[0];
            int g = bgr[1];
            int r = bgr[2];
            int grey = (r + g + b) / 3;
            switch (want) {
            case 1:
                *dst++ = (uint8_t)grey;
                break;
            case 3:
                *dst++ = (uint8_t)r;
                *dst++ = (uint8_t)g;
                *dst++ = (uint8_t)b;
                break;
            default:
                *dst++ = (uint8_t)r;
                *dst++ = (uint8_t)g;
                *dst++ = (uint8_t)b;
                *dst++ = (uint8_t)grey;
                break;
            }
        }
    }
    if (width) {
        *width = w;
    }
    if (height) {
        *height = h;
    }
    if (channels) {
        *channels = want;
    }
    return out;
}

uint8_t *file_load_bmp(const char *path, int *width, int *height, int *channels)
{
    int size = 0;
    uint8_t *file = file_load(path, &size);
    if (!file) {
        return nullptr;
    }
    uint8_t *pixels = file_decode_bmp(file, size, path, width, height, channels);
    mem_free(file);
    return pixels;
}
