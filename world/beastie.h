// beastie.h -- the enemies: the main list and the ground list (scenery such as the
// room), the per-tick pass over them, their drawing and the mass operations the level
// driver uses.
#pragma once

// Clears both list heads and the current enemy (level start).
void beasties_reset(void);
// Deletes every enemy of both lists (level end and the restart after a death).
void beasties_free_all(void);
// The per-tick pass: triggers, removal, pair collision, updates; writes g_beasties_active.
void beasties_update_all(void);
// Draws every enemy that is launched and has a model.
void beasties_draw_all(void);
// Settles the ground list after the level script placed the scenery (level start).
void beasties_settle(void);
// Every enemy shot launched as an actor dies (while the level is not running).
void beasties_kill_bullets(void);
// An "end_chaser" at a random point of the room's edge, when the level defines that type
// (overtime).
void beasties_spawn_end_chaser(void);
