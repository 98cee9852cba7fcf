// file_preload.cpp -- the preload cache: decoded bitmaps keyed by path and channel
// count, handed to the texture cache, hue-rotated on load while a level tint is set.

#include "core/file.h"

#include "core/con.h"
#include "core/mem.h"
#include "core/str.h"

#include <strings.h>

Preload g_preloads[MAX_PRELOADS];
int g_preload_count;
int g_preload_reload;
float g_preload_hue;
FileImports g_file_imports;

Preload *file_mload(const char *name, int type)
{
    if (type != 0 && type != 1 && type != 3 && type != 4) {
        return nullptr;
    }
    if (!name) {
        return nullptr;
    }
    // Colour images asked for while the reload flag is set get a fresh copy, so a
    // new tint does not change the pixels earlier textures were made from.
    for (int i = 0; i < g_preload_count; i++) {
        Preload *p = &g_preloads[i];
        // Names are stored cut to 63 characters, so only that much is compared.
        if (p->type != type || strncasecmp(p->name, name, sizeof(p->name) - 1) != 0) {
            continue;
        }
        if (type <= 1 || !g_preload_reload) {
            return p;
        }
    }
    if (g_preload_count >= MAX_PRELOADS) {
        con_printf("*** [file] file_mload MAX_PRELOADS reached. Increase #define value. :)");
        return nullptr;
    }
    int width = 0;
    int height = 0;
    int channels = type;
    uint8_t *pixels = file_load_bmp(name, &width, &height, &channels);
    if (!pixels) {
        return nullptr;
    }
    if ((type == 3 || type == 4) && g_preload_hue != 0.0f) {
        g_file_imports.hue_set_angle(g_preload_hue);
        g_file_imports.hue_apply_rgb(pixels, width * height, type, 0);
    }
    Preload *p = &g_preloads[g_preload_count];
    *p = Preload{};
    p->pixels = pixels;
    p->width = width;
    p->height = height;
    p->type = channels;
    str_copy64(p->name, name);
    g_preload_count++;
    return p;
}

void file_free_textures(void)
{
    if (g_preload_count) {
        con_printf("[file] textures %d", g_preload_count);
    }
    for (int i = 0; i < g_preload_count; i++) {
        mem_free(g_preloads[i].pixels);
        g_preloads[i] = Preload{};
    }
    g_preload_count = 0;
}

void file_free_textures_level(void)
{
    file_free_textures();
}

Preload *file_find_preload_by_id(uint32_t id)
{
    for (int i = 0; i < g_preload_count; i++) {
        if (g_preloads[i].texture_id == id) {
            return &g_preloads[i];
        }
    }
    return nullptr;
}

int file_apply_mask(Preload *colour, const Preload *mask)
{
    if (!colour || !mask || !colour->pixels || !mask->pixels) {
        return 0;
    }
    if (colour->type != 4 || mask->type != 1 || colour->width != mask->width || colour->height != mask->height) {
        con_printf("*** [file] mask %s (%d x %d, %d channels) does not fit %s (%d x %d, %d channels)", mask->name,
                   mask->width, mask->height, mask->type, colour->name, colour->width, colour->height, colour->type);
        return 0;
    }
    int n = colour->width * colour->height;
    for (int k = 0; k < n; k++) {
        colour->pixels[4 * k + 3] = mask->pixels[k];
    }
    return 1;
}
