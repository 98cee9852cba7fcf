// lifecycle.cpp -- the program's start-up, shut-down, level set-up and video restart.

#include "game/lifecycle.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/frame.h"
#include "game/settings.h"
#include "platform/input.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>

char *g_language;
float g_language_num;

// One asset folder prefix; the parts are short literals, so a cut would be a bug.
static void init_asset_dir(char dst[FILE_DIR_SIZE], const char *fmt, ...) __attribute__((format(printf, 2, 3)));
static void init_asset_dir(char dst[FILE_DIR_SIZE], const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    if (vsnprintf(dst, FILE_DIR_SIZE, fmt, args) >= FILE_DIR_SIZE) {
        con_printf("*** [init] asset folder cut to %s", dst);
    }
    va_end(args);
}

// Builds the asset folder prefixes relative to the working directory.
static void init_asset_dirs(void)
{
    init_asset_dir(g_dir_sep, "/");
    init_asset_dir(g_styles_dir, "..%sstyles%s", g_dir_sep, g_dir_sep);
    init_asset_dir(g_bitmaps_dir, "%sbitmaps%s", g_styles_dir, g_dir_sep);
    init_asset_dir(g_sfx_dir, "%ssfx%s", g_styles_dir, g_dir_sep);
    init_asset_dir(g_particles_dir, "%sparticles%s", g_styles_dir, g_dir_sep);
    init_asset_dir(g_explosions_dir, "%sexplosions%s", g_styles_dir, g_dir_sep);
    init_asset_dir(g_menu_dir, "..%smenu%s", g_dir_sep, g_dir_sep);
}

void init_console_vars(void)
{
    con_config(0);
    g_language = con_add_string_var("language", "en", nullptr);
    g_language_num = 0.0f;
    con_add_float_var("language_num", &g_language_num, nullptr);
    input_register_vars();
    init_register_vars();
}

int init_game(void)
{
    con_printf("[init] init_game");
    mt_seed((uint32_t)time(nullptr));
    init_asset_dirs();
    init_console_vars();
    // render_fullscreen starts at -1, so either the saved line or the fallback
    // changes it and its handler opens the first video mode.
    con_config(1);
    game_frame_enter();
    con_printf("[init] done init_game\n");
    return 0;
}

int init_level(void)
{
    return 0;
}

int free_level(void)
{
    con_printf("[init] start free_level");
    con_printf("[init] done free_level\n");
    return 0;
}

int free_game(void)
{
    con_printf("[init] start free_game");
    free_level();
    game_frame_leave();
    mem_report(1);
    con_printf("[init] done free_game\n");
    con_save_config();
    return 0;
}

void restart(const char *name, float *value)
{
    (void)name;
    (void)value;
    settings_clamp();
    con_printf(" [init] restart");
}
