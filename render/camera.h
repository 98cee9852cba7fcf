// camera.h -- the camera above the arena: its position and angles, the follow state that
// eases it after the players, the slowly turning light direction, the world-pass
// modelview and the view volume in world space.
#pragma once

// The camera's whole state. Angles are degrees.
struct CameraState {
    int style;             // play style; 3 from the start of a game on
    int drift_mode;        // 0..4: how the end view drifts
    int end_view;          // 1: the end view (game over, or a completed level's end)
    float death_wobble;    // 0 off; set to 1 some time after a death, then swings the pitch
    float bump;            // 0 off; set to 90 when the ship is knocked, then shakes the height
    float pos[3];
    float pitch, yaw, roll;
    int side;              // 1: the camera is rolled the other way round (roll -90)
    float follow[3];       // the eased position
    float follow_pitch, follow_yaw;
    float lead[3];         // how far the goal leads the players' view point
    float shake[3];        // offset taken off the follow position: framing and its decay
    float weight;          // follow weight, eases in from 0 to 0.05 after every (re)start
    float spin;            // roll speed of the end view
    float light_angle;
    float world[16];       // camera to world, column-major: rotation and the position
};
extern CameraState g_camera;

// Unit direction toward the light, turning slowly round the vertical.
extern float g_light_dir[3];
// The view volume's corners in world space (the eye-space corners of zgl.h moved by
// the camera), rebuilt by camera_matrix with the frustum planes of mathlib.h.
extern float g_frustum_world_corners[8][3];

// Start values (looking straight down), then camera_init; once, from init_game.
void camera_defaults(void);
// At every level start and restart: above the arena's middle at the start height, the
// follow easing in from there; a new drift mode and side.
void camera_init(void);
// Per tick: eases the camera toward the goal of its style around target (the players'
// view point). points: two floor points (x, y, z each) of the players, framed while
// framing is 1 (normal play). ticks: the level tick count.
void camera_update(const float target[3], const float points[6], int framing, int ticks);
// Per tick or frame: light direction, modelview and the view volume's world corners and planes.
void camera_matrix(void);
// Modelview = the camera's view transform (when GL is up).
void zgl_set_camera_matrix(void);
// The view transform (modelview) as a column-major matrix.
void camera_view_matrix(float m[16]);
// The camera's position in world space.
void camera_position(float out[3]);
