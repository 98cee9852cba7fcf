// path.h -- named closed loops of points that enemies follow: table paths with their
// scale, turn and offset, and paths generated through the room's 24 pylons.
#pragma once

constexpr int PATH_MODE_TABLE = 0;          // c_add_a_path with a table of points
constexpr int PATH_MODE_GENERATED = 0x200;  // c_add_a_path through the pylons

// Body of c_add_a_path. Table form (PATH_MODE_TABLE): numbers[0..5] are p0 .. p5,
// numbers[6] the table's element count and numbers[7..] its elements, three per point.
// Generated form (PATH_MODE_GENERATED): numbers[0] is the direction (negative runs
// backwards) and numbers[1] the pylon distance in percent. Logs
// "*** [paths] add path wrong values" when refused.
void path_add(const char *name, const float *numbers, int mode);

// Empties the path list (level start).
void paths_reset(void);
// Frees every path and empties the list (level end and the restart after a death).
void paths_free_all(void);
