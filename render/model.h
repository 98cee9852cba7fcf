// model.h -- the drawable meshes: a Model is the skinned triangle mesh of one "model.bin"
// built for drawing (its faces sorted by kind, its texture draw states and index slices,
// its vertex colours), shared by every actor of a set; a ModelInstance is one actor's view
// of it (private hue-shifted colours, texture animation, the materialise counter).
// zgl_draw_model draws an instance with the actor's bone matrices: opaque faces at once
// (culled, lit), blended faces into the face batch.
//
// An actor draws with
//     zgl_draw_model(&a->instance, a->anim.matrices, a->anim.light_dirs, a->hit_flash,
//                    a->model_mode);
// where model_mode is model_draw_mode(set->model), taken when the set is bound. A list's
// draw loop wraps its draws in zgl_models_begin / zgl_models_end, so that the opaque faces
// of consecutive actors with the same texture go to GL in one call.
#pragma once

#include <cstdint>

struct ModelFile;
struct TextureRecord;

constexpr uint32_t MODEL_LIT = 0x1000;   // flags: faces lit by their normals use the light directions

// One draw vertex: a position (skinned into the model's scratch each draw) with texture
// coordinates, normal and bone. The immediate paths hand GL only the vertices of the faces
// they keep, packed in the order met (ModelVertex::out).
struct ModelVertex {
    float normal[3];      // in its bone's space
    float u, v;
    uint16_t source;      // position index: the skinned position it takes
    uint16_t bone;        // bone matrix index (0 is the actor's own matrix)
    uint32_t seen;        // draw serial of the last draw that packed it
    uint16_t out;         // its place among the packed vertices of that draw
    uint16_t pad;
};

// One triangle of a face list.
struct ModelTri {
    uint16_t index[3];    // draw vertices; batched faces of a model that also has opaque
                          // faces: positions in the first-use table
    uint16_t position[3]; // the positions the three vertices take
    uint16_t texture;     // texture (draw state) index
    uint16_t slot;        // opaque faces: the draw state whose index slice they go to (the
                          // first texture that binds the same GL texture and blending)
    uint32_t word;        // the texture's handle with the light kind (TEX_UNLIT, TEX_RADIAL)
};

// Per texture: its slice of the shared index buffer and the handle drawn.
struct ModelDrawState {
    int slice;            // first index of the slice (textures that share a slot: the slot's)
    int write;            // next index written this draw
    int end;              // one past the slice
    uint32_t handle;      // the record's handle, or its current frame's when animated
    int slot;             // the texture whose slice and draw its opaque faces share
};

struct Model {
    uint32_t flags;                       // MODEL_LIT, cleared when no face is lit by normals
    int vertex_count;                     // V skinned positions (the mesh file's)
    const float (*positions)[3];
    const uint32_t *vertex_bones;         // bone matrix of each position, in runs
    float (*skinned)[3];                  // V positions as the last draw placed them
    int draw_vertex_count;                // D >= V: vertex k < V is position k
    ModelVertex *vertices;
    int face_count;
    int opaque_count;                     // faces drawn at once: culled, lit, by texture slice
    ModelTri *opaque;
    int batched_count;                    // masked and depth-sorted faces: the face batch
    ModelTri *batched;
    uint32_t *colours;                    // D vertex colours after the load-time hue
    int used_count;                       // first-use table: the vertices of the batched
    uint16_t *first_use;                  // faces when the model also has opaque faces
    int texture_count;                    // T
    TextureRecord *const *textures;       // the mesh file's, one per texture entry
    ModelDrawState *states;
    int animated;                         // 1 when a texture is an animated frame set
    int bone_count;                       // B
    uint8_t *bone_flags;                  // B: 1 for a bone carrying a vertex of a lit face
    float *bone_reach;                    // B + 1 by matrix index: the farthest position of
                                          // the bone from its origin, -1 for a bone without
    uint8_t *bone_unseen;                 // B + 1 by matrix index: 1 while the last draw found
                                          // the bone's positions within a pixel's width
    uint32_t serial;                      // immediate draws so far (ModelVertex::seen)
};

// Texture animation of one texture of an instance.
struct ModelTexAnim {
    int32_t mode;         // 0 static, 1 loop, 2 and up ping-pong
    float frame;
    float speed;          // frames per logic step, negative while running back
    float count;          // frames of the set
};

// One actor's view of a model (embedded in the actor).
struct ModelInstance {
    Model *model;
    uint32_t *colours;    // the model's, or a private hue-shifted copy
    ModelTexAnim *anims;  // T entries when the model has an animated texture, else null
    int materialise;      // 0 off; 255 .. 1 while the faces fly together
};

// Builds the drawing record of a loaded mesh drawn with bone_count bones; folder is the
// set's path ("floor-1" models are half transparent at the richest background setting),
// flags the set's mesh flags. The record uses the file's arrays: it must be freed before
// the file. Null (logged) when an index slice cannot hold a texture's opaque faces.
Model *model_create(const ModelFile *file, int bone_count, const char *folder, uint32_t flags);
// Frees the record and its arrays (not the file's). Null does nothing.
void model_free(Model *model);
// The actor's model mode: 1 when the model has opaque faces (drawn at once), 2 when all
// its faces are batched, 0 for no model or no faces.
int model_draw_mode(const Model *model);

// The instance of a model: the shared colours, texture animation from the records,
// materialise off. A null model clears the instance. Returns 0, or -1 when the pool
// refused the animation states (the textures then stand still).
int model_instance_init(ModelInstance *inst, Model *model);
// Hue of the instance's colours in degrees: wrapped into -180..180, anything outside
// -3..3 gives the instance a private copy of the model's colours turned by it.
void model_instance_set_hue(ModelInstance *inst, float degrees);
// Frees what the instance owns and clears it.
void model_instance_free(ModelInstance *inst);

// Draws one instance. matrices: (B + 1) x 16 floats, column-major, by bone matrix index;
// light_dirs: the light direction in each bone's space by matrix index (the animation
// state's), null for an unlit actor; hit non-zero draws the hit flash (with
// g_hit_texture_handle, render/hudgfx.h; none while it is 0); mode 0 draws nothing, any
// other the model's own mode (model_draw_mode).
void zgl_draw_model(ModelInstance *inst, const float *matrices, const float (*light_dirs)[3], int hit, int mode);
// Between these two, the opaque faces of consecutive zgl_draw_model calls are gathered
// and drawn whenever their texture changes, at the latest by zgl_models_end (the same
// pixels as drawing each model at once, in far fewer calls). Nothing but model draws and
// batch producers may come between them: no GL state change, no other drawing. Pairs
// nest: only the outermost end draws.
void zgl_models_begin(void);
void zgl_models_end(void);
// The same for a depth-tested pass, gathering the opaque faces of every model drawn until
// the end by texture: each texture is bound once (GL's texture switch costs more than
// many draws on a software renderer) and its faces drawn together, in the order the
// textures were first met. Depth decides what shows, so only faces at exactly the same
// depth could come out differently. Begin / end pairs inside join the gathering.
void zgl_models_gather_begin(void);
void zgl_models_gather_end(void);
// The same for a pass without depth testing, where the later of two overlapping faces
// shows: a draw joins the faces gathered earlier for its texture only when nothing
// gathered after them shares a bit of screen with it, so every pixel comes out as if
// each model were drawn in turn. Ended by zgl_models_end; begin / end pairs inside join.
void zgl_models_layered_begin(void);
// Opaque faces handed to GL so far (a running count for the frame benchmark).
extern int g_model_faces_drawn;

// Culling of whole models against the camera's view volume (the frustum planes of
// camera_matrix). Set while the world passes draw; menus and title pages draw models
// under their own views and leave it 0.
extern int g_model_cull;
// Models that zgl_model_in_view found wholly outside the view so far (frame benchmark).
extern int g_models_culled;
// The background's detail, 0 .. 3 (console "render_backgroundgfx" of game/settings.cpp's
// table): above 2 the floor meshes load half transparent; the title scene draws more
// layers from 2; the level scripts read it (c_get_gfx_level).
extern float g_render_backgroundgfx;
// 0 when no part of the instance drawn with these matrices can be in view: every bone
// that carries positions, as a sphere of its farthest position scaled by the matrix's
// longest column, lies outside the view volume. Exact for any pose, scale or collapsed
// bone (a zero block is a point). 1 when some may be seen, while g_model_cull is 0, and
// while the instance materialises (its faces fly far from their bones).
int zgl_model_in_view(const ModelInstance *inst, const float *matrices);
// What a draw does to an instance besides drawing (its texture animations step): for a
// model that is not drawn because it is out of view, so that it looks the same when it
// comes back as if it had been drawn all along.
void zgl_model_skip(ModelInstance *inst);
// Advances the instance's texture animations by g_frame_dt and puts each texture's
// current frame into the model's draw states (part of every draw).
void model_animate_textures(ModelInstance *inst);
