// weapon.h -- an enemy's guns: the record of one weapon of a parameter block. The
// block owns each weapon's reload sequence (actorparams.h copies and frees it).
#pragma once

struct ActorType;
struct ExplosionType;

constexpr int MAX_WEAPONS = 8;   // weapons of one block; an enemy keeps one slot per weapon

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

struct Beastie;

// One weapon slot of an enemy: its reload clock, place in the sequence, aim clock and
// the orientation its shaft bone turns towards.
struct WeaponSlot {
    float reload;       // seconds to the next shot; FLT_MAX when cleared
    int seq_index;
    float aim;          // seconds
    float aim_quat[4];  // identity when cleared
};

// The weapons' state of one enemy (part of the Beastie): the enemy whose heading, aim
// angle and extra velocity the weapons use and whose bones fire (the same enemy), and
// one slot per weapon of its current block.
struct WeaponState {
    Beastie *owner;
    Beastie *actor;
    WeaponSlot slots[MAX_WEAPONS];
};

// Owner and actor none, every slot cleared.
void weapon_clear(WeaponState *w);
// The movement set-up of b draws the reload delays again: owner and actor become b; with
// weapons in b's block every slot restarts its sequence at the first reload time of the
// first weapon (randomised by its reload_random), keeping an earlier first reload.
void weapon_reset_reload(WeaponState *w, Beastie *b);
// Once a tick from the enemy update (lifecycle above idle, block with weapons). 0 when no
// weapon aims. Otherwise the enemy aims: -1 while an "actor_body_aim" weapon holds it for
// its fire animation, else the aim animation index of the aiming "actor_body_aim" weapon
// (-1 when it has none). Shots leave as bullets, or as enemies (marked weapon_shot) when
// their type's category lacks cat_bullet.
int weapon_tick(WeaponState *w);
