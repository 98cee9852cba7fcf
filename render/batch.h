// batch.h -- the face batch: the translucent faces of one frame (batched models,
// particles, footprints, bullet sprites), sorted into depth buckets by height and drawn
// from the lowest to the highest, grouped by texture handle inside each bucket.
#pragma once

#include <cstdint>

// One vertex of the batch (24 bytes, the layout the vertex arrays are set on).
struct BatchVertex {
    float x, y, z;
    float u, v;
    uint32_t colour;   // bytes r, g, b, a in memory order
};

// One triangle of the batch.
struct BatchFace {
    uint32_t i01;          // first and second vertex index: i0 | i1 << 16
    uint32_t i2;           // third vertex index in the low 16 bits
    uint32_t handle;       // TextureHandle
    BatchFace *next;       // next face of the same bucket
    BatchFace *chain;      // next face of the bucket's same-handle chain (during the flush)
};

constexpr int BATCH_MAX_VERTICES = 60000;   // indices are 16 bits; vertex 0 is never written
constexpr int BATCH_MAX_FACES = 20000;
constexpr int BATCH_BUCKETS = 1024;         // bucket b holds geometry of height about 500 - b
constexpr int BATCH_MAX_INDICES = 65536;    // the shared u16 index buffer
constexpr int BATCH_VERTEX_FLAG_WORDS = 8192;   // scratch of the immediate model paths, a u32 a vertex

// The buffers, from zbatch_alloc to zbatch_free (null outside).
extern BatchVertex *g_batch_vertices;       // the vertex pool
extern int g_batch_vertex_count;            // 1 + vertices written: the index the next one gets
extern BatchFace *g_batch_faces;            // the face pool
extern int g_batch_face_count;
extern BatchFace **g_batch_buckets;         // head of each bucket's face list, newest first
extern uint16_t *g_batch_indices;           // the index buffer
extern int g_batch_index_count;             // indices pending from its start
extern BatchVertex *g_batch_expanded;       // vertex copies of the expanded path; between
                                            // flushes the packed vertices of a model draw
extern uint32_t *g_batch_vertex_flags;
// The gathered opaque faces of one texture, copied out of g_batch_expanded for their draw,
// and the renumbering of that copy (a serial in the high 16 bits, the new index below).
extern BatchVertex *g_batch_compact;
extern uint32_t *g_batch_remap;
// Items a producer could not fit since the level started.
extern int g_batch_dropped;
// High-water marks logged by zbatch_free.
extern int g_batch_max_vertices;
extern int g_batch_max_faces;
extern int g_batch_max_expanded;
// Raised by model_create: the largest model draw-vertex and face counts.
extern int g_model_max_draw_vertices;
extern int g_model_max_faces;
// Console "render_alternaterenderpath" (game/settings.cpp's table): non-zero flushes the
// batch on the expanded path.
extern float g_render_alternaterenderpath;

// Allocates the buffers (once, when the frame module starts) and empties the batch.
void zbatch_alloc(void);
// Logs the high-water marks and frees the buffers.
void zbatch_free(void);
// Empties the batch and the pending indices.
void zbatch_reset(void);
// Back to the start of the index buffer (the texture cache's init and every flush).
void zbatch_reset_indices(void);
// At a level's start: logs how many items were dropped in the last one and re-arms the
// limit line.
void zbatch_level_start(void);

// Producers. An item of nv vertices and nf faces reserves its room first: the result is
// where its nv vertices go, *first the batch index of the first of them. Null when the
// item does not fit the pools: nothing is added and the drop is counted (the level's
// first drop logs the limit line).
BatchVertex *zbatch_reserve(int nv, int nf, int *first);
// One triangle of batch vertex indices into a bucket (after zbatch_reserve made room).
void zbatch_add_face(uint32_t i0, uint32_t i1, uint32_t i2, uint32_t handle, int bucket);
// Bucket of a model triangle from the sum of its three heights.
int zbatch_bucket_of_heights(float y0, float y1, float y2);
// Bucket of an item at one height (particles, bullet sprites, footprints).
int zbatch_bucket_of_height(float y);

// Draws the batch from the lowest bucket to the highest and empties it. The path is
// render_alternaterenderpath: 0 indexed, else expanded.
void zbatch_flush(void);
// Vertex arrays on a batch vertex buffer, locking count vertices when count is non-zero.
void zbatch_set_arrays(const BatchVertex *vertices, int count);
// Unlocks the arrays locked by the last set.
void zbatch_unlock(void);
void zbatch_unlock_arrays(void);
// glFlush and unlock, when GL is up (before textures are deleted).
void zbatch_unlock_and_flush(void);
// Hands what was drawn so far to GL's rasteriser (glFlush) at the end of a pass, so that a
// software renderer draws it while the frame goes on; the draws themselves flush every
// few thousand faces.
void zbatch_flush_gl(void);

// Copies the vertices that count indices name in from to the front of g_batch_compact, in
// the order first named, and renumbers the indices to the copies; returns how many it copied.
int zbatch_compact(const BatchVertex *from, uint16_t *indices, int count);
// Draw what is pending with the current handle (indices from the start of the index
// buffer into the batch's vertex pool, drawn from a packed copy of the vertices they name;
// or the first count vertices of the arrays set), switch to handle (0: no switch), and
// restart the index buffer.
void zgl_flush_indices_and_bind(uint32_t handle);
void zgl_flush_arrays_and_bind(uint32_t handle, int count);
// Binds handle through zgl_texture_bind and draws count indices as triangles.
void zgl_draw_elements(uint32_t handle, const uint16_t *indices, int count);
