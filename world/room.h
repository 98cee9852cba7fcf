// room.h -- the room: the arena's own animated model of the type "roomer", whose 24
// pylon bones shape the arena, carry attached actors and serve as path points.
#pragma once

struct Beastie;

constexpr int ROOM_PYLONS = 24;
// Updates room_goto gives a one-shot layout at most before it stops it (logged).
constexpr int ROOM_GOTO_MAX_UPDATES = 60000;

// The pylon wave: matrix index of each pylon bone (pylon01 .. pylon24), the phase in
// degrees (720 at level start), its advance per tick, amplitude and direction, pattern
// 0 .. 4 and first pylon 1 .. 24.
extern int g_pylon_bones[ROOM_PYLONS];
extern float g_pylon_phase;
extern float g_pylon_speed;
extern float g_pylon_amp;
extern int g_pylon_pattern;
extern int g_pylon_start;

// Level start: no room, the pylon wave phase at 720.
void room_reset(void);
// The room enemy (the "roomer" room_goto found), or null once it has gone.
Beastie *room_beastie(void);
// Once a tick after the room's update: the wave that runs around the pylons.
void room_pylons_animate(void);
// A random point between two neighbouring pylons, both coordinates pulled toward the
// centre by minimum + r x range (out.y untouched). Without a room: x and z 0.
void room_random_pylon_position(float out[3], float minimum, float range);
// Pylon k's point (index 24 and above gives 0, below 0 gives 23; pylon 23 - k when
// backward) as (scale x, 0, scale z) into out when given; returns k. Without a room the
// point is the origin.
int room_pylon_position(float out[3], float scale, int index, int backward);
// The scaled pylon point nearest position on the floor (farthest with options 0x40; with
// options 0 the nearer neighbour in the running direction when the two differ) into out
// when given; returns its index, 23 - index when backward. Without a room: the origin, 0.
int room_nearest_pylon(const float position[3], float out[3], float scale, int backward, int options);
// Over pair_count pairs of pylon numbers (1 .. 24) the pair whose midpoint is nearest
// position: its midpoint (y 0) into out, its offset 2 x pair in the list returned; 0
// without a room.
int room_nearest_pylon_index(const float position[3], float out[3], const int *pairs, int pair_count);

// Body of c_room_goto: plays the room's animation of that name to its end at once.
// Logs "*** room goto wrong values" when the room or the animation is missing; an
// animation that loops for ever is refused.
void room_goto(const char *anim);

// Body of c_room_attach: an enemy of the type named "<bone>_<type>" hangs on the room's
// bone, scaled by x, y, z percent and hue-turned by hue degrees. Logs "*** room attach
// wrong values %x %s" without a room or type; a name too long for an enemy is refused.
void room_attach(const char *type_name, const char *bone, float x, float y, float z, float hue);
