// bullet.h -- the shots of ships and enemies: one list, newest at the head.
#pragma once

struct ActorType;
struct Gamer;

// Bullets in the list.
extern int g_bullet_count;

// Published while one shot is collided (cleared after): the ship that fired it, which
// scores the kills, or null for enemy shots; and the shot's heading in degrees, which a
// sidestepping enemy dodges.
extern Gamer *g_bullet_ship;
extern float g_bullet_heading;

// Empties the list and the published globals (level start).
void bullet_reset(void);
// Destroys every bullet (level end, and every tick while the level is not running).
void bullet_free_all(void);
// Per tick: moves, collides and removes the bullets.
void bullet_update_all(void);
// Per frame: draws the live bullets.
void bullet_draw_all(void);
// A player shot of the type from the ship's position at heading (degrees), sized by
// scale; kind is its slot in the player bullet table (2, the laser, flies through what it
// hits). 0, or -1 when no shot was listed.
int bullet_fire_player(ActorType *type, Gamer *ship, float heading, float scale, int kind);
