// model_file.cpp -- the "model.bin" reader: counts checked against their limits and the
// bytes left before anything is allocated, every index checked against its table.

#include "core/model_file.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/str.h"
#include "core/stream.h"

#include <cstdio>
#include <cstring>

// A count from the file, checked against its limit and against the bytes left for its
// records.
static int model_read_count(MemStream *s, const char *what, int limit, int record_bytes, int *count)
{
    uint32_t n = 0;
    if (!memstream_read_words(s, &n, 1)) {
        return 0;
    }
    if (n > (uint32_t)limit) {
        con_printf("*** [model] %s: %u %s, at most %d are read", s->name, n, what, limit);
        return 0;
    }
    if ((int64_t)n * record_bytes > memstream_left(s)) {
        con_printf("*** [model] %s: %u %s need %lld bytes, %d are left", s->name, n, what,
                   (long long)n * record_bytes, memstream_left(s));
        return 0;
    }
    *count = (int)n;
    return 1;
}

// A zero count gives no block; a failed allocation fails the load.
static int model_alloc(void **block, int count, size_t record_size)
{
    *block = nullptr;
    if (count == 0) {
        return 1;
    }
    *block = mem_alloc((size_t)count * record_size);
    return *block != nullptr;
}

// A 64-byte name field: at most 63 characters, terminated, backslashes turned into '/'.
static void model_copy_name(char dst[MODEL_NAME_SIZE], const uint8_t src[MODEL_NAME_SIZE])
{
    size_t len = strnlen((const char *)src, MODEL_NAME_SIZE - 1);
    memset(dst, 0, MODEL_NAME_SIZE);
    memcpy(dst, src, len);
    str_fix_slashes(dst);
}

static int model_parse_body(MemStream *s, int matrix_count, ModelFile *m)
{
    const char *name = s->name;
    uint32_t ignored = 0;
    if (!memstream_read_words(s, &m->first_word, 1)) {
        return -1;
    }
    if (!model_read_count(s, "positions", MODEL_MAX_VERTICES, 12, &m->vertex_count) ||
        !model_alloc((void **)&m->positions, m->vertex_count, sizeof(m->positions[0])) ||
        !memstream_read_vec3(s, m->positions, m->vertex_count)) {
        return -1;
    }
    // The file repeats a count here; the position count is the one used.
    if (!memstream_read_words(s, &ignored, 1)) {
        return -1;
    }
    if (4LL * m->vertex_count > memstream_left(s)) {
        con_printf("*** [model] %s: %d bone indexes need %d bytes, %d are left", name, m->vertex_count,
                   4 * m->vertex_count, memstream_left(s));
        return -1;
    }
    if (!model_alloc((void **)&m->vertex_bones, m->vertex_count, sizeof(uint32_t)) ||
        !memstream_read_words(s, m->vertex_bones, m->vertex_count)) {
        return -1;
    }
    for (int i = 0; i < m->vertex_count; i++) {
        if (m->vertex_bones[i] >= (uint32_t)(matrix_count > 0 ? matrix_count : 0)) {
            con_printf("*** [model] %s: position %d is on bone matrix %u of %d", name, i, m->vertex_bones[i],
                       matrix_count);
            return -1;
        }
    }

    if (!model_read_count(s, "draw vertices", MODEL_MAX_VERTICES, MODEL_DRAW_VERTEX_BYTES, &m->draw_vertex_count)) {
        return -1;
    }
    // The drawing code skins every position into the draw vertex of the same number.
    if (m->draw_vertex_count < m->vertex_count) {
        con_printf("*** [model] %s: %d draw vertices for %d positions", name, m->draw_vertex_count, m->vertex_count);
        return -1;
    }
    if (!model_alloc((void **)&m->draw_vertices, m->draw_vertex_count, sizeof(ModelDrawVertex))) {
        return -1;
    }
    for (int i = 0; i < m->draw_vertex_count; i++) {
        ModelDrawVertex *d = &m->draw_vertices[i];
        float uv[2];
        float normal[3];
        uint32_t words[1];
        uint32_t position = 0;
        memstream_read_floats(s, uv, 2);
        memstream_read_words(s, words, 1);
        memstream_read_floats(s, normal, 3);
        if (!memstream_read_words(s, &position, 1)) {
            return -1;
        }
        if (position >= (uint32_t)m->vertex_count) {
            con_printf("*** [model] %s: draw vertex %d uses position %u of %d", name, i, position, m->vertex_count);
            return -1;
        }
        d->u = uv[0];
        d->v = uv[1];
        d->colour = words[0];
        d->position = position;
        d->normal[0] = normal[0];
        d->normal[1] = normal[1];
        d->normal[2] = normal[2];
        d->bone = m->vertex_bones[position];
    }

    if (!model_read_count(s, "faces", MODEL_MAX_FACES, MODEL_FACE_BYTES, &m->face_count) ||
        !model_alloc((void **)&m->faces, m->face_count, sizeof(ModelFace))) {
        return -1;
    }
    for (int i = 0; i < m->face_count; i++) {
        uint32_t words[4];
        if (!memstream_read_words(s, words, 4)) {
            return -1;
        }
        for (int k = 0; k < 3; k++) {
            if (words[k] >= (uint32_t)m->draw_vertex_count) {
                con_printf("*** [model] %s: face %d uses draw vertex %u of %d", name, i, words[k],
                           m->draw_vertex_count);
                return -1;
            }
            m->faces[i].index[k] = words[k];
        }
        m->faces[i].word = words[3];
    }

    if (!model_read_count(s, "pairs", MODEL_MAX_PAIRS, MODEL_PAIR_BYTES, &m->pair_count) ||
        !model_alloc((void **)&m->pairs, m->pair_count, sizeof(ModelPair))) {
        return -1;
    }
    for (int i = 0; i < m->pair_count; i++) {
        uint32_t words[2];
        if (!memstream_read_words(s, words, 2)) {
            return -1;
        }
        m->pairs[i].a = words[0];
        m->pairs[i].b = words[1];
    }

    if (!model_read_count(s, "textures", MODEL_MAX_TEXTURES, MODEL_TEXTURE_BYTES, &m->texture_count) ||
        !model_alloc((void **)&m->texture_entries, m->texture_count, sizeof(ModelTexture))) {
        return -1;
    }
    for (int i = 0; i < m->texture_count; i++) {
        ModelTexture *t = &m->texture_entries[i];
        uint8_t colour[MODEL_NAME_SIZE];
        uint8_t mask[MODEL_NAME_SIZE];
        memstream_read_words(s, &t->flags, 1);
        memstream_read_floats(s, &t->anim_speed, 1);
        memstream_read_ints(s, &t->anim_mode, 1);
        memstream_read(s, colour, MODEL_NAME_SIZE);
        if (!memstream_read(s, mask, MODEL_NAME_SIZE)) {
            return -1;
        }
        // Mode 0 loops an animated set and every mode from 1 on runs it back and forth,
        // so higher modes are kept as 1: the texture cache adds one to the mode.
        if (t->anim_mode < 0) {
            con_printf("*** [model] %s: texture %d has animation mode %d", name, i, (int)t->anim_mode);
            return -1;
        }
        if (t->anim_mode > MODEL_ANIM_BACK_AND_FORTH) {
            t->anim_mode = MODEL_ANIM_BACK_AND_FORTH;
        }
        model_copy_name(t->colour, colour);
        model_copy_name(t->mask, mask);
    }
    for (int i = 0; i < m->face_count; i++) {
        uint32_t texture = m->faces[i].word & MODEL_FACE_TEXTURE_MASK;
        if (texture >= (uint32_t)m->texture_count) {
            con_printf("*** [model] %s: face %d uses texture %u of %d", name, i, texture, m->texture_count);
            return -1;
        }
    }
    return 0;
}

int model_parse(MemStream *s, int matrix_count, ModelFile *model)
{
    *model = ModelFile{};
    if (model_parse_body(s, matrix_count, model) != 0) {
        model_file_free(model);
        return -1;
    }
    return 0;
}

char *model_texture_arg(char buf[MODEL_NAME_SIZE], const char *name)
{
    str_copy_n(buf, name, MODEL_NAME_SIZE);
    return buf[0] ? buf : nullptr;
}

void model_load_textures(ModelFile *model)
{
    model->texture_used = 0;
    if (model->texture_count == 0 || !model->textures) {
        return;
    }
    // Each entry gets the record the cache returns for it: a list of one entry per call,
    // since the cache returns an earlier entry of a shared list for an equal request
    // without appending, which would leave later entries unfilled.
    for (int i = 0; i < model->texture_count; i++) {
        const ModelTexture *t = &model->texture_entries[i];
        char colour[MODEL_NAME_SIZE];
        char mask[MODEL_NAME_SIZE];
        TextureRecord *record = nullptr;
        int used = 0;
        g_file_imports.texture_find_or_load(model_texture_arg(colour, t->colour), t->flags, &record, &used,
                                            model_texture_arg(mask, t->mask), t->anim_speed, t->anim_mode);
        model->textures[i] = used == 1 ? record : nullptr;
        model->texture_used += used == 1;
    }
}

int model_load(const char *folder, int matrix_count, ModelFile *model)
{
    *model = ModelFile{};
    char path[512];
    int len = snprintf(path, sizeof(path), "%s%smodel.bin", folder ? folder : "", "/");
    if (len < 0 || len >= (int)sizeof(path)) {
        con_printf("*** [model] path too long: %s", path);
        return -1;
    }
    // A set without a mesh is normal, so its absence is not logged.
    g_file_quiet = 1;
    int opened = mstream_open(path);
    g_file_quiet = 0;
    if (!opened) {
        return 1;
    }
    int result = model_parse(&g_model_stream, matrix_count, model);
    mstream_close();
    if (result != 0) {
        return -1;
    }
    if (model->texture_count > 0) {
        model->textures = (TextureRecord **)mem_alloc(sizeof(TextureRecord *) * (size_t)model->texture_count);
        if (!model->textures) {
            model_file_free(model);
            return -1;
        }
        memset(model->textures, 0, sizeof(TextureRecord *) * (size_t)model->texture_count);
    }
    model_load_textures(model);
    return 0;
}

void model_file_free(ModelFile *model)
{
    if (!model) {
        return;
    }
    mem_free(model->positions);
    mem_free(model->vertex_bones);
    mem_free(model->draw_vertices);
    mem_free(model->faces);
    mem_free(model->pairs);
    mem_free(model->texture_entries);
    mem_free(model->textures);
    *model = ModelFile{};
}
