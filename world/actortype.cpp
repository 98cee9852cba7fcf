// actortype.cpp -- the actor-type registry of the running level. The registry holds no
// type yet: every name is unused and every definition call finds no current type. The
// particle call's body works on a set already (actortype_attach_particle).

#include "world/actortype.h"

#include "core/con.h"
#include "render/particle.h"
#include "world/animset.h"

int g_player_number;

void actortype_preload(const char *name, const char *model_dir, const char *model_name,
                       const float *cp, const char *move_target)
{
    (void)name;
    (void)model_dir;
    (void)model_name;
    (void)cp;
    (void)move_target;
}

int actortype_name_unused(const char *name)
{
    (void)name;
    return 1;
}

void actor_launch(const char *type_name, const char *unique_name, const char *path_name,
                  const float *ci)
{
    (void)type_name;
    (void)unique_name;
    (void)path_name;
    (void)ci;
}

void actortype_add_random_anim(const char *anim, float min, float max, float delay_min,
                               float delay_max)
{
    (void)anim;
    (void)min;
    (void)max;
    (void)delay_min;
    (void)delay_max;
}

void actortype_add_move_anim(const char *slot, const char *anim, float min, float max)
{
    (void)slot;
    (void)anim;
    (void)min;
    (void)max;
}

void actortype_add_weapon(const char *bullet_type, const char *gun_type, const char *gun_bone,
                          const char *shaft_bone, const char *fire_anim, const char *aim_anim,
                          const char *flare, const float *values, int seq_count,
                          const float *seq)
{
    (void)bullet_type;
    (void)gun_type;
    (void)gun_bone;
    (void)shaft_bone;
    (void)fire_anim;
    (void)aim_anim;
    (void)flare;
    (void)values;
    (void)seq_count;
    (void)seq;
}

void actortype_add_explosion(const char *event, const char *explosion, const float *values,
                             int seq_count, const float *seq)
{
    (void)event;
    (void)explosion;
    (void)values;
    (void)seq_count;
    (void)seq;
}

void actortype_add_state(const char *condition, const char *name, float a, float b,
                         const float *cp, const char *move_target)
{
    (void)condition;
    (void)name;
    (void)a;
    (void)b;
    (void)cp;
    (void)move_target;
}

void actortype_add_mutate(const char *new_type, const char *condition, const char *other,
                          const float *values)
{
    (void)new_type;
    (void)condition;
    (void)other;
    (void)values;
}

void actortype_add_spawn(const char *type, const char *anim, const char *bone, float a,
                         float b, float c, float d)
{
    (void)type;
    (void)anim;
    (void)bone;
    (void)a;
    (void)b;
    (void)c;
    (void)d;
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

// The set an effect goes on: the named explosion type's own, or the current type's. The
// registry holds no type and the explosion list no type yet, so there is none.
static AnimSet *actortype_particle_set(const char *explosion)
{
    (void)explosion;
    return nullptr;
}

void actortype_add_particle(const char *explosion, const char *anim, const char *bone,
                            const char *particle)
{
    // Without a current type (or explosion type) nothing happens, as for every
    // definition call.
    AnimSet *set = actortype_particle_set(explosion);
    if (set) {
        actortype_attach_particle(set, anim, bone, particle);
    }
}

void actortype_add_sound(const char *explosion, const char *anim, const char *sound,
                         int priority, const char *event)
{
    (void)explosion;
    (void)anim;
    (void)sound;
    (void)priority;
    (void)event;
}

void actortype_add_footprint(const char *anim, const char *bone, const char *texture,
                             float key, float size, float life)
{
    (void)anim;
    (void)bone;
    (void)texture;
    (void)key;
    (void)size;
    (void)life;
}

void actortype_add_wheels(const char *left_bone, const char *right_bone, float a, float b)
{
    (void)left_bone;
    (void)right_bone;
    (void)a;
    (void)b;
}

void actortype_add_fizz_between(const char *beam_type, const char *type_a, const char *bone_a,
                                const char *type_b, const char *bone_b, const char *kind,
                                float scale, float d1, float d2, float e)
{
    (void)beam_type;
    (void)type_a;
    (void)bone_a;
    (void)type_b;
    (void)bone_b;
    (void)kind;
    (void)scale;
    (void)d1;
    (void)d2;
    (void)e;
}

void actortype_add_flock_type(float a, float b, float c, float d)
{
    (void)a;
    (void)b;
    (void)c;
    (void)d;
}

void actor_link_to_parent(const char *parent, const char *bone, const char *owner)
{
    (void)parent;
    (void)bone;
    (void)owner;
}

void actor_link_health_to_parent(const char *parent)
{
    (void)parent;
}

void fizz_add_to_room(const char *beam_type, const char *actor_a, const char *bone_a,
                      const char *actor_b, const char *bone_b, float scale, float hue)
{
    (void)beam_type;
    (void)actor_a;
    (void)bone_a;
    (void)actor_b;
    (void)bone_b;
    (void)scale;
    (void)hue;
}

void actortype_reset(void)
{
    g_player_number = 0;
}

void actortype_free_all(void)
{
    g_player_number = 0;
}
