// beastie_local.h -- what the enemy files share: handle slots, the helpers of creation,
// update, movement and links, and the state of the list pass.
#pragma once

#include "world/beastie.h"

// Hittable and counted alive while the hit clock is below 0.
inline int beastie_live(const Beastie *b)
{
    return b->hit_clock < 0.0f;
}

// Handle slots: beastie_init takes one (0, or -1 with every slot in use, logged), the
// destroy gives it back. Reset at level start with the creation serial.
int beastie_handle_take(Beastie *b);
void beastie_handle_drop(Beastie *b);
void beastie_handles_reset(void);

// Set by every listing; the list pass rebuilds its pair snapshot when it finds it set.
extern int g_beasties_listed;

// The type's explosions of the event at the centre of the first hit sphere (the position
// without one), with the bone matrices, radius and heading.
void beastie_explode(Beastie *b, int event);
// The root matrix (entry 0 of the matrix block) from the angles, the scale and the
// position.
void beastie_build_root_matrix(Beastie *b);
// The heading's {angle, sine, cosine} from the yaw entry of the root matrix's angle cache
// (the movement's heading is the yaw the root matrix takes next): made again only for a
// new heading.
const float *beastie_yaw_trig(Beastie *b, float heading);
// Random offsets (x/z scatter of the target) and the trajectory offset with its delay.
void beastie_draw_offsets(Beastie *b);
void beastie_draw_trajectory(Beastie *b);
// A new spin speed of either sign (divided by the scale under GEOPUS_ARRANGE) and
// "spin1_x" at a speed from turn_speed_moving up to twice that.
void beastie_new_spin(Beastie *b);
// A cmt_fixed_dirn enemy sets off: its velocity and a new spin.
void beastie_launch_fixed(Beastie *b);
// A beam turned the enemy back (g_fizz_bounce_angle): sidesteps count again, a
// cmt_fixed_dirn enemy sets off near the bounce heading, a negative fence_bounce kills.
void beastie_hit_barrier(Beastie *b);
// Each random animation of the block that is not playing counts down and, run out,
// starts again.
void beastie_random_anims(Beastie *b);
