// weapon.h -- an enemy's guns: the record of one weapon of a parameter block. The
// block owns each weapon's reload sequence (actorparams.h copies and frees it).
#pragma once

struct ActorType;
struct ExplosionType;

// gun_type values, from the w_gun_type name.
constexpr int WEAPON_GUN_OTHER = 0;           // "no_bone_aim" and any unknown name
constexpr int WEAPON_GUN_BODY_AIM = 1;        // "actor_body_aim": the whole enemy turns to aim
constexpr int WEAPON_GUN_FROM_BONE = 2;       // "fire_from_bone": along the gun bone
constexpr int WEAPON_GUN_AROUND = 3;          // "around_only_aim": the shaft bone turns
constexpr int WEAPON_GUN_AROUND_UPDOWN = 4;   // "around_and_updown_aim"
// Added to 3 and 4 when an earlier weapon of the block turns the same shaft bone: such a
// weapon rides on the earlier one's aim (types 6 and 7).
constexpr int WEAPON_GUN_RIDES = 3;

struct Weapon {
    ActorType *bullet_type;    // type of the shot; preloaded before the weapon is added
    ExplosionType *flare;      // muzzle flare, or null
    float flare_scale;         // w_flare_exp_scale x 0.01
    int gun_type;              // WEAPON_GUN_*, plus WEAPON_GUN_RIDES for a riding aim
    int gun_bone;              // bone index of w_gun_bone_name, -1 when not found
    int shaft_bone;            // bone index of w_shaft_bone_name, -1 when not found
    float aim_delay;           // seconds
    float bullet_scale;        // w_bullet_scale x 0.01
    float no_shoot_dist_sq;    // w_no_shoot_dist squared
    float no_shoot_angle;      // degrees; 0 = no angle limit
    float barrel_offset;       // muzzle height for launched enemies, barrel offset for bullets
    float recoil_angle;        // degrees
    float recoil_dist;         // units
    int fire_anim;             // animation index, -1 = none
    int aim_anim;              // animation index, -1 = none
    int seq_count;             // entries of seq; a weapon is never added with 0
    float reload_random;       // w_reload_random x 0.01
    float *seq;                // reload times in seconds, owned by the parameter block
};
