// camera.h -- the camera above the arena: its position and angles, the light direction,
// the world-pass modelview and the view volume in world space.
#pragma once

// The camera's play and end-of-level state that the game flow sets.
struct CameraState {
    int style;             // play style; 3 from the start of a game on
    int drift_mode;        // 0..4: how the end view drifts
    int end_view;          // 1: the end view (game over, or a completed level's end)
    float death_wobble;    // 0 off; set to 1 some time after a death, then swings the pitch
};
extern CameraState g_camera;

// Start values (looking straight down), then camera_init; once, from init_game.
void camera_defaults(void);
// At every level start and restart: the follow state eases in from the start point.
void camera_init(void);
// Per tick or frame: light direction, modelview and the view volume's world corners and planes.
void camera_matrix(void);
// The camera's position in world space.
void camera_position(float out[3]);
