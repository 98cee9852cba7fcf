// zwin.cpp -- the window layer: the mode table, the GL window and its gamma ramp, swap,
// clock and quit request, and leaving full screen to open a web page.

#include "platform/zwin.h"

#include "core/con.h"
#include "core/shell.h"
#include "platform/browser.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>

VideoMode zwin_modes[MAX_VIDEO_MODES];
int zwin_mode_count;
int g_video_width = ZWIN_FALLBACK_WIDTH;
int g_video_height = ZWIN_FALLBACK_HEIGHT;
int g_zwin_active = 1;
float g_render_resolution;
float g_render_colourdepth;
float g_render_brightness = 0.5f;
float g_render_fullscreen = -1.0f;
void (*g_zwin_gl_flush)(void);

static const char ZWIN_CAPTION[] = "Glimmerfall";
// The online score page; the help page is a file below the base folder.
static const char ZWIN_SCORE_URL[] = "http://www.glimmerfall.example/showscore.php";
constexpr int ZWIN_URL_SIZE = 4200;          // the base folder (4096) plus "/menu/readme.htm"

constexpr int ZWIN_DEPTH_BITS = 16;
constexpr int ZWIN_KEY_REPEAT_DELAY = 500;   // ms before the first repeat
constexpr int ZWIN_KEY_REPEAT_INTERVAL = 30; // ms between repeats
constexpr int ZWIN_WHICH_SCORES = 1;
constexpr int ZWIN_WHICH_HELP = 8;

void zwin_list_modes(void)
{
    if (zwin_mode_count > 0) {
        return;
    }
    SDL_Rect **modes = SDL_ListModes(nullptr, SDL_FULLSCREEN | SDL_OPENGL);
    if (!modes || modes == (SDL_Rect **)-1) {
        con_printf("[zwin] no list of screenmodes, using %dx%d", ZWIN_FALLBACK_WIDTH, ZWIN_FALLBACK_HEIGHT);
        return;
    }
    con_printf("[zwin] Available screenmodes:");
    for (int i = 0; modes[i] && zwin_mode_count < MAX_VIDEO_MODES; i++) {
        con_printf("  %dx%d", modes[i]->w, modes[i]->h);
        VideoMode *m = &zwin_modes[zwin_mode_count++];
        m->x = 0;
        m->y = 0;
        m->width = modes[i]->w;
        m->height = modes[i]->h;
    }
}

int zwin_mode_depth(void)
{
    if (g_render_fullscreen != 1.0f) {
        return 0;   // the desktop's
    }
    return g_render_colourdepth == 1.0f ? 16 : 32;
}

uint32_t zwin_mode_flags(void)
{
    uint32_t flags = SDL_OPENGL;
    if (g_render_fullscreen == 1.0f) {
        flags |= SDL_FULLSCREEN;
    }
    return flags;
}

int zwin_set_video_mode(void)
{
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, ZWIN_DEPTH_BITS);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(g_video_width, g_video_height, zwin_mode_depth(), zwin_mode_flags())) {
        con_printf("*** [zwin] SDL_SetVideoMode failed: %s", SDL_GetError());
        return 0;
    }
    SDL_WM_SetCaption(ZWIN_CAPTION, ZWIN_CAPTION);
    int depth = 0;
    int dbl = 0;
    int buffer = 0;
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depth);
    SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &dbl);
    SDL_GL_GetAttribute(SDL_GL_BUFFER_SIZE, &buffer);
    con_printf("depth %d, double %d, buffer %d", depth, dbl, buffer);
    SDL_EnableKeyRepeat(ZWIN_KEY_REPEAT_DELAY, ZWIN_KEY_REPEAT_INTERVAL);
    return 1;
}

int zwin_reset_index(void)
{
    if (zwin_mode_count <= 0) {
        return -1;
    }
    int index = (int)g_render_resolution;
    if (index < 0) {
        index = 0;
    } else if (index >= zwin_mode_count) {
        index = zwin_mode_count - 1;
    }
    g_render_resolution = (float)index;
    return index;
}

void zwin_clamp_mode(int *width, int *height)
{
    int w = ZWIN_FALLBACK_WIDTH;
    int h = ZWIN_FALLBACK_HEIGHT;
    if (zwin_mode_count > 0) {
        int index = (int)g_render_resolution;
        if (index < 0) {
            index = zwin_mode_count - 1;
        } else if (index >= zwin_mode_count) {
            index = 0;
        }
        g_render_resolution = (float)index;
        w = zwin_modes[index].width;
        h = zwin_modes[index].height;
    }
    if (width) {
        *width = w;
    }
    if (height) {
        *height = h;
    }
}

// Takes the clamped mode's size and sets the mode, or ends the process.
static void zwin_set_clamped_mode(void)
{
    int index = zwin_reset_index();
    if (index >= 0) {
        g_video_width = zwin_modes[index].width;
        g_video_height = zwin_modes[index].height;
    } else {
        g_video_width = ZWIN_FALLBACK_WIDTH;
        g_video_height = ZWIN_FALLBACK_HEIGHT;
    }
    con_printf("[zwin] Setting video mode %d: %dx%d", index, g_video_width, g_video_height);
    if (!zwin_set_video_mode()) {
        exit(1);
    }
}

void zwin_reset_video(void)
{
    zwin_set_clamped_mode();
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

void zwin_set_gamma(void)
{
    Uint16 ramp[ZWIN_GAMMA_SIZE];
    zwin_gamma_ramp(g_render_brightness, ramp);
    SDL_SetGammaRamp(ramp, ramp, ramp);
}

void zwin_swap(void)
{
    SDL_GL_SwapBuffers();
}

void zwin_flush(void)
{
    g_zwin_gl_flush();
}

uint32_t zwin_ticks(void)
{
    return SDL_GetTicks();
}

void zwin_quit_requested(void)
{
    g_app_quit = 1;
}

void zwin_open_url(int which)
{
    if (g_render_fullscreen == 1.0f && !g_app_quit) {
        // A browser cannot show over a full-screen window: set the mode afresh and
        // iconify it; the main loop restarts the video when focus returns.
        g_app_iconified = 1;
        g_zwin_active = 0;
        zwin_flush();
        zwin_set_clamped_mode();
        SDL_WM_IconifyWindow();
    }
    if (which == ZWIN_WHICH_HELP) {
        char url[ZWIN_URL_SIZE];
        snprintf(url, sizeof(url), "%s/menu/readme.htm", g_base_dir);
        browser_launch(url);
    } else if (which == ZWIN_WHICH_SCORES) {
        browser_launch(ZWIN_SCORE_URL);
    }
}
