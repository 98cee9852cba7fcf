// batch.cpp -- the face batch: its pools, the depth buckets, the flush on the indexed
// and the expanded path, and the vertex-array state with the compiled-array lock.

#include "render/batch.h"

#include "core/con.h"
#include "core/mem.h"
#include "render/tex.h"
#include "render/zgl.h"

#include <GL/gl.h>
#include <cstddef>
#include <cstring>

BatchVertex *g_batch_vertices;
int g_batch_vertex_count = 1;
BatchFace *g_batch_faces;
int g_batch_face_count;
BatchFace **g_batch_buckets;
uint16_t *g_batch_indices;
int g_batch_index_count;
BatchVertex *g_batch_expanded;
uint32_t *g_batch_vertex_flags;
BatchVertex *g_batch_compact;
uint32_t *g_batch_remap;
int g_batch_dropped;
int g_batch_max_vertices;
int g_batch_max_faces;
int g_batch_max_expanded;
float g_render_alternaterenderpath;
int g_model_max_draw_vertices;
int g_model_max_faces;

// The arrays last set: their base, count and whether they are locked.
static const void *batch_array_base;
static int batch_array_count;
static int batch_arrays_locked;

// The first handle of each group of a bucket's same-handle chain, during the flush.
static BatchFace *batch_group_heads[MAX_TEXTURE_RECORDS];

// ---- buffers

template <typename T> static T *batch_alloc_array(size_t n)
{
    return static_cast<T *>(mem_alloc(sizeof(T) * n));
}

void zbatch_alloc(void)
{
    if (!g_batch_vertices) {
        g_batch_vertices = batch_alloc_array<BatchVertex>(BATCH_MAX_VERTICES);
        g_batch_faces = batch_alloc_array<BatchFace>(BATCH_MAX_FACES);
        g_batch_buckets = batch_alloc_array<BatchFace *>(BATCH_BUCKETS);
        g_batch_indices = batch_alloc_array<uint16_t>(BATCH_MAX_INDICES);
        g_batch_expanded = batch_alloc_array<BatchVertex>(BATCH_MAX_VERTICES);
        g_batch_vertex_flags = batch_alloc_array<uint32_t>(BATCH_VERTEX_FLAG_WORDS);
        g_batch_compact = batch_alloc_array<BatchVertex>(BATCH_MAX_VERTICES);
        g_batch_remap = batch_alloc_array<uint32_t>(BATCH_MAX_VERTICES);
        if (g_batch_remap) {
            memset(g_batch_remap, 0, sizeof(uint32_t) * BATCH_MAX_VERTICES);
        }
    }
    g_batch_max_vertices = 0;
    g_batch_max_faces = 0;
    g_batch_max_expanded = 0;
    g_batch_dropped = 0;
    zbatch_reset();
}

void zbatch_free(void)
{
    con_printf("max model zverts %d %d, faces %d %d", g_model_max_draw_vertices, BATCH_VERTEX_FLAG_WORDS,
               g_model_max_faces, BATCH_MAX_INDICES);
    mem_free(g_batch_expanded);
    mem_free(g_batch_buckets);
    con_printf("zgl max decal faces %d %d, verts %d %d, count %d", g_batch_max_faces, BATCH_MAX_FACES,
               g_batch_max_vertices, BATCH_MAX_VERTICES, g_batch_max_expanded);
    mem_free(g_batch_vertices);
    mem_free(g_batch_faces);
    mem_free(g_batch_indices);
    mem_free(g_batch_vertex_flags);
    mem_free(g_batch_compact);
    mem_free(g_batch_remap);
    g_batch_compact = nullptr;
    g_batch_remap = nullptr;
    g_batch_vertices = nullptr;
    g_batch_faces = nullptr;
    g_batch_buckets = nullptr;
    g_batch_indices = nullptr;
    g_batch_expanded = nullptr;
    g_batch_vertex_flags = nullptr;
    g_batch_vertex_count = 1;
    g_batch_face_count = 0;
    g_batch_index_count = 0;
}

static void batch_empty(void)
{
    if (g_batch_buckets) {
        memset(g_batch_buckets, 0, sizeof(BatchFace *) * BATCH_BUCKETS);
    }
    g_batch_face_count = 0;
    g_batch_vertex_count = 1;
}

void zbatch_reset_indices(void)
{
    g_batch_index_count = 0;
}

void zbatch_reset(void)
{
    zbatch_reset_indices();
    batch_empty();
}

void zbatch_level_start(void)
{
    if (g_batch_dropped) {
        con_printf("[zgl] batch items dropped last level: %d", g_batch_dropped);
    }
    g_batch_dropped = 0;
}

// ---- producers

BatchVertex *zbatch_reserve(int nv, int nf, int *first)
{
    // Without the pools (no frame module) nothing is drawn at all.
    if (!g_batch_vertices || nv < 0 || nf < 0) {
        return nullptr;
    }
    const char *limit = nullptr;
    if (nv > BATCH_MAX_VERTICES - g_batch_vertex_count) {
        limit = "BATCH_MAX_VERTICES";
    } else if (nf > BATCH_MAX_FACES - g_batch_face_count) {
        limit = "BATCH_MAX_FACES";
    }
    if (limit) {
        if (g_batch_dropped++ == 0) {
            con_printf("*** [zgl] %s reached. Increase #define value. :)", limit);
        }
        return nullptr;
    }
    *first = g_batch_vertex_count;
    BatchVertex *at = g_batch_vertices + g_batch_vertex_count;
    g_batch_vertex_count += nv;
    return at;
}

void zbatch_add_face(uint32_t i0, uint32_t i1, uint32_t i2, uint32_t handle, int bucket)
{
    // Only a producer that skipped zbatch_reserve could get here without room.
    if (!g_batch_faces || g_batch_face_count >= BATCH_MAX_FACES || bucket < 0 || bucket >= BATCH_BUCKETS) {
        g_batch_dropped++;
        return;
    }
    BatchFace *f = &g_batch_faces[g_batch_face_count++];
    f->i01 = (i0 & 0xffff) | (i1 << 16);
    f->i2 = i2 & 0xffff;
    f->handle = handle;
    f->next = g_batch_buckets[bucket];
    f->chain = nullptr;
    g_batch_buckets[bucket] = f;
}

// Bits 13-22 of a float in [1, 2): floor(1024 x (t - 1)) without a conversion.
static int batch_top_mantissa(float t)
{
    uint32_t bits;
    memcpy(&bits, &t, sizeof(bits));
    return (int)((bits >> 13) & (BATCH_BUCKETS - 1));
}

// Bucket of a key (minus a height, or minus the sum of three): keys at or below the
// highest geometry's take bucket 0; otherwise floor((key - highest) / step) from the top
// mantissa bits of (key + offset) / (1024 step), offset = 1024 step - highest. What lies
// lower than that scale reaches (and NaN) goes to the lowest geometry's bucket.
static int batch_bucket(float key, float highest, float step)
{
    if (key <= highest) {
        return 0;
    }
    float t = (key + (BATCH_BUCKETS * step - highest)) * (1.0f / (BATCH_BUCKETS * step));
    if (!(t < 2.0f)) {
        return BATCH_BUCKETS - 1;
    }
    return batch_top_mantissa(t);
}

int zbatch_bucket_of_heights(float y0, float y1, float y2)
{
    // floor(500 - mean height)
    return batch_bucket(-(y0 + y1 + y2), -1500.0f, 3.0f);
}

int zbatch_bucket_of_height(float y)
{
    // floor(500 - y)
    return batch_bucket(-y, -500.0f, 1.0f);
}

// ---- arrays

void zbatch_unlock(void)
{
    if (batch_arrays_locked) {
        if (g_unlock_arrays_fn) {
            g_unlock_arrays_fn();
        }
        batch_arrays_locked = 0;
    }
}

void zbatch_unlock_arrays(void)
{
    zbatch_unlock();
}

void zbatch_unlock_and_flush(void)
{
    if (g_gl_ready) {
        glFlush();
        zbatch_unlock();
    }
}

static void batch_set_pointers(const uint8_t *base, int stride, int uv, int colour, int count)
{
    zbatch_unlock();
    batch_array_base = base;
    batch_array_count = count;
    if (!g_gl_ready) {
        return;
    }
    glColorPointer(4, GL_UNSIGNED_BYTE, stride, base + colour);
    glTexCoordPointer(2, GL_FLOAT, stride, base + uv);
    glVertexPointer(3, GL_FLOAT, stride, base);
    if (count) {
        if (g_lock_arrays_fn) {
            g_lock_arrays_fn(0, count);
        }
        batch_arrays_locked = 1;
    }
}

void zbatch_set_arrays(const BatchVertex *vertices, int count)
{
    batch_set_pointers(reinterpret_cast<const uint8_t *>(vertices), (int)sizeof(BatchVertex),
                       (int)offsetof(BatchVertex, u), (int)offsetof(BatchVertex, colour), count);
}

// ---- drawing

// Faces handed to GL since the last flush. A software renderer (Mesa's llvmpipe) only
// bins what it is given and rasterises it, on threads of its own, once flushed: a flush
// now and then lets those threads draw while this one goes on submitting, instead of
// everything waiting for the swap. Every flush also costs those threads a pass over the
// screen's tiles and this one a wake-up of each: at the heaviest wave a flush every 3,000
// faces (about ten a frame) took longer than one every 12,000 with the passes' own flushes.
constexpr int BATCH_FLUSH_FACES = 12000;
static int batch_faces_unflushed;

static void batch_drawn(int indices)
{
    batch_faces_unflushed += indices / 3;
    if (batch_faces_unflushed >= BATCH_FLUSH_FACES) {
        glFlush();
        batch_faces_unflushed = 0;
    }
}

void zbatch_flush_gl(void)
{
    if (g_gl_ready) {
        glFlush();
    }
    batch_faces_unflushed = 0;
}

static uint32_t batch_compact_serial;   // the renumbering's stamp (g_batch_remap)

int zbatch_compact(const BatchVertex *from, uint16_t *indices, int count)
{
    uint32_t *remap = g_batch_remap;
    if (++batch_compact_serial == 0x10000) {
        memset(remap, 0, sizeof(uint32_t) * BATCH_MAX_VERTICES);
        batch_compact_serial = 1;
    }
    const uint32_t stamp = batch_compact_serial << 16;
    int n = 0;
    for (int i = 0; i < count; i++) {
        uint32_t v = indices[i];
        if ((remap[v] & 0xffff0000u) != stamp) {
            remap[v] = stamp | (uint32_t)n;
            g_batch_compact[n++] = from[v];
        }
        indices[i] = (uint16_t)(remap[v] & 0xffffu);
    }
    return n;
}

void zgl_flush_indices_and_bind(uint32_t handle)
{
    if (g_current_handle && g_batch_index_count && g_gl_ready) {
        // The pending faces name vertices from all over the pool: GL copies and transforms
        // every vertex between the lowest and the highest index of a draw, so the draw gets
        // a packed copy of just the ones it names.
        int n = zbatch_compact(g_batch_vertices, g_batch_indices, g_batch_index_count);
        zbatch_set_arrays(g_batch_compact, n);
        glDrawElements(GL_TRIANGLES, g_batch_index_count, GL_UNSIGNED_SHORT, g_batch_indices);
        batch_drawn(g_batch_index_count);
    }
    zgl_texture_bind(handle);
    g_batch_index_count = 0;
}

void zgl_flush_arrays_and_bind(uint32_t handle, int count)
{
    if (g_current_handle && count && g_gl_ready) {
        glDrawArrays(GL_TRIANGLES, 0, count);
        batch_drawn(count);
    }
    zgl_texture_bind(handle);
    g_batch_index_count = 0;
}

void zgl_draw_elements(uint32_t handle, const uint16_t *indices, int count)
{
    zgl_texture_bind(handle);
    if (g_gl_ready && count > 0) {
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_SHORT, indices);
        batch_drawn(count);
    }
}

// Orders a bucket's faces into its same-handle chain: the handles in the order of their
// first appearance, each handle's faces together. Faces of the current handle are not
// chained: their indices go out at once (emit). Faces of handle 0 (no texture) are not
// drawn. Returns the chain's first face.
template <typename Emit> static BatchFace *batch_chain_bucket(BatchFace *face, Emit emit)
{
    BatchFace *first = nullptr;
    BatchFace *last = nullptr;
    int groups = 0;
    for (; face; face = face->next) {
        if (face->handle == 0) {
            continue;
        }
        if (face->handle == g_current_handle) {
            emit(face);
            continue;
        }
        BatchFace *head = nullptr;
        for (int g = 0; g < groups; g++) {
            if (batch_group_heads[g]->handle == face->handle) {
                head = batch_group_heads[g];
                break;
            }
        }
        if (head) {
            face->chain = head->chain;
            head->chain = face;
            if (last == head) {
                last = face;
            }
            continue;
        }
        face->chain = nullptr;
        if (last) {
            last->chain = face;
        } else {
            first = face;
        }
        last = face;
        if (groups < MAX_TEXTURE_RECORDS) {
            batch_group_heads[groups++] = face;
        }
    }
    return first;
}

static void batch_emit_indices(const BatchFace *f)
{
    uint16_t *at = g_batch_indices + g_batch_index_count;
    at[0] = (uint16_t)(f->i01 & 0xffff);
    at[1] = (uint16_t)(f->i01 >> 16);
    at[2] = (uint16_t)f->i2;
    g_batch_index_count += 3;
}

static int batch_expanded_count;

static void batch_emit_vertices(const BatchFace *f)
{
    BatchVertex *at = g_batch_expanded + batch_expanded_count;
    at[0] = g_batch_vertices[f->i01 & 0xffff];
    at[1] = g_batch_vertices[f->i01 >> 16];
    at[2] = g_batch_vertices[f->i2 & 0xffff];
    batch_expanded_count += 3;
}

static void batch_note_expanded(void)
{
    if (batch_expanded_count > g_batch_max_expanded) {
        g_batch_max_expanded = batch_expanded_count;
    }
}

static void batch_flush_indexed(int lo, int hi)
{
    for (int b = hi; b >= lo; b--) {
        BatchFace *chain = batch_chain_bucket(g_batch_buckets[b], batch_emit_indices);
        for (BatchFace *f = chain; f; f = f->chain) {
            if (f->handle != g_current_handle) {
                zgl_flush_indices_and_bind(f->handle);
            }
            batch_emit_indices(f);
        }
    }
    zgl_flush_indices_and_bind(0);
}

static void batch_flush_expanded(int lo, int hi)
{
    batch_expanded_count = 0;
    for (int b = hi; b >= lo; b--) {
        BatchFace *chain = batch_chain_bucket(g_batch_buckets[b], batch_emit_vertices);
        for (BatchFace *f = chain; f; f = f->chain) {
            if (f->handle != g_current_handle) {
                zbatch_set_arrays(g_batch_expanded, batch_expanded_count);
                zgl_flush_arrays_and_bind(f->handle, batch_expanded_count);
                zbatch_unlock();
                batch_note_expanded();
                batch_expanded_count = 0;
            }
            batch_emit_vertices(f);
        }
    }
    zbatch_set_arrays(g_batch_expanded, batch_expanded_count);
    zgl_flush_arrays_and_bind(0, batch_expanded_count);
    batch_note_expanded();
}

void zbatch_flush(void)
{
    if (!g_batch_buckets) {
        return;
    }
    if (g_batch_vertex_count > 1) {
        int lo = 0;
        while (lo < BATCH_BUCKETS && !g_batch_buckets[lo]) {
            lo++;
        }
        int hi = BATCH_BUCKETS - 1;
        while (hi >= lo && !g_batch_buckets[hi]) {
            hi--;
        }
        if (lo < BATCH_BUCKETS) {
            if (g_render_alternaterenderpath == 0.0f) {
                batch_flush_indexed(lo, hi);
            } else {
                batch_flush_expanded(lo, hi);
            }
        }
        if (g_batch_vertex_count > g_batch_max_vertices) {
            g_batch_max_vertices = g_batch_vertex_count;
        }
        if (g_batch_face_count > g_batch_max_faces) {
            g_batch_max_faces = g_batch_face_count;
        }
    }
    batch_empty();
}
