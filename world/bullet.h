// bullet.h -- the shots of ships and enemies: one list, newest at the head.
#pragma once

// Bullets in the list.
extern int g_bullet_count;

// Empties the list and the published globals (level start).
void bullet_reset(void);
// Destroys every bullet (level end, and every tick while the level is not running).
void bullet_free_all(void);
// Per tick: moves, collides and removes the bullets.
void bullet_update_all(void);
// Per frame: draws the live bullets.
void bullet_draw_all(void);
