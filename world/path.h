// path.h -- named closed loops of points that enemies follow: table paths with their
// scale, turn and offset, and paths generated through the room's 24 pylons.
#pragma once

constexpr int PATH_MODE_TABLE = 0;          // c_add_a_path with a table of points
constexpr int PATH_MODE_GENERATED = 0x200;  // c_add_a_path through the pylons
constexpr int PATH_MODE_BACKWARD = 0x100;   // the points are run in reverse order
constexpr int PATH_NAME_SIZE = 64;

struct Path {
    Path *next;
    float *points;        // 3 floats a point in game axes; null for a generated path
    float x_scale;        // generated: the pylon distance fraction
    float z_scale;
    float angle;          // degrees
    float x_offset;
    float z_offset;
    int count;            // points; 24 for a generated path
    int mode;             // PATH_MODE_* bits
    int stop_interval;    // every this many points the follower waits (table form)
    char name[PATH_NAME_SIZE];
};

// The newest path of that name; null for an empty name or none ("*** [paths] not found
// <name>" when loud).
Path *path_find(const char *name, int loud);
// The point of the path nearest p (farthest with options 0x40; with options 0 the nearer
// of its two neighbours in the path's direction when they differ): out (when given)
// receives its position; returns its index (counted from the end on a backward path).
int path_follow(const Path *path, const float p[3], float out[3], int options);

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
