// animplay.h -- animation playback and bone matrices: the running animations of one
// actor, their blending into the current pose, root motion, and the matrix of every
// bone (camera-facing, collapsed and delayed bones included).
//
// The playback state of an actor is an AnimState, which the actor record embeds; every
// function here takes it. An actor update calls, in this order:
//   if (st->start_counter) { st->start_counter--; anim_trail_set_position(st, pos); }
//   anim_update(st);           // advance, fire events, blend, root motion
//   anim_build_matrices(st);   // one matrix per bone into the matrix array
// then updates its hit spheres from the matrices. An enemy's state works only its tick
// bones there, the bones the game's logic reads; its late bones, which only drawing reads,
// wait for the draw (anim_defer_late_bones, anim_finish_matrices).
//
// Animation indexes are the set's (0 .. A-1); bone indexes are 0 .. B-1; matrix indexes
// are bone + 1 (0 is the actor's own matrix).
#pragma once

#include "world/animset.h"
#include "world/geom.h"

#include <cstdint>

constexpr int ANIM_MAX_PLAYS = 8192;   // running animations of all actors at once: a full
                                       // wave of enemies with bullets and debris uses ~1,500

// Results of anim_stop and friends: the bit an actor update ORs into its state word.
constexpr int ANIM_STOPPED = 8;

// The pose of one bone, in its parent's space.
struct BonePose {
    float quat[4];     // orientation x, y, z, w
    float pos[3];
    float scale[3];
};

// One running animation of one actor (from a shared pool; see ANIM_MAX_PLAYS).
struct AnimPlay {
    AnimTrack *track;
    AnimPlay *next;
    float speed;       // > 0; scales steps below 1.0
    int plays_left;    // from the repeat count; 0 endless
    int from_key;      // source key; -1 blend from the blend-from pose; -2 as -1, then key 0
    float time;        // 0 .. 1 inside the interval
    float weight;      // eased blend weight of the target
    uint32_t flags;    // non-zero: no sound, particle or footprint events
    int to_key;        // target key
    int started;       // the start events of this start were handled
    int ended;         // ended this update: blended once holding its last key, then removed
};

// What one bone's last blend read: its two key poses (pose numbers in the bone's key
// poses) and the weight. A blend of the same keys at the same weight writes the same pose,
// so it is skipped; at another weight it goes along the same arc between them. target
// -1: no memo (the pose came from elsewhere: the blend-from pose, a direct set, the bind).
struct AnimBlendMemo {
    int32_t source;
    int32_t target;
    float weight;
    GeomSlerpArc arc;   // of source's and target's orientations
};

// Which running animation drives one bone, and the bone's first key pose for it; the
// same for every blend until the list of running animations changes.
struct AnimDrive {
    int32_t play;   // index in the pool of running animations; -1: none drives the bone
    int32_t base;   // offset of the track's key frames in the bone's key poses (a file may
                    // give any offset whose sums with the key frames land in the poses)
};

// One bone's pose as the matrix build reads it: R x diag(S), the bone's rotation times its
// scale (a camera-facing bone's sprite turn first), as three columns of four floats whose
// fourth holds the position's x, y and z. The build of a bone whose pose did not change is
// its parent's matrix times these and nothing more; a pose that changed only its position
// takes the new position.
struct AnimBuildMemo {
    float col[3][4];
};

// What changed in a bone's pose since its build memo was made (AnimState::build_stale).
constexpr uint8_t ANIM_STALE_MOVED = 1;    // the position was written; orientation and scale are
                                           // bit for bit the memo's
constexpr uint8_t ANIM_STALE_TURNED = 2;   // orientation or scale written (or nothing made yet)

// A hit sphere in world space (the actor base moves the centres after every matrix build).
struct HitSphere {
    float radius;      // definition radius x scale
    float centre[3];
    int matrix;        // matrix index from the definition
};

// The playback part of an actor. Zero-initialised it is "no set"; anim_bind_set fills it.
struct AnimState {
    AnimSet *set;
    float *matrices;            // (B + 1) x 16 floats: entry 0 the actor's own, j + 1 bone j's;
                                // the caller's (anim_set_matrices), not owned
    HitSphere *hit_spheres;     // S entries, null when the set has none
    float *bone_health;         // B entries: > 0 alive, 0 worn out, < 0 destroyed (collapses)
    float sprite_angle;         // degrees; turns camera-facing bones about the view axis
    float last_root[3];         // root offset of the last blend
    float root_change[3];       // root motion of the last update (model space)
    AnimPlay *plays;            // running animations, highest precedence first
    BonePose *pose;             // B current poses
    BonePose *from_pose;        // B poses that new animations blend from
    int history_index;
    float *history;             // H x 16 floats from the memory pool, or null
    int start_counter;          // set to 2 by the actor set-up when the set has a history
    AnimBlendMemo *blend_memo;  // B entries
    AnimDrive *drives;          // B entries, valid while drives_valid
    int drives_valid;           // 0 after any change to the list of running animations
    AnimBuildMemo *build_memo;  // B entries
    uint8_t *build_stale;       // B: 0 the build memo holds the pose, else ANIM_STALE_*
                                // (every write to a pose sets it; the build clears it)
    float build_sprite_angle;   // the sprite angle the camera-facing bones' memos hold
    float (*light_dirs)[3];     // B + 1 entries by matrix index, for lit sets: the light
                                // direction in each lit bone's space; null otherwise
    int defer_late;             // 1: the late bones wait for the draw
                                // (anim_defer_late_bones); 0: every bone is blended and
                                // built in the update
    uint8_t *bone_order;        // B bone indexes: the tick bones, then the late ones, each
                                // run in bone order (parents first); the set's tick bones
                                // as the last update took them
    int tick_count;             // how many lead bone_order: B unless the state defers
    uint32_t tick_epoch;        // the set's tick_epoch the order was taken at
    int late_waiting;           // ANIM_WAITING_* bits: what the late bones wait for
};

// What the late bones are waiting for (AnimState::late_waiting).
constexpr int ANIM_WAITING_BLEND = 1;   // their blend of the last update
constexpr int ANIM_WAITING_BUILD = 2;   // their matrices of the last build

// The matrix array of the actor updated last: start and footprint events are placed on it.
extern const float *g_anim_event_matrices;

// Binding and release.
// Takes the set: allocates the poses (each bone starts at its first key pose), the hit
// spheres and bone health (copied from the set; health 0 when the set has no spheres) and
// the lighting array of a lit set; starts default animation 0 so that the actor shows its
// key 0 at once, then defaults 1 .. 7 while each is >= 0 (an invalid index starts nothing).
// Clears root motion, sprite angle and history index. A null set only unbinds.
void anim_bind_set(AnimState *st, AnimSet *set);
// Installs the matrix array ((B + 1) x 16 floats, the caller's) and, for a set with a
// history, takes the zeroed history from the memory pool. 0, or -1 when the pool refused
// the history (logged; the state then has none).
int anim_set_matrices(AnimState *st, float *matrices);
// Returns every running animation to the pool, frees what bind and set_matrices took and
// zeroes the state.
void anim_unbind_set(AnimState *st);
void anim_reset_root_offset(AnimState *st);
// From now on the update blends and the build builds only the set's tick bones (see
// anim_set_keep_bone). The other bones, the late ones, only drawing reads: they wait for
// the draw's anim_finish_matrices. The owner must build after every update, as an enemy's
// tick does, so that whatever waits is always the last update's and build's own work.
// Nothing for a state without a set.
void anim_defer_late_bones(AnimState *st);
// Blends and builds the late bones from the same inputs the last update and build had:
// the same floats as an update and build of every bone. The draw calls it, and so does
// every change to what they are made from (running animations, poses, bone health)
// before it is made.
void anim_finish_matrices(AnimState *st);
// anim_finish_matrices when bone (an index) is late: before a change to a bone's pose or
// health. A tick bone's change reaches the late bones only through its matrix, which the
// next build makes as it always did.
void anim_finish_for_bone(AnimState *st, int bone);

// Playing.
// Starts animation index at speed; flags non-zero silences its events. An animation
// already running only takes the new speed; one with the same root bone as a running one
// replaces it, blending from the old one's pose. Returns 1, or 0 when nothing happened (an
// index outside 0 .. A-1, a speed not above 0, the pool full: "... reached ...").
int anim_play(AnimState *st, int index, float speed, uint32_t flags);
// The same by exact name; 0 when no animation has it.
int anim_play_by_name(AnimState *st, const char *name, float speed, uint32_t flags);
// Stops a running animation, keeping the pose of its bones to blend from: ANIM_STOPPED,
// or 0 when it was not running (or the index is bad).
int anim_stop(AnimState *st, int index);
// Stops the first animation named name (prefix non-zero: the first whose name begins
// with it); as anim_stop.
int anim_stop_by_name(AnimState *st, const char *name, int prefix);
// Stops each listed animation (the list ends at its first negative entry or after max);
// ANIM_STOPPED when any was running.
int anim_stop_list(AnimState *st, const int32_t *list, int max);
void anim_free_play_list(AnimState *st);
// Fills a new play: next null, speed, plays left = repeat count, from key -1, time and
// weight 0, flags, to key 0.
void anim_play_init(AnimPlay *p, AnimTrack *track, float speed, uint32_t flags);

// Queries.
// 1 while the animation runs, 0 when not, -1 for an index outside 0 .. A-1.
int anim_is_playing(const AnimState *st, int index);
// 1 when the animation is over or never was: not running, or missing (an index outside
// 0 .. A-1, such as anim_find's -1). 0 while it runs. This is the test for "has the
// emerge / byebye / explode animation ended": a model without that animation counts as
// ended at once instead of waiting for ever, as testing anim_is_playing's truth would.
int anim_has_ended(const AnimState *st, int index);
// 1 when any listed animation runs (list as for anim_stop_list).
int anim_any_playing(const AnimState *st, const int32_t *list, int max);
// 1 when a running animation plays once (negative loop key) and so ends by itself.
int anim_oneshot_playing(const AnimState *st);
// Progress of a running animation through its keys, 0 .. 1; -1 when not running, -2 for
// a bad index; 0 for a one-key animation whose first step is 0 or less.
float anim_get_progress(const AnimState *st, int index);
// Forward distance the root moved in the last update (model -Y is forward, so this is
// minus the y of the root motion). Enemies moving by animation and bullets use it,
// ignoring values not above 0.
float anim_forward_distance(const AnimState *st);

// Direct pose access (weapons and enemies aim and steer bones). A bad bone does nothing.
// A bone reached here becomes one of the set's tick bones.
// Orientation = slerp of the current one and quat with weight t on the current one.
void anim_slerp_bone(AnimState *st, const float quat[4], int bone, float t);
// Orientation from Euler angles in degrees (wrapped into -180..180 in place).
void anim_set_bone_euler(AnimState *st, float angles[3], int bone);
// Orientation and position (7 floats) into the current and the blend-from pose.
void anim_set_bone_pose(AnimState *st, const float pose[7], int bone);
// Orientation and position (7 floats) of the current pose.
void anim_get_bone_pose(AnimState *st, float pose[7], int bone);

// Per update.
// Moves the translation of every history matrix to pos (so delayed bones do not trail
// from the origin after a launch).
void anim_trail_set_position(AnimState *st, const float pos[3]);
// Advances every running animation and fires their events, blends, then removes the
// animations that ended (their last blend holds their last key; their bones keep it).
void anim_update(AnimState *st);
// Blends the current pose from the running animations and measures the root motion.
void anim_blend(AnimState *st);
// Copies the current pose into the blend-from pose: every bone for a null play or a
// whole-skeleton one, else the bones the play's bone table drives.
void anim_snapshot_pose(AnimState *st, const AnimPlay *play);
// One matrix per bone from the pose and the parent's matrix (camera-facing bones turn
// with the camera's rotation, g_camera.world). Needs the matrix array.
void anim_build_matrices(AnimState *st);
// The light direction (g_light_dir) in the space of every lit bone into light_dirs, from
// the matrices as built last. Only drawing reads them: the draw of a lit model calls it
// just before the model is drawn, not every tick.
void anim_build_light_dirs(AnimState *st);

// Every event fired is also handed to this observer when set (tests; null in the game):
// kind ANIM_EVENT_SOUND with the sound index, ANIM_EVENT_PARTICLE with the template,
// ANIM_EVENT_FOOTPRINT with the key.
enum AnimEventKind { ANIM_EVENT_SOUND, ANIM_EVENT_PARTICLE, ANIM_EVENT_FOOTPRINT };
typedef void (*anim_event_hook_t)(AnimEventKind kind, const AnimTrack *track, int value, const float *matrix);
extern anim_event_hook_t g_anim_event_hook;

// The start events (sound, particles) and the footprints of one key of a track, placed
// on g_anim_event_matrices.
void anim_fire_start_events(const AnimTrack *track);
void anim_fire_footprints(const AnimTrack *track, int key);

// Running animations in the pool (tests and the level report).
int anim_plays_in_use(void);
