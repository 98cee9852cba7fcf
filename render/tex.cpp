// tex.cpp -- the texture cache, the one bind function with the blend switching, and
// the bitmap rename table.

#include "render/tex.h"

#include "core/con.h"
#include "core/file.h"
#include "core/str.h"
#include "render/batch.h"
#include "render/hue.h"
#include "render/zgl.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <strings.h>

TextureRecord g_texture_records[MAX_TEXTURE_RECORDS];
int g_texture_record_count;
uint32_t g_next_gl_name = 1;
uint32_t g_current_handle;
uint32_t g_bound_texture;
Preload *g_current_colour_image;
Preload *g_current_mask_image;
char g_rename_table[TEX_RENAME_NAMES][TEX_RENAME_SIZE];
int g_rename_count;
float g_render_16bittexture;
float g_render_trilinear;
const FileImports TEX_FILE_IMPORTS = {zgl_texture_find_or_load, zgl_texture_record_handle, hue_set_angle,
                                      hue_apply_rgb};

// What a caller's list gets when the table is full and no fallback record exists: drawn
// as nothing (the batch skips handle 0).
static TextureRecord tex_null_record;

// Formats into an n-byte buffer; 0 when the text does not fit (the buffer is then "").
static int tex_format(char *buf, size_t n, const char *fmt, ...) __attribute__((format(printf, 3, 4)));
static int tex_format(char *buf, size_t n, const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    int len = vsnprintf(buf, n, fmt, args);
    va_end(args);
    if (len < 0 || (size_t)len >= n) {
        buf[0] = 0;
        return 0;
    }
    return 1;
}

// Binds a GL name, only when GL has another one bound.
static void tex_bind_name(uint32_t name)
{
    if (name == g_bound_texture) {
        return;
    }
    g_bound_texture = name;
    if (g_gl_ready) {
        glBindTexture(GL_TEXTURE_2D, name);
    }
}

static void tex_blend_func(int additive)
{
    if (g_gl_ready) {
        glBlendFunc(GL_SRC_ALPHA, additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    }
}

void zgl_blend_normal(void)
{
    if (g_current_handle & TEX_ADDITIVE) {
        tex_blend_func(0);
        g_current_handle &= ~TEX_ADDITIVE;
    }
}

void zgl_blend_additive(void)
{
    if (!(g_current_handle & TEX_ADDITIVE)) {
        tex_blend_func(1);
        g_current_handle |= TEX_ADDITIVE;
    }
}

void zgl_texture_bind(uint32_t handle)
{
    if (handle == 0) {
        return;
    }
    uint32_t previous = g_current_handle;
    g_current_handle = handle;
    if ((handle & TEX_ADDITIVE) != (previous & TEX_ADDITIVE)) {
        tex_blend_func((handle & TEX_ADDITIVE) != 0);
    }
    tex_bind_name(handle & TEX_NAME_MASK);
}

uint32_t zgl_texture_record_handle(const TextureRecord *record)
{
    return record ? record->handle : 0;
}

void zgl_reset_draw_state(void)
{
    if (g_gl_ready) {
        glDisable(GL_BLEND);
    }
    zgl_blend_normal();
    g_current_handle = 0;
    tex_bind_name(0);
    zbatch_reset_indices();
}

void zgl_texture_init(void)
{
    con_printf("[zgl texture] init");
    g_preload_hue = 0.0f;
    g_rename_count = 0;
    g_preload_reload = 0;
    g_next_gl_name = 1;
    g_texture_record_count = 0;
    // GL's blend function is unknown here (a new context has its own): force normal.
    g_current_handle = TEX_ADDITIVE;
    if (g_gl_ready) {
        glDisable(GL_BLEND);
    }
    zgl_blend_normal();
    g_current_handle = 0;
    // Likewise the binding: say 0 and make it so.
    g_bound_texture = TEX_NAME_MASK + 1;
    tex_bind_name(0);
    zbatch_reset_indices();
}

static int tex_image_bytes(const Preload *image)
{
    return image ? image->width * image->height * image->type : 0;
}

static void tex_delete_name(uint32_t name)
{
    if (name == 0 || !g_gl_ready) {
        return;
    }
    GLuint gl_name = name;
    glDeleteTextures(1, &gl_name);
    // GL binds 0 in place of a deleted bound texture.
    if (name == g_bound_texture) {
        g_bound_texture = 0;
    }
}

void zgl_texture_free_all(void)
{
    zbatch_unlock_and_flush();
    g_preload_hue = 0.0f;
    g_rename_count = 0;
    g_preload_reload = 0;
    long bytes = 0;
    for (int i = 0; i < g_texture_record_count; i++) {
        const TextureRecord *r = &g_texture_records[i];
        if (!(r->flags & TEX_OWNED) || (r->flags & TEX_SHARED)) {
            continue;
        }
        int size = tex_image_bytes(r->colour);
        if (r->flags & TEX_ANIMATED) {
            if (!g_gl_ready) {
                bytes += size;
                continue;
            }
            for (int f = 0; f < TEX_MAX_FRAMES && (r->frames[f] & TEX_NAME_MASK); f++) {
                tex_delete_name(r->frames[f] & TEX_NAME_MASK);
                bytes += size;
            }
        } else {
            bytes += size;
            tex_delete_name(r->gl_name);
        }
    }
    con_printf("[zgl texture] size mem %d gl %d", (int)(bytes >> 10), 0);
}

void zgl_texture_upload(Preload *image, uint32_t name, uint32_t flags)
{
    if (!image || !image->pixels || name == 0 || !g_gl_ready) {
        return;
    }
    zgl_set_pixel_alignment(1);
    zgl_texture_bind((flags & ~TEX_NAME_MASK) | name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, (flags & TEX_CLAMP_S) ? GL_CLAMP : GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, (flags & TEX_CLAMP_T) ? GL_CLAMP : GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    GLint min_filter = GL_LINEAR;
    if (flags & TEX_MIPMAP) {
        min_filter = g_render_trilinear != 0.0f ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR_MIPMAP_NEAREST;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min_filter);
    int sixteen = g_render_16bittexture != 0.0f;
    GLint internal;
    GLenum format;
    if (image->type == 1) {
        internal = GL_LUMINANCE8;
        format = GL_LUMINANCE;
        con_printf("lum %s", image->name);
    } else if (image->type == 3) {
        internal = sixteen ? GL_RGB5 : GL_RGB8;
        format = GL_RGB;
    } else {
        internal = sixteen ? GL_RGBA4 : GL_RGBA8;
        format = GL_RGBA;
    }
    if (flags & TEX_MIPMAP) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, internal, image->width, image->height, format, GL_UNSIGNED_BYTE,
                          image->pixels);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, internal, image->width, image->height, 0, format, GL_UNSIGNED_BYTE,
                     image->pixels);
    }
}

int zgl_texture_load_images(const char *colour, const char *mask, uint32_t flags)
{
    g_current_colour_image = nullptr;
    g_current_mask_image = nullptr;
    if (!colour) {
        return 0;
    }
    if (flags & TEX_MASK) {
        g_current_colour_image = file_mload(colour, 4);
        if (!g_current_colour_image) {
            return 0;
        }
        if (mask) {
            g_current_mask_image = file_mload(mask, 1);
            if (g_current_mask_image) {
                // A mask of another size is refused there; the colour keeps its own alpha.
                file_apply_mask(g_current_colour_image, g_current_mask_image);
            }
        }
    } else {
        g_current_colour_image = file_mload(colour, (flags & TEX_RGBA) ? 4 : 3);
    }
    return g_current_colour_image != nullptr;
}

// ---- rename table

void zgl_bitmap_rename(const char *old_name, const char *new_name)
{
    if (!old_name || !new_name || !old_name[0] || !new_name[0]) {
        g_rename_count = 0;
        return;
    }
    if (g_rename_count > TEX_RENAME_NAMES - 2) {
        con_printf("*** [texture] TEX_RENAME_NAMES reached. Increase #define value. :)");
        return;
    }
    char *from = g_rename_table[g_rename_count];
    char *to = g_rename_table[g_rename_count + 1];
    if (!tex_format(from, TEX_RENAME_SIZE, "%s%s", g_bitmaps_dir, old_name) ||
        !tex_format(to, TEX_RENAME_SIZE, "%s%s", g_bitmaps_dir, new_name)) {
        con_printf("*** [texture] change bitmap name too long: %s", old_name);
        return;
    }
    // A pair counts only when its replacement exists; otherwise the next call overwrites it.
    if (file_exists_size(to) > 0) {
        g_rename_count += 2;
    }
}

const char *zgl_bitmap_lookup_rename(const char *name)
{
    for (int i = 0; name && i + 1 < g_rename_count; i += 2) {
        if (strcasecmp(g_rename_table[i], name) == 0) {
            return g_rename_table[i + 1];
        }
    }
    return name;
}

const char *zgl_bitmap_rename_back(const char *name)
{
    for (int i = 0; name && i + 1 < g_rename_count; i += 2) {
        if (strcasecmp(g_rename_table[i + 1], name) == 0) {
            con_printf("change name back %s %s", g_rename_table[i], name);
            return g_rename_table[i];
        }
    }
    return name;
}

// ---- find or load

// Lower-cases a request's name in place; "(null)" is no name; renamed at most once.
static const char *tex_request_name(char *name)
{
    if (!name) {
        return nullptr;
    }
    for (char *c = name; *c; c++) {
        if (*c >= 'A' && *c <= 'Z') {
            *c = (char)(*c - 'A' + 'a');
        }
    }
    if (strcmp(name, "(null)") == 0) {
        return nullptr;
    }
    return g_rename_count ? zgl_bitmap_lookup_rename(name) : name;
}

// A name whose last "." does not begin ".bmp" names the folder of an animated set.
static int tex_is_animated_name(const char *name)
{
    const char *dot = strrchr(name, '.');
    return !dot || strncmp(dot, ".bmp", 4) != 0;
}

// The test of the reuse search: equal flags, animation and images.
static int tex_record_matches(const TextureRecord *r, uint32_t flags, int mode, float speed, int fallback)
{
    uint32_t rf = fallback ? (r->flags & ~TEX_SHARED) : r->flags;
    return rf == flags && r->anim_mode == mode && r->anim_speed == speed && r->colour == g_current_colour_image &&
           r->mask == g_current_mask_image;
}

static int tex_append(TextureRecord **list, int *count, int n, TextureRecord *record)
{
    list[n] = record;
    *count = n + 1;
    return n;
}

// A request that needs a record when the table is full: the caller gets the first
// fallback record, else the null record.
static int tex_table_full(TextureRecord **list, int *count, int n)
{
    con_printf("*** [texture] MAX_TEXTURE_RECORDS reached. Increase #define value. :)");
    for (int i = 0; i < g_texture_record_count; i++) {
        TextureRecord *r = &g_texture_records[i];
        if (r->colour && r->colour->texture_spare == 1) {
            return tex_append(list, count, n, r);
        }
    }
    return tex_append(list, count, n, &tex_null_record);
}

// The next GL name, or 0 when the handle's 16 bits are used up.
static uint32_t tex_take_gl_name(void)
{
    if (g_next_gl_name > TEX_MAX_GL_NAME) {
        con_printf("*** [texture] TEX_MAX_GL_NAME reached. Increase #define value. :)");
        return 0;
    }
    return g_next_gl_name++;
}

// How many rows and columns in from every edge of the image draw nothing under the blend
// of flags: alpha 0, or black when the blend adds (a 3- or 1-channel image has alpha 1).
// 0 when an edge texel draws, or without an image.
static int tex_clear_border(const Preload *image, uint32_t flags)
{
    if (!image || !image->pixels || image->width <= 0 || image->height <= 0) {
        return 0;
    }
    const int n = image->type;
    auto clear = [image, n, flags](int x, int y) {
        const uint8_t *t = image->pixels + (size_t)n * ((size_t)y * (size_t)image->width + (size_t)x);
        if (n == 4 && t[3] == 0) {
            return true;
        }
        if (!(flags & TEX_ADDITIVE)) {
            return false;
        }
        for (int c = 0; c < (n == 4 ? 3 : n); c++) {
            if (t[c]) {
                return false;
            }
        }
        return true;
    };
    const int w = image->width, h = image->height;
    int border = 0;
    while (2 * (border + 1) <= w && 2 * (border + 1) <= h) {
        const int k = border;
        bool ring = true;
        for (int x = k; ring && x < w - k; x++) {
            ring = clear(x, k) && clear(x, h - 1 - k);
        }
        for (int y = k; ring && y < h - k; y++) {
            ring = clear(k, y) && clear(w - 1 - k, y);
        }
        if (!ring) {
            break;
        }
        border++;
    }
    return border;
}

// Uploads the current colour image under a new name; returns the name (0 for none).
static uint32_t tex_upload_current(uint32_t flags)
{
    Preload *image = g_current_colour_image;
    if (!image) {
        return 0;
    }
    uint32_t name = tex_take_gl_name();
    if (name == 0) {
        return 0;
    }
    image->texture_id = flags;
    image->texture_gl = name;
    zgl_texture_upload(image, name, flags);
    return name;
}

// Cuts a path after its last "/" in place ("" without one).
static void tex_cut_to_folder(char *path)
{
    char *slash = strrchr(path, '/');
    if (slash) {
        slash[1] = 0;
    } else {
        path[0] = 0;
    }
}

// Frames 1, 2 ... of an animated set, from the folders of frame 0's names, until one is
// missing. Frame names are as long as frame 0's, which fitted.
static void tex_load_frames(TextureRecord *r, const char *colour0, const char *mask0)
{
    char colour_folder[TEX_NAME_SIZE];
    char mask_folder[TEX_NAME_SIZE];
    str_copy_n(colour_folder, colour0, sizeof(colour_folder));
    tex_cut_to_folder(colour_folder);
    mask_folder[0] = 0;
    if (mask0) {
        str_copy_n(mask_folder, mask0, sizeof(mask_folder));
        tex_cut_to_folder(mask_folder);
    }
    r->frames[0] = r->handle;
    g_file_quiet = 1;
    int i = 1;
    for (; i < TEX_MAX_FRAMES; i++) {
        char colour[TEX_NAME_SIZE];
        char mask[TEX_NAME_SIZE];
        if (!tex_format(colour, sizeof(colour), "%s%05d.bmp", colour_folder, i) ||
            (mask0 && !tex_format(mask, sizeof(mask), "%s%05d.bmp", mask_folder, i))) {
            break;
        }
        if (!zgl_texture_load_images(colour, mask0 ? mask : nullptr, r->flags)) {
            break;
        }
        r->frames[i] = r->flags | tex_upload_current(r->flags);
    }
    g_file_quiet = 0;
    r->frame_count = (float)i;
    if (i < TEX_MAX_FRAMES) {
        r->frames[i] = 0;
    }
}

int zgl_texture_find_or_load(char *colour, uint32_t flags, TextureRecord **list, int *count,
                             char *mask, float anim_speed, int anim_mode)
{
    if (!list || !count) {
        return -1;
    }
    const int n = *count;
    flags &= ~(TEX_SHARED | TEX_ANIMATED);
    int fallback = 0;
    const char *colour_name = tex_request_name(colour);
    const char *mask_name = tex_request_name(mask);
    char colour_path[TEX_NAME_SIZE];
    char mask_path[TEX_NAME_SIZE];

    if (!colour_name) {
        fallback = 1;
    } else if (tex_is_animated_name(colour_name)) {
        if (!tex_format(colour_path, sizeof(colour_path), "%s%s%s", colour_name, "/", "00000.bmp")) {
            con_printf("*** [texture] name too long: %s", colour_name);
            fallback = 1;
        } else {
            colour_name = colour_path;
            con_printf("[texture] animated bmp %s", colour_name);
            flags |= TEX_ANIMATED;
            anim_mode += 1;
            if (mask_name && tex_is_animated_name(mask_name)) {
                if (tex_format(mask_path, sizeof(mask_path), "%s%s%s", mask_name, "/", "00000.bmp")) {
                    mask_name = mask_path;
                    con_printf("[texture] animated mask %s", mask_name);
                } else {
                    con_printf("*** [texture] name too long: %s", mask_name);
                    mask_name = nullptr;
                }
            }
        }
    }
    if (!(flags & TEX_ANIMATED)) {
        anim_speed = 0.0f;
        anim_mode = 0;
    }
    if (!fallback && !zgl_texture_load_images(colour_name, mask_name, flags)) {
        fallback = 1;
    }
    char fallback_path[FILE_DIR_SIZE + 16];
    if (fallback) {
        snprintf(fallback_path, sizeof(fallback_path), "%sz_light.bmp", g_bitmaps_dir);
        colour_name = fallback_path;
        flags = (flags | TEX_OWNED) & ~TEX_FALLBACK_DROPS;
        mask_name = nullptr;
        anim_speed = 0.0f;
        anim_mode = 0;
        zgl_texture_load_images(colour_name, nullptr, flags);
        if (g_current_colour_image) {
            g_current_colour_image->texture_spare = 1;
        }
    }

    // An equal record: the caller's own entry for it, or a new entry pointing to it.
    for (int i = 0; i < g_texture_record_count; i++) {
        if (!tex_record_matches(&g_texture_records[i], flags, anim_mode, anim_speed, fallback)) {
            continue;
        }
        for (int k = 0; k < n; k++) {
            if (list[k] && tex_record_matches(list[k], flags, anim_mode, anim_speed, fallback)) {
                return k;
            }
        }
        return tex_append(list, count, n, &g_texture_records[i]);
    }

    if (g_texture_record_count >= MAX_TEXTURE_RECORDS) {
        return tex_table_full(list, count, n);
    }

    // The same images under other flags that keep the GL texture: a shared copy.
    for (int i = 0; i < g_texture_record_count; i++) {
        const TextureRecord *src = &g_texture_records[i];
        if (src->colour != g_current_colour_image || src->mask != g_current_mask_image ||
            (src->flags & TEX_SHARE_KEYS) != (flags & TEX_SHARE_KEYS)) {
            continue;
        }
        TextureRecord *copy = &g_texture_records[g_texture_record_count++];
        *copy = *src;
        flags |= TEX_SHARED;
        copy->flags = flags;
        copy->handle = flags | copy->gl_name;
        copy->clear_border = tex_clear_border(copy->colour, flags);
        copy->anim_mode = anim_mode;
        copy->anim_speed = anim_speed;
        if (flags & TEX_ANIMATED) {
            for (int f = 0; f < TEX_MAX_FRAMES && (copy->frames[f] & TEX_NAME_MASK); f++) {
                copy->frames[f] = flags | (copy->frames[f] & TEX_NAME_MASK);
            }
        }
        return tex_append(list, count, n, copy);
    }

    TextureRecord *r = &g_texture_records[g_texture_record_count++];
    *r = TextureRecord{};
    r->colour = g_current_colour_image;
    r->mask = g_current_mask_image;
    r->flags = flags;
    r->anim_speed = anim_speed;
    r->anim_mode = anim_mode;
    r->gl_name = tex_upload_current(flags);
    r->handle = flags | r->gl_name;
    r->clear_border = tex_clear_border(r->colour, flags);
    if (flags & TEX_ANIMATED) {
        tex_load_frames(r, colour_name, mask_name);
    }
    return tex_append(list, count, n, r);
}
