// stream.cpp -- the memory streams over whole data files.

#include "core/stream.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/str.h"

#include <cstdio>
#include <cstring>

MemStream g_model_stream;
MemStream g_anim_stream;

void memstream_init(MemStream *s, const uint8_t *data, int size, const char *name)
{
    *s = MemStream{};
    s->base = const_cast<uint8_t *>(data);
    s->cursor = data;
    s->size = data && size > 0 ? size : 0;
    str_copy64(s->name, name);
}

int memstream_open_file(MemStream *s, const char *path)
{
    memstream_close(s);
    int size = 0;
    uint8_t *block = file_load(path, &size);
    if (!block) {
        return 0;
    }
    memstream_init(s, block, size, path);
    s->owned = 1;
    return 1;
}

void memstream_close(MemStream *s)
{
    if (s->owned) {
        mem_free(s->base);
    }
    *s = MemStream{};
}

int memstream_left(const MemStream *s)
{
    if (!s->base) {
        return 0;
    }
    return s->size - (int)(s->cursor - s->base);
}

// Checks that count items of item_size bytes remain; logs the first overrun.
static int memstream_take(MemStream *s, int count, int item_size)
{
    if (s->failed) {
        return 0;
    }
    int left = memstream_left(s);
    if (count < 0 || (int64_t)count * item_size > left) {
        con_printf("*** [file] %s: %d items of %d bytes asked at offset %d, %d bytes left", s->name, count,
                   item_size, s->size - left, left);
        s->failed = 1;
        return 0;
    }
    return 1;
}

int memstream_read(MemStream *s, void *dest, int n)
{
    if (!memstream_take(s, n, 1)) {
        return 0;
    }
    if (n > 0) {
        memcpy(dest, s->cursor, (size_t)n);
        s->cursor += n;
    }
    return 1;
}

static uint32_t memstream_le32(const uint8_t *p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

int memstream_read_words(MemStream *s, uint32_t *dest, int n)
{
    if (!memstream_take(s, n, 4)) {
        return 0;
    }
    for (int i = 0; i < n; i++) {
        dest[i] = memstream_le32(s->cursor);
        s->cursor += 4;
    }
    return 1;
}

int memstream_read_ints(MemStream *s, int32_t *dest, int n)
{
    if (!memstream_take(s, n, 4)) {
        return 0;
    }
    for (int i = 0; i < n; i++) {
        dest[i] = (int32_t)memstream_le32(s->cursor);
        s->cursor += 4;
    }
    return 1;
}

int memstream_read_floats(MemStream *s, float *dest, int n)
{
    if (!memstream_take(s, n, 4)) {
        return 0;
    }
    for (int i = 0; i < n; i++) {
        uint32_t bits = memstream_le32(s->cursor);
        memcpy(&dest[i], &bits, 4);
        s->cursor += 4;
    }
    return 1;
}

int memstream_read_vec3(MemStream *s, float (*dest)[3], int n)
{
    if (!memstream_take(s, n, 12)) {
        return 0;
    }
    // An empty read may come with no array at all (a mesh without positions).
    if (n == 0) {
        return 1;
    }
    return memstream_read_floats(s, &dest[0][0], 3 * n);
}

int astream_open(const char *folder)
{
    memstream_close(&g_anim_stream);
    char path[512];
    int len = snprintf(path, sizeof(path), "%s%sanim.bin", folder ? folder : "", "/");
    if (len < 0 || len >= (int)sizeof(path) || !memstream_open_file(&g_anim_stream, path)) {
        con_printf("[file1] anim ??? cant read %s", path);
        return 0;
    }
    return 1;
}

void astream_close(void)
{
    memstream_close(&g_anim_stream);
}

int astream_read(void *dest, int n)
{
    return memstream_read(&g_anim_stream, dest, n);
}

int astream_read_words(uint32_t *dest, int n)
{
    return memstream_read_words(&g_anim_stream, dest, n);
}

int astream_read_ints(int32_t *dest, int n)
{
    return memstream_read_ints(&g_anim_stream, dest, n);
}

int astream_read_floats(float *dest, int n)
{
    return memstream_read_floats(&g_anim_stream, dest, n);
}

int mstream_open(const char *path)
{
    return memstream_open_file(&g_model_stream, path);
}

void mstream_close(void)
{
    memstream_close(&g_model_stream);
}

int mstream_read(void *dest, int n)
{
    return memstream_read(&g_model_stream, dest, n);
}

int mstream_read_words(uint32_t *dest, int n)
{
    return memstream_read_words(&g_model_stream, dest, n);
}

int mstream_read_vec3(float (*dest)[3], int n)
{
    return memstream_read_vec3(&g_model_stream, dest, n);
}
