// room.cpp -- the room and its pylons: the layout a level plays to its end at once, the
// actors hung on its bones, the pylon points the paths, flocks and spawns read, and the
// wave that runs around the pylons.

#include "world/room.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "world/actortype.h"
#include "world/animset.h"
#include "world/beastie.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

int g_pylon_bones[ROOM_PYLONS];
float g_pylon_phase = 720.0f;
float g_pylon_speed;
float g_pylon_amp;
int g_pylon_pattern;
int g_pylon_start;

// The room found by the last room_goto (a link: it reads as none once the room is gone).
static BeastieLink g_room_link;

void room_reset(void)
{
    g_room_link = BeastieLink{};
    g_pylon_phase = 720.0f;
}

Beastie *room_beastie(void)
{
    return beastie_get(g_room_link);
}

// The matrix of pylon k (0 .. 23) of the room.
static float *room_pylon_matrix(Beastie *room, int k)
{
    return room->anim.matrices + 16 * g_pylon_bones[k];
}

// Pylon k's translation on the floor, scaled (y 0).
static void room_pylon_point(Beastie *room, int k, float scale, float out[3])
{
    const float *m = room_pylon_matrix(room, k);
    out[0] = scale * m[12];
    out[1] = 0.0f;
    out[2] = scale * m[14];
}

void room_goto(const char *anim)
{
    Beastie *room = beastie_find_by_name("roomer");
    g_room_link = beastie_link(room);
    int index = -1;
    if (room && room->anim.set) {
        AnimSet *set = room->anim.set;
        for (int i = 1; i <= ROOM_PYLONS; i++) {
            char name[16];
            snprintf(name, sizeof(name), "pylon%d%d", i / 10, i % 10);
            g_pylon_bones[i - 1] = anim_find_bone(set, name, 0) + 1;
        }
        index = anim_find(set, anim, 0);
    }
    if (!room || index < 0) {
        con_printf("*** room goto wrong values");
        return;
    }
    const AnimTrack *track = &room->anim.set->tracks[index];
    if (track->loop_key >= 0 && track->repeat_count == 0) {
        con_printf("*** room goto endless animation %s", anim);
        return;
    }
    anim_play(&room->anim, index, 1.0f, 0);
    int n = 0;
    while (anim_is_playing(&room->anim, index) && n < ROOM_GOTO_MAX_UPDATES) {
        anim_update(&room->anim);
        n++;
    }
    if (anim_is_playing(&room->anim, index)) {
        con_printf("*** room goto animation %s does not end", anim);
        anim_stop(&room->anim, index);
    }
    anim_build_matrices(&room->anim);
    anim_update_hit_spheres(room, 0, room->scale);
}

void room_attach(const char *type_name, const char *bone, float x, float y, float z, float hue)
{
    Beastie *room = room_beastie();
    ActorType *type = actortype_find(type_name);
    if (!room || !type) {
        con_printf("*** room attach wrong values %x %s", (unsigned)(uintptr_t)room, type_name ? type_name : "");
        return;
    }
    char name[BEASTIE_NAME_SIZE];
    int len = snprintf(name, sizeof(name), "%s_%s", bone ? bone : "", type_name);
    if (len < 0 || len >= (int)sizeof(name)) {
        con_printf("*** room attach name too long %s", type_name);
        return;
    }
    float sx = x * 0.01f, sy = y * 0.01f, sz = z * 0.01f;
    float s = (sx + sy + sz) * 0.33333334f;
    const float origin[3] = {0.0f, 0.0f, 0.0f};
    Beastie *b = new Beastie;
    if (beastie_init(b, name, origin, s, 0.0f, 0.0f, 0.0f, type, nullptr) != 0) {
        beastie_destroy(b, 1);
        return;
    }
    beastie_start(b, 0, 1);
    int matrix = anim_find_bone(room->anim.set, bone, 0) + 1;
    beastie_attach_spawned(b, room, matrix, sx, sy, sz);
    model_instance_set_hue(&b->instance, hue);
}

void room_pylons_animate(void)
{
    Beastie *room = room_beastie();
    if (!room || !room->anim.matrices) {
        return;
    }
    g_pylon_phase += g_pylon_speed;
    if (g_pylon_phase > 360.0f) {
        g_pylon_phase = -900.0f - mt_rand_unit() * 450.0f;
        g_pylon_speed = 1.0f + mt_rand_unit();
        float a = (mt_rand_unit() * 2.0f - 1.0f) * 3.0f;
        g_pylon_amp = a <= 0.0f ? a - 3.0f : a + 3.0f;
        g_pylon_pattern = (int)(((mt_rand() & 0x7fff) * 5) >> 15);
        g_pylon_start = (int)((((mt_rand() & 0x7fff) * 3) >> 12) + 1);
    }
    if (g_pylon_phase < -720.0f) {
        return;
    }
    float p = g_pylon_phase;
    int k = g_pylon_start;
    for (int step = 0; step < ROOM_PYLONS; step++) {
        p += 30.0f;
        k += g_pylon_amp > 0.0f ? 1 : -1;
        if (k > ROOM_PYLONS) {
            k = 1;
        } else if (k < 1) {
            k = ROOM_PYLONS;
        }
        if (!(p > 0.0f && p < 360.0f)) {
            continue;
        }
        float sn = sinf(p * DEG2RAD);
        float w = sn * sn;
        if (p > 180.0f) {
            w *= 0.5f;
        }
        float *m = room_pylon_matrix(room, k - 1);
        int column = -1;
        float f = 1.0f;
        switch (g_pylon_pattern) {
        case 1: column = 2; f = 1.0f + 0.5f * w; break;
        case 2: column = 1; f = 1.0f - 0.4f * w; break;
        case 3: column = 0; f = 1.0f - 0.4f * w; break;
        default: m[13] += w * g_pylon_amp; break;
        }
        if (column >= 0) {
            for (int r = 0; r < 3; r++) {
                m[4 * column + r] *= f;
            }
        }
    }
}

int room_pylon_position(float out[3], float scale, int index, int backward)
{
    int k = index >= ROOM_PYLONS ? 0 : index < 0 ? ROOM_PYLONS - 1 : index;
    if (!out) {
        return k;
    }
    Beastie *room = room_beastie();
    if (!room || !room->anim.matrices) {
        out[0] = out[1] = out[2] = 0.0f;
        return k;
    }
    room_pylon_point(room, backward ? ROOM_PYLONS - 1 - k : k, scale, out);
    return k;
}

int room_nearest_pylon(const float position[3], float out[3], float scale, int backward, int options)
{
    Beastie *room = room_beastie();
    if (!room || !room->anim.matrices) {
        if (out) {
            out[0] = out[1] = out[2] = 0.0f;
        }
        return 0;
    }
    float points[ROOM_PYLONS][3];
    int best = 0;
    float best_d = 0.0f;
    for (int k = 0; k < ROOM_PYLONS; k++) {
        room_pylon_point(room, k, scale, points[k]);
        float d = vec_dist2_xz(points[k], position);
        if (k == 0 || ((options & 0x40) ? d > best_d : d < best_d)) {
            best = k;
            best_d = d;
        }
    }
    if (options == 0) {
        int next = best + 1 < ROOM_PYLONS ? best + 1 : 0;
        int prev = best > 0 ? best - 1 : ROOM_PYLONS - 1;
        float dn = vec_dist2_xz(points[next], position);
        float dp = vec_dist2_xz(points[prev], position);
        if (!backward && dn < dp) {
            best = next;
        } else if (backward && dp < dn) {
            best = prev;
        }
    }
    if (out) {
        memcpy(out, points[best], sizeof(points[best]));
    }
    return backward ? ROOM_PYLONS - 1 - best : best;
}

int room_nearest_pylon_index(const float position[3], float out[3], const int *pairs, int pair_count)
{
    Beastie *room = room_beastie();
    if (!room || !room->anim.matrices || !pairs) {
        return 0;
    }
    int best = -1;
    float best_d = 0.0f;
    for (int i = 0; i < pair_count; i++) {
        int a = pairs[2 * i], b = pairs[2 * i + 1];
        if (a < 1 || a > ROOM_PYLONS || b < 1 || b > ROOM_PYLONS) {
            continue;
        }
        float pa[3], pb[3];
        room_pylon_point(room, a - 1, 1.0f, pa);
        room_pylon_point(room, b - 1, 1.0f, pb);
        float mid[3] = {0.5f * (pa[0] + pb[0]), 0.0f, 0.5f * (pa[2] + pb[2])};
        float d = vec_dist2_xz(mid, position);
        if (best < 0 || d < best_d) {
            best = i;
            best_d = d;
            if (out) {
                memcpy(out, mid, sizeof(mid));
            }
        }
    }
    return best < 0 ? 0 : 2 * best;
}

void room_random_pylon_position(float out[3], float minimum, float range)
{
    Beastie *room = room_beastie();
    if (!room || !room->anim.matrices) {
        out[0] = 0.0f;
        out[2] = 0.0f;
        return;
    }
    int q = (int)((((mt_rand() & 0x7fff) * 3) >> 12) + 1);
    int q1 = q + 1 > ROOM_PYLONS ? 1 : q + 1;
    float t = mt_rand_unit();
    const float *a = room_pylon_matrix(room, q - 1);
    const float *b = room_pylon_matrix(room, q1 - 1);
    float f = minimum + mt_rand_unit() * range;
    out[0] = (t * a[12] + (1.0f - t) * b[12]) * f;
    out[2] = (t * a[14] + (1.0f - t) * b[14]) * f;
}
