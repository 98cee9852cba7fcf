// room.h -- the room: the arena's own animated model of the type "roomer", whose 24
// pylon bones shape the arena, carry attached actors and serve as path points.
#pragma once

// Body of c_room_goto: plays the room's animation of that name to its end at once.
// Logs "*** room goto wrong values" when the room or the animation is missing.
void room_goto(const char *anim);

// Body of c_room_attach: an enemy of the type hangs on the room's bone, scaled by x, y,
// z percent and hue-turned by hue degrees. Logs "*** room attach wrong values %x %s"
// without a room or type.
void room_attach(const char *type_name, const char *bone, float x, float y, float z, float hue);
