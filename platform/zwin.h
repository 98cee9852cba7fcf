// zwin.h -- the window layer over SDL 1.2: the full-screen mode table, the GL window,
// gamma, swap, the tick clock, the quit request and opening a web page.
#pragma once

#include <cstdint>

constexpr int ZWIN_GAMMA_SIZE = 256;
constexpr int MAX_VIDEO_MODES = 32;        // SDL lists a few dozen at most; the menu steps through them
constexpr int ZWIN_FALLBACK_WIDTH = 640;   // used while SDL offers no mode list
constexpr int ZWIN_FALLBACK_HEIGHT = 480;

// Laid out like SDL's rectangle; x and y are always 0.
struct VideoMode {
    int16_t x;
    int16_t y;
    uint16_t width;
    uint16_t height;
};

// The full-screen OpenGL modes in the order SDL reports them, filled once at start.
extern VideoMode zwin_modes[MAX_VIDEO_MODES];
extern int zwin_mode_count;

// Size of the current video mode (640 x 480 until a mode is set).
extern int g_video_width;
extern int g_video_height;
// 0 while the window was iconified for a web page.
extern int g_zwin_active;

// The video settings (console variables of game/settings.cpp's table, saved in "config.cfg").
extern float g_render_resolution;          // index into the video mode table
extern float g_render_colourdepth;         // 1 .. 2
extern float g_render_brightness;          // 0 .. 1, 0.5 the identity gamma
extern float g_render_fullscreen;          // -1 until "config.cfg" ran; its change handler is restart

// Fills the mode table once (when still empty) and logs it. Without a list from SDL
// the table stays empty and the modes fall back to 640 x 480.
void zwin_list_modes(void);
// Opens the window in g_video_width x g_video_height with the GL attributes the
// renderer needs, captioned "Glimmerfall". Returns 1, or 0 when SDL refuses (logged).
int zwin_set_video_mode(void);
// Clamps render_resolution, takes that mode's size and sets the mode; a mode that
// cannot be set ends the process with exit status 1.
void zwin_reset_video(void);
// render_resolution as an index for zwin_reset_video: below 0 -> 0, beyond the table ->
// the last entry, written back. -1 with an empty table (the setting stays as it is).
int zwin_reset_index(void);
// The menu's variant: render_resolution wraps (below 0 -> last, beyond -> 0), is written
// back and its mode's size returned; 640 x 480 with an empty table.
void zwin_clamp_mode(int *width, int *height);
// Colour depth and SDL flags of the mode to set, from render_fullscreen and render_colourdepth.
int zwin_mode_depth(void);
uint32_t zwin_mode_flags(void);
// The gamma ramp of a brightness setting: entry i = i * 256 + (brightness - 0.5) * 65280,
// clamped to 0..65280; 0.5 is the identity.
void zwin_gamma_ramp(float brightness, uint16_t ramp[ZWIN_GAMMA_SIZE]);
// Applies the ramp of render_brightness to red, green and blue.
void zwin_set_gamma(void);
void zwin_swap(void);
// Flushes the GL pipeline when GL is up.
void zwin_flush(void);
// The renderer's flush (zgl_flush) that zwin_flush calls, handed over at start-up
// (init_imports): GL's state is the renderer's.
extern void (*g_zwin_gl_flush)(void);
// Milliseconds since SDL started.
uint32_t zwin_ticks(void);
// Ends the main loop after the current frame.
void zwin_quit_requested(void);
// Opens a page in a web browser, leaving full screen first: 1 the online score page,
// 8 the help page below the base folder (other values only leave full screen).
void zwin_open_url(int which);
