// geom.h -- the small geometry of the world simulation: X/Z contact tests, the elastic
// contact of two discs, quaternion product and slerp, quaternion to matrix, the inverse
// of a 3x3 block, directions in a bone's space, headings, the Z-rotation matrix and grid
// snapping.
//
// Vectors are float[3] (x, z across the floor, y up); quaternions float[4] x, y, z, w;
// matrices 4x4 floats, column-major: elements 0-2, 4-6, 8-10 the three columns of the
// 3x3 block, 12-14 the translation. Elements 3, 7, 11 and 15 are never written here.
// Divisions and normalisations are exact (a zero length leaves a vector at zero).
#pragma once

#include <cmath>
#include <cstring>

// X/Z only. 0 when p is not nearer than far2 (squared) to the start s. Else, for a
// segment s + t v (t in 0..1) of non-trivial length: -1 when p lies behind the start
// (t < 0); otherwise the test point is the one nearest p on the segment (only s for a
// zero-length v). 1 when that point is nearer than near2 (squared), else 0.
int geom_segment_point_near_xz(const float p[3], const float s[3], const float v[3], float near2, float far2);
// The same test of many points against one segment: its x/z start, move and squared
// length are read once (geom_segment_xz), then each point is tested in line.
struct GeomSegmentXZ {
    float sx, sz;   // start
    float vx, vz;   // move
    float len2;     // vx vx + vz vz
};
inline GeomSegmentXZ geom_segment_xz(const float s[3], const float v[3])
{
    return GeomSegmentXZ{s[0], s[2], v[0], v[2], v[0] * v[0] + v[2] * v[2]};
}
inline int geom_segment_xz_point_near(const GeomSegmentXZ &g, const float p[3], float near2, float far2)
{
    float dx = p[0] - g.sx;
    float dz = p[2] - g.sz;
    float start2 = dx * dx + dz * dz;
    if (!(start2 < far2)) {
        return 0;
    }
    float test2 = start2;
    if (g.len2 > 0.0001f) {
        float t = (dx * g.vx + dz * g.vz) / g.len2;
        if (t < 0.0f) {
            return -1;
        }
        if (t > 1.0f) {
            t = 1.0f;
        }
        float ex = g.sx + t * g.vx - p[0];
        float ez = g.sz + t * g.vz - p[2];
        test2 = ex * ex + ez * ez;
    }
    return test2 < near2 ? 1 : 0;
}
// X/Z only. c = the point of the segment s + t v nearest p (c = s, all three
// components, for a zero-length v); -1 when p lies behind the start, with c.x, c.z
// then holding p - s. 1 when c is nearer than near2 (squared) to p, else 0.
int geom_segment_closest_point_xz(float c[3], const float p[3], const float s[3], const float v[3], float near2);
// 1 when p and q are closer than tolerance in height, now or after q moves by v.
int geom_height_overlap(const float p[3], const float q[3], const float v[3], float tolerance);
// X/Z only. 0 when the discs at pa and pb are more than d apart. Else an elastic
// contact of masses wa + 0.1 and wb + 0.1 along the line of centres (the tangential
// velocities stay), the discs pushed apart to distance d, and 1.
int geom_moving_spheres_contact(float pa[3], float va[3], float wa, float pb[3], float vb[3], float wb, float d);

// out = a x b (Hamilton product), normalised; a zero product stays zero. out may be a or b.
void geom_quat_mul(float out[4], const float a[4], const float b[4]);
// Slerp with weight s on a: s = 1 gives a, s = 0 gives b, along the shorter arc; nearly
// equal quaternions blend linearly. Normalised. out may be a or b.
void geom_quat_slerp(float out[4], const float a[4], const float b[4], float s);
// The slerp in two steps, for blends that go between the same two quaternions at many
// weights: what depends on a and b alone (the side of the shorter arc, its angle and the
// inverse sine of it), then the blend at weight s. The two give the floats of
// geom_quat_slerp.
struct GeomSlerpArc {
    float sign;     // 1, or -1 to go the shorter way round
    float theta;    // the angle between them (above 0); 0: nearly equal, blended linearly
    float k;        // 1 / sin(theta)
};
void geom_quat_slerp_arc(GeomSlerpArc *arc, const float a[4], const float b[4]);
// (In line, below: the pose blend runs it for every bone it moves.)
inline void geom_quat_slerp_along(float out[4], const float a[4], const float b[4], float s, const GeomSlerpArc *arc);
// out's 3x3 block = the inverse of m's. A singular block gives a zero block (no
// infinities). Other elements of out are untouched; out may be m.
void geom_mat3_inverse(const float m[16], float out[16]);
// out = light (a world direction) in the space of m's 3x3 block, normalised (a zero
// result stays zero).
void geom_light_dir_to_local(const float m[16], const float light[3], float out[3]);
// out = the inverse of m's 3x3 block times v, not normalised.
void geom_vec_to_local(const float m[16], const float v[3], float out[3]);
// Heading in degrees: (1,0,0) 0, (0,0,-1) 90, (-1,0,0) 180, (0,0,1) -90; a zero vector 0.
float geom_heading_degrees(const float v[3]);
// out = a x b for two affine matrices (3x3 block and translation; the bottom row of out
// is written 0 0 0 1). out may not be a or b.
void geom_matrix_multiply(float out[16], const float a[16], const float b[16]);
// m's 3x3 block = a rotation of angle degrees about z times k, translation = p.
void geom_matrix_rot_scale_translate(float m[16], float angle, float k, const float p[3]);
// Nearest multiple of g; halfway values go toward zero: (5,10) 0, (-5,10) 0, (6,10) 10.
float geom_snap_to_multiple(float x, float g);
// q = (quaternion of the delta angles) x q; the delta is wrapped into -180..180 in
// place; out = the Euler angles of the new q.
void geom_quat_rotate_euler(float out[3], float q[4], float delta[3]);

// Four floats worked at once (GCC's vector extension): each lane is the plain float
// sum of products of its own row, left to right, as the scalar expression gives it.
typedef float geom_v4 __attribute__((vector_size(16)));

typedef int geom_v4i __attribute__((vector_size(16)));   // a comparison's lanes: -1 true, 0 false

inline geom_v4 geom_v4_load(const float *p)
{
    geom_v4 v;
    memcpy(&v, p, sizeof(v));
    return v;
}

// Eight floats at once, lane by lane as geom_v4, for code made for AVX2 only (without it,
// their compares go lane by lane): the pair search's runs of slots. Loaded with memcpy
// where used, and passed only to functions folded into their caller: a call taking or
// returning one would change its calling convention between makes.
typedef float geom_v8 __attribute__((vector_size(32)));
typedef int geom_v8i __attribute__((vector_size(32)));

// A function made twice, for AVX2 processors and for any other, the loader picking one.
// Both makes do the same multiplies and sums in the same order (nothing is fused), so both
// give the same floats. The sanitizer builds make only the plain one: the loader's pick
// runs before a sanitizer's runtime is up.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define GEOM_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define GEOM_SANITIZED 1
#endif
#endif
#ifdef GEOM_SANITIZED
#define GEOM_TWO_MAKES
#else
#define GEOM_TWO_MAKES __attribute__((target_clones("avx2", "default")))
#endif

// Bit k set where lane k of a comparison is true.
inline int geom_v4_true_bits(geom_v4i m)
{
#if defined(__SSE__)
    return __builtin_ia32_movmskps((geom_v4)m);   // the lanes' sign bits
#else
    return (m[0] & 1) | (m[1] & 2) | (m[2] & 4) | (m[3] & 8);
#endif
}

// Bit k set where lane k of an eight-lane comparison is true: the two halves' sign bits
// (a loop over the lanes would take each lane out on its own).
__attribute__((always_inline)) inline int geom_v8_true_bits(geom_v8i m)
{
    geom_v4i lo, hi;
    memcpy(&lo, &m, sizeof(lo));
    memcpy(&hi, (const char *)&m + sizeof(lo), sizeof(hi));
    return geom_v4_true_bits(lo) | geom_v4_true_bits(hi) << 4;
}

// out[0..2] = v[0..2]; out[3] is kept (two stores, no read of out).
inline void geom_v4_store3(float *out, geom_v4 v)
{
    const float low[2] = {v[0], v[1]};
    memcpy(out, low, sizeof(low));
    out[2] = v[2];
}

// The rotation of the unit quaternion q as three columns of four floats, the fourth 0;
// returns 0. When w is exactly 1 or -1 writes nothing and returns 1: the caller uses the
// identity.
inline int geom_quat_columns(const float q[4], geom_v4 cols[3])
{
    float x = q[0], y = q[1], z = q[2], w = q[3];
    if (w == 1.0f || w == -1.0f) {
        return 1;
    }
    cols[0] = geom_v4{1.0f - 2.0f * y * y - 2.0f * z * z, 2.0f * x * y + 2.0f * w * z, 2.0f * x * z - 2.0f * w * y,
                      0.0f};
    cols[1] = geom_v4{2.0f * x * y - 2.0f * w * z, 1.0f - 2.0f * z * z - 2.0f * x * x, 2.0f * y * z + 2.0f * w * x,
                      0.0f};
    cols[2] = geom_v4{2.0f * x * z + 2.0f * w * y, 2.0f * y * z - 2.0f * w * x, 1.0f - 2.0f * x * x - 2.0f * y * y,
                      0.0f};
    return 0;
}

// The rotation of q into m's 3x3 block, translation zeroed; returns 0. When w is exactly
// 1 or -1 writes nothing and returns 1: the caller uses the identity. Elements 3, 7, 11
// and 15 are kept.
inline int geom_quat_to_matrix(const float q[4], float m[16])
{
    geom_v4 cols[3];
    if (geom_quat_columns(q, cols)) {
        return 1;
    }
    for (int c = 0; c < 3; c++) {
        geom_v4_store3(m + 4 * c, cols[c]);
        m[12 + c] = 0.0f;
    }
    return 0;
}

// out's 3x3 = a's 3x3 x b (9 floats, column-major): out[4c + r] = a[r] b[3c] +
// a[4 + r] b[3c + 1] + a[8 + r] b[3c + 2], summed left to right. out's elements 3, 7 and
// 11 are kept; out may not be b.
inline void geom_mat3_mul(float out[16], const float a[16], const float b[9])
{
    const geom_v4 c0 = geom_v4_load(a), c1 = geom_v4_load(a + 4), c2 = geom_v4_load(a + 8);
    for (int col = 0; col < 3; col++) {
        geom_v4_store3(out + 4 * col, c0 * b[3 * col] + c1 * b[3 * col + 1] + c2 * b[3 * col + 2]);
    }
}

// out = m's 3x3 x p + m's translation: out[r] = m[r] p[0] + m[4 + r] p[1] + m[8 + r] p[2]
// + m[12 + r], summed left to right. out may be p.
inline void geom_transform_point(const float m[16], const float p[3], float out[3])
{
    geom_v4_store3(out, geom_v4_load(m) * p[0] + geom_v4_load(m + 4) * p[1] + geom_v4_load(m + 8) * p[2] +
                            geom_v4_load(m + 12));
}

inline void geom_quat_slerp_along(float out[4], const float a[4], const float b[4], float s, const GeomSlerpArc *arc)
{
    float wb = 1.0f - s;
    float wa = s;
    if (arc->theta > 0.0f) {
        wb = sinf(arc->theta * (1.0f - s)) * arc->k;
        wa = sinf(arc->theta * s) * arc->k;
    }
    // Each lane wb b + (sign wa) a, as the scalar sum gives it.
    geom_v4 r = wb * geom_v4_load(b) + (arc->sign * wa) * geom_v4_load(a);
    float len2 = r[0] * r[0] + r[1] * r[1] + r[2] * r[2] + r[3] * r[3];
    if (len2 > 0.0f) {
        r *= 1.0f / sqrtf(len2);
    }
    memcpy(out, &r, sizeof(r));
}
