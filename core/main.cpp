// main.cpp -- the program's entry: brings up SDL, the pool and the log, lets the life
// cycle build the game, runs the main loop and tears everything down in order.

#include "core/con.h"
#include "core/mem.h"
#include "core/shell.h"
#include "game/frame.h"
#include "game/lifecycle.h"
#include "game/settings.h"
#include "platform/input.h"
#include "platform/zwin.h"

#include <SDL.h>
#include <cstdlib>
#include <unistd.h>

// Drains SDL's queue. Keys and the mouse are sampled by the input timer, so every
// event but focus and quit is discarded.
static void main_poll_events(void)
{
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_ACTIVEEVENT) {
            if (event.active.gain && g_app_iconified) {
                g_app_iconified = 0;
                restart(nullptr, nullptr);
                SDL_ShowCursor(0);
            }
        } else if (event.type == SDL_QUIT) {
            g_app_quit = 1;
        }
    }
}

int main(int argc, char **argv)
{
    (void)argc;
    (void)argv;
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) != 0) {
        return -1;
    }
    atexit(SDL_Quit);
    mem_hold_heap();
    g_app_quit = 0;
    g_app_iconified = 0;
    mem_init();

    char cwd[SHELL_BASE_DIR_SIZE];
    shell_set_base_dir(getcwd(cwd, sizeof(cwd)));
    log2file("log2file", "console.txt");
    con_printf("%s", g_base_dir);

    zwin_list_modes();
    init_game();

    Uint16 ramp[ZWIN_GAMMA_SIZE];
    zwin_gamma_ramp(g_render_brightness, ramp);
    SDL_SetGammaRamp(ramp, ramp, ramp);
    SDL_ShowCursor(0);

    while (!g_app_quit) {
        main_poll_events();
        // Nothing was due: yield the core instead of spinning on the clock.
        if (!game_frame_main()) {
            SDL_Delay(1);
        }
    }

    g_app_quit = 1;
    input_shutdown();
    free_game();
    SDL_Quit();
    log2file("log2file", nullptr);
    return 0;
}
