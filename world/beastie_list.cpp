// beastie_list.cpp -- the enemy lists: the per-tick pass (triggers and removal, the type
// timers, pair collision and updates), the collision of the current collider with
// enemies, settling at level start, the queries and the mass kills.

#include "world/beastie_local.h"

#include "core/mathlib.h"
#include "core/mt.h"
#include "render/footprint.h"
#include "render/particle.h"
#include "world/actortype.h"
#include "world/geom.h"
#include "world/level.h"
#include "world/room.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <initializer_list>

Beastie *g_beasties;
Beastie *g_ground_beasties;
Beastie *g_current_beastie;
int g_beastie_candidate_peak;
int g_beasties_listed;

// A kill at the level end shows its mark this long, in this colour (light green).
constexpr float BEASTIE_END_MARK_LIFE = 3.0f;
constexpr uint32_t BEASTIE_END_MARK_COLOUR = 0xFF40FF40u;

namespace {

// The pair snapshot of the list pass: the live main-list enemies from the one whose turn
// it is onwards, in list order, with their floor position and reach, and the same laid
// out cell by cell of a grid over the floor. Each turn looks through the cells near the
// enemy instead of testing every later one, then tests the pairs found in list order,
// exactly as a walk of the list would. The snapshot stays exact: an enemy only becomes
// live in its own update (after its turn in the pairs), an entry a crystal contact moved
// leaves its cell for a short list every turn looks through, and a listing during the
// pass makes the next turn take a new snapshot.
constexpr int PAIR_GRID = 32;                  // cells a side
constexpr int PAIR_CELLS = PAIR_GRID * PAIR_GRID;
constexpr float PAIR_CELL = 8.0f;              // units a cell
constexpr float PAIR_ORIGIN = -128.0f;         // the grid spans -128 .. 128; beyond it the
                                               // border cells take the rest
struct PairSnapshot {
    Beastie *beastie[BEASTIE_MAX];
    float x[BEASTIE_MAX];
    float z[BEASTIE_MAX];
    float reach[BEASTIE_MAX];
    int cell[BEASTIE_MAX];
    int slot[BEASTIE_MAX];            // where each entry stands in its cell's run
    uint8_t moved[BEASTIE_MAX];
    int cell_start[PAIR_CELLS + 1];   // the cells' runs of slots
    int slot_entry[BEASTIE_MAX + 7];  // entries cell by cell, in list order within a cell;
                                      // -1 once the entry left its cell
    float slot_x[BEASTIE_MAX + 7];    // (7 more: a run is read eight at a time)
    float slot_z[BEASTIE_MAX + 7];
    float slot_reach[BEASTIE_MAX + 7];
    int moved_list[BEASTIE_MAX];      // entries out of their cells
    uint64_t found_bits[BEASTIE_MAX / 64];   // a turn's finds by entry while it looks;
                                             // all 0 between looks
    int moved_count;
    int found[BEASTIE_MAX];           // one turn's pairs, in list order
    int count;
    int cursor;                       // the entry of the enemy whose turn it is next
    float max_reach;
};
PairSnapshot g_pairs;

float beastie_reach(const Beastie *b)
{
    return b->move_bits ? 2.0f * b->radius : b->radius;
}

int beasties_pair_column(float v)
{
    float c = (v - PAIR_ORIGIN) / PAIR_CELL;
    if (!(c >= 0.0f)) {
        return 0;
    }
    return c >= (float)(PAIR_GRID - 1) ? PAIR_GRID - 1 : (int)c;
}

void beasties_snapshot(Beastie *from)
{
    PairSnapshot &p = g_pairs;
    int n = 0;
    p.max_reach = 0.0f;
    for (int &c : p.cell_start) {
        c = 0;
    }
    for (Beastie *b = from; b && n < BEASTIE_MAX; b = b->next) {
        if (beastie_live(b)) {
            p.beastie[n] = b;
            p.x[n] = b->position[0];
            p.z[n] = b->position[2];
            p.reach[n] = beastie_reach(b);
            p.max_reach = p.reach[n] > p.max_reach ? p.reach[n] : p.max_reach;
            p.cell[n] = beasties_pair_column(p.z[n]) * PAIR_GRID + beasties_pair_column(p.x[n]);
            p.moved[n] = 0;
            p.cell_start[p.cell[n] + 1]++;
            n++;
        }
    }
    for (int c = 0; c < PAIR_CELLS; c++) {
        p.cell_start[c + 1] += p.cell_start[c];
    }
    int fill[PAIR_CELLS];
    memcpy(fill, p.cell_start, sizeof(fill));
    for (int j = 0; j < n; j++) {
        int slot = fill[p.cell[j]]++;
        p.slot[j] = slot;
        p.slot_entry[slot] = j;
        p.slot_x[slot] = p.x[j];
        p.slot_z[slot] = p.z[j];
        p.slot_reach[slot] = p.reach[j];
    }
    p.moved_count = 0;
    p.count = n;
    p.cursor = 0;
    g_beasties_listed = 0;
}

// Entry j at (x, z) with reach r within reach of (ax, az, ra)? A little wider than the
// pair test itself, so rounding never hides a pair.
bool beasties_pair_near(float ax, float az, float ra, float x, float z, float r)
{
    float dx = x - ax, dz = z - az, d = ra + r;
    return dx * dx + dz * dz <= d * d * 1.0001f + 1e-4f;
}

// beasties_pairs_near's work with a vector of V (floats) and VI (ints) for a run's slots.
template <class V, class VI> __attribute__((always_inline)) inline int beasties_pairs_near_in(int i, int after)
{
    constexpr int LANES = (int)(sizeof(V) / sizeof(float));
    PairSnapshot &p = g_pairs;
    float ax = p.x[i], az = p.z[i], ra = p.reach[i];
    float window = ra + p.max_reach;
    int x0 = beasties_pair_column(ax - window), x1 = beasties_pair_column(ax + window);
    int z0 = beasties_pair_column(az - window), z1 = beasties_pair_column(az + window);
    for (int cz = z0; cz <= z1; cz++) {
        // The cells x0 .. x1 of a row are one run of slots, tested LANES at a time; each
        // lane is beasties_pair_near's test, float for float, and takes only the entries
        // after `after` that did not move (theirs is -1). The finds are marked by entry.
        int row = cz * PAIR_GRID;
        int end = p.cell_start[row + x1 + 1];
        for (int s = p.cell_start[row + x0]; s < end; s += LANES) {
            V x, z, r;
            VI entry;
            memcpy(&x, p.slot_x + s, sizeof(x));
            memcpy(&z, p.slot_z + s, sizeof(z));
            memcpy(&r, p.slot_reach + s, sizeof(r));
            memcpy(&entry, p.slot_entry + s, sizeof(entry));
            V dx = x - ax, dz = z - az, d = ra + r;
            VI hit = (dx * dx + dz * dz <= d * d * 1.0001f + 1e-4f) & (entry > after);
            int bits;
            if constexpr (LANES == 8) {
                bits = geom_v8_true_bits(hit);
            } else {
                bits = geom_v4_true_bits(hit);
            }
            if (end - s < LANES) {
                bits &= (1 << (end - s)) - 1;
            }
            while (bits) {
                int j = p.slot_entry[s + __builtin_ctz(bits)];
                bits &= bits - 1;
                p.found_bits[j >> 6] |= (uint64_t)1 << (j & 63);
            }
        }
    }
    for (int m = 0; m < p.moved_count; m++) {
        int j = p.moved_list[m];
        if (j > after && beasties_pair_near(ax, az, ra, p.x[j], p.z[j], p.reach[j])) {
            p.found_bits[j >> 6] |= (uint64_t)1 << (j & 63);
        }
    }
    // The cells were visited in grid order, not list order: the marks are read out by
    // entry, which is list order, and cleared for the next look.
    int n = 0;
    for (int w = (after + 1) >> 6; w <= (p.count - 1) >> 6; w++) {
        uint64_t bits = p.found_bits[w];
        p.found_bits[w] = 0;
        while (bits) {
            p.found[n++] = (w << 6) + __builtin_ctzll(bits);
            bits &= bits - 1;
        }
    }
    return n;
}

// The entries after `after` within reach of entry i, in list order; their count. Made
// twice, the loader picking one: eight lanes for AVX2 processors, four for any other (their
// eight-lane compares would go lane by lane). The sanitizer builds make only the four-lane
// one (see GEOM_TWO_MAKES).
#ifdef GEOM_SANITIZED
int beasties_pairs_near(int i, int after)
{
    return beasties_pairs_near_in<geom_v4, geom_v4i>(i, after);
}
#else
__attribute__((target("default"))) int beasties_pairs_near(int i, int after)
{
    return beasties_pairs_near_in<geom_v4, geom_v4i>(i, after);
}
__attribute__((target("avx2"))) int beasties_pairs_near(int i, int after)
{
    return beasties_pairs_near_in<geom_v8, geom_v8i>(i, after);
}
#endif

// Writes entry j's position back after a pair test; 1 when a contact moved it (it then
// leaves its cell for the moved list).
inline int beasties_pair_moved(int j)
{
    PairSnapshot &p = g_pairs;
    const float *pos = p.beastie[j]->position;
    if (pos[0] == p.x[j] && pos[2] == p.z[j]) {
        return 0;
    }
    p.x[j] = pos[0];
    p.z[j] = pos[2];
    if (!p.moved[j]) {
        p.moved[j] = 1;
        p.slot_entry[p.slot[j]] = -1;
        p.moved_list[p.moved_count++] = j;
    }
    return 1;
}

// Asks the processor for what a pair test and a collider test read of b: its record's
// first two lines (the actor's scalars: position, category and masks; see Actor) and the
// lines of its life and candidate fields (see Beastie).
inline void beastie_prefetch_pair(const Beastie *b)
{
    __builtin_prefetch((const char *)b);
    __builtin_prefetch((const char *)b + 64);
    __builtin_prefetch(&b->hit_clock);
    __builtin_prefetch(&b->candidates);
}

// Records c as one of b's candidates (buffer made on first use); nothing when full.
void beastie_add_candidate(Beastie *b, Beastie *c)
{
    if (b->candidate_count >= BEASTIE_MAX_CANDIDATES) {
        return;
    }
    if (!b->candidates) {
        b->candidates = (Beastie **)recycle_take(sizeof(Beastie *) * BEASTIE_MAX_CANDIDATES);
    }
    b->candidates[b->candidate_count++] = c;
}

// beasties_collide_pair's work, in line in the pair pass: 1 when two crystals met (the
// only case that moves either of them), else 0.
inline int beasties_collide_pair_in(Beastie *a, Beastie *b, uint32_t a_bits, float a_reach)
{
    if ((a->category & (int)cat_crystal) && (b->category & (int)cat_crystal)) {
        float wa = a->params->weight, wb = b->params->weight;
        if (geom_moving_spheres_contact(a->position, a->velocity, wa, b->position, b->velocity, wb,
                                        a->radius + b->radius)) {
            for (Beastie *e : {a, b}) {
                e->collide_flags |= BEASTIE_HIT_CRYSTAL;
                e->hit_flash = 12;
            }
            return 1;
        }
        return 0;
    }
    if ((beastie_parent(a) && beastie_parent(b)) || (!a_bits && !b->move_bits)) {
        return 0;
    }
    float rb = beastie_reach(b);
    float dx = b->position[0] - a->position[0], dz = b->position[2] - a->position[2];
    if (dx * dx + dz * dz > (rb + a_reach) * (rb + a_reach)) {
        return 0;
    }
    if (a_bits && (a->collide_mask & (uint32_t)b->category)) {
        beastie_add_candidate(a, b);
    }
    if (b->move_bits && (b->collide_mask & (uint32_t)a->category)) {
        beastie_add_candidate(b, a);
    }
    return 0;
}

// a's pairs with every later live enemy within reach.
void beasties_pair_turn(Beastie *a)
{
    if (g_beasties_listed) {
        beasties_snapshot(a);
    }
    int i = g_pairs.cursor;
    if (i >= g_pairs.count || g_pairs.beastie[i] != a) {
        return;   // not live at the snapshot: it has no pairs this tick
    }
    g_pairs.cursor = i + 1;
    if (!beastie_live(a) || (a->collide_mask <= 31 && a->collided_by_mask <= 31)) {
        return;
    }
    float ra = g_pairs.reach[i];
    uint32_t bits = a->move_bits;
    int n = beasties_pairs_near(i, i);
    for (int f = 0; f < n; f++) {
        beastie_prefetch_pair(g_pairs.beastie[g_pairs.found[f]]);
    }
    for (int f = 0; f < n; f++) {
        int j = g_pairs.found[f];
        Beastie *b = g_pairs.beastie[j];
        if (!beastie_live(b)) {
            continue;
        }
        if (!beasties_collide_pair_in(a, b, bits, ra)) {
            continue;
        }
        int moved = beasties_pair_moved(i);
        moved |= beasties_pair_moved(j);
        if (moved) {
            // a stands elsewhere: the pairs still to come are found again from there.
            n = beasties_pairs_near(i, j);
            f = -1;
        }
    }
}

uint32_t g_beastie_mark;

}  // namespace

uint32_t beastie_new_mark(void)
{
    return ++g_beastie_mark;
}

void beasties_collide_pair(Beastie *a, Beastie *b, uint32_t a_bits, float a_reach)
{
    beasties_collide_pair_in(a, b, a_bits, a_reach);
}

// ---------------------------------------------------------------------------------------
// The pass

void beasties_reset(void)
{
    g_beasties = nullptr;
    g_ground_beasties = nullptr;
    g_current_beastie = nullptr;
    g_beastie_candidate_peak = 0;
    beastie_handles_reset();
}

static void beasties_free_list(Beastie **head)
{
    while (Beastie *b = *head) {
        *head = b->next;
        beastie_destroy(b, 1);
    }
}

void beasties_free_all(void)
{
    beasties_free_list(&g_beasties);
    beasties_free_list(&g_ground_beasties);
    g_current_beastie = nullptr;
}

void beasties_update_all(void)
{
    for (Beastie **link = &g_beasties; *link;) {
        Beastie *b = *link;
        b->candidate_count = 0;
        if (b->lifecycle == BEASTIE_REMOVED) {
            *link = b->next;
            beastie_destroy(b, 1);
            continue;
        }
        if (!g_game_over && (b->lifecycle > BEASTIE_SUBMERGING || b->lifecycle == BEASTIE_DYING) &&
            b->launch_delay <= 0.0f) {
            actortype_eval_states(b->type, b, b->state_values);
        }
        link = &b->next;
    }
    g_beasties_active = 0;
    actortype_update_all();

    beasties_snapshot(g_beasties);
    for (Beastie *b = g_beasties; b; b = b->next) {
        g_current_beastie = b;
        beasties_pair_turn(b);
        // b's candidates are known now; its move tests their spheres.
        for (int i = 0; i < b->candidate_count; i++) {
            __builtin_prefetch(b->candidates[i]->anim.hit_spheres);
        }
        beastie_update(b);
    }
    Beastie *room = room_beastie();
    for (Beastie *b = g_ground_beasties; b; b = b->next) {
        g_current_beastie = b;
        beastie_update(b);
        if (b == room) {
            room_pylons_animate();
        }
    }
    g_current_beastie = nullptr;
}

void beasties_settle(void)
{
    float sum;
    do {
        sum = 0.0f;
        for (Beastie *b = g_ground_beasties; b; b = b->next) {
            b->anim_delay -= 0.01f;
            if (b->anim_delay >= 0.0f) {
                sum += b->anim_delay;
                continue;
            }
            beastie_random_anims(b);
            if (b->anim.start_counter) {
                b->anim.start_counter--;
                anim_trail_set_position(&b->anim, b->position);
            }
            g_particle_scale = b->scale;
            anim_update(&b->anim);
        }
    } while (sum > 0.0f);
}

// ---------------------------------------------------------------------------------------
// Collision with the current collider

uint32_t beasties_collide_collider(int category, uint32_t mask)
{
    uint32_t flags = 0;
    if (category == (int)cat_player) {
        for (Beastie *b = g_beasties; b; b = b->next) {
            if (b->launch_delay <= 0.0f && beastie_live(b) && (b->collided_by_mask & cat_player) &&
                actor_bound_in_reach(b)) {
                uint32_t h = actor_spheres_hit_test(b);
                if (h) {
                    b->hit_clock -= 10.0f;
                    flags |= h;
                }
            }
        }
        return flags;
    }
    Beastie *cur = g_current_beastie;
    if (!cur) {
        return 0;
    }
    for (int i = 0; i < cur->candidate_count; i++) {
        Beastie *c = cur->candidates[i];
        if (beastie_live(c) && ((uint32_t)c->category & mask) && actor_bound_in_reach(c)) {
            flags |= actor_spheres_hit_test(c);
        }
    }
    if (cur->candidate_count > g_beastie_candidate_peak) {
        g_beastie_candidate_peak = cur->candidate_count;
    }
    return flags;
}

uint32_t beasties_hit_by_collider(void)
{
    uint32_t flags = 0;
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (beastie_live(b) && (b->collided_by_mask & cat_bullet) && actor_bound_in_reach(b)) {
            uint32_t h = actor_spheres_damage_test(b);
            if (h & ACTOR_HIT_TOUCH) {
                beastie_take_hit(b, h);
            }
            flags |= h;
        }
    }
    return flags;
}

// ---------------------------------------------------------------------------------------
// Queries

Beastie *beastie_find_by_name(const char *type_name)
{
    if (!type_name || !type_name[0]) {
        return nullptr;
    }
    for (Beastie *head : {g_beasties, g_ground_beasties}) {
        for (Beastie *b = head; b; b = b->next) {
            if (strcmp(b->type->name, type_name) == 0) {
                return b;
            }
        }
    }
    return nullptr;
}

Beastie *beastie_find_by_unique_name(const char *name)
{
    if (!name || !name[0]) {
        return nullptr;
    }
    for (Beastie *head : {g_beasties, g_ground_beasties}) {
        for (Beastie *b = head; b; b = b->next) {
            if (strcmp(b->unique_name, name) == 0) {
                return b;
            }
        }
    }
    return nullptr;
}

// A type that had no live enemy this tick or the last one.
static int beastie_type_empty(const ActorType *t)
{
    return t->tick_count < 1 && t->last_count < 1;
}

// The nearest live main-list enemy other than asker that match accepts, nearer than
// start (squared floor distance; the first of equal ones), or null; *count (when given)
// = how many match.
template <class Match>
static Beastie *beasties_nearest(const float point[3], const Beastie *asker, float start, int *count, Match match)
{
    Beastie *best = nullptr;
    float best_d2 = start;
    int n = 0;
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (b == asker || !beastie_live(b) || !match(b)) {
            continue;
        }
        n++;
        float d2 = vec_dist2_xz(point, b->position);
        if (d2 < best_d2) {
            best = b;
            best_d2 = d2;
        }
    }
    if (count) {
        *count = n;
    }
    return best;
}

Beastie *beastie_nearest_of_type(const float point[3], const char *type_name, int *count, float start,
                                 const Beastie *asker)
{
    *count = 0;
    const ActorType *t = actortype_find(type_name);
    if (!t || beastie_type_empty(t)) {
        return nullptr;
    }
    return beasties_nearest(point, asker, start, count, [t](const Beastie *b) { return b->type == t; });
}

Beastie *beastie_nearest_of_category(const float point[3], uint32_t mask, int *count, float start,
                                     const Beastie *asker)
{
    return beasties_nearest(point, asker, start, count,
                            [mask](const Beastie *b) { return ((uint32_t)b->category & mask) != 0; });
}

Beastie *beastie_nearest_target(const float point[3], const Beastie *asker)
{
    return beasties_nearest(point, asker, FLT_MAX, nullptr, [](const Beastie *b) {
        return b->category >= (int)cat_beastie && b->full_health > 0.0f;
    });
}

float beastie_nearest_distance_of_type(const float point[3], const ActorType *type, float start,
                                       const Beastie *asker)
{
    if (!type || beastie_type_empty(type)) {
        return start;
    }
    Beastie *b = beasties_nearest(point, asker, start, nullptr, [type](const Beastie *e) { return e->type == type; });
    return b ? vec_dist2_xz(point, b->position) : start;
}

const float *beastie_position_if_listed(const Beastie *b)
{
    for (Beastie *e = g_beasties; e; e = e->next) {
        if (e == b) {
            return e->position;
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------
// Mass operations

static int beastie_standing(const Beastie *b)
{
    return b->lifecycle != BEASTIE_REMOVED && b->lifecycle != BEASTIE_DYING && b->lifecycle != BEASTIE_SUBMERGING;
}

int beasties_kill_scoring(void)
{
    // Every survivor with a score is picked first: a death that takes others along (its
    // children) never costs them their score, whatever the list order.
    uint32_t mark = beastie_new_mark();
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (b->params->level_end_score > 0 && beastie_standing(b)) {
            b->mark = mark;
        }
    }
    int sum = 0;
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (b->mark == mark) {
            sum += b->params->level_end_score;
            scorepop_add(b->position, BEASTIE_END_MARK_LIFE, BEASTIE_END_MARK_COLOUR, -1);
            beastie_die(b, 0);
        }
    }
    return sum;
}

void beasties_kill_bullets(void)
{
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (b->weapon_shot || ((b->category & (int)cat_bullet) && !b->shooter)) {
            beastie_die(b, 0);
        }
    }
}

void beasties_spawn_end_chaser(void)
{
    ActorType *t = actortype_find("end_chaser");
    if (!t) {
        return;
    }
    const ActorParams *p = t->params;
    float position[3] = {0.0f, 0.0f, 0.0f};
    room_random_pylon_position(position, 0.97f, 0.0f);
    float size = p->launch_scale_min + mt_rand_unit() * p->launch_scale_range;
    float heading = mt_rand_signed() * 180.0f;
    Beastie *b = new Beastie;
    if (beastie_init(b, "", position, size, heading, 0.0f, 0.0f, t, nullptr) != 0) {
        beastie_destroy(b, 1);
        return;
    }
    beastie_start(b, 1, 0);
}
