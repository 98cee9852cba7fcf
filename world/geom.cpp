// geom.cpp -- contact tests, quaternions and small matrix helpers of the world simulation.
// Divisions are exact: the bit-trick reciprocal with one Newton step is off by up to
// 1.56 %, which bends normals and bleeds energy out of contacts.

#include "world/geom.h"

#include "core/mathlib.h"

#include <cmath>

int geom_segment_point_near_xz(const float p[3], const float s[3], const float v[3], float near2, float far2)
{
    return geom_segment_xz_point_near(geom_segment_xz(s, v), p, near2, far2);
}

int geom_segment_closest_point_xz(float c[3], const float p[3], const float s[3], const float v[3], float near2)
{
    float len2 = v[0] * v[0] + v[2] * v[2];
    if (len2 >= 0.0001f) {
        float dx = p[0] - s[0];
        float dz = p[2] - s[2];
        float t = (dx * v[0] + dz * v[2]) / len2;
        if (t < 0.0f) {
            c[0] = dx;
            c[2] = dz;
            return -1;
        }
        if (t > 1.0f) {
            t = 1.0f;
        }
        c[0] = s[0] + t * v[0];
        c[2] = s[2] + t * v[2];
    } else {
        c[0] = s[0];
        c[1] = s[1];
        c[2] = s[2];
    }
    float ex = c[0] - p[0];
    float ez = c[2] - p[2];
    return ex * ex + ez * ez < near2 ? 1 : 0;
}

int geom_height_overlap(const float p[3], const float q[3], const float v[3], float tolerance)
{
    float dy = p[1] - q[1];
    return (fabsf(dy) < tolerance || fabsf(dy + v[1]) < tolerance) ? 1 : 0;
}

int geom_moving_spheres_contact(float pa[3], float va[3], float wa, float pb[3], float vb[3], float wb, float d)
{
    float dx = pb[0] - pa[0];
    float dz = pb[2] - pa[2];
    float dist2 = dx * dx + dz * dz;
    if (dist2 > d * d) {
        return 0;
    }
    float dist = sqrtf(dist2);
    float nx = 0.0f;
    float nz = 0.0f;
    if (dist > 0.0f) {
        nx = dx / dist;
        nz = dz / dist;
    }
    float ua = va[0] * nx + va[2] * nz;
    float ub = vb[0] * nx + vb[2] * nz;
    float ma = wa + 0.1f;
    float mb = wb + 0.1f;
    float k = 1.0f / (ma + mb);
    float ua2 = ((ma - mb) * ua + 2.0f * mb * ub) * k;
    float ub2 = ((mb - ma) * ub + 2.0f * ma * ua) * k;
    va[0] += (ua2 - ua) * nx;
    va[2] += (ua2 - ua) * nz;
    vb[0] += (ub2 - ub) * nx;
    vb[2] += (ub2 - ub) * nz;
    float h = (d - dist) * 0.5f;
    pa[0] -= h * nx;
    pa[2] -= h * nz;
    pb[0] += h * nx;
    pb[2] += h * nz;
    return 1;
}

// Scales a quaternion to unit length; a zero one stays zero.
static void quat_normalise(float q[4])
{
    float len2 = q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3];
    if (len2 > 0.0f) {
        float k = 1.0f / sqrtf(len2);
        for (int i = 0; i < 4; i++) {
            q[i] *= k;
        }
    }
}

void geom_quat_mul(float out[4], const float a[4], const float b[4])
{
    float r[4];
    r[0] = a[3] * b[0] + a[0] * b[3] + a[1] * b[2] - a[2] * b[1];
    r[1] = a[3] * b[1] - a[0] * b[2] + a[1] * b[3] + a[2] * b[0];
    r[2] = a[3] * b[2] + a[0] * b[1] - a[1] * b[0] + a[2] * b[3];
    r[3] = a[3] * b[3] - a[0] * b[0] - a[1] * b[1] - a[2] * b[2];
    quat_normalise(r);
    for (int i = 0; i < 4; i++) {
        out[i] = r[i];
    }
}

void geom_quat_slerp_arc(GeomSlerpArc *arc, const float a[4], const float b[4])
{
    float d = a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3];
    float c = fabsf(d);
    arc->sign = d >= 0.0f ? 1.0f : -1.0f;
    arc->theta = 0.0f;
    arc->k = 0.0f;
    if (1.0f - c > 0.01f) {
        // sqrt(1 - c c) is above 0.14 here, so theta is above 0.
        arc->theta = atan2f(sqrtf(1.0f - c * c), c);
        arc->k = 1.0f / sinf(arc->theta);
    }
}

void geom_quat_slerp(float out[4], const float a[4], const float b[4], float s)
{
    GeomSlerpArc arc;
    geom_quat_slerp_arc(&arc, a, b);
    geom_quat_slerp_along(out, a, b, s, &arc);
}

void geom_mat3_inverse(const float m[16], float out[16])
{
    // Cofactors of the column-major block a(row, col) = m[col * 4 + row].
    float c00 = m[5] * m[10] - m[9] * m[6];
    float c01 = m[9] * m[2] - m[1] * m[10];
    float c02 = m[1] * m[6] - m[5] * m[2];
    float det = m[0] * c00 + m[4] * c01 + m[8] * c02;
    float r[9] = {};
    if (det != 0.0f && std::isfinite(det)) {
        float k = 1.0f / det;
        r[0] = c00 * k;
        r[1] = c01 * k;
        r[2] = c02 * k;
        r[3] = (m[8] * m[6] - m[4] * m[10]) * k;
        r[4] = (m[0] * m[10] - m[8] * m[2]) * k;
        r[5] = (m[4] * m[2] - m[0] * m[6]) * k;
        r[6] = (m[4] * m[9] - m[8] * m[5]) * k;
        r[7] = (m[8] * m[1] - m[0] * m[9]) * k;
        r[8] = (m[0] * m[5] - m[4] * m[1]) * k;
    }
    for (int col = 0; col < 3; col++) {
        for (int row = 0; row < 3; row++) {
            out[col * 4 + row] = r[col * 3 + row];
        }
    }
}

void geom_vec_to_local(const float m[16], const float v[3], float out[3])
{
    float inv[16];
    geom_mat3_inverse(m, inv);
    float r[3];
    for (int row = 0; row < 3; row++) {
        r[row] = inv[row] * v[0] + inv[4 + row] * v[1] + inv[8 + row] * v[2];
    }
    out[0] = r[0];
    out[1] = r[1];
    out[2] = r[2];
}

void geom_light_dir_to_local(const float m[16], const float light[3], float out[3])
{
    geom_vec_to_local(m, light, out);
    float len2 = out[0] * out[0] + out[1] * out[1] + out[2] * out[2];
    if (len2 > 0.0f) {
        float k = 1.0f / sqrtf(len2);
        out[0] *= k;
        out[1] *= k;
        out[2] *= k;
    }
}

float geom_heading_degrees(const float v[3])
{
    float len = sqrtf(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    float sine = len > 0.0f ? -v[2] / len : 0.0f;
    sine = sine > 1.0f ? 1.0f : (sine < -1.0f ? -1.0f : sine);
    float a = asinf(sine) * RAD2DEG;
    if (v[0] >= 0.0f) {
        return a;
    }
    return a >= 0.0f ? 180.0f - a : -180.0f - a;
}

void geom_matrix_rot_scale_translate(float m[16], float angle, float k, const float p[3])
{
    float r = angle * DEG2RAD;
    float c = cosf(r);
    float s = sinf(r);
    m[0] = c * k;
    m[1] = s * k;
    m[2] = 0.0f;
    m[4] = -s * k;
    m[5] = c * k;
    m[6] = 0.0f;
    m[8] = 0.0f;
    m[9] = 0.0f;
    m[10] = k;
    m[12] = p[0];
    m[13] = p[1];
    m[14] = p[2];
}

float geom_snap_to_multiple(float x, float g)
{
    if (g == 0.0f) {
        return x;
    }
    float r = fmodf(x, g);
    if (r > g * 0.5f) {
        return x + (g - r);
    }
    if (r < -g * 0.5f) {
        return x - (r + g);
    }
    return x - r;
}

void geom_quat_rotate_euler(float out[3], float q[4], float delta[3])
{
    float dq[4];
    quat_from_euler(delta, dq);
    geom_quat_mul(q, dq, q);
    quat_to_euler(q, out);
}

void geom_matrix_multiply(float out[16], const float a[16], const float b[16])
{
    for (int col = 0; col < 4; col++) {
        for (int row = 0; row < 3; row++) {
            out[col * 4 + row] = a[row] * b[col * 4] + a[4 + row] * b[col * 4 + 1] + a[8 + row] * b[col * 4 + 2];
        }
        out[col * 4 + 3] = 0.0f;
    }
    for (int row = 0; row < 3; row++) {
        out[12 + row] += a[12 + row];
    }
    out[15] = 1.0f;
}
