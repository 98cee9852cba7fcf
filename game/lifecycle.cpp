// lifecycle.cpp -- the program's start-up, shut-down, level set-up and video restart,
// each in its fixed order.

#include "game/lifecycle.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/hud.h"
#include "game/level_driver.h"
#include "game/menu.h"
#include "game/settings.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/zwin.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/font.h"
#include "render/footprint.h"
#include "render/hudgfx.h"
#include "render/particle.h"
#include "render/tex.h"
#include "render/title.h"
#include "render/zgl.h"
#include "script/lua_bind.h"
#include "world/gamer.h"

#include <cstdarg>
#include <cstdio>

float g_language_num;
char g_level_name[LEVEL_NAME_SIZE];
time_t g_level_start_time;
time_t (*g_lifecycle_clock)(time_t *) = time;

constexpr int LIFECYCLE_GL_CHECK_LEVEL = 21;   // place number of init_level's GL error check
constexpr int LIFECYCLE_LEVEL_ALIGNMENT = 8;

static void lifecycle_init_gl(void)
{
    zgl_init_gl();
    zgl_setup_view(g_video_width, g_video_height);
    zgl_texture_init();
    title_load_fonts();
}

const LifecycleDisplay LIFECYCLE_DISPLAY_DEFAULT = {zwin_reset_video, lifecycle_init_gl};
LifecycleDisplay g_lifecycle_display = LIFECYCLE_DISPLAY_DEFAULT;

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

void init_imports(void)
{
    g_file_imports = TEX_FILE_IMPORTS;
    g_zwin_gl_flush = zgl_flush;
    g_sound_listener = camera_position;
    g_gamer_imports = GamerImports{gameinfo_get, gameinfo_set, hud_set_player_ref};
    g_lua_level_label = hud_set_level_label;
}

int init_game(void)
{
    init_imports();
    con_printf("[init] init_game");
    mt_seed((uint32_t)time(nullptr));
    camera_defaults();
    init_asset_dirs();
    init_console_vars();
    // The controls page opens on the saved device; without a saved line it is the one
    // that plays, decided once the first restart has counted the joysticks.
    for (PlayerInput &p : g_player_input) {
        p.input_type = INPUT_TYPE_UNCHOSEN;
    }
    // render_fullscreen starts at -1, so the saved line or the fallback changes it and
    // its handler opens the first video mode.
    con_config(1);
    if (g_render_fullscreen == -1.0f) {
        // A hand-edited or cut "config.cfg" without a usable render_fullscreen line
        // would leave the program without a window.
        char fallback[] = "render_fullscreen 1";
        con_exec(fallback);
    }
    input_choose_default_type();
    menu_init();
    game_frame_enter();
    con_printf("[init] done init_game\n");
    return 0;
}

int free_game(void)
{
    con_printf("[init] start free_game");
    free_level();
    file_free_textures();
    sound_shutdown();
    game_frame_leave();
    menu_free_languages();
    mem_report(1);
    zgl_stop();
    con_printf("[init] done free_game\n");
    con_save_config();
    return 0;
}

int init_level(void)
{
    snprintf(g_level_name, sizeof(g_level_name), "level%d", g_level_number);
    con_printf("\n[init] start init_level %s", g_level_name);
    g_level_start_time = g_lifecycle_clock(nullptr);
    g_f2_flag = 0;
    menu_start(1);
    sound_load_ambient();
    zgl_texture_init();
    zbatch_level_start();
    particle_init_holders();
    title_load_fonts();
    scorepop_alloc();
    hud_init_level();
    hudgfx_load();
    game_session_start();
    zgl_check_error(LIFECYCLE_GL_CHECK_LEVEL);
    input_reset();
    zgl_set_pixel_alignment(LIFECYCLE_LEVEL_ALIGNMENT);
    con_printf("[init] done init_level");
    return 0;
}

int free_level(void)
{
    con_printf("[init] start free_level");
    zgl_flush();
    zbatch_unlock_arrays();
    zgl_flush_and_forget_floor();
    zgl_texture_free_all();
    game_session_end();
    particle_info();
    scorepop_free();
    footprint_free();
    file_free_textures_level();
    con_printf("[init] done free_level\n");
    return 0;
}

void restart(const char *name, float *value)
{
    (void)name;
    (void)value;
    // A console line run while the video or the input starts (a settings line where
    // only bindings belong) must not start a second restart inside this one.
    static int restarting;
    if (restarting) {
        con_printf("*** [init] restart asked for while one runs; ignored");
        return;
    }
    restarting = 1;
    settings_clamp();
    con_printf(" [init] restart");

    // Tear down everything that belongs to the old mode and context.
    zgl_flush();
    file_free_textures();
    sound_shutdown();
    input_shutdown();
    zgl_flush_and_forget_floor();
    zgl_texture_free_all();
    zgl_stop();
    zgl_flush();

    g_lifecycle_display.set_mode();
    g_lifecycle_display.init_gl();
    sound_init();
    input_init();
    restarting = 0;
}
