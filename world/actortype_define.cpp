// actortype_define.cpp -- the definition calls of the level scripts: each adds to the
// current type or to the block of the trigger state added last, in the order the script
// calls them, and logs its own line when it refuses the call.

#include "world/actortype_local.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "core/mt.h"
#include "platform/sound.h"
#include "render/particle.h"
#include "world/animset.h"
#include "world/explosion.h"
#include "world/fizz.h"
#include "world/fizzrule.h"
#include "world/room.h"
#include "world/trigger.h"

#include <cstdio>
#include <cstring>

// Scripts' sounds load into this group.
constexpr int ACTORTYPE_SOUND_GROUP = 20;
// Beam rules to these types join every pylon type.
static const char ACTORTYPE_PYLON_PREFIX[] = "pylon-";

// The definition calls need a current type and block.
static int actortype_defining(void)
{
    return g_current_type && g_current_block;
}

static int actortype_begins(const char *name, const char *prefix)
{
    return strncmp(name, prefix, strlen(prefix)) == 0;
}

static int actortype_sequence_ok(int count)
{
    return count > 0 && count <= ACTORTYPE_MAX_SEQUENCE;
}

void actortype_add_random_anim(const char *anim, float min, float max, float delay_min, float delay_max)
{
    if (!actortype_defining()) {
        return;
    }
    ActorParams *p = g_current_block;
    if ((g_section_bits & ACTORTYPE_SECTION_STATE) && !(g_section_bits & ACTORTYPE_SECTION_ANIMS)) {
        // A state section's first random animation replaces the inherited ones.
        p->random_anim_count = 0;
        g_section_bits |= ACTORTYPE_SECTION_ANIMS;
    }
    if (p->random_anim_count >= MAX_RANDOM_ANIMS) {
        con_printf("*** too many sub-anims");
        return;
    }
    if (!(min > 0.0f && min <= max && delay_min >= 0.0f && delay_min <= delay_max)) {
        con_printf("*** sub-anim wrong values");
        return;
    }
    int index = anim_find(g_current_type->set, anim, 1);
    if (index < 0) {
        return;
    }
    RandomAnim *r = &p->random_anims[p->random_anim_count++];
    r->speed_min = min * 0.01f;
    r->speed_range = (max - min) * 0.01f;
    r->delay_min = delay_min;
    r->delay_range = delay_max - delay_min;
    r->anim = index;
}

void actortype_add_move_anim(const char *slot, const char *anim, float min, float max)
{
    if (!actortype_defining()) {
        return;
    }
    if (!(min > 0.0f && min <= max)) {
        con_printf("*** move anim wrong values");
        return;
    }
    int index = anim_find(g_current_type->set, anim, 1);
    if (index < 0) {
        return;
    }
    static const char *const SLOTS[MOVE_SLOT_COUNT] = {"move_forward", "turn_left", "turn_right"};
    int s = 0;
    while (s < MOVE_SLOT_COUNT && strcmp(slot, SLOTS[s]) != 0) {
        s++;
    }
    if (s == MOVE_SLOT_COUNT) {
        con_printf("*** move-type not found %s", slot);
        return;
    }
    MoveSlot *m = &g_current_block->move_slots[s];
    m->speed_min = min * 0.01f;
    m->speed_range = (max - min) * 0.01f;
    m->anim = index;
    int32_t *list = g_current_type->move_anims[s];
    for (int i = 0; i < ACTORTYPE_MOVE_ANIMS; i++) {
        if (list[i] == index) {
            return;
        }
        if (list[i] < 0) {
            list[i] = index;
            return;
        }
    }
    con_printf("*** move-type not added %s", slot);
}

// The event id of an explosion event name, with the bone a "bye_bye<bone>" name carries
// (matrix index, -1 when none); -1 for an unknown name.
static int actortype_explosion_event(const char *name, AnimSet *set, int *bone)
{
    static const struct {
        const char *name;
        int id;
    } EVENTS[] = {
        {"emerge", EXPLOSION_EVENT_EMERGE},
        {"mutate", EXPLOSION_EVENT_MUTATE},
        {"submerge", EXPLOSION_EVENT_SUBMERGE},
        {"hit_active_bone", EXPLOSION_EVENT_HIT_ACTIVE_BONE},
        {"hit_null_bone", EXPLOSION_EVENT_HIT_NULL_BONE},
        {"smart_bomb", EXPLOSION_EVENT_SMART_BOMB},
        {"bonus_extra", EXPLOSION_EVENT_BONUS_EXTRA},
        {"multiply_extra", EXPLOSION_EVENT_MULTIPLY_EXTRA},
    };
    *bone = -1;
    if (strcmp(name, "bye_bye_damagable") == 0) {
        return EXPLOSION_EVENT_BYE_BYE_DAMAGABLE;
    }
    if (actortype_begins(name, "bye_bye")) {
        // "bye_bye_" followed by a bone name.
        if (strlen(name) > 8) {
            *bone = anim_find_bone(set, name + 8, 1) + 1;
        }
        return EXPLOSION_EVENT_BYE_BYE;
    }
    for (const auto &e : EVENTS) {
        if (strcmp(name, e.name) == 0) {
            return e.id;
        }
    }
    return -1;
}

void actortype_add_explosion(const char *event, const char *explosion, const float *values, int seq_count,
                             const float *seq)
{
    if (!actortype_defining()) {
        return;
    }
    float min = values[3];
    float max = values[4];
    int bone;
    int id = actortype_explosion_event(event, g_current_type->set, &bone);
    ExplosionType *type = nullptr;
    if (min > 0.0f && min <= max && id >= 0 && actortype_sequence_ok(seq_count)) {
        type = explosion_type_find_or_load(explosion);
    }
    if (!type) {
        con_printf("*** add explosion wrong values");
        return;
    }
    ExplosionUse *u = new ExplosionUse{};
    u->type = type;
    u->event = id;
    u->align = trunc_to_int(values[0]);
    u->bone = bone;
    u->spread = values[1] * 0.01f;
    u->blast = values[2];
    u->scale_min = min * 0.01f;
    u->scale_range = (max - min) * 0.01f;
    u->count = seq_count;
    u->delays = new float[(size_t)seq_count];
    memcpy(u->delays, seq, sizeof(float) * (size_t)seq_count);
    u->next = g_current_type->explosions;
    g_current_type->explosions = u;
}

static int actortype_gun_type(const char *name)
{
    static const char *const GUNS[] = {"actor_body_aim", "fire_from_bone", "around_only_aim",
                                       "around_and_updown_aim"};
    for (int i = 0; i < 4; i++) {
        if (strcmp(name, GUNS[i]) == 0) {
            return WEAPON_GUN_BODY_AIM + i;
        }
    }
    return WEAPON_GUN_OTHER;
}

void actortype_add_weapon(const char *bullet_type, const char *gun_type, const char *gun_bone,
                          const char *shaft_bone, const char *fire_anim, const char *aim_anim, const char *flare,
                          const float *values, int seq_count, const float *seq)
{
    if (!actortype_defining()) {
        return;
    }
    ActorParams *p = g_current_block;
    if ((g_section_bits & ACTORTYPE_SECTION_STATE) && !(g_section_bits & ACTORTYPE_SECTION_WEAPONS)) {
        // A state section's first weapon replaces the inherited ones.
        actorparams_clear_weapons(p);
        g_section_bits |= ACTORTYPE_SECTION_WEAPONS;
    }
    if (p->weapon_count >= MAX_WEAPONS) {
        con_printf("*** too many weapons");
        return;
    }
    ActorType *bullet = actortype_find(bullet_type);
    if (!bullet || !actortype_sequence_ok(seq_count)) {
        con_printf("*** weapon not found %s", bullet_type);
        return;
    }
    AnimSet *set = g_current_type->set;
    Weapon *w = &p->weapons[p->weapon_count];
    *w = Weapon{};
    if (actorparams_weapon_seq(w, seq, seq_count) != 0) {
        return;
    }
    w->bullet_type = bullet;
    w->flare = explosion_type_find_or_load(flare);
    w->flare_scale = values[0] * 0.01f;
    w->gun_type = actortype_gun_type(gun_type);
    w->gun_bone = anim_find_bone_or_none(set, gun_bone);
    w->shaft_bone = anim_find_bone_or_none(set, shaft_bone);
    if (w->gun_type == WEAPON_GUN_AROUND || w->gun_type == WEAPON_GUN_AROUND_UPDOWN) {
        for (int i = 0; i < p->weapon_count; i++) {
            if (p->weapons[i].shaft_bone == w->shaft_bone) {
                w->gun_type += WEAPON_GUN_RIDES;
                break;
            }
        }
    }
    w->aim_delay = values[1];
    w->bullet_scale = values[2] * 0.01f;
    w->barrel_offset = values[3];
    w->no_shoot_dist_sq = values[4] * values[4];
    w->no_shoot_angle = values[5];
    w->recoil_angle = values[6];
    w->recoil_dist = values[7];
    w->reload_random = values[8] * 0.01f;
    w->fire_anim = anim_find(set, fire_anim, 1);
    w->aim_anim = anim_find(set, aim_anim, 1);
    p->weapon_count++;
}

// A new state of the current type: refused (with "*** too many states") when the type
// holds TRIGGER_MAX_STATES; the state that reaches the limit stays and logs the same.
static TriggerState *actortype_push_state(int condition, float a, float b)
{
    ActorType *t = g_current_type;
    if (t->state_count >= TRIGGER_MAX_STATES) {
        con_printf("*** too many states");
        return nullptr;
    }
    TriggerState *s = new TriggerState{};
    s->condition = condition;
    s->value_min = a;
    s->value_range = b < a ? 0.0f : b - a;
    if (condition == TRIGGER_PLAYER_DIST || condition == TRIGGER_TRACK_DIST) {
        s->value_min *= s->value_min;
        s->value_range *= s->value_range;
    }
    s->next = t->states;
    t->states = s;
    if (++t->state_count == TRIGGER_MAX_STATES) {
        con_printf("*** too many states");
    }
    return s;
}

void actortype_add_state(const char *condition, const char *name, float a, float b, const float *cp,
                         const char *move_target)
{
    if (!actortype_defining()) {
        return;
    }
    int id = trigger_condition_id(condition);
    if (id == 0) {
        con_printf("*** state wrong values");
        return;
    }
    TriggerState *s = actortype_push_state(id, a, b);
    if (!s) {
        return;
    }
    snprintf(s->type_name, sizeof(s->type_name), "%s", name ? name : "");
    snprintf(s->other_name, sizeof(s->other_name), "%s", name ? name : "");
    // The table's elements into a full, zeroed slot array: slots past a short table
    // hold 0, never another call's numbers.
    float table[CP_COUNT] = {};
    int n = trunc_to_int(cp[0]);
    for (int k = 1; k < CP_COUNT && k <= n; k++) {
        table[k] = cp[k];
    }
    s->params = new ActorParams{};
    actorparams_from_cp(s->params, table);
    actorparams_set_move_target(s->params, move_target);
    actorparams_copy(s->params, g_current_type->params);
    if (g_current_type->set->sphere_count < 2) {
        actorparams_set_no_contact(s->params);
    }
    g_current_block = s->params;
    g_section_bits = ACTORTYPE_SECTION_STATE;
}

void actortype_add_mutate(const char *new_type, const char *condition, const char *other, const float *values)
{
    if (!actortype_defining()) {
        return;
    }
    float a = values[0], b = values[1], c = values[2], d = values[3], min = values[4], max = values[5];
    int id = trigger_condition_id(condition);
    if (!(a <= b && c <= d && min <= max && min > 0.0f) || id == 0) {
        con_printf("*** mutate wrong values");
        return;
    }
    TriggerState *s = actortype_push_state(id, a, b);
    if (!s) {
        return;
    }
    s->count_min = c;
    s->count_max = d;
    s->scale_min = min * 0.01f;
    s->scale_range = (max - min) * 0.01f;
    snprintf(s->type_name, sizeof(s->type_name), "%s", new_type);
    snprintf(s->other_name, sizeof(s->other_name), "%s", other ? other : "");
}

void actortype_add_spawn(const char *type, const char *anim, const char *bone, float a, float b, float c, float d)
{
    if (!actortype_defining()) {
        return;
    }
    AnimSet *set = g_current_type->set;
    int index = anim_find(set, anim, 1);
    if (index < 0) {
        con_printf("*** spawn wrong values");
        return;
    }
    TriggerState *s = actortype_push_state(TRIGGER_SPAWN, 0.0f, 0.0f);
    if (!s) {
        return;
    }
    s->value_min = a * 0.01f;
    s->value_range = a * 0.01f;
    s->spawn_interval = b;
    s->attach_time = c;
    s->count_min = d * d;
    s->count_max = 0.0f;
    s->scale_min = 1.0f;
    s->scale_range = 1.0f;
    s->spawn_anim = index;
    s->spawn_bone = anim_find_bone_or_none(set, bone) + 1;
    snprintf(s->type_name, sizeof(s->type_name), "%s", type);
}

void actortype_attach_particle(AnimSet *set, const char *anim, const char *bone, const char *particle)
{
    int tmpl = particle_find_or_load(particle);
    int index = set ? anim_find(set, anim, 1) : -1;
    if (tmpl < 0 || index < 0) {
        con_printf("*** add particle wrong values");
        return;
    }
    anim_add_particle_event(set, index, anim_find_bone(set, bone, 0) + 1, tmpl);
}

void actortype_add_particle(const char *explosion, const char *anim, const char *bone, const char *particle)
{
    if (!actortype_defining()) {
        return;
    }
    AnimSet *set = g_current_type->set;
    if (explosion) {
        ExplosionType *e = explosion_type_find_or_load(explosion);
        set = e ? e->set : nullptr;
    }
    actortype_attach_particle(set, anim, bone, particle);
}

void actortype_add_sound(const char *explosion, const char *anim, const char *sound, int priority, const char *event)
{
    if (!actortype_defining()) {
        return;
    }
    if (explosion) {
        ExplosionType *e = explosion_type_find_or_load(explosion);
        int index = e ? audio_Load(sound, ACTORTYPE_SOUND_GROUP, priority) : -1;
        if (index < 0) {
            con_printf("*** add sound anim wrong values");
            return;
        }
        e->sound = index;
        return;
    }
    if (event) {
        // anim holds the event name.
        static const char *const EVENTS[ACTORTYPE_EVENT_SOUNDS] = {"hit_active_bone", "hit_null_bone", "hit_fence"};
        int slot = 0;
        while (slot < ACTORTYPE_EVENT_SOUNDS && strcmp(anim, EVENTS[slot]) != 0) {
            slot++;
        }
        int index = slot < ACTORTYPE_EVENT_SOUNDS ? audio_Load(sound, ACTORTYPE_SOUND_GROUP, priority) : -1;
        if (index < 0) {
            con_printf("*** add sound anim wrong values");
            return;
        }
        g_current_type->event_sounds[slot] = index;
        return;
    }
    AnimSet *set = g_current_type->set;
    int track = anim_find(set, anim, 1);
    int index = track >= 0 ? audio_Load(sound, ACTORTYPE_SOUND_GROUP, priority) : -1;
    if (index < 0) {
        con_printf("*** add sound anim wrong values");
        return;
    }
    anim_set_sound(set, track, index);
}

void actortype_add_footprint(const char *anim, const char *bone, const char *texture, float key, float size,
                             float life)
{
    if (!actortype_defining()) {
        return;
    }
    AnimSet *set = g_current_type->set;
    int index = anim_find(set, anim, 1);
    if (index < 0) {
        con_printf("*** add footprint wrong values");
        return;
    }
    int tex = strcmp(texture, "2") == 0 ? 1 : 0;
    anim_add_footprint_event(set, tex, index, anim_find_bone(set, bone, 1) + 1, trunc_to_int(key), size,
                             life * 100.0f);
}

void actortype_add_wheels(const char *left_bone, const char *right_bone, float a, float b)
{
    if (!actortype_defining()) {
        return;
    }
    ActorType *t = g_current_type;
    int left = anim_find_bone(t->set, left_bone, 1);
    int right = anim_find_bone(t->set, right_bone, 1);
    if (a == 0.0f || b == 0.0f || (left <= 0 && right <= 0)) {
        con_printf("*** add wheels wrong values");
        return;
    }
    t->wheels = 1;
    t->wheel_left = left;
    t->wheel_right = right;
    t->wheel_a = a;
    t->wheel_b = b;
}

void actortype_add_fizz_between(const char *beam_type, const char *type_a, const char *bone_a, const char *type_b,
                                const char *bone_b, const char *kind, float scale, float d1, float d2, float e)
{
    if (!actortype_defining()) {
        return;
    }
    ActorType *beam = actortype_find(beam_type);
    if (!beam) {
        return;
    }
    ActorType *a = actortype_find(type_a);
    int pylons = actortype_begins(type_b, ACTORTYPE_PYLON_PREFIX);
    ActorType *single = pylons ? nullptr : actortype_find(type_b);
    int found = 0;
    if (a) {
        for (ActorType *b = g_actor_types; b; b = b->next) {
            if (pylons ? actortype_begins(b->name, ACTORTYPE_PYLON_PREFIX) : b == single) {
                found = 1;
                break;
            }
        }
    }
    if (!found) {
        if (strcmp(beam->name, "null-fizz") != 0) {
            con_printf("*** fizz between wrong values");
        }
        return;
    }
    uint32_t flags = strcmp(kind, "barrier_damage_gamer") == 0 ? FIZZ_RULE_BEAM | FIZZ_BARRIER : FIZZ_RULE_BEAM;
    for (ActorType *b = g_actor_types; b; b = b->next) {
        if (pylons ? !actortype_begins(b->name, ACTORTYPE_PYLON_PREFIX) : b != single) {
            continue;
        }
        FizzRule *r = new FizzRule{};
        fizz_rule_add(r, beam);
        r->scale = scale * 0.01f;
        r->min_dist2 = d1 * d1;
        r->max_dist2 = d2 * d2;
        r->flicker_period = e;
        r->flags = flags;
        r->type_a = a;
        r->type_b = b;
        r->matrix_a = anim_find_bone(a->set, bone_a, 1) + 1;
        r->matrix_b = anim_find_bone(b->set, bone_b, 1) + 1;
        if (a->params->actor_type > 31) {
            a->beam_flag = 1;
            int cb = b->params->actor_type;
            b->beam_flag = cb > 31 || cb == (int)cat_ground ? 1 : -1;
        }
    }
}

void actortype_add_flock_type(float a, float b, float c, float d)
{
    if (!actortype_defining()) {
        return;
    }
    ActorType *t = g_current_type;
    if (!(a <= b) || t->flock_count >= ACTORTYPE_MAX_FLOCK) {
        con_printf("*** add flock wrong values");
        return;
    }
    FlockPoint *f = &t->flock[t->flock_count++];
    *f = FlockPoint{};
    f->countdown = a + mt_rand_unit() * (b - a);
    f->delay_min = a;
    f->delay_range = b - a;
    f->reach_min = c * 0.01f;
    f->reach_range = (d - c) * 0.01f;
    room_random_pylon_position(f->point, f->reach_min, f->reach_range);
}
