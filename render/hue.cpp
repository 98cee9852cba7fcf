// hue.cpp -- the hue rotation matrix: rotates colours about the grey axis after a shear
// that keeps the luminance vector fixed, so tints change hue but not brightness.

#include "render/hue.h"

#include "core/mathlib.h"

#include <cmath>

float g_hue_matrix[4][4] = {
    {1.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 1.0f, 0.0f, 0.0f},
    {0.0f, 0.0f, 1.0f, 0.0f},
    {0.0f, 0.0f, 0.0f, 1.0f},
};

// The luminance weights of red, green and blue that the rotation keeps.
constexpr float HUE_LUM_R = 0.3086f;
constexpr float HUE_LUM_G = 0.6094f;
constexpr float HUE_LUM_B = 0.0820f;

static void mat4_identity(float m[4][4])
{
    for (int i = 0; i < 4; i++) {
        for (int j = 0; j < 4; j++) {
            m[i][j] = i == j ? 1.0f : 0.0f;
        }
    }
}

// m = m x r
static void mat4_multiply_right(float m[4][4], const float r[4][4])
{
    float out[4][4];
    for (int i = 0; i < 4; i++) {
        for (int j = 0; j < 4; j++) {
            float sum = 0.0f;
            for (int k = 0; k < 4; k++) {
                sum += m[i][k] * r[k][j];
            }
            out[i][j] = sum;
        }
    }
    for (int i = 0; i < 4; i++) {
        for (int j = 0; j < 4; j++) {
            m[i][j] = out[i][j];
        }
    }
}

static void mat4_rotate_x(float m[4][4], float s, float c)
{
    float r[4][4];
    mat4_identity(r);
    r[1][1] = c;
    r[1][2] = s;
    r[2][1] = -s;
    r[2][2] = c;
    mat4_multiply_right(m, r);
}

static void mat4_rotate_y(float m[4][4], float s, float c)
{
    float r[4][4];
    mat4_identity(r);
    r[0][0] = c;
    r[0][2] = -s;
    r[2][0] = s;
    r[2][2] = c;
    mat4_multiply_right(m, r);
}

static void mat4_rotate_z(float m[4][4], float s, float c)
{
    float r[4][4];
    mat4_identity(r);
    r[0][0] = c;
    r[0][1] = s;
    r[1][0] = -s;
    r[1][1] = c;
    mat4_multiply_right(m, r);
}

static void mat4_shear_z(float m[4][4], float sx, float sy)
{
    float r[4][4];
    mat4_identity(r);
    r[0][2] = sx;
    r[1][2] = sy;
    mat4_multiply_right(m, r);
}

static void hue_transform_point(const float m[4][4], float r, float g, float b, float out[3])
{
    for (int j = 0; j < 3; j++) {
        out[j] = r * m[0][j] + g * m[1][j] + b * m[2][j] + m[3][j];
    }
}

void hue_build_matrix(float degrees)
{
    const float inv_sqrt2 = 1.0f / sqrtf(2.0f);
    const float inv_sqrt3 = 1.0f / sqrtf(3.0f);
    const float sqrt2_over_sqrt3 = sqrtf(2.0f) / sqrtf(3.0f);
    float m[4][4];
    mat4_identity(m);
    // Turn the grey axis onto Z.
    mat4_rotate_x(m, inv_sqrt2, inv_sqrt2);
    mat4_rotate_y(m, -inv_sqrt3, sqrt2_over_sqrt3);
    // Shear so that the luminance vector stands on Z too: the rotation about Z then
    // leaves the luminance of every colour as it was.
    float lum[3];
    hue_transform_point(m, HUE_LUM_R, HUE_LUM_G, HUE_LUM_B, lum);
    float sx = lum[0] / lum[2];
    float sy = lum[1] / lum[2];
    mat4_shear_z(m, sx, sy);
    float a = degrees * DEG2RAD;
    mat4_rotate_z(m, sinf(a), cosf(a));
    mat4_shear_z(m, -sx, -sy);
    // And back from Z to the grey axis.
    mat4_rotate_y(m, inv_sqrt3, sqrt2_over_sqrt3);
    mat4_rotate_x(m, -inv_sqrt2, inv_sqrt2);
    for (int i = 0; i < 4; i++) {
        for (int j = 0; j < 4; j++) {
            g_hue_matrix[i][j] = m[i][j];
        }
    }
}

void hue_set_angle(float degrees)
{
    hue_build_matrix(angle_wrap180(degrees));
}

void hue_apply_rgb(uint8_t *pixels, int n, int stride, int ignored)
{
    (void)ignored;
    hue_apply_rgb_clamped(pixels, n, stride);
}

static uint8_t hue_clamp_byte(float v)
{
    // The matrix maps 0..255 into a few times that range, so the conversion cannot
    // overflow; truncation toward zero is the rule.
    int i = (int)v;
    return (uint8_t)(i < 0 ? 0 : i > 255 ? 255 : i);
}

void hue_apply_rgb_clamped(uint8_t *pixels, int n, int stride)
{
    if (!pixels || n <= 0 || stride < 3) {
        return;
    }
    const float(*m)[4] = g_hue_matrix;
    uint8_t *p = pixels;
    for (int i = 0; i < n; i++, p += stride) {
        float r = p[0];
        float g = p[1];
        float b = p[2];
        float out[3];
        hue_transform_point(m, r, g, b, out);
        p[0] = hue_clamp_byte(out[0]);
        p[1] = hue_clamp_byte(out[1]);
        p[2] = hue_clamp_byte(out[2]);
    }
}
