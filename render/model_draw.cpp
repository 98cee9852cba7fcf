// model_draw.cpp -- drawing a model instance: skinning by the bone matrices, the immediate
// path (opaque faces culled toward the camera, lit or not, drawn per texture from its
// index slice), the batched path into the face batch, the hit flash and materialise.

#include "render/model.h"

#include "core/mathlib.h"
#include "core/mt.h"
#include "core/shell.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/hudgfx.h"
#include "render/tex.h"
#include "render/zgl.h"

#include <cmath>
#include <cstring>

int g_model_faces_drawn;
int g_model_cull;
int g_models_culled;

constexpr uint32_t MODEL_WHITE = 0xffffffffu;
constexpr uint32_t MODEL_LIGHT_KINDS = TEX_UNLIT | TEX_RADIAL;
constexpr float MODEL_SCATTER_HEIGHT = 100.0f;   // materialise: the height faces start from at 255
constexpr float MODEL_SCATTER_SIDE = 0.1f;       // ... and the sideways spread, of that

// Positions 0 .. V-1 into the model's skinned scratch: each position by the matrix of
// its bone, the matrix loaded again only where the bone changes.
static void model_skin(Model *m, const float *matrices)
{
    const float (*p)[3] = m->positions;
    float (*out)[3] = m->skinned;
    const uint32_t *bones = m->vertex_bones;
    uint32_t bone = ~0u;
    float a0 = 0, a1 = 0, a2 = 0, a4 = 0, a5 = 0, a6 = 0, a8 = 0, a9 = 0, a10 = 0, a12 = 0, a13 = 0, a14 = 0;
    for (int j = 0; j < m->vertex_count; j++) {
        if (bones[j] != bone) {
            bone = bones[j];
            const float *w = matrices + 16 * bone;
            a0 = w[0], a1 = w[1], a2 = w[2];
            a4 = w[4], a5 = w[5], a6 = w[6];
            a8 = w[8], a9 = w[9], a10 = w[10];
            a12 = w[12], a13 = w[13], a14 = w[14];
        }
        float x = p[j][0], y = p[j][1], z = p[j][2];
        out[j][0] = a0 * x + a4 * y + a8 * z + a12;
        out[j][1] = a1 * x + a5 * y + a9 * z + a13;
        out[j][2] = a2 * x + a6 * y + a10 * z + a14;
    }
}

// A colour under light L: 0 < L <= 1 scales r, g, b by k / 256 with k = floor(256 (0.8749 L
// + 0.125)) (32 .. 255, the top 8 mantissa bits of 0.8749 L + 1.125); L <= 0 leaves an
// eighth. Alpha becomes 0. L is clamped to 1: a normal longer than 1 would wrap the bits.
static uint32_t model_shade(uint32_t c, float L)
{
    if (!(L > 0.0f)) {
        return (c >> 3) & 0x001f1f1fu;
    }
    if (L > 1.0f) {
        L = 1.0f;
    }
    float t = L * 0.8749f + 1.125f;
    uint32_t bits;
    memcpy(&bits, &t, sizeof(bits));
    uint32_t k = (bits >> 15) & 0xff;
    return (((c & 0xff) * k) >> 8) | ((((c >> 8) & 0xff) * k) >> 8) << 8 | ((((c >> 16) & 0xff) * k) >> 8) << 16;
}

// The lit colour of vertex v at its skinned position p for a face of the given word.
static uint32_t model_light(const ModelVertex *v, const float p[3], uint32_t c, uint32_t word, const float *matrices,
                            const float (*light)[3])
{
    uint32_t kind = word & MODEL_LIGHT_KINDS;
    if (kind == 0) {
        const float *l = light[v->bone];
        return model_shade(c, v->normal[0] * l[0] + v->normal[1] * l[1] + v->normal[2] * l[2]);
    }
    if (kind != TEX_RADIAL) {
        return c;
    }
    const float *w = matrices + 16 * v->bone;
    float d[3] = {p[0] - w[12], p[1] - w[13], p[2] - w[14]};
    float len = sqrtf(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (!(len > 0.0f)) {
        return model_shade(c, 0.0f);
    }
    float dot = d[0] * g_light_dir[0] + d[1] * g_light_dir[1] + d[2] * g_light_dir[2];
    return model_shade(c, dot * fast_recip(len));
}

// A bone whose positions all lie within a sphere of this radius on screen (in pixels)
// draws at most a pixel or two: while the world is drawn (g_model_cull) its faces are left
// out. Explosions' shards and puffs spend much of their lives that small.
constexpr float MODEL_UNSEEN_RADIUS_PIXELS = 0.5f;

// The length of a bone matrix's longest column: the scale its reach is multiplied by for
// the sphere around its faces (a rotation times per-axis scales stretches no direction
// further).
static float model_bone_scale(const float *x)
{
    float longest = 0.0f;
    for (int col = 0; col < 3; col++) {
        const float *c = x + 4 * col;
        float len2 = c[0] * c[0] + c[1] * c[1] + c[2] * c[2];
        longest = len2 > longest ? len2 : longest;
    }
    return sqrtf(longest);
}

// Marks the bones drawn smaller than a pixel (m->bone_unseen); returns how many.
static int model_mark_unseen_bones(Model *m, const float *matrices)
{
    if (!g_model_cull || g_gl_height <= 0) {
        return 0;
    }
    float eye[3];
    camera_position(eye);
    const float focal = 0.5f * (float)g_gl_height / tanf(0.5f * g_fov * DEG2RAD);
    int unseen = 0;
    for (int b = 0; b <= m->bone_count; b++) {
        const float *x = matrices + 16 * b;
        float d[3] = {x[12] - eye[0], x[13] - eye[1], x[14] - eye[2]};
        float dist = sqrtf(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        float radius = m->bone_reach[b] * model_bone_scale(x);
        // Within the sphere's distance the eye could be inside it: seen.
        int small = dist > radius && radius * focal < MODEL_UNSEEN_RADIUS_PIXELS * (dist - radius);
        m->bone_unseen[b] = (uint8_t)small;
        unseen += small;
    }
    return unseen;
}

// 1 when every corner of the face lies on a bone drawn smaller than a pixel.
static int model_face_unseen(const Model *m, const ModelTri *t)
{
    const uint32_t *bones = m->vertex_bones;
    const uint8_t *unseen = m->bone_unseen;
    return unseen[bones[t->position[0]]] & unseen[bones[t->position[1]]] & unseen[bones[t->position[2]]];
}

// The serial of a new immediate draw; on its wrap every vertex is marked unseen.
static uint32_t model_next_serial(Model *m)
{
    if (++m->serial == 0) {
        for (int k = 0; k < m->draw_vertex_count; k++) {
            m->vertices[k].seen = 0;
        }
        m->serial = 1;
    }
    return m->serial;
}

static void model_add_face(const ModelTri *t, const BatchVertex *v, int first, uint32_t handle)
{
    uint32_t i0 = (uint32_t)first + t->index[0];
    uint32_t i1 = (uint32_t)first + t->index[1];
    uint32_t i2 = (uint32_t)first + t->index[2];
    zbatch_add_face(i0, i1, i2, handle, zbatch_bucket_of_heights(v[t->index[0]].y, v[t->index[1]].y, v[t->index[2]].y));
}

static uint32_t model_face_handle(const Model *m, const ModelTri *t, int hit)
{
    return hit ? g_hit_texture_handle : m->states[t->texture].handle;
}

// Batched path of a model whose faces are all batched: every draw vertex into the batch.
static void model_bucket_faces(ModelInstance *inst, const float *matrices, int hit)
{
    Model *m = inst->model;
    int first = 0;
    BatchVertex *bv = zbatch_reserve(m->draw_vertex_count, m->batched_count, &first);
    if (!bv) {
        return;
    }
    model_skin(m, matrices);
    const int unseen_bones = model_mark_unseen_bones(m, matrices);
    const ModelVertex *vx = m->vertices;
    for (int k = 0; k < m->draw_vertex_count; k++) {
        const float *p = m->skinned[vx[k].source];
        bv[k] = BatchVertex{p[0], p[1], p[2], vx[k].u, vx[k].v, hit ? MODEL_WHITE : inst->colours[k]};
    }
    for (int f = 0; f < m->batched_count; f++) {
        if (!(unseen_bones && model_face_unseen(m, &m->batched[f]))) {
            model_add_face(&m->batched[f], bv, first, model_face_handle(m, &m->batched[f], hit));
        }
    }
}

// The batched faces of a model that also has opaque ones (after its immediate draw
// skinned the positions and marked the unseen bones, unseen_bones of them): the vertices
// of the first-use table into the batch.
static void model_bucket_used(ModelInstance *inst, int hit, int unseen_bones)
{
    Model *m = inst->model;
    int first = 0;
    BatchVertex *bv = zbatch_reserve(m->used_count, m->batched_count, &first);
    if (!bv) {
        return;
    }
    const ModelVertex *vx = m->vertices;
    for (int n = 0; n < m->used_count; n++) {
        int k = m->first_use[n];
        const float *p = m->skinned[vx[k].source];
        bv[n] = BatchVertex{p[0], p[1], p[2], vx[k].u, vx[k].v, hit ? MODEL_WHITE : inst->colours[k]};
    }
    for (int f = 0; f < m->batched_count; f++) {
        if (!(unseen_bones && model_face_unseen(m, &m->batched[f]))) {
            model_add_face(&m->batched[f], bv, first, model_face_handle(m, &m->batched[f], hit));
        }
    }
}

// The opaque faces of consecutive draws gathered for one glDrawElements while their
// handle stays the same (between zgl_models_begin and zgl_models_end; otherwise around
// each draw): their packed vertices in the expanded-vertex buffer from its start, their
// indices in the immediate paths' scratch (the vertex-flag words). Inside a depth-tested
// gathering (zgl_models_gather_begin) the indices go to their handle's group instead.
struct ModelRun {
    int open;         // depth of begin / end calls
    int gather;       // 1 inside a gathering by handle, 2 by handle where the screen allows
    uint32_t handle;
    int vertices;
    int indices;
};
static ModelRun model_run;
constexpr int MODEL_RUN_MAX_INDICES = BATCH_VERTEX_FLAG_WORDS * 2;

// A gathering's groups: each handle met since the last draw of the groups, with its
// indices in a chain of chunks of one pool. Full pool or table: the groups are drawn and
// the gathering goes on.
constexpr int MODEL_GROUPS = 96;
constexpr int MODEL_CHUNK_INDICES = 1536;   // 512 faces
constexpr int MODEL_CHUNKS = 128;
struct ModelGroup {
    uint32_t handle;
    int first;   // its first and last chunk
    int last;
};
struct ModelChunk {
    int next;    // the group's next chunk, -1 for none
    int count;   // indices in it
};
static ModelGroup model_groups[MODEL_GROUPS];
static int model_group_count;
static ModelChunk model_chunks[MODEL_CHUNKS];
static uint16_t model_chunk_indices[MODEL_CHUNKS][MODEL_CHUNK_INDICES];
static int model_chunk_count;
static int model_group_last = -1;   // the group the last faces went to

static uint16_t *model_run_index_buffer(void)
{
    return reinterpret_cast<uint16_t *>(g_batch_vertex_flags);
}

static void model_draw_indices(uint32_t handle, const uint16_t *indices, int count)
{
    zbatch_set_arrays(g_batch_expanded, model_run.vertices);
    zgl_draw_elements(handle, indices, count);
    zbatch_unlock();
}

static void model_cells_clear(void);

// Draws every group in the order they were met, one texture bind each, and empties them.
// Each chunk's vertices are copied to the front of the compact buffer first and its
// indices renumbered, so that every draw names a short run of vertices (GL's work for a
// draw grows with the span of vertices its indices reach).
static void model_groups_draw(void)
{
    for (int g = 0; g < model_group_count; g++) {
        for (int c = model_groups[g].first; c >= 0; c = model_chunks[c].next) {
            int n = zbatch_compact(g_batch_expanded, model_chunk_indices[c], model_chunks[c].count);
            zbatch_set_arrays(g_batch_compact, n);
            zgl_draw_elements(model_groups[g].handle, model_chunk_indices[c], model_chunks[c].count);
            zbatch_unlock();
        }
    }
    model_group_count = 0;
    model_chunk_count = 0;
    model_group_last = -1;
    if (model_run.gather == 2) {
        model_cells_clear();
    }
}

// Draws the gathered indices; the vertices stay for the faces still to come.
static void model_run_draw(void)
{
    if (model_run.gather) {
        model_groups_draw();
        return;
    }
    if (model_run.indices > 0) {
        model_draw_indices(model_run.handle, model_run_index_buffer(), model_run.indices);
    }
    model_run.indices = 0;
    model_run.handle = 0;
}

// A fresh chunk for group g; -1 when the pool is used up.
static int model_group_take_chunk(int g)
{
    if (model_chunk_count >= MODEL_CHUNKS) {
        return -1;
    }
    int c = model_chunk_count++;
    model_chunks[c] = ModelChunk{-1, 0};
    if (model_groups[g].last >= 0) {
        model_chunks[model_groups[g].last].next = c;
    } else {
        model_groups[g].first = c;
    }
    model_groups[g].last = c;
    return c;
}

// The group of a handle, made when new; -1 when the table is full.
static int model_group_of(uint32_t handle)
{
    if (model_group_last >= 0 && model_groups[model_group_last].handle == handle) {
        return model_group_last;
    }
    for (int g = 0; g < model_group_count; g++) {
        if (model_groups[g].handle == handle) {
            return model_group_last = g;
        }
    }
    if (model_group_count >= MODEL_GROUPS) {
        return -1;
    }
    model_groups[model_group_count] = ModelGroup{handle, -1, -1};
    return model_group_last = model_group_count++;
}

// Without depth testing the later of two overlapping faces shows, so a gathering that
// keeps the pictures may only move a draw ahead of earlier ones it does not overlap on
// screen. The screen is cut into cells; each holds 1 + the latest group with a draw
// covering it (0: none). A draw joins the latest group of its handle when none of its
// cells is held by a later group, and otherwise opens a new group of that handle.
constexpr int MODEL_CELLS_X = 64;
constexpr int MODEL_CELLS_Y = 48;
constexpr float MODEL_CELL_MARGIN_PIXELS = 2.0f;   // beyond the corners: rounding, pixel centres
static_assert(MODEL_GROUPS < 255, "a cell holds 1 + a group number in a byte");
static uint8_t model_cells[MODEL_CELLS_Y][MODEL_CELLS_X];
static float model_view[16];          // the camera's view transform, taken at the begin
static float model_cell_scale[2];     // eye x / -z and y / -z to cell units
static int model_cell_rect[4];        // the current draw's cells: x0, y0, x1, y1 inclusive

static void model_cells_clear(void)
{
    memset(model_cells, 0, sizeof(model_cells));
}

static void model_cells_begin(void)
{
    model_cells_clear();
    camera_view_matrix(model_view);
    float t = tanf(0.5f * g_fov * DEG2RAD);
    model_cell_scale[0] = 0.5f * (float)MODEL_CELLS_X / (t * g_aspect);
    model_cell_scale[1] = 0.5f * (float)MODEL_CELLS_Y / t;
}

// The cells the packed vertices cover, with a margin; every cell when one of them lies
// near or behind the eye.
static void model_cells_of(const BatchVertex *v, int count)
{
    const float *w = model_view;
    float lo[2] = {1e30f, 1e30f};
    float hi[2] = {-1e30f, -1e30f};
    int all = 0;
    for (int k = 0; k < count; k++) {
        float ex = w[0] * v[k].x + w[4] * v[k].y + w[8] * v[k].z + w[12];
        float ey = w[1] * v[k].x + w[5] * v[k].y + w[9] * v[k].z + w[13];
        float ez = w[2] * v[k].x + w[6] * v[k].y + w[10] * v[k].z + w[14];
        if (!(-ez > 0.5f * g_near_plane)) {
            all = 1;
            break;
        }
        float r = 1.0f / -ez;
        float sx = ex * r, sy = ey * r;
        lo[0] = sx < lo[0] ? sx : lo[0];
        hi[0] = sx > hi[0] ? sx : hi[0];
        lo[1] = sy < lo[1] ? sy : lo[1];
        hi[1] = sy > hi[1] ? sy : hi[1];
    }
    const int limit[2] = {MODEL_CELLS_X - 1, MODEL_CELLS_Y - 1};
    const int pixels[2] = {g_gl_width > 0 ? g_gl_width : 1, g_gl_height > 0 ? g_gl_height : 1};
    for (int a = 0; a < 2; a++) {
        float half = 0.5f * (float)(limit[a] + 1);
        float margin = MODEL_CELL_MARGIN_PIXELS * (float)(limit[a] + 1) / (float)pixels[a];
        float c0 = lo[a] * model_cell_scale[a] + half - margin;
        float c1 = hi[a] * model_cell_scale[a] + half + margin;
        int i0 = 0, i1 = limit[a];
        if (!all && count > 0) {
            i0 = c0 > 0.0f ? (c0 < (float)limit[a] ? (int)c0 : limit[a]) : 0;
            i1 = c1 > 0.0f ? (c1 < (float)limit[a] ? (int)c1 : limit[a]) : 0;
        }
        model_cell_rect[a] = i0;
        model_cell_rect[2 + a] = i1;
    }
}

// 1 when a group after g holds one of the current draw's cells.
static int model_cells_taken_after(int g)
{
    for (int y = model_cell_rect[1]; y <= model_cell_rect[3]; y++) {
        for (int x = model_cell_rect[0]; x <= model_cell_rect[2]; x++) {
            if (model_cells[y][x] > g + 1) {
                return 1;
            }
        }
    }
    return 0;
}

static void model_cells_take(int g)
{
    for (int y = model_cell_rect[1]; y <= model_cell_rect[3]; y++) {
        for (int x = model_cell_rect[0]; x <= model_cell_rect[2]; x++) {
            if (model_cells[y][x] < g + 1) {
                model_cells[y][x] = (uint8_t)(g + 1);
            }
        }
    }
}

// The group a draw of the handle joins in a layered gathering (see above), made when
// needed; -1 when the table is full.
static int model_group_layered(uint32_t handle)
{
    int g = model_group_count - 1;
    while (g >= 0 && model_groups[g].handle != handle) {
        g--;
    }
    if (g < 0 || model_cells_taken_after(g)) {
        if (model_group_count >= MODEL_GROUPS) {
            return -1;
        }
        g = model_group_count++;
        model_groups[g] = ModelGroup{handle, -1, -1};
    }
    model_cells_take(g);
    return g;
}

static void model_group_add(uint32_t handle, const uint16_t *indices, int count)
{
    while (count > 0) {
        int g = model_run.gather == 2 ? model_group_layered(handle) : model_group_of(handle);
        int c = g >= 0 ? model_groups[g].last : -1;
        if (g >= 0 && (c < 0 || model_chunks[c].count == MODEL_CHUNK_INDICES)) {
            c = model_group_take_chunk(g);
        }
        if (c < 0) {
            model_groups_draw();
            continue;
        }
        int n = MODEL_CHUNK_INDICES - model_chunks[c].count;
        n = n < count ? n : count;
        memcpy(model_chunk_indices[c] + model_chunks[c].count, indices, sizeof(uint16_t) * (size_t)n);
        model_chunks[c].count += n;
        indices += n;
        count -= n;
    }
}

static void model_run_add(uint32_t handle, const uint16_t *indices, int count)
{
    if (model_run.gather) {
        model_group_add(handle, indices, count);
        return;
    }
    if (count > MODEL_RUN_MAX_INDICES) {
        model_run_draw();
        model_draw_indices(handle, indices, count);
        return;
    }
    if ((model_run.indices > 0 && handle != model_run.handle) || model_run.indices + count > MODEL_RUN_MAX_INDICES) {
        model_run_draw();
    }
    model_run.handle = handle;
    memcpy(model_run_index_buffer() + model_run.indices, indices, sizeof(uint16_t) * (size_t)count);
    model_run.indices += count;
}

void zgl_models_begin(void)
{
    if (model_run.open++ == 0) {
        model_run = ModelRun{1, 0, 0, 0, 0};
    }
}

void zgl_models_end(void)
{
    if (model_run.open <= 0 || --model_run.open > 0) {
        return;
    }
    if (g_batch_expanded) {
        model_run_draw();
    }
    model_run = ModelRun{};
}

// Opens a gathering of the given kind (1 by handle, 2 by handle where the screen allows)
// when this begin is the outermost; inner pairs join it.
static void model_gather_open(int kind)
{
    zgl_models_begin();
    if (model_run.open == 1) {
        model_run.gather = kind;
        model_group_count = 0;
        model_chunk_count = 0;
        model_group_last = -1;
        if (kind == 2) {
            model_cells_begin();
        }
    }
}

void zgl_models_gather_begin(void)
{
    model_gather_open(1);
}

void zgl_models_gather_end(void)
{
    zgl_models_end();
}

void zgl_models_layered_begin(void)
{
    model_gather_open(2);
}

// Immediate path: the opaque faces toward the camera. Each vertex of a kept face is
// coloured (lit, unlit or the hit flash's white) and packed once after the run's
// vertices; the faces' indices go to their slot's slice of the index buffer (the hit
// flash: all from its start, with the hit texture) and from there into the run, which is
// drawn whenever its handle changes. Then the batched faces.
static void model_draw_immediate(ModelInstance *inst, const float *matrices, const float (*light)[3], int hit)
{
    Model *m = inst->model;
    if (model_run.vertices + m->draw_vertex_count > BATCH_MAX_VERTICES) {
        model_run_draw();
        model_run.vertices = 0;
    }
    model_skin(m, matrices);
    const int unseen_bones = model_mark_unseen_bones(m, matrices);
    ModelVertex *vx = m->vertices;
    const float (*pos)[3] = m->skinned;
    const uint32_t serial = model_next_serial(m);
    const uint32_t *colours = inst->colours;
    const int lit = !hit && light && (m->flags & MODEL_LIT);
    float eye[3];
    camera_position(eye);
    uint16_t *indices = g_batch_indices;
    const int base = model_run.vertices;
    BatchVertex *packed = g_batch_expanded + base;
    int packed_count = 0;
    ModelDrawState *states = m->states;
    int hit_count = 0;
    for (int f = 0; f < m->opaque_count; f++) {
        const ModelTri *t = &m->opaque[f];
        const float *p0 = pos[t->position[0]];
        const float *p1 = pos[t->position[1]];
        const float *p2 = pos[t->position[2]];
        float e1x = p1[0] - p0[0], e1y = p1[1] - p0[1], e1z = p1[2] - p0[2];
        float e2x = p2[0] - p0[0], e2y = p2[1] - p0[1], e2z = p2[2] - p0[2];
        float nx = e1y * e2z - e1z * e2y;
        float ny = e1z * e2x - e1x * e2z;
        float nz = e1x * e2y - e1y * e2x;
        if (!(nx * (eye[0] - p0[0]) + ny * (eye[1] - p0[1]) + nz * (eye[2] - p0[2]) > 0.0f)) {
            continue;
        }
        if (unseen_bones && model_face_unseen(m, t)) {
            continue;
        }
        uint16_t *out;
        if (hit) {
            out = indices + hit_count;
            hit_count += 3;
        } else {
            out = indices + states[t->slot].write;
            states[t->slot].write += 3;
        }
        for (int c = 0; c < 3; c++) {
            uint16_t i = t->index[c];
            ModelVertex *v = &vx[i];
            if (v->seen != serial) {
                v->seen = serial;
                v->out = (uint16_t)(base + packed_count);
                const float *p = pos[t->position[c]];
                uint32_t colour = colours[i];
                if (hit) {
                    colour = MODEL_WHITE;
                } else if (lit) {
                    colour = model_light(v, p, colour, t->word, matrices, light);
                }
                packed[packed_count++] = BatchVertex{p[0], p[1], p[2], v->u, v->v, colour};
            }
            out[c] = v->out;
        }
    }
    model_run.vertices += packed_count;
    if (model_run.gather == 2) {
        model_cells_of(packed, packed_count);
    }
    g_model_faces_drawn += (hit ? hit_count : 0) / 3;
    if (hit) {
        if (hit_count > 0) {
            model_run_add(g_hit_texture_handle, indices, hit_count);
        }
    } else {
        for (int i = 0; i < m->texture_count; i++) {
            const ModelDrawState *s = &states[i];
            if (s->write > s->slice) {
                g_model_faces_drawn += (s->write - s->slice) / 3;
                model_run_add(s->handle, indices + s->slice, s->write - s->slice);
            }
        }
    }
    if (m->batched_count > 0) {
        model_bucket_used(inst, hit, unseen_bones);
    }
}

// The fraction s in [-1, 1) of the drawing's random sequence.
static float model_scatter(void)
{
    return (float)(mt_draw_rand() & 0x7fff) * 6.1037e-05f - 1.0f;
}

// Materialise (counter t in 1 .. 255): each batched face on its own vertices, moved by one
// random offset of up to 100 (t / 256)^2 in height and a tenth of that sideways, faded in
// as 255 - t; sorted by its place without the offset.
static void model_materialise(ModelInstance *inst, const float *matrices)
{
    Model *m = inst->model;
    int first = 0;
    BatchVertex *bv = zbatch_reserve(3 * m->batched_count, m->batched_count, &first);
    if (!bv) {
        return;
    }
    model_skin(m, matrices);
    const float (*pos)[3] = m->skinned;
    const ModelVertex *vx = m->vertices;
    float s = (float)inst->materialise / 256.0f;
    float a = s * s * MODEL_SCATTER_HEIGHT;
    float b = MODEL_SCATTER_SIDE * a;
    uint32_t alpha = (uint32_t)(255 - inst->materialise) << 24;
    for (int f = 0; f < m->batched_count; f++) {
        const ModelTri *t = &m->batched[f];
        float dx = model_scatter() * b;
        float dy = model_scatter() * a;
        float dz = model_scatter() * b;
        BatchVertex *out = bv + 3 * f;
        for (int c = 0; c < 3; c++) {
            const float *p = pos[t->position[c]];
            const ModelVertex *d = &vx[t->index[c]];
            out[c] = BatchVertex{p[0] + dx, p[1] + dy, p[2] + dz, d->u, d->v,
                                 (inst->colours[t->index[c]] & 0x00ffffffu) | alpha};
        }
        uint32_t n = (uint32_t)(first + 3 * f);
        int bucket = zbatch_bucket_of_heights(pos[t->position[0]][1], pos[t->position[1]][1], pos[t->position[2]][1]);
        zbatch_add_face(n, n + 1, n + 2, m->states[t->texture].handle, bucket);
    }
}

void zgl_draw_model(ModelInstance *inst, const float *matrices, const float (*light)[3], int hit, int mode)
{
    Model *m = inst ? inst->model : nullptr;
    // Without the batch's buffers (no frame module) nothing is drawn.
    if (!m || !matrices || mode == 0 || !g_batch_indices) {
        return;
    }
    model_animate_textures(inst);
    zbatch_unlock();
    const int own_run = !model_run.open;
    if (own_run) {
        zgl_models_begin();
    }
    // The model's own mode decides: the batched faces of a model with opaque ones index its
    // first-use table, so drawing them the other way would read the wrong vertices.
    mode = model_draw_mode(m);
    // Without a hit texture the flash is not shown.
    if (!g_hit_texture_handle) {
        hit = 0;
    }
    if (mode == 1) {
        model_draw_immediate(inst, matrices, light, hit);
    } else if (hit) {
        model_bucket_faces(inst, matrices, 1);
    } else if (inst->materialise) {
        model_materialise(inst, matrices);
        inst->materialise -= g_frame_steps;
        if (inst->materialise < 0 || inst->materialise > 255) {
            inst->materialise = 0;
        }
    } else if (mode == 2) {
        model_bucket_faces(inst, matrices, 0);
    }
    if (own_run) {
        zgl_models_end();
    }
}

int zgl_model_in_view(const ModelInstance *inst, const float *matrices)
{
    const Model *m = inst ? inst->model : nullptr;
    if (!g_model_cull || !m || !matrices || inst->materialise) {
        return 1;
    }
    for (int b = 0; b <= m->bone_count; b++) {
        float reach = m->bone_reach[b];
        if (reach < 0.0f) {
            continue;
        }
        const float *x = matrices + 16 * b;
        // A little wider than the bound, so that rounding never hides a sliver.
        if (frustum_sphere_visible(x + 12, reach * model_bone_scale(x) * 1.001f + 0.01f)) {
            return 1;
        }
    }
    g_models_culled++;
    return 0;
}

void zgl_model_skip(ModelInstance *inst)
{
    if (inst && inst->model) {
        model_animate_textures(inst);
    }
}
