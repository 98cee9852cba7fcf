// hud_scene.h -- the HUD frame of the benchmarks: two ship rings and the aim marker on
// the floor, life and bomb icons, the multiplier bar, the difficulty box and 300
// characters of text, drawn over whatever the frame drew (the HUD's and the fonts'
// textures loaded: hudgfx_load, title_load_fonts).
#pragma once

void bench_hud_draw(void);
