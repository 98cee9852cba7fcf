// texslot.cpp -- loading a front-end or HUD picture by path, and binding it under the
// blend function its drawing chose.

#include "render/texslot.h"

#include "core/file.h"
#include "render/tex.h"

#include <GL/gl.h>
#include <cstdio>

// The cache lower-cases its names in place, so every request is a copy.
constexpr int TEXSLOT_PATH_SIZE = FILE_DIR_SIZE + 64;

TextureRecord *texslot_load(const char *path, const char *mask_path, uint32_t flags)
{
    char colour[TEXSLOT_PATH_SIZE];
    char mask[TEXSLOT_PATH_SIZE];
    if (!path || snprintf(colour, sizeof(colour), "%s", path) >= (int)sizeof(colour)) {
        return nullptr;
    }
    if (mask_path && snprintf(mask, sizeof(mask), "%s", mask_path) >= (int)sizeof(mask)) {
        return nullptr;
    }
    TextureRecord *record = nullptr;
    int count = 0;
    zgl_texture_find_or_load(colour, flags, &record, &count, mask_path ? mask : nullptr, 0.0f, 0);
    return record;
}

TextureRecord *texslot_load_in(const char *folder, const char *name, const char *mask, uint32_t flags)
{
    char colour[TEXSLOT_PATH_SIZE];
    char mask_path[TEXSLOT_PATH_SIZE];
    if (snprintf(colour, sizeof(colour), "%s%s", folder, name) >= (int)sizeof(colour)) {
        return nullptr;
    }
    if (mask && snprintf(mask_path, sizeof(mask_path), "%s%s", folder, mask) >= (int)sizeof(mask_path)) {
        return nullptr;
    }
    return texslot_load(colour, mask ? mask_path : nullptr, flags);
}

uint32_t texslot_handle(const TextureRecord *slot)
{
    // A record without a GL texture (not even the fallback bitmap loaded) draws nothing.
    const uint32_t handle = zgl_texture_record_handle(slot);
    return (handle & TEX_NAME_MASK) ? handle : 0;
}

void texslot_bind(const TextureRecord *slot, int additive)
{
    zgl_texture_bind(texslot_handle(slot));
    if (additive) {
        zgl_blend_additive();
    } else {
        zgl_blend_normal();
    }
}

void texslot_quad(float x1, float y1, float x2, float y2, float z, float u1, float v1, float u2, float v2)
{
    glTexCoord2f(u1, v1);
    glVertex3f(x1, y1, z);
    glTexCoord2f(u2, v1);
    glVertex3f(x2, y1, z);
    glTexCoord2f(u2, v2);
    glVertex3f(x2, y2, z);
    glTexCoord2f(u1, v2);
    glVertex3f(x1, y2, z);
}

void texslot_draw_quad(float x1, float y1, float x2, float y2, float z)
{
    glBegin(GL_QUADS);
    texslot_quad(x1, y1, x2, y2, z, 0.0f, 0.0f, 1.0f, 1.0f);
    glEnd();
}
