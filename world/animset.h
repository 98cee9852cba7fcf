// animset.h -- the animation sets: the shared, read-only description of one skinned model
// (skeleton with rest and key poses, animations, hit-sphere definitions, per-bone health,
// eight default animations and the mesh), read from "<folder>/anim.bin" plus the mesh
// "<folder>/model.bin". One registry list holds the level's sets, each loaded once by its
// folder path and shared by every actor of every type that uses the folder.
//
// Bones are named two ways: a bone index j (0 .. B-1) in the set, and a matrix index
// j + 1 in an actor's matrix array, whose entry 0 is the actor's own matrix. Parents,
// hit spheres and events use matrix indexes.
#pragma once

#include <cstdint>

struct MemStream;
struct Model;
struct ModelFile;

constexpr int ANIM_NAME_SIZE = 64;       // bone, animation and folder names, NUL included
constexpr int ANIM_MAX_BONES = 256;      // the largest boss rig needs well under this
constexpr int ANIM_MAX_TRACKS = 256;     // animations of one set
constexpr int ANIM_MAX_KEYS = 4096;      // key poses of one bone, keys of one animation
constexpr int ANIM_MAX_SPHERES = 256;    // hit-sphere definitions of one set
constexpr int ANIM_MAX_DELAY = 64;       // matrix-history delay of a bone (history length <= 65)
constexpr int ANIM_DEFAULTS = 8;         // default animations started when an actor takes a set

// Bits of a bone word. The whole word is also the precedence of animations rooted at
// the bone: higher words win the bones they share.
constexpr int32_t ANIM_BONE_CAMERA_FACING = 1;   // turned to face the camera (sprites)
constexpr int32_t ANIM_BONE_BREAKABLE = 2;       // collapses when its health is shot to 0

// Mesh flag: the model is lit (its instances get a lighting work array).
constexpr int32_t ANIM_MESH_LIT = 0x1000;

struct AnimBone {
    int parent;            // matrix index of the parent: 0 the actor, j + 1 bone j (< this bone's)
    int word;              // bone word as read: precedence and flag bits
    int camera_facing;     // bit 0 of the word
    int breakable;         // bit 1 of the word
    int delay;             // 0 ordinary; < 0 records into the matrix history; d >= 1 shows the
                           // recorded matrix of d updates ago (cleared when the set has no history)
    int key_count;         // K poses below
    float *key_poses;      // 10 floats a pose: quaternion x y z w, position x y z, scale x y z
    char name[ANIM_NAME_SIZE];
};

// A particle effect started at a matrix when its animation starts and at every loop.
struct AnimParticleEvent {
    int matrix;            // matrix index (0 the actor, j + 1 bone j)
    int particle;          // particle template index
    AnimParticleEvent *next;
};

// A footprint decal laid at a matrix each time playback reaches a key.
struct AnimFootprintEvent {
    int texture;           // 0 or 1
    int matrix;
    int key;
    float size;
    float life;
    AnimFootprintEvent *next;
};

struct AnimTrack {
    int start_sound;                   // sound table index, -1 none
    AnimParticleEvent *particles;      // list, newest first
    AnimFootprintEvent *footprints;    // list, newest first
    int root_bone;                     // -1 drives the whole skeleton; r >= 0 only the bones of
                                       // its bone table, with bone r's word as precedence
    int key_count;                     // N >= 1
    int loop_key;                      // < 0 plays once; else 0 .. N-1 (larger values clamped)
    int repeat_count;                  // passes before it ends; 0 endless
    int32_t *key_frames;               // N 1-based pose numbers
    float *steps;                      // N: interval fraction per update when the key is the target
    float *arrive_eases;               // N: easing into the key, active above 1.0
    float *leave_eases;                // N: easing out of the key, active above 1.0
    float (*root_offsets)[3];          // N: the skeleton root's offset; y and z drive root motion
    float (*second_offsets)[3];        // N: carried, not read by playback
    int32_t *bone_table;               // B pose offsets, < 0 = bone not driven; null when root_bone < 0
    int index;                         // 0 .. A-1
    char name[ANIM_NAME_SIZE];
};

// A hit sphere in the space of one matrix (in memory radius first; the file stores the
// matrix index first and the radius last).
struct HitSphereDef {
    float radius;
    float centre[3];
    int matrix;            // 0 .. B
};

struct AnimSet {
    AnimSet *next;                 // registry link
    int bone_count;                // B >= 1
    AnimBone *bones;
    float *bone_health;            // B initial hit points; <= 0 takes no damage, < 0 also collapses
    int track_count;               // A
    AnimTrack *tracks;
    int sphere_count;              // S
    HitSphereDef *spheres;         // null when S is 0; sphere 0 bounds the whole actor
    int first_sphere;              // matrix index of sphere 0, -1 when none
    ModelFile *mesh;               // null when "model.bin" is missing or refused
    Model *model;                  // the mesh as drawn (render/model.h); null when mesh is
    int mesh_flags;                // handed to the mesh drawing (ANIM_MESH_LIT ...)
    int history_length;            // H matrices of history, 0 = none
    int lit_count;
    int32_t *lit_bones;            // matrix indexes of the bones that carry faces lit by
                                   // their normals (the model's bone flags) and do not
                                   // face the camera
    int32_t defaults[ANIM_DEFAULTS];
    uint8_t *tick_bones;           // B: 1 for a bone whose matrix or pose the game's logic
                                   // may read (see anim_set_keep_bone), and every parent of
                                   // one; the others are late: only drawing reads them
    uint32_t tick_epoch;           // counts the marks made since the set was read
    char name[ANIM_NAME_SIZE];     // the folder path
};

// Registry of the level's sets, newest first.
extern AnimSet *g_anim_sets;

// The set of "<styles folder><model folder>/<model name>", found or loaded; null (logged)
// when its anim.bin does not exist ("*** [actor] doesnt exist <path>"), when the path
// does not fit ANIM_NAME_SIZE, or when the file is refused. The actor types call it for
// every model they preload.
AnimSet *actor_load_model_data(const char *model_folder, const char *model_name);
// The registry's set named path (exact), else a newly loaded one pushed at the head; null
// when the path is too long or the file gives no set.
AnimSet *anim_set_find_or_load(const char *path);
// Reads "<path>/anim.bin" through the anim stream, then the mesh "<path>/model.bin" (a
// missing or refused mesh leaves mesh null and the set usable). Null when the file is
// missing ("[file1] anim ??? cant read ...") or refused ("*** [anim] ..."). The set is
// not put in the registry.
AnimSet *anim_set_load(const char *path);
// Reads a set from the stream's cursor, with no mesh. Every count, index and name is
// checked before anything is allocated; a bad file logs one "*** [anim] <name>: ..."
// line and gives null. A bone count of 0 or less gives null silently (the file has no
// set). name is the set's name (at most 63 characters kept).
AnimSet *anim_set_parse(MemStream *s, const char *name);
// Frees the set, its mesh and its event lists. Null does nothing.
void anim_set_destroy(AnimSet *set);
// Destroys every set in the registry and empties it (level start and level end).
void anim_sets_free_all(void);

// The start sound of an animation; an index outside 0 .. A-1 does nothing.
void anim_set_sound(AnimSet *set, int anim, int sound);
// Adds a particle event to an animation unless it has one with the same matrix and
// template. A bad animation or matrix index (outside 0 .. B) is ignored.
void anim_add_particle_event(AnimSet *set, int anim, int matrix, int particle);
// Adds a footprint event unless the animation has one with the same matrix and key.
// Bad indexes are ignored.
void anim_add_footprint_event(AnimSet *set, int texture, int anim, int matrix, int key, float size, float life);

// Index of the first animation named name; -1 for an empty name or none, logging
// "*** [anim] <name> doesnt exist" unless quiet.
int anim_find(const AnimSet *set, const char *name, int quiet);
// Index of the first bone named name; 0 for an empty name or none (logging "*** [anim]
// bone <name> doesnt exist" unless quiet), so a caller cannot tell a miss from bone 0.
// A bone found by name is one the game means to read: the set keeps it (and its parents)
// among its tick bones.
int anim_find_bone(AnimSet *set, const char *name, int quiet);
// Index of the bone named name, kept as anim_find_bone keeps it; -1 for an empty name or
// none, silently.
int anim_find_bone_or_none(AnimSet *set, const char *name);
// Marks matrix (1 .. B; 0, the actor's own, and indexes outside are ignored) and every
// parent of it as tick bones. The set reads its own: the bones of hit spheres, history
// recorders, camera-facing bones (they face the camera of the moment they are built) and
// bone 0 (mutations and spawns are placed at it); events and name lookups add theirs.
void anim_set_keep_bone(AnimSet *set, int matrix);
