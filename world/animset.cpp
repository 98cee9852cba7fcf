// animset.cpp -- the "anim.bin" reader and the registry of the level's animation sets.
//
// A set lives in one pool block. The file is read twice: the first pass checks every
// count, index and name and measures the block; only then is the block taken and the
// second pass copies the same bytes into it. A refused file therefore changes nothing.

#include "world/animset.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/model_file.h"
#include "core/str.h"
#include "core/stream.h"
#include "render/model.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

AnimSet *g_anim_sets;

namespace {

constexpr int POSE_FLOATS = 10;

// One pass over a set's bytes. While measuring, arena is null: the stores are skipped
// and the sizes summed; while filling, the same takes hand out pieces of the block.
struct AnimReader {
    MemStream *s;
    const char *name;
    uint8_t *arena;
    size_t used;
    int bone_count;
    int key_counts[ANIM_MAX_BONES];
};

}  // namespace

static void *anim_take(AnimReader *r, size_t bytes)
{
    size_t at = (r->used + 15) & ~(size_t)15;
    r->used = at + bytes;
    return r->arena ? r->arena + at : nullptr;
}

// Logs why the file is refused (only the checking pass can refuse) and returns 0.
static int anim_refuse(AnimReader *r, const char *fmt, ...) __attribute__((format(printf, 2, 3)));
static int anim_refuse(AnimReader *r, const char *fmt, ...)
{
    char why[160];
    va_list args;
    va_start(args, fmt);
    vsnprintf(why, sizeof(why), fmt, args);
    va_end(args);
    con_printf("*** [anim] %s: %s", r->name, why);
    return 0;
}

// Reads n values into dest, or steps over them when dest is null. 0 when the file ends
// (the stream has logged it).
static int anim_floats(AnimReader *r, float *dest, int n)
{
    if (dest) {
        return memstream_read_floats(r->s, dest, n);
    }
    float scratch[64];
    while (n > 0) {
        int k = n < 64 ? n : 64;
        if (!memstream_read_floats(r->s, scratch, k)) {
            return 0;
        }
        n -= k;
    }
    return 1;
}

static int anim_int(AnimReader *r, int32_t *v)
{
    return memstream_read_ints(r->s, v, 1);
}

// A 64-byte name field that must hold its terminating NUL.
static int anim_name(AnimReader *r, char out[ANIM_NAME_SIZE], const char *what, int index)
{
    char field[ANIM_NAME_SIZE];
    if (!memstream_read(r->s, field, ANIM_NAME_SIZE)) {
        return 0;
    }
    if (!memchr(field, 0, ANIM_NAME_SIZE)) {
        return anim_refuse(r, "%s %d has no end to its name", what, index);
    }
    if (out) {
        memcpy(out, field, ANIM_NAME_SIZE);
    }
    return 1;
}

static int anim_read_bones(AnimReader *r, AnimSet *set)
{
    int count = r->bone_count;
    AnimBone *bones = (AnimBone *)anim_take(r, sizeof(AnimBone) * (size_t)count);
    for (int i = 0; i < count; i++) {
        int32_t head[3];
        int32_t keys = 0;
        char name[ANIM_NAME_SIZE];
        if (!memstream_read_ints(r->s, head, 3) || !anim_name(r, name, "bone", i) || !anim_int(r, &keys)) {
            return 0;
        }
        // Parents precede their children: bone i may hang from the actor (0) or bones 0 .. i-1.
        if (head[0] < 0 || head[0] > i) {
            return anim_refuse(r, "bone %d has parent matrix %d", i, head[0]);
        }
        if (head[2] > ANIM_MAX_DELAY) {
            return anim_refuse(r, "bone %d has delay %d, at most %d", i, head[2], ANIM_MAX_DELAY);
        }
        if (keys < 0 || keys > ANIM_MAX_KEYS) {
            return anim_refuse(r, "bone %d has %d key poses, 0 .. %d are read", i, keys, ANIM_MAX_KEYS);
        }
        float *poses = (float *)anim_take(r, sizeof(float) * POSE_FLOATS * (size_t)keys);
        if (!anim_floats(r, poses, POSE_FLOATS * keys)) {
            return 0;
        }
        r->key_counts[i] = keys;
        if (bones) {
            AnimBone *b = &bones[i];
            b->parent = head[0];
            b->word = head[1];
            b->camera_facing = head[1] & ANIM_BONE_CAMERA_FACING;
            b->breakable = (head[1] & ANIM_BONE_BREAKABLE) >> 1;
            b->delay = head[2];
            b->key_count = keys;
            b->key_poses = poses;
            memcpy(b->name, name, ANIM_NAME_SIZE);
        }
    }
    float *health = (float *)anim_take(r, sizeof(float) * (size_t)count);
    if (!anim_floats(r, health, count)) {
        return 0;
    }
    if (set) {
        set->bones = bones;
        set->bone_health = health;
    }
    return 1;
}

// Every pose a track's key frames name must exist in every bone the track drives: pose
// base + frame, with base -1 for the whole skeleton and e - 1 for a bone-table entry e.
static int anim_check_poses(AnimReader *r, int track, int bone, int64_t base, int64_t lowest, int64_t highest)
{
    int64_t first = base + lowest;
    int64_t last = base + highest;
    if (first < 0 || last >= r->key_counts[bone]) {
        return anim_refuse(r, "animation %d wants poses %lld .. %lld of bone %d, which has %d", track,
                           (long long)first, (long long)last, bone, r->key_counts[bone]);
    }
    return 1;
}

static int anim_read_track(AnimReader *r, AnimTrack *t, int index)
{
    char name[ANIM_NAME_SIZE];
    int32_t head[4];
    if (!anim_name(r, name, "animation", index) || !memstream_read_ints(r->s, head, 4)) {
        return 0;
    }
    int root = head[0];
    int keys = head[1];
    if (root >= r->bone_count) {
        return anim_refuse(r, "animation %d has root bone %d of %d", index, root, r->bone_count);
    }
    if (keys < 1 || keys > ANIM_MAX_KEYS) {
        return anim_refuse(r, "animation %d has %d keys, 1 .. %d are read", index, keys, ANIM_MAX_KEYS);
    }
    int32_t *frames = (int32_t *)anim_take(r, sizeof(int32_t) * (size_t)keys);
    int32_t lowest = 0;
    int32_t highest = 0;
    for (int k = 0; k < keys; k++) {
        int32_t f = 0;
        if (!anim_int(r, &f)) {
            return 0;
        }
        lowest = (k == 0 || f < lowest) ? f : lowest;
        highest = (k == 0 || f > highest) ? f : highest;
        if (frames) {
            frames[k] = f;
        }
    }
    float *steps = (float *)anim_take(r, sizeof(float) * (size_t)keys);
    float *arrive = (float *)anim_take(r, sizeof(float) * (size_t)keys);
    float *leave = (float *)anim_take(r, sizeof(float) * (size_t)keys);
    float(*offsets)[3] = (float(*)[3])anim_take(r, sizeof(float) * 3 * (size_t)keys);
    float(*second)[3] = (float(*)[3])anim_take(r, sizeof(float) * 3 * (size_t)keys);
    if (!anim_floats(r, steps, keys) || !anim_floats(r, arrive, keys) || !anim_floats(r, leave, keys) ||
        !anim_floats(r, offsets ? &offsets[0][0] : nullptr, 3 * keys) ||
        !anim_floats(r, second ? &second[0][0] : nullptr, 3 * keys)) {
        return 0;
    }
    int32_t *table = nullptr;
    if (root >= 0) {
        table = (int32_t *)anim_take(r, sizeof(int32_t) * (size_t)r->bone_count);
        for (int i = 0; i < r->bone_count; i++) {
            int32_t e = 0;
            if (!anim_int(r, &e)) {
                return 0;
            }
            if (e >= 0 && !anim_check_poses(r, index, i, (int64_t)e - 1, lowest, highest)) {
                return 0;
            }
            if (table) {
                table[i] = e;
            }
        }
    } else {
        for (int i = 0; i < r->bone_count; i++) {
            if (!anim_check_poses(r, index, i, -1, lowest, highest)) {
                return 0;
            }
        }
    }
    if (t) {
        t->start_sound = -1;
        t->particles = nullptr;
        t->footprints = nullptr;
        t->root_bone = root < 0 ? -1 : root;
        t->key_count = keys;
        t->loop_key = head[2] >= keys ? keys - 1 : head[2];
        t->repeat_count = head[3];
        t->key_frames = frames;
        t->steps = steps;
        t->arrive_eases = arrive;
        t->leave_eases = leave;
        t->root_offsets = offsets;
        t->second_offsets = second;
        t->bone_table = table;
        t->index = index;
        memcpy(t->name, name, ANIM_NAME_SIZE);
    }
    return 1;
}

static int anim_read_spheres(AnimReader *r, AnimSet *set)
{
    int32_t count = 0;
    if (!anim_int(r, &count)) {
        return 0;
    }
    if (count < 0 || count > ANIM_MAX_SPHERES) {
        return anim_refuse(r, "%d hit spheres, 0 .. %d are read", count, ANIM_MAX_SPHERES);
    }
    HitSphereDef *spheres = count > 0 ? (HitSphereDef *)anim_take(r, sizeof(HitSphereDef) * (size_t)count) : nullptr;
    for (int i = 0; i < count; i++) {
        int32_t matrix = 0;
        float values[4];
        if (!anim_int(r, &matrix) || !memstream_read_floats(r->s, values, 4)) {
            return 0;
        }
        if (matrix < 0 || matrix > r->bone_count) {
            return anim_refuse(r, "hit sphere %d is on matrix %d of %d", i, matrix, r->bone_count + 1);
        }
        if (spheres) {
            spheres[i].radius = values[3];
            spheres[i].centre[0] = values[0];
            spheres[i].centre[1] = values[1];
            spheres[i].centre[2] = values[2];
            spheres[i].matrix = matrix;
        }
    }
    if (set) {
        set->sphere_count = count;
        set->spheres = spheres;
        set->first_sphere = count > 0 ? spheres[0].matrix : -1;
    }
    return 1;
}

// History length: a delay d > 0 needs d + 1 matrices, a recording bone at least one; a
// history shorter than 2 serves nothing, so it becomes 0 and every delay is cleared.
static void anim_derive_history(AnimSet *set)
{
    int h = 0;
    for (int i = 0; i < set->bone_count; i++) {
        int d = set->bones[i].delay;
        if (d > 0 && d + 1 > h) {
            h = d + 1;
        } else if (d < 0 && h < 1) {
            h = 1;
        }
    }
    if (h < 2) {
        h = 0;
        for (int i = 0; i < set->bone_count; i++) {
            set->bones[i].delay = 0;
        }
    }
    set->history_length = h;
}

// The set's own tick bones (see anim_set_keep_bone).
static void anim_find_tick_bones(AnimSet *set)
{
    anim_set_keep_bone(set, 1);
    for (int i = 0; i < set->sphere_count; i++) {
        anim_set_keep_bone(set, set->spheres[i].matrix);
    }
    for (int i = 0; i < set->bone_count; i++) {
        if (set->bones[i].delay < 0 || set->bones[i].camera_facing) {
            anim_set_keep_bone(set, i + 1);
        }
    }
    set->tick_epoch = 0;
}

// 1 and the set (filled when the reader has its arena), 0 when refused, -1 when the file
// holds no set (bone count 0 or less).
static int anim_read_set(AnimReader *r, AnimSet **out)
{
    int32_t bones = 0;
    if (!anim_int(r, &bones)) {
        return 0;
    }
    if (bones <= 0) {
        return -1;
    }
    if (bones > ANIM_MAX_BONES) {
        return anim_refuse(r, "%d bones, at most %d are read", bones, ANIM_MAX_BONES);
    }
    r->bone_count = bones;
    AnimSet *set = (AnimSet *)anim_take(r, sizeof(AnimSet));
    if (set) {
        set->bone_count = bones;
        str_copy64(set->name, r->name);
    }
    if (!anim_read_bones(r, set)) {
        return 0;
    }
    int32_t tracks = 0;
    if (!anim_int(r, &tracks)) {
        return 0;
    }
    if (tracks < 0 || tracks > ANIM_MAX_TRACKS) {
        return anim_refuse(r, "%d animations, 0 .. %d are read", tracks, ANIM_MAX_TRACKS);
    }
    AnimTrack *list = (AnimTrack *)anim_take(r, sizeof(AnimTrack) * (size_t)tracks);
    for (int t = 0; t < tracks; t++) {
        if (!anim_read_track(r, list ? &list[t] : nullptr, t)) {
            return 0;
        }
    }
    int32_t defaults[ANIM_DEFAULTS];
    if (!memstream_read_ints(r->s, defaults, ANIM_DEFAULTS) || !anim_read_spheres(r, set)) {
        return 0;
    }
    int32_t mesh_flags = 0;
    if (!anim_int(r, &mesh_flags)) {
        return 0;
    }
    int32_t *lit = (int32_t *)anim_take(r, sizeof(int32_t) * (size_t)bones);
    uint8_t *tick = (uint8_t *)anim_take(r, (size_t)bones);
    if (set) {
        set->track_count = tracks;
        set->tracks = list;
        memcpy(set->defaults, defaults, sizeof(defaults));
        set->mesh_flags = mesh_flags;
        set->lit_bones = lit;
        anim_derive_history(set);
        set->tick_bones = tick;
        anim_find_tick_bones(set);
    }
    *out = set;
    return 1;
}

AnimSet *anim_set_parse(MemStream *s, const char *name)
{
    AnimReader reader = {};
    AnimReader *r = &reader;
    r->s = s;
    r->name = name ? name : "";
    const uint8_t *start = s->cursor;
    AnimSet *set = nullptr;
    if (anim_read_set(r, &set) == 1) {
        size_t size = r->used;
        r->arena = (uint8_t *)mem_alloc(size);
        if (r->arena) {
            memset(r->arena, 0, size);
            s->cursor = start;
            r->used = 0;
            anim_read_set(r, &set);
        }
    }
    return set;
}

// The bones that carry vertices of faces lit by their normals need the light direction
// in their own space every frame: the model marks them while it sorts its faces by kind.
static void anim_find_lit_bones(AnimSet *set)
{
    set->lit_count = 0;
    const Model *m = set->model;
    if (!m || !(m->flags & MODEL_LIT)) {
        return;
    }
    for (int i = 0; i < set->bone_count && i < m->bone_count; i++) {
        if (m->bone_flags[i] && !set->bones[i].camera_facing) {
            set->lit_bones[set->lit_count++] = i + 1;
        }
    }
}

AnimSet *anim_set_load(const char *path)
{
    if (!astream_open(path)) {
        return nullptr;
    }
    AnimSet *set = anim_set_parse(&g_anim_stream, path);
    astream_close();
    if (!set) {
        return nullptr;
    }
    ModelFile *mesh = (ModelFile *)mem_alloc(sizeof(ModelFile));
    if (mesh && model_load(path, set->bone_count + 1, mesh) == 0) {
        set->model = model_create(mesh, set->bone_count, path, (uint32_t)set->mesh_flags);
        if (set->model) {
            set->mesh = mesh;
            anim_find_lit_bones(set);
        } else {
            model_file_free(mesh);
            mem_free(mesh);
        }
    } else {
        mem_free(mesh);
    }
    return set;
}

AnimSet *anim_set_find_or_load(const char *path)
{
    if (!path || strlen(path) >= (size_t)ANIM_NAME_SIZE) {
        con_printf("*** [anim] folder path too long: %.200s", path ? path : "(null)");
        return nullptr;
    }
    for (AnimSet *set = g_anim_sets; set; set = set->next) {
        if (strcmp(set->name, path) == 0) {
            return set;
        }
    }
    AnimSet *set = anim_set_load(path);
    if (set) {
        set->next = g_anim_sets;
        g_anim_sets = set;
    }
    return set;
}

AnimSet *actor_load_model_data(const char *model_folder, const char *model_name)
{
    char path[ANIM_NAME_SIZE];
    int len = snprintf(path, sizeof(path), "%s%s%s%s", g_styles_dir, model_folder ? model_folder : "", "/",
                       model_name ? model_name : "");
    if (len < 0 || len >= (int)sizeof(path)) {
        con_printf("*** [actor] model path too long: %s%s/%s", g_styles_dir, model_folder ? model_folder : "",
                   model_name ? model_name : "");
        return nullptr;
    }
    char file[ANIM_NAME_SIZE + 16];
    snprintf(file, sizeof(file), "%s%sanim.bin", path, "/");
    if (file_exists_size(file) <= 0) {
        con_printf("*** [actor] doesnt exist %s", path);
        return nullptr;
    }
    return anim_set_find_or_load(path);
}

void anim_set_destroy(AnimSet *set)
{
    if (!set) {
        return;
    }
    for (int t = 0; t < set->track_count; t++) {
        AnimTrack *track = &set->tracks[t];
        while (AnimParticleEvent *e = track->particles) {
            track->particles = e->next;
            delete e;
        }
        while (AnimFootprintEvent *e = track->footprints) {
            track->footprints = e->next;
            delete e;
        }
    }
    model_free(set->model);
    if (set->mesh) {
        model_file_free(set->mesh);
        mem_free(set->mesh);
    }
    mem_free(set);
}

void anim_sets_free_all(void)
{
    while (AnimSet *set = g_anim_sets) {
        g_anim_sets = set->next;
        anim_set_destroy(set);
    }
}

void anim_set_sound(AnimSet *set, int anim, int sound)
{
    if (set && anim >= 0 && anim < set->track_count) {
        set->tracks[anim].start_sound = sound;
    }
}

void anim_add_particle_event(AnimSet *set, int anim, int matrix, int particle)
{
    if (!set || anim < 0 || anim >= set->track_count || matrix < 0 || matrix > set->bone_count) {
        return;
    }
    AnimTrack *t = &set->tracks[anim];
    for (AnimParticleEvent *e = t->particles; e; e = e->next) {
        if (e->matrix == matrix && e->particle == particle) {
            return;
        }
    }
    t->particles = new AnimParticleEvent{matrix, particle, t->particles};
    anim_set_keep_bone(set, matrix);
}

void anim_add_footprint_event(AnimSet *set, int texture, int anim, int matrix, int key, float size, float life)
{
    if (!set || anim < 0 || anim >= set->track_count || matrix < 0 || matrix > set->bone_count) {
        return;
    }
    AnimTrack *t = &set->tracks[anim];
    for (AnimFootprintEvent *e = t->footprints; e; e = e->next) {
        if (e->matrix == matrix && e->key == key) {
            return;
        }
    }
    t->footprints = new AnimFootprintEvent{texture, matrix, key, size, life, t->footprints};
    anim_set_keep_bone(set, matrix);
}

int anim_find(const AnimSet *set, const char *name, int quiet)
{
    if (!set || !name || !name[0]) {
        return -1;
    }
    for (int t = 0; t < set->track_count; t++) {
        if (strcmp(set->tracks[t].name, name) == 0) {
            return t;
        }
    }
    if (!quiet) {
        con_printf("*** [anim] %s doesnt exist", name);
    }
    return -1;
}

int anim_find_bone_or_none(AnimSet *set, const char *name)
{
    if (!set || !name || !name[0]) {
        return -1;
    }
    for (int i = 0; i < set->bone_count; i++) {
        if (strcmp(set->bones[i].name, name) == 0) {
            anim_set_keep_bone(set, i + 1);
            return i;
        }
    }
    return -1;
}

int anim_find_bone(AnimSet *set, const char *name, int quiet)
{
    int bone = anim_find_bone_or_none(set, name);
    if (bone >= 0) {
        return bone;
    }
    if (set && name && name[0] && !quiet) {
        con_printf("*** [anim] bone %s doesnt exist", name);
    }
    if (set) {
        anim_set_keep_bone(set, 1);   // the miss stands for bone 0
    }
    return 0;
}

void anim_set_keep_bone(AnimSet *set, int matrix)
{
    if (!set || !set->tick_bones) {
        return;
    }
    // A kept bone's parents are kept already: the walk ends at the first kept one.
    while (matrix > 0 && matrix <= set->bone_count && !set->tick_bones[matrix - 1]) {
        set->tick_bones[matrix - 1] = 1;
        set->tick_epoch++;
        matrix = set->bones[matrix - 1].parent;
    }
}
