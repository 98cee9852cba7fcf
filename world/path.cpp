// path.cpp -- the path list of the running level: table paths turned, scaled and
// offset into the arena, and paths through the room's pylons (which give no points while
// there is no room).

#include "world/path.h"

#include "core/con.h"
#include "core/mathlib.h"
#include "world/room.h"

#include <cmath>
#include <cstdio>
#include <cstring>

static Path *g_paths;

// Numbers a table path can take (the script numbers of one call).
constexpr int PATH_MAX_ELEMENTS = 249;

static void path_point(const Path *path, int k, float out[3])
{
    const float *q = path->points + 3 * k;
    float a = path->angle * 3.14159265f / 180.0f;
    float c = cosf(a);
    float s = sinf(a);
    // A rotation by the angle of the scaled point (a square stays a square).
    out[0] = c * path->x_scale * q[0] - s * path->z_scale * q[2] + path->x_offset;
    out[1] = q[1];
    out[2] = s * path->x_scale * q[0] + c * path->z_scale * q[2] + path->z_offset;
}

void path_add(const char *name, const float *numbers, int mode)
{
    if (!name || !name[0]) {
        con_printf("*** [paths] add path wrong values");
        return;
    }
    if (path_find(name, 0)) {
        con_printf("*** [paths] already added %s", name);
    }
    Path *path = new Path{};
    snprintf(path->name, sizeof(path->name), "%s", name);
    if (mode == PATH_MODE_GENERATED) {
        path->mode = trunc_to_int(numbers[0]) < 0 ? PATH_MODE_GENERATED | PATH_MODE_BACKWARD : PATH_MODE_GENERATED;
        path->x_scale = numbers[1] * 0.01f;
        path->count = 24;
    } else {
        int elements = trunc_to_int(numbers[6]);
        int count = elements / 3;
        if (count <= 1 || elements > PATH_MAX_ELEMENTS) {
            con_printf("*** [paths] add path wrong values");
            delete path;
            return;
        }
        int t = trunc_to_int(numbers[0]);
        path->mode = t;
        path->stop_interval = t > 0 ? t : 0;
        path->z_scale = numbers[1] * 0.01f;
        path->x_scale = numbers[2] * 0.01f;
        path->angle = numbers[3];
        path->z_offset = -numbers[4];
        path->x_offset = numbers[5];
        path->count = count;
        path->points = new float[3 * (size_t)count];
        // Script points (a, b, c) in path axes become game (b, c, -a).
        const float *e = numbers + 7;
        for (int k = 0; k < count; k++) {
            path->points[3 * k] = e[3 * k + 1];
            path->points[3 * k + 1] = e[3 * k + 2];
            path->points[3 * k + 2] = -e[3 * k];
        }
    }
    path->next = g_paths;
    g_paths = path;
}

Path *path_find(const char *name, int loud)
{
    if (!name || !name[0]) {
        return nullptr;
    }
    for (Path *p = g_paths; p; p = p->next) {
        if (strcmp(p->name, name) == 0) {
            return p;
        }
    }
    if (loud) {
        con_printf("*** [paths] not found %s", name);
    }
    return nullptr;
}

int path_follow(const Path *path, const float p[3], float out[3], int options)
{
    if (path->mode >= PATH_MODE_GENERATED) {
        return room_nearest_pylon(p, out, path->x_scale, (path->mode & PATH_MODE_BACKWARD) != 0, options);
    }
    if (!path->points || path->count <= 0) {
        return 0;
    }
    int n = path->count;
    int best = 0;
    float best_d = 0.0f;
    for (int k = 0; k < n; k++) {
        float q[3];
        path_point(path, k, q);
        float d = vec_dist2_xz(q, p);
        if (k == 0 || ((options & 0x40) ? d > best_d : d < best_d)) {
            best = k;
            best_d = d;
        }
    }
    int backward = (path->mode & PATH_MODE_BACKWARD) != 0;
    if (options == 0) {
        int next = best + 1 < n ? best + 1 : 0;
        int prev = best > 0 ? best - 1 : n - 1;
        if (next != prev) {
            float qn[3], qp[3];
            path_point(path, next, qn);
            path_point(path, prev, qp);
            float dn = vec_dist2_xz(qn, p);
            float dp = vec_dist2_xz(qp, p);
            if (!backward && dn < dp) {
                best = next;
            } else if (backward && dp < dn) {
                best = prev;
            }
        }
    }
    if (out) {
        path_point(path, best, out);
    }
    return backward ? n - 1 - best : best;
}

int path_next_point(const Path *path, const float p[3], int current, int options)
{
    int n = path->count;
    if (n <= 0) {
        return 0;
    }
    int b = path_follow(path, p, nullptr, options) - current;
    int forward = b < 0 ? b + n : b;
    int backward = -b < 0 ? -b + n : -b;
    if (forward == 0 && backward == 0) {
        return current >= n ? 0 : current;
    }
    int next = forward > backward ? current - 1 : current + 1;
    if (next < 0) {
        return n - 1;
    }
    return next >= n ? 0 : next;
}

int path_point_target(const Path *path, float out[3], int index)
{
    if (index > PATH_POS_INDEX && (index & PATH_POS_REACHED)) {
        index = (index & PATH_POS_INDEX) + 1;
    }
    int n = path->count;
    int k = index >= n ? 0 : index < 0 ? n - 1 : index;
    int backward = (path->mode & PATH_MODE_BACKWARD) != 0;
    if (path->mode >= PATH_MODE_GENERATED) {
        room_pylon_position(out, path->x_scale, k, backward);
        return k;
    }
    if (!path->points || n <= 0) {
        return k;
    }
    if (out) {
        path_point(path, backward ? n - 1 - k : k, out);
    }
    if (path->stop_interval > 1 && k != 0 && k % path->stop_interval == 0) {
        return k | PATH_POS_JUMP;
    }
    return k;
}

void paths_reset(void)
{
    g_paths = nullptr;
}

void paths_free_all(void)
{
    while (Path *p = g_paths) {
        g_paths = p->next;
        delete[] p->points;
        delete p;
    }
}
