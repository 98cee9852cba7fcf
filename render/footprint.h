// footprint.h -- two pools of short-lived floor effects: the footprints that walking
// enemies leave and the floating score numbers of kills.
#pragma once

// Draws the live footprints into the face batch and ages them by g_frame_dt.
void footprint_draw(void);
// Every footprint's life 0 (at level start); nothing without a pool.
void footprint_clear(void);
// Frees the footprint pool (at level release).
void footprint_free(void);
// Lays a footprint at a bone matrix's floor position (animation events); texture 0 or 1.
void footprint_add(const float *matrix, float size, float life, int texture);
// Allocates and clears / frees the score-number pool (level set-up / release).
void scorepop_alloc(void);
void scorepop_free(void);
// Draws the live score numbers and ages them by dt.
void scorepop_update_draw(float dt);
