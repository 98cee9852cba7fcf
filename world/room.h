// room.h -- the room: the arena's own animated model of the type "roomer", whose 24
// pylon bones shape the arena, carry attached actors and serve as path points.
#pragma once

// Level start: no room, the pylon wave phase at 720.
void room_reset(void);
// A random point between two neighbouring pylons, both coordinates pulled toward the
// centre by minimum + r x range (out.y untouched). Without a room nothing is written.
void room_random_pylon_position(float out[3], float minimum, float range);

// Body of c_room_goto: plays the room's animation of that name to its end at once.
// Logs "*** room goto wrong values" when the room or the animation is missing.
void room_goto(const char *anim);

// Body of c_room_attach: an enemy of the type hangs on the room's bone, scaled by x, y,
// z percent and hue-turned by hue degrees. Logs "*** room attach wrong values %x %s"
// without a room or type.
void room_attach(const char *type_name, const char *bone, float x, float y, float z, float hue);
