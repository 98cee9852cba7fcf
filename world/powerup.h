// powerup.h -- the power-ups that drop in the arena.
#pragma once

struct ActorType;

constexpr int POWERUP_MAX_TYPES = 16;

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
// The drop check after a kill at point: may drop a power-up there.
void powerups_spawn_timer(const float point[3]);
