// room.h -- the room: the arena's own animated model of the type "roomer", whose 24
// pylon bones shape the arena, carry attached actors and serve as path points.
#pragma once

struct Beastie;

// Level start: no room, the pylon wave phase at 720.
void room_reset(void);
// The room enemy (the "roomer" room_goto found), or null.
Beastie *room_beastie(void);
// Once a tick after the room's update: the wave that runs around the pylons.
void room_pylons_animate(void);
// A random point between two neighbouring pylons, both coordinates pulled toward the
// centre by minimum + r x range (out.y untouched). Without a room nothing is written.
void room_random_pylon_position(float out[3], float minimum, float range);

// The point of pylon index (24 wraps to 0, -1 to 23; backward runs 23 - k) at scale times
// its distance from the centre, y 0, into out when given; returns the wrapped index.
// Without a room it writes nothing and returns index.
int room_pylon_position(float out[3], float scale, int index, int backward);
// The scaled pylon point nearest p over the floor (farthest with options 0x40); with
// options 0 the nearer of its neighbours in the run's direction, as path_follow chooses.
// out (when given) receives it; returns its index (23 - index when backward). 0 without
// a room.
int room_nearest_pylon(const float p[3], float out[3], float scale, int backward, int options);

// Body of c_room_goto: plays the room's animation of that name to its end at once.
// Logs "*** room goto wrong values" when the room or the animation is missing.
void room_goto(const char *anim);

// Body of c_room_attach: an enemy of the type hangs on the room's bone, scaled by x, y,
// z percent and hue-turned by hue degrees. Logs "*** room attach wrong values %x %s"
// without a room or type.
void room_attach(const char *type_name, const char *bone, float x, float y, float z, float hue);
