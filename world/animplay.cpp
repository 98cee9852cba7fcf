// animplay.cpp -- animation playback and bone matrices. Running animations come from one
// fixed pool with a free list, so a steady tick allocates nothing.

#include "world/animplay.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mem.h"
#include "platform/sound.h"
#include "render/camera.h"
#include "render/footprint.h"
#include "render/particle.h"
#include "world/geom.h"
#include "world/level.h"
#include "world/recycle.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

const float *g_anim_event_matrices;
anim_event_hook_t g_anim_event_hook;

constexpr int POSE_FLOATS = 10;

// The pose blend and the matrix build are each made twice (GEOM_TWO_MAKES); the helpers
// they call are folded into both makes (ANIM_FOLDED). AVX2 broadcasts an element and sets
// a single lane in one instruction each. Each is a file-local function behind the public
// one (a function of two makes is named so from its first mention).
#define ANIM_TWO_MAKES GEOM_TWO_MAKES
#define ANIM_FOLDED __attribute__((always_inline)) static inline

// The pool of running animations; free records are chained through next.
static AnimPlay anim_play_pool[ANIM_MAX_PLAYS];
static AnimPlay *anim_play_free;
static int anim_play_ready;        // the free chain has been built
static int anim_play_used;         // records handed out
static int anim_play_full_logged;  // the full pool was reported since it last had room

static AnimPlay *anim_play_alloc(void)
{
    if (!anim_play_ready) {
        for (int i = ANIM_MAX_PLAYS - 1; i >= 0; i--) {
            anim_play_pool[i].next = anim_play_free;
            anim_play_free = &anim_play_pool[i];
        }
        anim_play_ready = 1;
    }
    AnimPlay *p = anim_play_free;
    if (!p) {
        if (!anim_play_full_logged) {
            con_printf("*** [anim] ANIM_MAX_PLAYS (%d) reached. Increase #define value. :)", ANIM_MAX_PLAYS);
            anim_play_full_logged = 1;
        }
        return nullptr;
    }
    anim_play_free = p->next;
    anim_play_used++;
    return p;
}

static void anim_play_release(AnimPlay *p)
{
    p->track = nullptr;
    p->next = anim_play_free;
    anim_play_free = p;
    anim_play_used--;
    anim_play_full_logged = 0;
}

int anim_plays_in_use(void)
{
    return anim_play_used;
}

// The precedence of a track: its root bone's word, -1 for the whole skeleton.
static int anim_root_word(const AnimSet *set, const AnimTrack *t)
{
    return t->root_bone < 0 ? -1 : set->bones[t->root_bone].word;
}

static AnimPlay *anim_find_play(const AnimState *st, const AnimTrack *t)
{
    for (AnimPlay *p = st->plays; p; p = p->next) {
        if (p->track == t) {
            return p;
        }
    }
    return nullptr;
}

static int anim_valid_index(const AnimState *st, int index)
{
    return st->set && index >= 0 && index < st->set->track_count;
}

static int anim_valid_bone(const AnimState *st, int bone)
{
    return st->set && st->pose && bone >= 0 && bone < st->set->bone_count;
}

ANIM_TWO_MAKES static void anim_blend_poses(AnimState *st, int late);
ANIM_TWO_MAKES static void anim_build_bones(AnimState *st, int late);

// Blends the late bones that wait for their blend of the last update.
static void anim_finish_blend(AnimState *st)
{
    if (st->late_waiting & ANIM_WAITING_BLEND) {
        st->late_waiting &= ~ANIM_WAITING_BLEND;
        anim_blend_poses(st, 1);
    }
}

void anim_finish_for_bone(AnimState *st, int bone)
{
    // Late for this state unless the set marked it a tick bone before the state took its
    // order (a mark since then counts as late until the next update takes it).
    const AnimSet *set = st->set;
    if (st->late_waiting && set && bone >= 0 && bone < set->bone_count &&
        !(set->tick_bones[bone] && st->tick_epoch == set->tick_epoch)) {
        anim_finish_matrices(st);
    }
}

// A valid bone about to be read or written directly: if it is late, what waits is done
// first, and the set keeps the bone among its tick bones from the next update on.
static int anim_reach_bone(AnimState *st, int bone)
{
    if (!anim_valid_bone(st, bone)) {
        return 0;
    }
    anim_finish_for_bone(st, bone);
    anim_set_keep_bone(st->set, bone + 1);
    return 1;
}

static void pose_from_key(BonePose *out, const float *key)
{
    memcpy(out->quat, key, sizeof(out->quat));
    memcpy(out->pos, key + 4, sizeof(out->pos));
    memcpy(out->scale, key + 7, sizeof(out->scale));
}

void anim_play_init(AnimPlay *p, AnimTrack *track, float speed, uint32_t flags)
{
    p->track = track;
    p->next = nullptr;
    p->speed = speed;
    p->plays_left = track->repeat_count;
    p->from_key = -1;
    p->time = 0.0f;
    p->weight = 0.0f;
    p->flags = flags;
    p->to_key = 0;
    p->started = 0;
    p->ended = 0;
}

void anim_bind_set(AnimState *st, AnimSet *set)
{
    anim_unbind_set(st);
    if (!set) {
        return;
    }
    int bones = set->bone_count;
    st->set = set;
    // One block holds the actor's arrays; it goes back to the spares of its size when the
    // set is unbound, so actors of the same set coming and going reuse their blocks.
    size_t at = 0;
    auto carve = [&at](size_t bytes) {
        size_t here = at;
        at += (bytes + 15) & ~(size_t)15;
        return here;
    };
    size_t at_pose = carve(sizeof(BonePose) * (size_t)bones * 2);
    size_t at_memo = carve(sizeof(AnimBlendMemo) * (size_t)bones);
    size_t at_drives = carve(sizeof(AnimDrive) * (size_t)bones);
    size_t at_build = carve(sizeof(AnimBuildMemo) * (size_t)bones);
    size_t at_stale = carve((size_t)bones);
    size_t at_order = carve((size_t)bones);
    size_t at_health = carve(sizeof(float) * (size_t)bones);
    size_t at_spheres = set->sphere_count > 0 ? carve(sizeof(HitSphere) * (size_t)set->sphere_count) : 0;
    size_t at_light = set->lit_count > 0 ? carve(sizeof(float) * 3 * ((size_t)bones + 1)) : 0;
    char *block = (char *)recycle_take(at);
    st->pose = (BonePose *)(block + at_pose);
    st->from_pose = st->pose + bones;
    st->blend_memo = (AnimBlendMemo *)(block + at_memo);
    st->drives = (AnimDrive *)(block + at_drives);
    st->drives_valid = 0;
    st->build_memo = (AnimBuildMemo *)(block + at_build);
    st->build_stale = (uint8_t *)(block + at_stale);
    st->bone_order = (uint8_t *)(block + at_order);
    for (int i = 0; i < bones; i++) {
        st->bone_order[i] = (uint8_t)i;
    }
    st->tick_count = bones;
    st->bone_health = (float *)(block + at_health);
    for (int i = 0; i < bones; i++) {
        const AnimBone *b = &set->bones[i];
        if (b->key_count > 0) {
            pose_from_key(&st->pose[i], b->key_poses);
        } else {
            st->pose[i] = BonePose{{0, 0, 0, 1}, {0, 0, 0}, {1, 1, 1}};
        }
        st->from_pose[i] = st->pose[i];
        st->bone_health[i] = set->sphere_count > 0 ? set->bone_health[i] : 0.0f;
    }
    for (int i = 0; i < bones; i++) {
        st->blend_memo[i] = AnimBlendMemo{-1, -1, 0.0f, {}};
        st->build_stale[i] = ANIM_STALE_TURNED;
    }
    if (set->sphere_count > 0) {
        st->hit_spheres = (HitSphere *)(block + at_spheres);
        for (int i = 0; i < set->sphere_count; i++) {
            st->hit_spheres[i] = HitSphere{set->spheres[i].radius, {0, 0, 0}, set->spheres[i].matrix};
        }
    }
    if (set->lit_count > 0) {
        st->light_dirs = (float(*)[3])(block + at_light);
        for (int i = 0; i <= bones; i++) {
            st->light_dirs[i][0] = st->light_dirs[i][1] = st->light_dirs[i][2] = 0.0f;
        }
    }
    // Default 0 shows its key 0 at once: played from key 0 to key 0 for one blend, that
    // pose becomes the pose to blend from, and from key -2 fires its start events on the
    // first update before it runs on from key 0.
    int first = set->defaults[0];
    if (first >= 0 && first < set->track_count && anim_play(st, first, 1.0f, 0)) {
        AnimPlay *p = anim_find_play(st, &set->tracks[first]);
        p->from_key = 0;
        anim_blend(st);
        anim_snapshot_pose(st, nullptr);
        p->from_key = -2;
    }
    for (int i = 1; i < ANIM_DEFAULTS && set->defaults[i] >= 0; i++) {
        anim_play(st, set->defaults[i], 1.0f, 0);
    }
    anim_reset_root_offset(st);
    st->sprite_angle = 0.0f;
    st->build_sprite_angle = 0.0f;
    st->history_index = 0;
}

int anim_set_matrices(AnimState *st, float *matrices)
{
    st->matrices = matrices;
    mem_free(st->history);
    st->history = nullptr;
    int h = st->set ? st->set->history_length : 0;
    if (h >= 1) {
        st->history = (float *)mem_alloc(sizeof(float) * 16 * (size_t)h);
        if (!st->history) {
            return -1;
        }
        memset(st->history, 0, sizeof(float) * 16 * (size_t)h);
    }
    return 0;
}

void anim_unbind_set(AnimState *st)
{
    anim_free_play_list(st);
    recycle_give(st->pose);   // the block of every array bind took
    mem_free(st->history);
    *st = AnimState{};
}

void anim_reset_root_offset(AnimState *st)
{
    for (int c = 0; c < 3; c++) {
        st->last_root[c] = 0.0f;
        st->root_change[c] = 0.0f;
    }
}

void anim_snapshot_pose(AnimState *st, const AnimPlay *play)
{
    if (!st->set || !st->pose) {
        return;
    }
    anim_finish_blend(st);
    const int32_t *table = play ? play->track->bone_table : nullptr;
    for (int i = 0; i < st->set->bone_count; i++) {
        if (!table || table[i] >= 0) {
            st->from_pose[i] = st->pose[i];
        }
    }
}

int anim_play(AnimState *st, int index, float speed, uint32_t flags)
{
    if (!anim_valid_index(st, index) || !(speed > 0.0f)) {
        return 0;
    }
    AnimTrack *track = &st->set->tracks[index];
    int word = anim_root_word(st->set, track);
    anim_finish_blend(st);   // the list changes: what waits was blended from the old one
    AnimPlay **link = &st->plays;
    for (; *link; link = &(*link)->next) {
        AnimPlay *p = *link;
        if (p->track == track) {
            p->speed = speed;
            return 1;
        }
        if (p->track->root_bone == track->root_bone) {
            AnimPlay *n = anim_play_alloc();
            if (!n) {
                return 0;
            }
            anim_snapshot_pose(st, p);
            anim_play_init(n, track, speed, flags);
            n->next = p->next;
            *link = n;
            anim_play_release(p);
            st->drives_valid = 0;
            return 1;
        }
        if (word > anim_root_word(st->set, p->track)) {
            break;
        }
    }
    AnimPlay *n = anim_play_alloc();
    if (!n) {
        return 0;
    }
    anim_play_init(n, track, speed, flags);
    n->next = *link;
    *link = n;
    st->drives_valid = 0;
    return 1;
}

int anim_play_by_name(AnimState *st, const char *name, float speed, uint32_t flags)
{
    if (!(speed > 0.0f)) {
        return 0;
    }
    return anim_play(st, anim_find(st->set, name, 1), speed, flags);
}

// Unlinks and frees a running animation, keeping the pose of its bones to blend from.
static void anim_end_play(AnimState *st, AnimPlay **link)
{
    AnimPlay *p = *link;
    anim_snapshot_pose(st, p);   // (which blends what waits, from the list as it was)
    *link = p->next;
    anim_play_release(p);
    st->drives_valid = 0;
}

int anim_stop(AnimState *st, int index)
{
    if (!anim_valid_index(st, index)) {
        return 0;
    }
    const AnimTrack *track = &st->set->tracks[index];
    for (AnimPlay **link = &st->plays; *link; link = &(*link)->next) {
        if ((*link)->track == track) {
            anim_end_play(st, link);
            return ANIM_STOPPED;
        }
    }
    return 0;
}

int anim_stop_by_name(AnimState *st, const char *name, int prefix)
{
    if (!st->set || !name) {
        return 0;
    }
    size_t len = strlen(name);
    for (int t = 0; t < st->set->track_count; t++) {
        const char *own = st->set->tracks[t].name;
        if (prefix ? strncmp(own, name, len) == 0 : strcmp(own, name) == 0) {
            return anim_stop(st, t);
        }
    }
    return 0;
}

int anim_stop_list(AnimState *st, const int32_t *list, int max)
{
    int result = 0;
    for (int i = 0; i < max && list[i] >= 0; i++) {
        result |= anim_stop(st, list[i]);
    }
    return result;
}

void anim_free_play_list(AnimState *st)
{
    anim_finish_blend(st);
    while (AnimPlay *p = st->plays) {
        st->plays = p->next;
        anim_play_release(p);
    }
    st->drives_valid = 0;
}

int anim_is_playing(const AnimState *st, int index)
{
    if (!anim_valid_index(st, index)) {
        return -1;
    }
    return anim_find_play(st, &st->set->tracks[index]) ? 1 : 0;
}

int anim_has_ended(const AnimState *st, int index)
{
    return anim_is_playing(st, index) == 1 ? 0 : 1;
}

int anim_any_playing(const AnimState *st, const int32_t *list, int max)
{
    for (int i = 0; i < max && list[i] >= 0; i++) {
        if (anim_is_playing(st, list[i]) == 1) {
            return 1;
        }
    }
    return 0;
}

int anim_oneshot_playing(const AnimState *st)
{
    for (const AnimPlay *p = st->plays; p; p = p->next) {
        if (p->track->loop_key < 0) {
            return 1;
        }
    }
    return 0;
}

float anim_get_progress(const AnimState *st, int index)
{
    if (!anim_valid_index(st, index)) {
        return -2.0f;
    }
    const AnimTrack *t = &st->set->tracks[index];
    const AnimPlay *p = anim_find_play(st, t);
    if (!p) {
        return -1.0f;
    }
    if (t->steps[0] <= 0.0f) {
        return t->key_count > 1 ? (p->time + (float)p->from_key) / (float)(t->key_count - 1) : 0.0f;
    }
    return (p->time + (float)p->from_key + 1.0f) / (float)t->key_count;
}

float anim_forward_distance(const AnimState *st)
{
    return -st->root_change[1];
}

void anim_slerp_bone(AnimState *st, const float quat[4], int bone, float t)
{
    if (anim_reach_bone(st, bone)) {
        geom_quat_slerp(st->pose[bone].quat, st->pose[bone].quat, quat, t);
        st->blend_memo[bone].target = -1;
        st->build_stale[bone] = ANIM_STALE_TURNED;
    }
}

void anim_set_bone_euler(AnimState *st, float angles[3], int bone)
{
    if (anim_reach_bone(st, bone)) {
        quat_from_euler(angles, st->pose[bone].quat);
        st->blend_memo[bone].target = -1;
        st->build_stale[bone] = ANIM_STALE_TURNED;
    }
}

void anim_set_bone_pose(AnimState *st, const float pose[7], int bone)
{
    if (!anim_reach_bone(st, bone)) {
        return;
    }
    for (BonePose *p : {&st->pose[bone], &st->from_pose[bone]}) {
        memcpy(p->quat, pose, sizeof(p->quat));
        memcpy(p->pos, pose + 4, sizeof(p->pos));
    }
    st->blend_memo[bone].target = -1;
    st->build_stale[bone] = ANIM_STALE_TURNED;
}

void anim_get_bone_pose(AnimState *st, float pose[7], int bone)
{
    if (!anim_reach_bone(st, bone)) {
        return;
    }
    memcpy(pose, st->pose[bone].quat, sizeof(st->pose[bone].quat));
    memcpy(pose + 4, st->pose[bone].pos, sizeof(st->pose[bone].pos));
}

void anim_trail_set_position(AnimState *st, const float pos[3])
{
    int h = st->set ? st->set->history_length : 0;
    for (int k = 0; st->history && k < h; k++) {
        memcpy(st->history + 16 * k + 12, pos, sizeof(float) * 3);
    }
}

void anim_fire_start_events(const AnimTrack *track)
{
    const float *m = g_anim_event_matrices;
    if (!m) {
        return;
    }
    if (track->start_sound >= 0) {
        sound_play_at(track->start_sound, m + 12, g_level_ticks);
        if (g_anim_event_hook) {
            g_anim_event_hook(ANIM_EVENT_SOUND, track, track->start_sound, m);
        }
    }
    for (const AnimParticleEvent *e = track->particles; e; e = e->next) {
        particle_start_at_bone(e->particle, m + 16 * e->matrix, m);
        if (g_anim_event_hook) {
            g_anim_event_hook(ANIM_EVENT_PARTICLE, track, e->particle, m + 16 * e->matrix);
        }
    }
}

void anim_fire_footprints(const AnimTrack *track, int key)
{
    const float *m = g_anim_event_matrices;
    if (!m) {
        return;
    }
    for (const AnimFootprintEvent *e = track->footprints; e; e = e->next) {
        if (e->key == key) {
            footprint_add(m + 16 * e->matrix, e->size, e->life, e->texture);
            if (g_anim_event_hook) {
                g_anim_event_hook(ANIM_EVENT_FOOTPRINT, track, key, m + 16 * e->matrix);
            }
        }
    }
}

// The eased weight of the target at interval time t. An ease above 1.0 bends the curve
// out of the source key (leave) or into the target key (arrive).
static float anim_weight(float t, float leave, float arrive)
{
    float lb = 0.01f * leave + 0.5f;
    float ab = 0.01f * arrive + 0.5f;
    float u = 1.0f - t;
    float fl = (1.0f - lb) * t + lb * t * t;
    float fa = 1.0f - ((1.0f - ab) * u + ab * u * u);
    if (leave > 0.0f && arrive > 0.0f) {
        return (fl * u * u + fa * t * t) / (t * t + u * u);
    }
    if (leave > 0.0f) {
        return fl;
    }
    if (arrive > 0.0f) {
        return fa;
    }
    return t;
}

// Advances one running animation by one update; 1 when it has ended.
static int anim_advance(AnimPlay *p)
{
    const AnimTrack *t = p->track;
    float leave = (p->from_key >= 0 && t->leave_eases[p->from_key] > 1.0f) ? t->leave_eases[p->from_key] : 0.0f;
    float arrive = t->arrive_eases[p->to_key] > 1.0f ? t->arrive_eases[p->to_key] : 0.0f;
    if (p->from_key < 0) {
        // Once per start: a step of 0 leaves the time at 0, which must not fire them again.
        if (!p->started) {
            p->started = 1;
            if (p->flags == 0) {
                anim_fire_start_events(t);
            }
        }
        if (p->from_key < -1) {
            p->from_key = 0;
        }
    }
    float step = t->steps[p->to_key];
    if (step < 1.0f) {
        step *= p->speed;
    }
    float time = p->time + step;
    if (time < 1.0f) {
        p->time = time;
        p->weight = anim_weight(time, leave, arrive);
        return 0;
    }
    int k = p->to_key;
    p->from_key = k;
    p->to_key = k + 1;
    p->time = 0.0f;
    p->weight = 0.0f;
    if (p->flags == 0) {
        anim_fire_footprints(t, k);
    }
    if (p->to_key < t->key_count) {
        return 0;
    }
    if (t->loop_key < 0 || (p->plays_left > 0 && --p->plays_left == 0)) {
        // It ends holding its last key (from and to key both N - 1): the update's blend
        // shows that key, then the play is removed.
        p->to_key = t->key_count - 1;
        return 1;
    }
    p->to_key = t->loop_key;
    if (p->flags == 0) {
        anim_fire_start_events(t);
    }
    return 0;
}

// The set's tick bones as they stand now, for this update and the build after it.
static void anim_take_tick_bones(AnimState *st)
{
    static_assert(ANIM_MAX_BONES <= 256, "bone_order holds bone indexes in bytes");
    const AnimSet *set = st->set;
    int n = 0;
    for (int pass = 1; pass >= 0; pass--) {
        for (int i = 0; i < set->bone_count; i++) {
            if (set->tick_bones[i] == pass) {
                st->bone_order[n++] = (uint8_t)i;
            }
        }
        if (pass == 1) {
            st->tick_count = n;
        }
    }
    st->tick_epoch = set->tick_epoch;
}

void anim_update(AnimState *st)
{
    if (!st->set) {
        return;
    }
    if (st->defer_late) {
        // What waited from the last update and build is not wanted any more: this update
        // and the build after it make it anew. A set that keeps more bones now keeps them
        // from this update on.
        st->late_waiting = 0;
        if (st->tick_epoch != st->set->tick_epoch) {
            anim_take_tick_bones(st);
        }
    }
    g_anim_event_matrices = st->matrices;
    int h = st->set->history_length;
    if (h > 0 && ++st->history_index >= h) {
        st->history_index = 0;
    }
    for (AnimPlay *p = st->plays; p; p = p->next) {
        p->ended = anim_advance(p);
    }
    anim_blend(st);
    AnimPlay **link = &st->plays;
    while (*link) {
        if ((*link)->ended) {
            anim_end_play(st, link);
        } else {
            link = &(*link)->next;
        }
    }
}

static bool anim_same_bits(float a, float b)
{
    uint32_t x, y;
    memcpy(&x, &a, sizeof(x));
    memcpy(&y, &b, sizeof(y));
    return x == y;
}

// One bone's pose from source to the target key pose at weight w; arc is the slerp arc
// of their orientations. A pose is laid out as a key pose (orientation, position, scale:
// ten floats), so source may be a key pose or a BonePose. Returns what the new pose
// changed for the matrix build: ANIM_STALE_TURNED when its orientation or scale differs
// from the old one in any bit, else ANIM_STALE_MOVED.
ANIM_FOLDED int anim_blend_bone(BonePose *cur, const float *source, const float *target, float w, const GeomSlerpArc *arc)
{
    static_assert(sizeof(BonePose) == sizeof(float) * POSE_FLOATS, "a pose is laid out as a key pose");
    BonePose next;
    // Position and scale, six floats, as two overlapping runs of four; each lane
    // (1 - w) source + w target.
    const float u = 1.0f - w;
    geom_v4 lo = u * geom_v4_load(source + 4) + w * geom_v4_load(target + 4);
    geom_v4 hi = u * geom_v4_load(source + 6) + w * geom_v4_load(target + 6);
    char *out = (char *)&next;
    memcpy(out + sizeof(float) * 4, &lo, sizeof(lo));
    memcpy(out + sizeof(float) * 6, &hi, sizeof(hi));
    geom_quat_slerp_along(next.quat, source, target, u, arc);
    int turned = memcmp(next.quat, cur->quat, sizeof(next.quat)) != 0 ||
                 memcmp(next.scale, cur->scale, sizeof(next.scale)) != 0;
    *cur = next;
    return turned ? ANIM_STALE_TURNED : ANIM_STALE_MOVED;
}

// Each bone's driving animation: the first running one (highest precedence) that drives
// the whole skeleton or has the bone in its bone table.
static void anim_find_drives(AnimState *st)
{
    for (int i = 0; i < st->set->bone_count; i++) {
        const AnimPlay *p = st->plays;
        int base = -1;
        for (; p; p = p->next) {
            if (p->track->root_bone < 0) {
                base = -1;
                break;
            }
            if (p->track->bone_table[i] >= 0) {
                base = p->track->bone_table[i] - 1;
                break;
            }
        }
        st->drives[i] = AnimDrive{p ? (int32_t)(p - anim_play_pool) : -1, base};
    }
    st->drives_valid = 1;
}

// The root motion's part of a play met driving a bone, bone by bone: a play rooted lower
// than every play met before adds its offsets (nothing is rooted below -1).
ANIM_FOLDED void anim_root_step(const AnimPlay *p, int *lowest, float root[3])
{
    const AnimTrack *t = p->track;
    if (t->root_bone < *lowest) {
        *lowest = t->root_bone;
        float w = p->weight;
        for (int c = 1; c < 3; c++) {
            root[c] += w * t->root_offsets[p->to_key][c];
            if (p->from_key >= 0) {
                root[c] += (1.0f - w) * t->root_offsets[p->from_key][c];
            }
        }
    }
}

// anim_blend's work, in its two makes: late 0 blends the tick bones (every bone unless the
// state defers the late ones) and measures the root motion; late 1 blends the late bones.
ANIM_TWO_MAKES static void anim_blend_poses(AnimState *st, int late)
{
    const AnimSet *set = st->set;
    if (!set || !st->pose) {
        return;
    }
    if (!st->drives_valid) {
        anim_find_drives(st);
    }
    // Read once, as in anim_build_matrices: the stale marks written below are bytes.
    const AnimBone *bones = set->bones;
    const AnimDrive *drives = st->drives;
    AnimBlendMemo *memos = st->blend_memo;
    BonePose *poses = st->pose;
    const BonePose *from_poses = st->from_pose;
    uint8_t *build_stale = st->build_stale;
    const uint8_t *order = st->bone_order;
    const int first = late ? st->tick_count : 0;
    const int end = late ? set->bone_count : st->tick_count;
    // The root motion is met bone by bone over every bone: along the way when this pass
    // visits them all, else after it.
    const int every_bone = !late && end == set->bone_count;
    float root[3] = {0.0f, 0.0f, 0.0f};
    int lowest = 1000;
    auto blend_bone = [&](int i) __attribute__((always_inline)) {
        const AnimDrive drive = drives[i];
        if (drive.play < 0) {
            return;
        }
        const AnimPlay *p = &anim_play_pool[drive.play];
        if (every_bone) {
            anim_root_step(p, &lowest, root);
        }
        const AnimTrack *t = p->track;
        float w = p->weight;
        const float *keys = bones[i].key_poses;
        int to = drive.base + t->key_frames[p->to_key];
        const float *target = keys + POSE_FLOATS * to;
        AnimBlendMemo *memo = &memos[i];
        if (p->from_key >= 0) {
            int source = drive.base + t->key_frames[p->from_key];
            const float *from = keys + POSE_FLOATS * source;
            // The same two key poses at the same weight as the blend that made this pose
            // (a held key, or a track standing still): it would write the same floats.
            // The same two at another weight: the same arc between them.
            int same_keys = memo->target == to && memo->source == source;
            if (!same_keys || !anim_same_bits(memo->weight, w)) {
                if (!same_keys) {
                    geom_quat_slerp_arc(&memo->arc, from, target);
                    memo->source = source;
                    memo->target = to;
                }
                int stale = anim_blend_bone(&poses[i], from, target, w, &memo->arc);
                memo->weight = w;
                build_stale[i] = stale > build_stale[i] ? stale : build_stale[i];
            }
        } else {
            const float *source = reinterpret_cast<const float *>(&from_poses[i]);
            GeomSlerpArc arc;
            geom_quat_slerp_arc(&arc, source, target);
            int stale = anim_blend_bone(&poses[i], source, target, w, &arc);
            memo->target = -1;
            build_stale[i] = stale > build_stale[i] ? stale : build_stale[i];
        }
    };
    // A pass over every bone runs in bone order without the order's indirection.
    if (every_bone) {
        for (int i = 0; i < end; i++) {
            blend_bone(i);
        }
    } else {
        for (int k = first; k < end; k++) {
            blend_bone(order[k]);
        }
    }
    if (late) {
        return;
    }
    for (int i = 0; !every_bone && i < set->bone_count && lowest > -1; i++) {
        if (drives[i].play >= 0) {
            anim_root_step(&anim_play_pool[drives[i].play], &lowest, root);
        }
    }
    for (int c = 0; c < 3; c++) {
        st->root_change[c] = root[c] - st->last_root[c];
        st->last_root[c] = root[c];
    }
}

void anim_blend(AnimState *st)
{
    anim_blend_poses(st, 0);
    if (st->set && st->tick_count < st->set->bone_count) {
        st->late_waiting |= ANIM_WAITING_BLEND;
    }
}

// Bone i's build memo from its pose: the rotation and scale part R x diag(S) (a
// camera-facing bone's sprite angle turning R first about the view axis) only when the
// orientation or scale was written (turned); the position always.
ANIM_FOLDED void anim_make_build_memo(const AnimState *st, int i, int camera_facing, int turned)
{
    const BonePose *pose = &st->pose[i];
    AnimBuildMemo *memo = &st->build_memo[i];
    if (turned) {
        geom_v4 r[3] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};
        geom_quat_columns(pose->quat, r);   // the identity stays for w = 1 or -1
        if (camera_facing && st->sprite_angle != 0.0f) {
            float a = st->sprite_angle * DEG2RAD;
            float c = cosf(a);
            float s = sinf(a);
            for (int col = 0; col < 3; col++) {
                float x = r[col][0];
                float y = r[col][1];
                r[col][0] = c * x - s * y;
                r[col][1] = s * x + c * y;
            }
        }
        // Each lane one product, as R's element times its column's scale; the fourth
        // lane the position's. Made in registers and stored once.
        for (int col = 0; col < 3; col++) {
            geom_v4 v = r[col] * pose->scale[col];
            v[3] = pose->pos[col];
            memcpy(memo->col[col], &v, sizeof(v));
        }
        return;
    }
    for (int col = 0; col < 3; col++) {
        memo->col[col][3] = pose->pos[col];
    }
}

// out[0..2] = v[0..2] with out[3] kept, as one store of four floats: a child bone's
// build reads its parent's columns four floats at a time right after, which a store of
// two and one float could not hand on without a wait.
ANIM_FOLDED void anim_store_column(float *out, geom_v4 v)
{
    v[3] = out[3];
    memcpy(out, &v, sizeof(v));
}

// out's 3 x 4 = parent's 3 x 4 x the memo: out[4c + r] = p[r] L[c][0] + p[4 + r] L[c][1] +
// p[8 + r] L[c][2] for the columns c = 0 .. 2, and the translation p[r] L[0][3] +
// p[4 + r] L[1][3] + p[8 + r] L[2][3] + p[12 + r], each summed left to right: the floats
// of geom_mat3_mul and geom_transform_point. Elements 3, 7, 11 and 15 of out are kept.
ANIM_FOLDED void anim_bone_times_parent(float *out, const float *parent, const AnimBuildMemo *memo)
{
    const geom_v4 p0 = geom_v4_load(parent), p1 = geom_v4_load(parent + 4), p2 = geom_v4_load(parent + 8);
    const float(*l)[4] = memo->col;
    anim_store_column(out, p0 * l[0][0] + p1 * l[0][1] + p2 * l[0][2]);
    anim_store_column(out + 4, p0 * l[1][0] + p1 * l[1][1] + p2 * l[1][2]);
    anim_store_column(out + 8, p0 * l[2][0] + p1 * l[2][1] + p2 * l[2][2]);
    anim_store_column(out + 12, p0 * l[0][3] + p1 * l[1][3] + p2 * l[2][3] + geom_v4_load(parent + 12));
}

// anim_build_matrices' work, in its two makes; late as for anim_blend_poses.
ANIM_TWO_MAKES static void anim_build_bones(AnimState *st, int late)
{
    const AnimSet *set = st->set;
    float *m = st->matrices;
    if (!set || !m || !st->pose) {
        return;
    }
    int h = st->history ? set->history_length : 0;
    if (!late && !anim_same_bits(st->sprite_angle, st->build_sprite_angle)) {
        // A new sprite angle turns every camera-facing bone anew (they are tick bones).
        for (int i = 0; i < set->bone_count; i++) {
            if (set->bones[i].camera_facing) {
                st->build_stale[i] = ANIM_STALE_TURNED;
            }
        }
        st->build_sprite_angle = st->sprite_angle;
    }
    // Read once: the stale marks are bytes, and a byte's store could change anything as far
    // as the compiler knows, so the loop keeps its own copies of what it reads.
    const AnimBone *bones = set->bones;
    const int bone_count = set->bone_count;
    const float *health = st->bone_health;
    uint8_t *stale = st->build_stale;
    const AnimBuildMemo *memos = st->build_memo;
    const uint8_t *order = st->bone_order;
    const int first = late ? st->tick_count : 0;
    const int end = late ? bone_count : st->tick_count;
    auto build_bone = [&](int i) __attribute__((always_inline)) {
        const AnimBone *bone = &bones[i];
        float *out = m + 16 * (i + 1);
        const float *parent = m + 16 * bone->parent;
        if (bone->delay >= 1 && h > 0) {
            int k = st->history_index - bone->delay;
            while (k < 0) {
                k += h;
            }
            memcpy(out, st->history + 16 * k, sizeof(float) * 16);
            return;
        }
        if (health && health[i] < 0.0f) {
            for (int e : {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14}) {
                out[e] = 0.0f;
            }
        } else {
            if (stale[i]) {
                anim_make_build_memo(st, i, bone->camera_facing, stale[i] == ANIM_STALE_TURNED);
                stale[i] = 0;
            }
            const AnimBuildMemo *memo = &memos[i];
            if (bone->camera_facing) {
                // Cam x L x R x S: the bone keeps the size of its parent's axes but faces
                // the camera whatever the parent's turn.
                float len[3];
                for (int col = 0; col < 3; col++) {
                    const float *c = parent + 4 * col;
                    len[col] = sqrtf(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
                }
                float rs[9];
                for (int col = 0; col < 3; col++) {
                    for (int row = 0; row < 3; row++) {
                        rs[col * 3 + row] = memo->col[col][row] * len[row];
                    }
                }
                const float pos[3] = {memo->col[0][3], memo->col[1][3], memo->col[2][3]};
                geom_mat3_mul(out, g_camera.world, rs);
                geom_transform_point(parent, pos, out + 12);
            } else {
                anim_bone_times_parent(out, parent, memo);
            }
        }
        if (bone->delay < 0 && h > 0) {
            memcpy(st->history + 16 * st->history_index, out, sizeof(float) * 16);
        }
    };
    // A pass over every bone runs in bone order without the order's indirection.
    if (!late && end == bone_count) {
        for (int i = 0; i < end; i++) {
            build_bone(i);
        }
    } else {
        for (int k = first; k < end; k++) {
            build_bone(order[k]);
        }
    }
}

void anim_build_matrices(AnimState *st)
{
    anim_build_bones(st, 0);
    if (st->set && st->tick_count < st->set->bone_count) {
        st->late_waiting |= ANIM_WAITING_BUILD;
    }
}

void anim_defer_late_bones(AnimState *st)
{
    if (!st->set || !st->set->tick_bones || !st->bone_order) {
        return;
    }
    anim_take_tick_bones(st);
    st->defer_late = 1;
    st->late_waiting = 0;
}

void anim_finish_matrices(AnimState *st)
{
    anim_finish_blend(st);
    if (st->late_waiting & ANIM_WAITING_BUILD) {
        st->late_waiting &= ~ANIM_WAITING_BUILD;
        anim_build_bones(st, 1);
    }
}

void anim_build_light_dirs(AnimState *st)
{
    const AnimSet *set = st->set;
    if (!set || !st->matrices || !st->light_dirs) {
        return;
    }
    for (int k = 0; k < set->lit_count; k++) {
        int index = set->lit_bones[k];
        geom_light_dir_to_local(st->matrices + 16 * index, g_light_dir, st->light_dirs[index]);
    }
}
