// zwin.h -- the window layer over SDL 1.2: video modes, the GL window, gamma, swap,
// the tick clock and the quit request.
#pragma once

#include <cstdint>

constexpr int ZWIN_GAMMA_SIZE = 256;

// Fills the full-screen mode table once and logs it.
void zwin_list_modes(void);
// The gamma ramp of a brightness setting: entry i = i * 256 + (brightness - 0.5) * 65280,
// clamped to 0..65280; 0.5 is the identity.
void zwin_gamma_ramp(float brightness, uint16_t ramp[ZWIN_GAMMA_SIZE]);
