// tex.h -- the texture cache: every bitmap the game draws becomes a cached GL texture
// with its mask, animated frames and blending flags; also the one bind function that
// keeps the bound texture and the blend function known, and the bitmap rename table
// that the scripts fill.
#pragma once

#include "core/file.h"

#include <cstdint>

// TextureHandle: the GL texture name in bits 0-15, these flags above it. A caller's
// flags word has the same layout with the name bits 0.
constexpr uint32_t TEX_NAME_MASK = 0x0000ffffu;
constexpr uint32_t TEX_OWNED = 0x00010000u;        // the record deletes its GL texture(s)
constexpr uint32_t TEX_KEEP_APART_A = 0x00020000u; // only keeps otherwise equal requests apart
constexpr uint32_t TEX_UNLIT = 0x00040000u;        // model face word: not lit
constexpr uint32_t TEX_RADIAL = 0x00080000u;       // model face word: lit from the bone's origin
constexpr uint32_t TEX_KEEP_APART_B = 0x00100000u; // as TEX_KEEP_APART_A
constexpr uint32_t TEX_DEPTH_SORTED = 0x00200000u; // model faces of this texture go through the batch
constexpr uint32_t TEX_RGBA = 0x00400000u;         // colour bitmap loaded with 4 channels
constexpr uint32_t TEX_MASK = 0x00800000u;         // a mask bitmap gives the alpha
constexpr uint32_t TEX_ADDITIVE = 0x01000000u;     // blend (src alpha, one), else (src alpha, 1 - src alpha)
constexpr uint32_t TEX_CLAMP_S = 0x02000000u;
constexpr uint32_t TEX_CLAMP_T = 0x04000000u;
constexpr uint32_t TEX_MIPMAP = 0x08000000u;
constexpr uint32_t TEX_ANIMATED = 0x10000000u;     // a numbered frame set; set by the cache only
constexpr uint32_t TEX_SHARED = 0x20000000u;       // uses another record's GL texture; set by the cache only
// A fallback request drops these (the fallback bitmap is one plain image).
constexpr uint32_t TEX_FALLBACK_DROPS = TEX_ANIMATED | TEX_MIPMAP | TEX_MASK;
// Records of the same images share one GL texture when they agree in these.
constexpr uint32_t TEX_SHARE_KEYS = TEX_MIPMAP | TEX_CLAMP_T | TEX_CLAMP_S | TEX_MASK;

constexpr int TEX_MAX_FRAMES = 120;         // frames of an animated set, 00000.bmp .. 00119.bmp
constexpr int MAX_TEXTURE_RECORDS = 4096;   // a level's textures with the menus' and room for shared copies
constexpr uint32_t TEX_MAX_GL_NAME = TEX_NAME_MASK;  // names must fit the handle's low 16 bits
// Longest bitmap path the cache forms itself (animated frame names): the preload cache
// keys its images by their first 63 characters, so a longer name could load another frame.
constexpr int TEX_NAME_SIZE = 64;
constexpr int TEX_RENAME_NAMES = 32;        // 16 pairs (from, to)
constexpr int TEX_RENAME_SIZE = 256;

// One texture of the cache: an image (and mask) with the flags it was asked with.
struct TextureRecord {
    uint32_t handle;          // flags + GL name
    Preload *colour;          // null only when even the fallback bitmap failed to load
    Preload *mask;
    uint32_t flags;
    uint32_t gl_name;         // of frame 0; 0 when there was no image
    int anim_mode;            // 0 static; animated: the caller's mode + 1 (1 loop, 2 and up ping-pong)
    float anim_speed;         // frames per logic step; 0 when static
    float frame_count;        // frames of an animated set; 0 when static
    int clear_border;         // texels on every edge of the colour image that draw nothing under
                              // the record's blend (alpha 0, or black when additive); 0 for none
    uint32_t frames[TEX_MAX_FRAMES];  // handle of each frame; a 0 after the last when fewer than 120
};

// The table, packed from 0; emptied only by zgl_texture_init.
extern TextureRecord g_texture_records[MAX_TEXTURE_RECORDS];
extern int g_texture_record_count;
extern uint32_t g_next_gl_name;      // names are handed out 1, 2, 3 ... until the next init
// The handle whose blend function and texture are current (0 none). Its TEX_ADDITIVE
// bit always tells the blend function GL has.
extern uint32_t g_current_handle;
// The GL name bound last; always what GL has bound.
extern uint32_t g_bound_texture;
// The images of the last load (null when it failed).
extern Preload *g_current_colour_image;
extern Preload *g_current_mask_image;
// Rename pairs (from, to) as full paths; g_rename_count names in use, always even.
extern char g_rename_table[TEX_RENAME_NAMES][TEX_RENAME_SIZE];
extern int g_rename_count;

// The texture settings (console variables of game/settings.cpp's table, saved in
// "config.cfg"); the menus' texture choice restarts the cache.
extern float g_render_16bittexture;
extern float g_render_trilinear;

// The reload flag and the hue angle of the preload cache (g_preload_reload, g_preload_hue)
// are core/file.h's: set by the callers around loads, cleared here.

// The texture cache and the hue rotation as the loaders of core/ take them, handed over
// at start-up (g_file_imports = TEX_FILE_IMPORTS).
extern const FileImports TEX_FILE_IMPORTS;

// Finds or loads the texture for a colour bitmap (and mask) and returns its index in the
// caller's list, appending at most one entry (list[*count], then *count + 1). Names may
// be null; they are lower-cased in place. A bitmap without ".bmp" is an animated set of
// the folder's numbered frames. A missing bitmap, a name too long to form or a full table
// give the fallback texture z_light.bmp (or, with a full table and no fallback record
// yet, an entry of handle 0). -1 only for a null list or count.
int zgl_texture_find_or_load(char *colour, uint32_t flags, TextureRecord **list, int *count,
                             char *mask, float anim_speed, int anim_mode);
// Loads the images of one request into g_current_colour_image / g_current_mask_image; 1
// when the colour image loaded. A mask is merged only when it fits the colour image.
int zgl_texture_load_images(const char *colour, const char *mask, uint32_t flags);
// Binds name and uploads the image with the wraps, filters and formats of flags.
void zgl_texture_upload(Preload *image, uint32_t name, uint32_t flags);
// The handle of a record (its first word); 0 for null.
uint32_t zgl_texture_record_handle(const TextureRecord *record);

// Empties the cache, renaming off, normal blending, nothing bound (restart, init_level
// and the return to the menus).
void zgl_texture_init(void);
// Deletes every GL texture the cache owns and logs their size; records stay until the
// next zgl_texture_init.
void zgl_texture_free_all(void);

// The one bind function: makes handle current, switching the blend function by its
// TEX_ADDITIVE bit and binding its name when GL has another one bound. 0 switches nothing.
void zgl_texture_bind(uint32_t handle);
// End of every frame: blending off, normal blend function, nothing current or bound.
void zgl_reset_draw_state(void);
// The blend function normal (src alpha, 1 - src alpha) or additive (src alpha, one),
// called only when it is not already.
void zgl_blend_normal(void);
void zgl_blend_additive(void);

// The body of c_change_bitmap: later loads of the bitmap old_name use new_name, when
// new_name exists. Either name empty switches renaming off. One pair per call, 16 at most.
void zgl_bitmap_rename(const char *old_name, const char *new_name);
// The "to" name of the first pair whose "from" name equals name ignoring case, else name.
const char *zgl_bitmap_lookup_rename(const char *name);
// The "from" name of the first pair whose "to" name equals name ignoring case (logged),
// else name.
const char *zgl_bitmap_rename_back(const char *name);
