// zwin.cpp -- the window layer: video modes, the GL window and its gamma ramp.

#include "platform/zwin.h"

void zwin_list_modes(void)
{
}

void zwin_gamma_ramp(float brightness, uint16_t ramp[ZWIN_GAMMA_SIZE])
{
    int offset = (int)((brightness - 0.5f) * 65280.0f);
    for (int i = 0; i < ZWIN_GAMMA_SIZE; i++) {
        int v = i * 256 + offset;
        if (v < 0) {
            v = 0;
        } else if (v > 0xff00) {
            v = 0xff00;
        }
        ramp[i] = (uint16_t)v;
    }
}
