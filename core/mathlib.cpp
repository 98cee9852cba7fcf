// mathlib.cpp -- angles, quaternions, planes and the frustum tests shared by the
// simulation and the renderer.

#include "core/mathlib.h"

#include "core/con.h"

#include <cmath>
#include <cstdint>
#include <cstring>

float g_frustum_planes[4][4];

// Beyond this many turns the wrap reduces with fmodf instead of stepping by 360.
constexpr float ANGLE_STEP_LIMIT = 360.0f * 16.0f;

int trunc_to_int(double value)
{
    if (!(value == value)) {
        return 0;
    }
    if (value >= 2147483647.0) {
        return 2147483647;
    }
    if (value <= -2147483648.0) {
        return -2147483647 - 1;
    }
    return (int)value;
}

float angle_wrap180(float angle)
{
    if (!std::isfinite(angle)) {
        return 0.0f;
    }
    // fmodf is exact, so huge angles end in [-360, 360] with no loss before the steps.
    if (angle > ANGLE_STEP_LIMIT || angle < -ANGLE_STEP_LIMIT) {
        angle = fmodf(angle, 360.0f);
    }
    while (angle < -180.0f) {
        angle += 360.0f;
    }
    while (angle > 180.0f) {
        angle -= 360.0f;
    }
    return angle;
}

// Square root of a value that rounding may have pushed just below zero.
static float sqrt_clamped(float v)
{
    return v > 0.0f ? sqrtf(v) : 0.0f;
}

float fast_recip(float t)
{
    uint32_t bits;
    memcpy(&bits, &t, sizeof(bits));
    bits = 0x7f000000u - bits;
    float r0;
    memcpy(&r0, &bits, sizeof(r0));
    return r0 * (2.0f - t * r0);
}

void quat_from_euler(float angles[3], float quat[4])
{
    float c[3];
    float s[3];
    for (int i = 0; i < 3; i++) {
        angles[i] = angle_wrap180(angles[i]);
        float half = angles[i] * DEG2RAD * 0.5f;
        if (half == 0.0f) {
            c[i] = 1.0f;
            s[i] = 0.0f;
        } else {
            c[i] = cosf(half);
            s[i] = sinf(half);
        }
    }
    quat[0] = s[0] * c[1] * c[2] - c[0] * s[1] * s[2];
    quat[1] = c[0] * s[1] * c[2] + s[0] * c[1] * s[2];
    quat[2] = c[0] * c[1] * s[2] - s[0] * s[1] * c[2];
    quat[3] = c[0] * c[1] * c[2] + s[0] * s[1] * s[2];
}

// Rotation matrix terms of a unit quaternion; the identity when w is exactly +-1.
static void quat_matrix_terms(const float q[4], float m[3][3])
{
    float x = q[0], y = q[1], z = q[2], w = q[3];
    if (w == 1.0f || w == -1.0f) {
        for (int r = 0; r < 3; r++) {
            for (int k = 0; k < 3; k++) {
                m[r][k] = r == k ? 1.0f : 0.0f;
            }
        }
        return;
    }
    m[0][0] = 1.0f - 2.0f * (y * y + z * z);
    m[0][1] = 2.0f * (x * y + z * w);
    m[0][2] = 2.0f * (x * z - y * w);
    m[1][0] = 2.0f * (x * y - z * w);
    m[1][1] = 1.0f - 2.0f * (z * z + x * x);
    m[1][2] = 2.0f * (x * w + y * z);
    m[2][0] = 2.0f * (x * z + y * w);
    m[2][1] = 2.0f * (y * z - x * w);
    m[2][2] = 1.0f - 2.0f * (x * x + y * y);
}

void quat_to_euler(const float quat[4], float angles[3])
{
    float m[3][3];
    quat_matrix_terms(quat, m);
    angles[1] = atan2f(-m[0][2], sqrt_clamped(1.0f - m[0][2] * m[0][2])) * RAD2DEG;
    if (cosf(angles[1] * DEG2RAD) != 0.0f) {
        angles[0] = atan2f(m[1][2], m[2][2]) * RAD2DEG;
        angles[2] = atan2f(m[0][1], m[0][0]) * RAD2DEG;
    } else {
        angles[0] = atan2f(m[1][0], m[1][1]) * RAD2DEG;
        angles[2] = 0.0f;
    }
}

void quat_to_matrix34(const float quat[4], float m[3][4])
{
    float r[3][3];
    quat_matrix_terms(quat, r);
    for (int i = 0; i < 3; i++) {
        for (int k = 0; k < 3; k++) {
            m[i][k] = r[i][k];
        }
        m[i][3] = 0.0f;
    }
}

float quat_get_yaw(const float q[4])
{
    if (q[3] == 1.0f || q[3] == -1.0f) {
        return 0.0f;
    }
    float x = q[0], y = q[1], z = q[2], w = q[3];
    return atan2f(2.0f * w * z + 2.0f * x * y, 1.0f - (2.0f * y * y + 2.0f * z * z)) * RAD2DEG;
}

float vec_heading(const float dir[3])
{
    float len2 = dir[0] * dir[0] + dir[1] * dir[1] + dir[2] * dir[2];
    float inv = len2 != 0.0f ? fast_recip(sqrtf(len2)) : 0.0f;
    float v = -dir[2] * inv;
    float a = atan2f(v, sqrt_clamped(1.0f - v * v)) * RAD2DEG;
    if (dir[0] < 0.0f) {
        return a >= 0.0f ? 180.0f - a : -180.0f - a;
    }
    return a;
}

void vec_cross(const float a[3], const float b[3], float out[3])
{
    float x = a[1] * b[2] - a[2] * b[1];
    float y = a[2] * b[0] - a[0] * b[2];
    float z = a[0] * b[1] - a[1] * b[0];
    out[0] = x;
    out[1] = y;
    out[2] = z;
}

void vec_ma(const float a[3], float s, const float b[3], float out[3])
{
    for (int i = 0; i < 3; i++) {
        out[i] = a[i] - s * b[i];
    }
}

float vec_dist2(const float a[3], const float b[3])
{
    float dx = b[0] - a[0], dy = b[1] - a[1], dz = b[2] - a[2];
    return dx * dx + dy * dy + dz * dz;
}

float vec_dist(const float a[3], const float b[3])
{
    return sqrtf(vec_dist2(a, b));
}

float vec_dist2_xz(const float a[3], const float b[3])
{
    float dx = b[0] - a[0], dz = b[2] - a[2];
    return dx * dx + dz * dz;
}

void vec_normalize(float v[3])
{
    float len = sqrtf(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (len == 0.0f) {
        con_printf("z %f", (double)len);
        return;
    }
    float inv = 1.0f / len;
    v[0] *= inv;
    v[1] *= inv;
    v[2] *= inv;
}

// Normal of the triangle p0 p1 p2 (unnormalised) and its squared length.
static float plane_normal(const float p0[3], const float p1[3], const float p2[3], float n[3])
{
    float e1[3] = {p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]};
    float e2[3] = {p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]};
    vec_cross(e1, e2, n);
    return n[0] * n[0] + n[1] * n[1] + n[2] * n[2];
}

static void plane_set(float plane[4], const float n[3], const float p0[3])
{
    plane[0] = n[0];
    plane[1] = n[1];
    plane[2] = n[2];
    plane[3] = -(n[0] * p0[0] + n[1] * p0[1] + n[2] * p0[2]);
}

void plane_from_points(float plane[4], const float p0[3], const float p1[3], const float p2[3])
{
    float n[3];
    float len2 = plane_normal(p0, p1, p2, n);
    if (len2 == 0.0f) {
        plane[0] = plane[1] = plane[2] = plane[3] = 0.0f;
        return;
    }
    float inv = fast_recip(sqrtf(len2));
    n[0] *= inv;
    n[1] *= inv;
    n[2] *= inv;
    plane_set(plane, n, p0);
}

void plane_from_points_checked(float plane[4], const float p0[3], const float p1[3], const float p2[3])
{
    float n[3];
    if (plane_normal(p0, p1, p2, n) == 0.0f) {
        con_printf("  cross product = 0");
        plane[0] = plane[1] = plane[2] = plane[3] = 0.0f;
        return;
    }
    vec_normalize(n);
    plane_set(plane, n, p0);
}

void frustum_planes_from_corners(float planes[4][4], const float c[8][3])
{
    plane_from_points(planes[0], c[3], c[4], c[7]);
    plane_from_points(planes[1], c[1], c[6], c[5]);
    plane_from_points(planes[2], c[2], c[7], c[6]);
    plane_from_points(planes[3], c[0], c[5], c[4]);
}

int frustum_sphere_visible(const float centre[3], float radius)
{
    for (int i = 0; i < 4; i++) {
        const float *p = g_frustum_planes[i];
        float e = p[0] * centre[0] + p[1] * centre[1] + p[2] * centre[2] + p[3];
        if (e < -radius) {
            return 0;
        }
    }
    return 1;
}

void frustum_clamp_point(float pos[3])
{
    for (int i = 0; i < 2; i++) {
        const float *p = g_frustum_planes[i];
        float t = pos[2] * p[2];
        if (t != 0.0f) {
            float s = -(pos[0] * p[0] + p[3]) * fast_recip(t);
            if (s > 0.0f && s < 1.0f) {
                pos[2] = s * pos[2];
            }
        }
    }
    for (int i = 2; i < 4; i++) {
        const float *p = g_frustum_planes[i];
        float t = pos[0] * p[0];
        if (t != 0.0f) {
            float s = -(pos[2] * p[2] + p[3]) * fast_recip(t);
            if (s > 0.0f && s < 1.0f) {
                pos[0] = s * pos[0];
            }
        }
    }
}
