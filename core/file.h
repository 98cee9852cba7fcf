// file.h -- the file layer: stdio with logged failures, a quiet switch for probing
// loads, whole-file loads into pool blocks, the BMP decoder and the preload cache of
// decoded bitmaps that the texture cache draws its images from.
#pragma once

#include <cstdint>
#include <cstdio>

// While non-zero, file_size and file_open do not log their failures.
extern int g_file_quiet;

// Size in bytes by stat, or -1 (logged unless quiet).
int file_size(const char *path);
// Size by stat or -1, never logging: the program's test for whether a file exists.
int file_exists_size(const char *path);
// fopen, or null with "*** [file] failed to fopen" unless quiet.
FILE *file_open(const char *path, const char *mode);

// The whole file in one pool block (free with mem_free), or null for a missing, empty
// or unreadable file; an empty one is logged "*** [file] '<path>' is empty" even while
// quiet. *size (when not null) is written only on success.
uint8_t *file_load(const char *path, int *size);
// A text file whole, with every byte kept and a terminating 0 added behind the last
// one; *size (when not null) is the file's length without the terminator. Null as for
// file_load. Free with mem_free.
char *file_load_text(const char *path, int *size);

// BMP decoding. Accepted: "BM" files of 8 bits (a palette of 256 entries) or 24 bits,
// uncompressed, with a width and height of 1 .. BMP_MAX_SIDE and every row present.
// Output rows keep the file's order (the bottom of the picture is row 0), packed
// without gaps. channels: 1 grey (r + g + b) / 3, 3 RGB, 4 RGB plus alpha (r + g + b) / 3;
// a request of 0 becomes 1 for a paletted file and 3 for a 24-bit one and is written
// back. Anything else is refused with a "*** [file]" line.
constexpr int BMP_MAX_SIDE = 4096;      // the largest texture a GL 1.1 driver is asked to take
constexpr int BMP_HEADER_SIZE = 54;     // file header plus the 40-byte info header
constexpr int BMP_PALETTE_SIZE = 1024;  // 256 entries of blue, green, red, reserved

// Decodes a BMP image held in memory; name only labels the log lines. Returns a pool
// block of width x height x channels bytes, or null.
uint8_t *file_decode_bmp(const uint8_t *data, int size, const char *name, int *width, int *height,
                         int *channels);
// Loads and decodes a BMP file; as file_decode_bmp.
uint8_t *file_load_bmp(const char *path, int *width, int *height, int *channels);

// One decoded bitmap of the preload cache.
struct Preload {
    uint8_t *pixels;          // pool block, width x height x type bytes, rows packed
    int width;
    int height;
    int type;                 // channels: 1 grey, 3 RGB, 4 RGBA
    uint32_t texture_id;      // texture cache's word: the flags of the texture made from it
    uint32_t texture_gl;      // texture cache's word: the GL name it was uploaded under
    uint32_t texture_spare;   // texture cache's word: 1 when it serves as the fallback
    char name[64];            // the path as requested, at most 63 characters
};

constexpr int MAX_PRELOADS = 1024;   // the bitmaps of a level plus the menus' with room to spare

// The cache, filled from 0; single records are never removed.
extern Preload g_preloads[MAX_PRELOADS];
extern int g_preload_count;

// Set by the callers around loads, cleared by the texture cache; read by file_mload and
// the particle loader.
extern int g_preload_reload;     // non-zero: colour images are loaded afresh
extern float g_preload_hue;      // degrees; colour images are hue-rotated when non-zero

// The renderer's steps that the loaders take in their order: the hue rotation of
// file_mload and of the particle colours, the textures of a mesh and of a particle
// emitter. The renderer hands its functions over at start-up (init_imports), so the
// loaders call up through this table while their includes point down.
struct TextureRecord;
struct FileImports {
    int (*texture_find_or_load)(char *colour, uint32_t flags, TextureRecord **list, int *count,
                                char *mask, float anim_speed, int anim_mode);   // zgl_texture_find_or_load
    uint32_t (*texture_record_handle)(const TextureRecord *record);            // zgl_texture_record_handle
    void (*hue_set_angle)(float degrees);                                      // hue_set_angle
    void (*hue_apply_rgb)(uint8_t *pixels, int n, int stride, int ignored);    // hue_apply_rgb
};
extern FileImports g_file_imports;

// The decoded bitmap for name with type 0, 1, 3 or 4 (channels; 0 picks 1 or 3 by the
// file). Types 0 and 1 return an earlier record of the same name and type; types 3 and 4
// do so only while the texture cache's reload flag is 0, and are hue-rotated by its hue
// angle when that is not 0. Null for another type, a full table (logged) or a file that
// does not decode.
Preload *file_mload(const char *name, int type);
// Releases every record's pixels and empties the table: at shut-down, at a video
// restart and when the front end reloads its graphics.
void file_free_textures(void);
// The same, when a level is freed.
void file_free_textures_level(void);
// The first record whose texture_id equals id, or null.
Preload *file_find_preload_by_id(uint32_t id);
// Puts the mask's grey bytes into the colour image's alpha channel. Only a 4-channel
// colour image and a 1-channel mask of exactly the same size are merged; otherwise a
// "*** [file]" line is logged, the colour image keeps its alpha and 0 is returned.
int file_apply_mask(Preload *colour, const Preload *mask);

constexpr int FILE_DIR_SIZE = 256;  // the asset folder prefixes are short relative paths

// Asset folder prefixes, relative to the working directory, built by init_game:
// "/", "../styles/", "../styles/bitmaps/", "../styles/sfx/", "../styles/particles/",
// "../styles/explosions/", "../menu/".
extern char g_dir_sep[FILE_DIR_SIZE];
extern char g_styles_dir[FILE_DIR_SIZE];
extern char g_bitmaps_dir[FILE_DIR_SIZE];
extern char g_sfx_dir[FILE_DIR_SIZE];
extern char g_particles_dir[FILE_DIR_SIZE];
extern char g_explosions_dir[FILE_DIR_SIZE];
extern char g_menu_dir[FILE_DIR_SIZE];
