// powerup.h -- the power-ups that drop in the arena.
#pragma once

#include "world/actor.h"
#include "world/recycle.h"

struct ActorType;

constexpr int POWERUP_MAX_TYPES = 16;
constexpr int POWERUP_HISTORY = 3;          // the last drops, which do not drop again
constexpr int POWERUP_CATEGORY = 0x40000;
constexpr float POWERUP_RELOAD = 20.0f;     // seconds between drop checks
constexpr float POWERUP_FADE = 0.33f;       // seconds a collected power-up stays

// A power-up on the floor: drifting, then collected (rising) or expired (shrinking).
struct PowerUp : Actor {
    RECYCLED_RECORD
    float life = 0.0f;      // seconds left
    float grow = 0.0f;      // size factor 0..1
    int collected = 0;
    PowerUp *next = nullptr;
};

// The live power-ups, newest first.
extern PowerUp *g_powerups;
// The indexes of the last drops, newest first (3, 3, 3 when a game starts).
extern int g_powerup_history[POWERUP_HISTORY];
// The index that may not drop: 3 (the shield) while a ship's shield is up, else -1;
// written by the ships every tick.
extern int g_powerup_no_drop;

// The power-up types of the level with their drop weights (cp_spin_speed_min), in
// registration order.
extern ActorType *g_powerup_types[POWERUP_MAX_TYPES];
extern float g_powerup_weights[POWERUP_MAX_TYPES];
extern int g_powerup_type_count;

// Registers a category-25 type; with 16 registered: "*** [powerup] too many".
void powerup_register_type(ActorType *type);

// Seconds until the next drop may happen; 20.0 when a game starts, lowered by the time
// bonus of a completed level and held at 20.0 in overtime by the level driver.
extern float g_powerup_countdown;

// The index the weighted choice gives for a fraction r in [0, 1): neither in the history
// nor the no-drop index; -1 when every index is excluded.
int powerup_choose(float r);
// The drop check of a kill at point: with a type registered, more than one active enemy
// and the countdown run out, the weighted choice drops a power-up there and the
// countdown is reloaded with 20 s (also when every index was excluded).
void powerups_spawn_timer(const float point[3]);
// Sets up a constructed power-up of the type at point and lists it: 0, or -1 when it
// is not listed ("*** [powerup] help" for a null type); the caller then deletes it.
int powerup_init(PowerUp *pu, ActorType *type, const float point[3]);

// Releases a power-up's actor data (not its list link); flags bit 0 deletes it.
void powerup_destroy(PowerUp *pu, int flags);

// Forgets which power-ups dropped in the last game (a new game starts).
void powerups_reset_history(void);
// Empties the power-up list and the type count (level start).
void powerups_reset(void);
// Destroys every power-up, empties the list and the type count (level end and the
// restart after a death).
void powerups_free_all(void);
// Per tick: the drop countdown and every power-up's update.
void powerups_tick(void);
// Per frame: draws the live power-ups.
void powerups_draw_all(void);
