// model_file.h -- the mesh file "model.bin": its records decoded into plain arrays in
// pool blocks, every count and index checked, and its textures handed to the texture
// cache. The mesh module builds its drawing records from this.
#pragma once

#include <cstdint>

struct MemStream;
struct TextureRecord;

constexpr int MODEL_MAX_VERTICES = 8192;   // draw vertices must fit the face batch's 8192 vertex flags
constexpr int MODEL_MAX_FACES = 16384;     // 3 indices a face must fit one texture's slice of 65536
constexpr int MODEL_MAX_PAIRS = 65536;     // carried records; the largest mesh needs far fewer
constexpr int MODEL_MAX_TEXTURES = 256;    // the face word has room for 4096; no mesh needs more than a few
constexpr int MODEL_NAME_SIZE = 64;        // bitmap names in texture entries

// Bits of a face's fourth word.
constexpr uint32_t MODEL_FACE_TEXTURE_MASK = 0x0fffu;   // index into the texture entries
constexpr uint32_t MODEL_FACE_RADIAL = 0x8000u;         // lit by the direction from its bone's origin

// Animation mode of a texture entry whose set runs back and forth; 0 loops it, and any
// higher mode in a file plays as this one.
constexpr int32_t MODEL_ANIM_BACK_AND_FORTH = 1;

// Record sizes in the file.
constexpr int MODEL_DRAW_VERTEX_BYTES = 28;
constexpr int MODEL_FACE_BYTES = 16;
constexpr int MODEL_PAIR_BYTES = 8;
constexpr int MODEL_TEXTURE_BYTES = 140;

// One draw vertex: a position plus texture coordinates and colour.
struct ModelDrawVertex {
    float u;
    float v;
    uint32_t colour;      // RGBA bytes, red in the lowest
    uint32_t position;    // index into the positions, below vertex_count
    float normal[3];      // in the space of its bone
    uint32_t bone;        // bone matrix index of its position (0 = the world's)
};

struct ModelFace {
    uint32_t index[3];    // draw vertices, below draw_vertex_count
    uint32_t word;        // texture index (MODEL_FACE_TEXTURE_MASK) and MODEL_FACE_RADIAL
};

// Records the file carries along; nothing reads their meaning.
struct ModelPair {
    uint32_t a;
    uint32_t b;
};

struct ModelTexture {
    uint32_t flags;                 // TextureHandle flag bits
    float anim_speed;
    int32_t anim_mode;              // 0 or MODEL_ANIM_BACK_AND_FORTH; a file's negative mode is refused
    char colour[MODEL_NAME_SIZE];   // bitmap path, backslashes turned into '/'; "" or "(null)" = none
    char mask[MODEL_NAME_SIZE];
};

// A decoded mesh. Arrays are pool blocks (null when their count is 0), freed by
// model_file_free.
struct ModelFile {
    uint32_t first_word;
    int vertex_count;                  // V
    float (*positions)[3];             // V rest positions in their bone's space
    uint32_t *vertex_bones;            // V bone matrix indexes, in runs of equal values
    int draw_vertex_count;             // D, at least V: draw vertex k < V belongs to position k
    ModelDrawVertex *draw_vertices;
    int face_count;
    ModelFace *faces;
    int pair_count;
    ModelPair *pairs;
    int texture_count;                 // T entries in the file
    ModelTexture *texture_entries;
    TextureRecord **textures;          // T slots filled by the texture cache
    int texture_used;                  // slots filled
};

// Decodes a mesh from the stream's cursor. Every vertex bone must be below
// matrix_count (the bones of the skeleton it is drawn with, plus the world matrix).
// Returns 0, or -1 after a "*** " line with nothing allocated; textures are not loaded.
int model_parse(MemStream *s, int matrix_count, ModelFile *model);
// Reads "<folder>/model.bin" and loads its textures. 0 when loaded; 1 when the file is
// missing or empty (silent); -1 when it is refused (logged). The model is zeroed first.
int model_load(const char *folder, int matrix_count, ModelFile *model);
// Hands every texture entry to the texture cache, filling the model's texture list.
void model_load_textures(ModelFile *model);
// A bitmap name from a data file as the texture cache takes it: copied into buf (the
// cache lower-cases in place), or null when the name is empty, since an empty name
// would otherwise be taken for an animated folder.
char *model_texture_arg(char buf[MODEL_NAME_SIZE], const char *name);
// Frees every array and zeroes the record; a null model does nothing.
void model_file_free(ModelFile *model);
