// bullet.h -- the shots of ships and enemies: one list, newest at the head.
#pragma once

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
// Every enemy bullet (no owning ship) with life above 0 whose squared floor distance to
// point less its squared radius is below radius^2 gets life 0 (blasts).
void bullet_kill_in_radius(const float point[3], float radius);
// Per frame: draws the live bullets.
void bullet_draw_all(void);
