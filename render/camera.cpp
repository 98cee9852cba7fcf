// camera.cpp -- the camera: follow and framing, the end-view drift, the light direction,
// the world-pass modelview and the view volume in world space.

#include "render/camera.h"

#include "core/mathlib.h"
#include "core/mt.h"
#include "core/shell.h"
#include "render/zgl.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

CameraState g_camera;
float g_light_dir[3] = {0.0f, 1.0f, 0.0f};
float g_frustum_world_corners[8][3];

constexpr float CAMERA_LIGHT_HEIGHT = 1.9f;      // the light stands this high over its turning circle
constexpr float CAMERA_LIGHT_TURN = 0.3f;        // degrees per logic step
constexpr float CAMERA_FOLLOW_MAX = 0.05f;       // the follow weight eases in to this
constexpr float CAMERA_FOLLOW_STEP = 0.0005f;
constexpr float CAMERA_END_FOLLOW = 0.03f;
constexpr float CAMERA_END_SPIN_STEP = 0.006f;
constexpr float CAMERA_DECAY = 0.95f;            // lead (end view) and shake, per update
constexpr int CAMERA_FREEZE_TICKS = -150;        // before this level tick the camera stands still
constexpr float CAMERA_FRAME_SCALE = 0.00016f;   // players' spread on screen to closeness
constexpr float CAMERA_FRAME_DROP = 0.07f;
constexpr float CAMERA_FRAME_SLIDE = 0.357f * 0.15f;
constexpr float CAMERA_WOBBLE_STEP = 1.5f;
constexpr float CAMERA_BUMP_STEP = 0.9f;

static void camera_identity(float m[16])
{
    memset(m, 0, sizeof(float) * 16);
    m[0] = m[5] = m[10] = m[15] = 1.0f;
}

// m = m x R, R the rotation by degrees about one axis (0 x, 1 y, 2 z), as glRotatef.
static void camera_rotate(float m[16], float degrees, int axis)
{
    float s = sinf(degrees * DEG2RAD);
    float c = cosf(degrees * DEG2RAD);
    int a = (axis + 1) % 3;   // the two axes the rotation turns into each other
    int b = (axis + 2) % 3;
    for (int row = 0; row < 4; row++) {
        float ma = m[a * 4 + row];
        float mb = m[b * 4 + row];
        m[a * 4 + row] = ma * c + mb * s;
        m[b * 4 + row] = mb * c - ma * s;
    }
}

void camera_view_matrix(float m[16])
{
    camera_identity(m);
    camera_rotate(m, -g_camera.roll, 2);
    camera_rotate(m, -g_camera.yaw, 1);
    camera_rotate(m, -g_camera.pitch, 0);
    for (int row = 0; row < 4; row++) {
        m[12 + row] -= m[row] * g_camera.pos[0] + m[4 + row] * g_camera.pos[1] + m[8 + row] * g_camera.pos[2];
    }
}

void zgl_set_camera_matrix(void)
{
    if (!g_gl_ready) {
        return;
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(-g_camera.roll, 0.0f, 0.0f, 1.0f);
    glRotatef(-g_camera.yaw, 0.0f, 1.0f, 0.0f);
    glRotatef(-g_camera.pitch, 1.0f, 0.0f, 0.0f);
    glTranslatef(-g_camera.pos[0], -g_camera.pos[1], -g_camera.pos[2]);
}

void camera_position(float out[3])
{
    out[0] = g_camera.pos[0];
    out[1] = g_camera.pos[1];
    out[2] = g_camera.pos[2];
}

void camera_defaults(void)
{
    g_camera.pitch = -90.0f;
    g_camera.yaw = 0.0f;
    g_camera.roll = 90.0f;
    g_camera.pos[0] = g_camera.pos[1] = g_camera.pos[2] = 0.0f;
    g_light_dir[0] = 0.0f;
    g_light_dir[1] = 1.0f;
    g_light_dir[2] = 0.0f;
    camera_init();
}

void camera_init(void)
{
    camera_identity(g_camera.world);
    g_camera.death_wobble = 0.0f;
    g_camera.bump = 0.0f;
    for (int i = 0; i < 3; i++) {
        g_camera.lead[i] = 0.0f;
        g_camera.shake[i] = 0.0f;
    }
    g_camera.weight = 0.0f;
    g_camera.light_angle = 0.0f;
    g_camera.spin = 0.0f;
    g_camera.end_view = 0;
    g_camera.drift_mode = (int)(((mt_rand() & 0x7fff) * 5u) >> 15);
    g_camera.side = (int)((mt_rand() & 0x7fff) >> 14);
    g_camera.follow_pitch = -90.0f;
    g_camera.follow_yaw = 0.0f;
    // The camera itself starts as the follow does, not where the last level left it.
    g_camera.pitch = g_camera.follow_pitch;
    g_camera.yaw = g_camera.follow_yaw;
    g_camera.roll = g_camera.side ? -90.0f : 90.0f;
    g_camera.follow[0] = 0.0f;
    g_camera.follow[1] = g_camera_height;
    g_camera.follow[2] = 0.0f;
    for (int i = 0; i < 3; i++) {
        g_camera.pos[i] = g_camera.follow[i];
    }
}

// The goal of a style around the lead: position and angles.
struct CameraGoal {
    float pos[3];
    float pitch, yaw;
};

static CameraGoal camera_goal(int style)
{
    const float h = g_camera_height;
    const float *l = g_camera.lead;
    CameraGoal g;
    switch (style) {
    case 0:
        g = {{l[0] + 1.2f * h, 0.0f, l[2]}, -90.0f, 90.0f};
        break;
    case 1:
        g = {{2.0f * l[0] + 0.6f * h, 0.9f * h + l[1], l[2]}, -90.0f, 30.0f};
        break;
    case 3: {
        float reach = 1.0f + 0.085f * h;
        g = {{l[0] * reach, 1.07f * h + l[1], l[2] * reach}, 4.0f * l[2] - 90.0f, 4.0f * l[0]};
        break;
    }
    case 4:
        g = {{l[0] - 1.2f * h, h + l[1], l[2]}, -90.0f, -90.0f};
        break;
    default:
        g = {{l[0], 1.1f * h + l[1], l[2]}, -90.0f, 0.0f};
        break;
    }
    return g;
}

// While the players stand close together the camera comes down and slides toward
// their middle: the floor rectangle they span, as the view sees it.
static void camera_frame_players(const float points[6])
{
    const float *a = points;
    const float *b = points + 3;
    const float corners[4][3] = {{a[0], a[1], a[2]}, {b[0], b[1], b[2]}, {a[0], a[1], b[2]}, {b[0], a[1], a[2]}};
    float view[16];
    camera_view_matrix(view);
    float lo[2] = {0.0f, 0.0f};
    float hi[2] = {0.0f, 0.0f};
    for (int i = 0; i < 4; i++) {
        const float *p = corners[i];
        for (int k = 0; k < 2; k++) {
            float v = view[k] * p[0] + view[4 + k] * p[1] + view[8 + k] * p[2] + view[12 + k];
            if (i == 0 || v < lo[k]) {
                lo[k] = v;
            }
            if (i == 0 || v > hi[k]) {
                hi[k] = v;
            }
        }
    }
    float dx = hi[0] - lo[0];
    float dy = hi[1] - lo[1];
    float mid_x = (hi[0] + lo[0]) * 0.5f;
    float mid_y = (hi[1] + lo[1]) * 0.5f;
    float q = (dx * dx + dy * dy) * CAMERA_FRAME_SCALE;
    float k = q < 2.0f ? (2.0f - q) * CAMERA_FRAME_DROP : 0.0f;
    g_camera.shake[1] += k;
    float c = k * CAMERA_FRAME_SLIDE;
    if (g_camera.side) {
        c = -c;
    }
    g_camera.shake[0] += c * mid_y;
    g_camera.shake[2] += c * mid_x;
}

void camera_update(const float target[3], const float points[6], int framing, int ticks)
{
    int goal_style;
    if (g_camera.end_view) {
        for (int i = 0; i < 3; i++) {
            g_camera.lead[i] *= CAMERA_DECAY;
        }
        g_camera.weight = CAMERA_END_FOLLOW;
        g_camera.spin += CAMERA_END_SPIN_STEP;
        static const int END_STYLES[5] = {2, 2, 0, 4, 2};
        int mode = g_camera.drift_mode;
        if (mode == 0) {
            g_camera.roll += g_camera.spin;
        } else if (mode == 1) {
            g_camera.roll -= g_camera.spin;
        }
        goal_style = mode >= 0 && mode < 5 ? END_STYLES[mode] : 2;
    } else {
        goal_style = g_camera.style;
        g_camera.lead[0] = g_camera.lead[1] = g_camera.lead[2] = 0.0f;
        if (goal_style == 3) {
            g_camera.lead[0] = 0.1f * target[0];
            g_camera.lead[2] = 0.1f * target[2];
        } else if (goal_style == 1) {
            g_camera.lead[2] = 0.15f * target[2];
        }
    }
    if (ticks < CAMERA_FREEZE_TICKS) {
        g_camera.weight = 0.0f;
    }

    CameraGoal goal = camera_goal(goal_style);
    const float w = g_camera.weight;
    for (int i = 0; i < 3; i++) {
        g_camera.follow[i] = (1.0f - w) * g_camera.follow[i] + w * goal.pos[i];
    }
    g_camera.follow_pitch = (1.0f - w) * g_camera.follow_pitch + w * goal.pitch;
    g_camera.follow_yaw = (1.0f - w) * g_camera.follow_yaw + w * goal.yaw;
    if (g_camera.weight < CAMERA_FOLLOW_MAX) {
        g_camera.weight += CAMERA_FOLLOW_STEP;
    }

    for (int i = 0; i < 3; i++) {
        g_camera.shake[i] *= CAMERA_DECAY;
    }
    g_camera.pitch = g_camera.follow_pitch;
    g_camera.yaw = g_camera.follow_yaw;
    if (framing == 1 && !g_camera.end_view) {
        camera_frame_players(points);
    }
    for (int i = 0; i < 3; i++) {
        g_camera.follow[i] -= g_camera.shake[i];
        g_camera.pos[i] = g_camera.follow[i];
    }

    if (g_camera.death_wobble != 0.0f) {
        float v = g_camera.death_wobble += CAMERA_WOBBLE_STEP;
        float r = v / 450.0f;
        g_camera.pitch += (85.0f * r * r + 5.0f) * sinf(v * DEG2RAD);
    }
    if (g_camera.bump > 0.0f) {
        float b = g_camera.bump -= CAMERA_BUMP_STEP;
        g_camera.pos[1] += sinf(6.0f * b * DEG2RAD) * sinf(b * DEG2RAD) * 1.5f;
    }
}

void camera_matrix(void)
{
    float a = g_camera.light_angle * DEG2RAD;
    float l[3] = {sinf(a), CAMERA_LIGHT_HEIGHT, cosf(a)};
    float inv = fast_recip(sqrtf(l[0] * l[0] + l[1] * l[1] + l[2] * l[2]));
    for (int i = 0; i < 3; i++) {
        g_light_dir[i] = l[i] * inv;
    }
    g_camera.light_angle += CAMERA_LIGHT_TURN * g_frame_dt;

    zgl_set_camera_matrix();

    float sr = sinf(g_camera.roll * DEG2RAD), cr = cosf(g_camera.roll * DEG2RAD);
    float sy = sinf(g_camera.yaw * DEG2RAD), cy = cosf(g_camera.yaw * DEG2RAD);
    float sp = sinf(g_camera.pitch * DEG2RAD), cp = cosf(g_camera.pitch * DEG2RAD);
    float *w = g_camera.world;
    const float columns[4][3] = {
        {cr * cy, sr * cp + cr * sy * sp, sr * sp - cr * sy * cp},
        {-sr * cy, cr * cp - sr * sy * sp, cr * sp + sr * sy * cp},
        {sy, -sp * cy, cp * cy},
        {g_camera.pos[0], g_camera.pos[1], g_camera.pos[2]},
    };
    for (int c = 0; c < 4; c++) {
        w[c * 4 + 0] = columns[c][0];
        w[c * 4 + 1] = columns[c][1];
        w[c * 4 + 2] = columns[c][2];
        w[c * 4 + 3] = c == 3 ? 1.0f : 0.0f;
    }
    for (int i = 0; i < 8; i++) {
        const float *e = g_frustum_eye_corners[i];
        for (int k = 0; k < 3; k++) {
            g_frustum_world_corners[i][k] = w[k] * e[0] + w[4 + k] * e[1] + w[8 + k] * e[2] + w[12 + k];
        }
    }
    frustum_planes_from_corners(g_frustum_planes, g_frustum_world_corners);
}
