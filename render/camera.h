// camera.h -- the camera above the arena: its position and angles, the light direction,
// the world-pass modelview and the view volume in world space.
#pragma once

// Start values (looking straight down), then camera_init; once, from init_game.
void camera_defaults(void);
// Per tick or frame: light direction, modelview and the view volume's world corners and planes.
void camera_matrix(void);
// The camera's position in world space.
void camera_position(float out[3]);
