// model.cpp -- the drawing records of meshes (model_create, model_free), their instances
// (colours, hue, texture animation, materialise counter) and the texture animation step.

#include "render/model.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "core/shell.h"
#include "render/batch.h"
#include "render/hue.h"
#include "render/tex.h"

#include <cmath>
#include <cstring>

static_assert(MODEL_MAX_VERTICES <= 0x10000, "vertex indexes are 16 bits");
constexpr int MODEL_MAX_BONES = 0xffff;   // bone matrix indexes of vertices are 16 bits

constexpr uint32_t MODEL_BATCHED_KINDS = TEX_MASK | TEX_DEPTH_SORTED;
constexpr uint32_t MODEL_UNLIT_KINDS = TEX_MASK | TEX_DEPTH_SORTED | TEX_RADIAL | TEX_UNLIT;
constexpr const char *MODEL_HALF_ALPHA_PREFIX = "floor-1";
constexpr float MODEL_HALF_ALPHA_SETTING = 2.0f;   // render_backgroundgfx above this

float g_render_backgroundgfx;

static size_t model_round16(size_t n)
{
    return (n + 15) & ~(size_t)15;
}

// Carves the arrays of one record out of a single pool block.
struct ModelCarver {
    uint8_t *base;
    size_t used;
    template <typename T> T *take(size_t n)
    {
        T *p = base ? reinterpret_cast<T *>(base + used) : nullptr;
        used += model_round16(sizeof(T) * n);
        return p;
    }
};

static void model_carve(Model *m, ModelCarver *c)
{
    int D = m->draw_vertex_count;
    m->skinned = c->take<float[3]>((size_t)m->vertex_count);
    m->vertices = c->take<ModelVertex>((size_t)D);
    m->opaque = c->take<ModelTri>((size_t)m->opaque_count);
    m->batched = c->take<ModelTri>((size_t)m->batched_count);
    m->colours = c->take<uint32_t>((size_t)D);
    m->first_use = c->take<uint16_t>((size_t)D);
    m->states = c->take<ModelDrawState>((size_t)m->texture_count);
    m->bone_flags = c->take<uint8_t>((size_t)m->bone_count);
    m->bone_reach = c->take<float>((size_t)m->bone_count + 1);
    m->bone_unseen = c->take<uint8_t>((size_t)m->bone_count + 1);
}

// The farthest position of each bone matrix from its origin, in the bone's own units:
// the model's bound for any pose is then one sphere per bone (zgl_model_in_view).
static void model_fill_bone_reach(Model *m)
{
    for (int b = 0; b <= m->bone_count; b++) {
        m->bone_reach[b] = -1.0f;   // no position
    }
    for (int j = 0; j < m->vertex_count; j++) {
        const float *p = m->positions[j];
        float r = sqrtf(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        uint32_t b = m->vertex_bones[j];
        if (r > m->bone_reach[b]) {
            m->bone_reach[b] = r;
        }
    }
}

static uint32_t model_record_handle(const Model *m, int texture)
{
    return zgl_texture_record_handle(m->textures[texture]);
}

// The face word: the texture's handle with the light kind. Faces of an unlit model are
// unlit; a radial face of a lit model is lit from its bone's origin.
static uint32_t model_face_word(const Model *m, const ModelFace *face)
{
    uint32_t word = model_record_handle(m, (int)(face->word & MODEL_FACE_TEXTURE_MASK));
    if (!(m->flags & MODEL_LIT)) {
        word |= TEX_UNLIT;
    }
    if (!(word & TEX_UNLIT) && (face->word & MODEL_FACE_RADIAL)) {
        word |= TEX_RADIAL;
    }
    return word;
}

// Opaque faces of textures that draw alike (the same GL texture and blending, neither
// animated) share one draw: the slot is the first such texture.
static int model_slot_of(const Model *m, int texture)
{
    const uint32_t draws_as = TEX_NAME_MASK | TEX_ADDITIVE;
    uint32_t h = model_record_handle(m, texture);
    if (m->textures[texture]->flags & TEX_ANIMATED) {
        return texture;
    }
    for (int j = 0; j < texture; j++) {
        if (!(m->textures[j]->flags & TEX_ANIMATED) && (model_record_handle(m, j) & draws_as) == (h & draws_as)) {
            return j;
        }
    }
    return texture;
}

// Index slices of the shared index buffer, one per slot (65536 / S indices each, S the
// slots in use); 0 when every slot's opaque faces fit their slice, else -1 (logged).
static int model_cut_slices(Model *m, const ModelFile *file, const char *folder)
{
    int T = m->texture_count;
    int slots = 0;
    for (int i = 0; i < T; i++) {
        m->states[i].slot = model_slot_of(m, i);
        m->states[i].handle = model_record_handle(m, i);
        slots += m->states[i].slot == i;
    }
    for (int i = 0, k = 0; i < T; i++) {
        ModelDrawState *s = &m->states[i];
        if (s->slot == i) {
            s->slice = (int)(((int64_t)BATCH_MAX_INDICES * k / slots) & ~3);
            s->end = k + 1 < slots ? (int)(((int64_t)BATCH_MAX_INDICES * (k + 1) / slots) & ~3) : BATCH_MAX_INDICES;
            k++;
        } else {
            s->slice = m->states[s->slot].slice;
            s->end = m->states[s->slot].end;
        }
        s->write = s->slice;
    }
    for (int f = 0; f < file->face_count; f++) {
        int texture = (int)(file->faces[f].word & MODEL_FACE_TEXTURE_MASK);
        if (!(m->states[texture].handle & MODEL_BATCHED_KINDS)) {
            m->states[m->states[texture].slot].write += 3;
        }
    }
    int result = 0;
    for (int i = 0; i < T; i++) {
        ModelDrawState *s = &m->states[i];
        if (s->write > s->end) {
            con_printf("*** [model] %s: texture %d has %d opaque faces, its index slice holds %d", folder, i,
                       (s->write - s->slice) / 3, (s->end - s->slice) / 3);
            result = -1;
        }
        s->write = s->slice;
    }
    return result;
}

// Both face lists by each face's kind, in file order, and the bone flags.
static void model_bind_faces(Model *m, const ModelFile *file, const char *folder)
{
    memset(m->bone_flags, 0, (size_t)m->bone_count);
    int lit_faces = 0;
    int world_logged = 0;
    int no = 0;
    int nb = 0;
    for (int f = 0; f < file->face_count; f++) {
        const ModelFace *face = &file->faces[f];
        uint32_t word = model_face_word(m, face);
        if (!(word & MODEL_UNLIT_KINDS)) {
            lit_faces++;
            for (int k = 0; k < 3; k++) {
                uint32_t bone = file->draw_vertices[face->index[k]].bone;
                if (bone == 0 && !world_logged) {
                    con_printf("*** vert on world bone (%s)", folder);
                    world_logged = 1;
                }
                uint32_t flag = bone > 0 ? bone - 1 : 0;
                if (flag < (uint32_t)m->bone_count) {
                    m->bone_flags[flag] = 1;
                }
            }
        }
        ModelTri *t = (word & MODEL_BATCHED_KINDS) ? &m->batched[nb++] : &m->opaque[no++];
        for (int k = 0; k < 3; k++) {
            t->index[k] = (uint16_t)face->index[k];
            t->position[k] = (uint16_t)file->draw_vertices[face->index[k]].position;
        }
        t->texture = (uint16_t)(face->word & MODEL_FACE_TEXTURE_MASK);
        t->slot = (uint16_t)m->states[t->texture].slot;
        t->word = word;
    }
    if ((m->flags & MODEL_LIT) && lit_faces == 0) {
        m->flags = 0;
    }
}

// The vertices of the batched faces of a model that also has opaque faces, in order of
// first use; the faces then index this table.
static int model_build_first_use(Model *m)
{
    if (m->opaque_count == 0 || m->batched_count == 0) {
        return 0;
    }
    uint16_t *place = (uint16_t *)mem_alloc(sizeof(uint16_t) * (size_t)m->draw_vertex_count);
    if (!place) {
        return -1;
    }
    constexpr uint16_t NONE = 0xffff;
    for (int k = 0; k < m->draw_vertex_count; k++) {
        place[k] = NONE;
    }
    int n = 0;
    for (int f = 0; f < m->batched_count; f++) {
        for (int k = 0; k < 3; k++) {
            uint16_t &index = m->batched[f].index[k];
            if (place[index] == NONE) {
                place[index] = (uint16_t)n;
                m->first_use[n++] = index;
            }
            index = place[index];
        }
    }
    m->used_count = n;
    mem_free(place);
    return 0;
}

static void model_fill_colours(Model *m, const ModelFile *file, const char *folder)
{
    int D = m->draw_vertex_count;
    for (int k = 0; k < D; k++) {
        m->colours[k] = file->draw_vertices[k].colour;
    }
    if (g_preload_hue != 0.0f) {
        hue_set_angle(g_preload_hue);
        hue_apply_rgb(reinterpret_cast<uint8_t *>(m->colours), D, 4, 0);
    }
    const char *slash = strrchr(folder, '/');
    const char *last = slash ? slash + 1 : folder;
    if (g_render_backgroundgfx > MODEL_HALF_ALPHA_SETTING &&
        strncmp(last, MODEL_HALF_ALPHA_PREFIX, strlen(MODEL_HALF_ALPHA_PREFIX)) == 0) {
        con_printf(" [model] halfalpha %s", folder);
        for (int k = 0; k < D; k++) {
            m->colours[k] = (m->colours[k] & 0x00ffffffu) | ((m->colours[k] >> 25) << 24);
        }
    }
}

static void model_fill_vertices(Model *m, const ModelFile *file)
{
    for (int j = 0; j < m->vertex_count; j++) {
        for (int c = 0; c < 3; c++) {
            m->skinned[j][c] = file->positions[j][c];
        }
    }
    for (int k = 0; k < m->draw_vertex_count; k++) {
        const ModelDrawVertex *d = &file->draw_vertices[k];
        m->vertices[k] = ModelVertex{{d->normal[0], d->normal[1], d->normal[2]}, d->u, d->v, (uint16_t)d->position,
                                     (uint16_t)d->bone, 0, 0, 0};
    }
}

Model *model_create(const ModelFile *file, int bone_count, const char *folder, uint32_t flags)
{
    if (!file) {
        return nullptr;
    }
    folder = folder ? folder : "";
    if (bone_count > MODEL_MAX_BONES) {
        con_printf("*** [model] %s: %d bones", folder, bone_count);
        return nullptr;
    }
    for (int j = 0; j < file->vertex_count; j++) {
        if (file->vertex_bones[j] > (uint32_t)(bone_count > 0 ? bone_count : 0)) {
            con_printf("*** [model] %s: position %d is on bone matrix %u of %d", folder, j, file->vertex_bones[j],
                       bone_count + 1);
            return nullptr;
        }
    }
    Model head{};
    head.flags = flags;
    head.vertex_count = file->vertex_count;
    head.positions = file->positions;
    head.vertex_bones = file->vertex_bones;
    head.draw_vertex_count = file->draw_vertex_count;
    head.face_count = file->face_count;
    head.texture_count = file->texture_count;
    head.textures = file->textures;
    head.bone_count = bone_count > 0 ? bone_count : 0;
    for (int i = 0; i < file->texture_count; i++) {
        const TextureRecord *r = file->textures ? file->textures[i] : nullptr;
        if (!r) {
            con_printf("*** [model] %s: texture %d has no record", folder, i);
            return nullptr;
        }
        head.animated |= (r->flags & TEX_ANIMATED) ? 1 : 0;
    }
    for (int f = 0; f < file->face_count; f++) {
        if (model_record_handle(&head, (int)(file->faces[f].word & MODEL_FACE_TEXTURE_MASK)) & MODEL_BATCHED_KINDS) {
            head.batched_count++;
        } else {
            head.opaque_count++;
        }
    }

    ModelCarver sizer{nullptr, model_round16(sizeof(Model))};
    model_carve(&head, &sizer);
    uint8_t *block = (uint8_t *)mem_alloc(sizer.used);
    if (!block) {
        return nullptr;
    }
    memset(block, 0, sizer.used);
    Model *m = reinterpret_cast<Model *>(block);
    *m = head;
    ModelCarver carver{block, model_round16(sizeof(Model))};
    model_carve(m, &carver);

    if (model_cut_slices(m, file, folder) != 0) {
        mem_free(block);
        return nullptr;
    }
    model_bind_faces(m, file, folder);
    model_fill_colours(m, file, folder);
    model_fill_vertices(m, file);
    model_fill_bone_reach(m);
    if (model_build_first_use(m) != 0) {
        mem_free(block);
        return nullptr;
    }
    if (m->draw_vertex_count > g_model_max_draw_vertices) {
        g_model_max_draw_vertices = m->draw_vertex_count;
    }
    if (m->face_count > g_model_max_faces) {
        g_model_max_faces = m->face_count;
    }
    return m;
}

void model_free(Model *model)
{
    mem_free(model);
}

int model_draw_mode(const Model *model)
{
    if (!model) {
        return 0;
    }
    if (model->opaque_count > 0) {
        return 1;
    }
    return model->batched_count > 0 ? 2 : 0;
}

// ---- instances

int model_instance_init(ModelInstance *inst, Model *model)
{
    *inst = ModelInstance{};
    if (!model) {
        return 0;
    }
    inst->model = model;
    inst->colours = model->colours;
    if (!model->animated) {
        return 0;
    }
    int T = model->texture_count;
    inst->anims = (ModelTexAnim *)mem_alloc(sizeof(ModelTexAnim) * (size_t)T);
    if (!inst->anims) {
        return -1;
    }
    for (int i = 0; i < T; i++) {
        const TextureRecord *r = model->textures[i];
        ModelTexAnim *a = &inst->anims[i];
        *a = ModelTexAnim{};
        if (r->anim_mode != 0 && r->frame_count >= 1.0f) {
            a->mode = r->anim_mode;
            a->speed = r->anim_speed;
            a->count = r->frame_count;
        }
    }
    return 0;
}

void model_instance_set_hue(ModelInstance *inst, float degrees)
{
    Model *m = inst->model;
    float h = angle_wrap180(degrees);
    if (!m || (h > -3.0f && h < 3.0f) || m->draw_vertex_count == 0) {
        return;
    }
    size_t bytes = sizeof(uint32_t) * (size_t)m->draw_vertex_count;
    if (inst->colours == m->colours) {
        uint32_t *copy = (uint32_t *)mem_alloc(bytes);
        if (!copy) {
            return;
        }
        inst->colours = copy;
    }
    memcpy(inst->colours, m->colours, bytes);
    hue_set_angle(h);
    hue_apply_rgb(reinterpret_cast<uint8_t *>(inst->colours), m->draw_vertex_count, 4, 0);
}

void model_instance_free(ModelInstance *inst)
{
    if (inst->model && inst->colours != inst->model->colours) {
        mem_free(inst->colours);
    }
    mem_free(inst->anims);
    *inst = ModelInstance{};
}

// ---- texture animation

// The frame entry of a frame: floor(0.9984 frame), the top 8 mantissa bits of
// 1 + 0.0039 frame (valid below 256 frames), kept inside the set.
static int model_frame_entry(float frame, float count)
{
    float t = 1.0f + 0.0039f * frame;
    uint32_t bits;
    memcpy(&bits, &t, sizeof(bits));
    int entry = (int)((bits >> 15) & 0xff);
    int last = (int)count - 1;
    if (last > TEX_MAX_FRAMES - 1) {
        last = TEX_MAX_FRAMES - 1;
    }
    return entry < last ? entry : last;
}

void model_animate_textures(ModelInstance *inst)
{
    Model *m = inst->model;
    for (int i = 0; i < m->texture_count; i++) {
        m->states[i].write = m->states[i].slice;
    }
    if (!inst->anims) {
        return;
    }
    for (int i = 0; i < m->texture_count; i++) {
        ModelTexAnim *a = &inst->anims[i];
        if (a->mode == 0) {
            continue;
        }
        float f = a->frame + g_frame_dt * a->speed;
        if (f < 0.0f) {
            a->frame = 0.0f;
            a->speed = -a->speed;
        } else if (f >= a->count) {
            if (a->mode == 1) {
                a->frame = 0.0f;
            } else {
                a->speed = -a->speed;
                a->frame = a->count + a->speed;
            }
        } else {
            a->frame = f;
        }
        // A turn faster than the set is long would land before its first frame.
        if (!(a->frame >= 0.0f)) {
            a->frame = 0.0f;
        }
        m->states[i].handle = m->textures[i]->frames[model_frame_entry(a->frame, a->count)];
    }
}
