// Fuzz target: "config.cfg" as the game's start reads it. The console registers the
// game's own variables and commands and executes the file; the render_fullscreen line
// fires the video restart, whose part on the settings (the clamp) runs here in place of
// the window. Afterwards every setting must be one the game can use: each ranged one
// inside its range, and the readers that turn settings into indexes (video mode,
// language, controls page, gamma ramp) stay inside their tables.

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "game/lifecycle.h"
#include "game/menu.h"
#include "game/menu_local.h"
#include "game/settings.h"
#include "platform/bind.h"
#include "platform/input.h"
#include "platform/zwin.h"
#include "tests/core/fuzz_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

static bool within(float v, float min, float max)
{
    return v >= min && v <= max;
}

static size_t baseline;   // the pool in use after set-up: the two languages' texts

// The settings half of restart: the clamp, before the display would be rebuilt.
static void restart_settings(const char *, float *)
{
    settings_clamp();
}

static void set_up(void)
{
    mem_init();
    std::string root = fuzz::enter_private_folder();
    // Two languages, so the language choice has something to wrap over.
    std::filesystem::create_directories(root + "/menu");
    const char menu[] = "[0]\nfree\n1\n[0]word\n\n";
    const char keys[] = "a\nb\n";
    const char list[] = "en#de#\n";
    fuzz::put_file("../menu/menu_en.txt", (const uint8_t *)menu, sizeof(menu) - 1);
    fuzz::put_file("../menu/keys_en.txt", (const uint8_t *)keys, sizeof(keys) - 1);
    fuzz::put_file("../menu/languages.txt", (const uint8_t *)list, sizeof(list) - 1);
    snprintf(g_menu_dir, FILE_DIR_SIZE, "../menu/");
    menu_init_languages();
    fuzz::check(g_language_count == 2);
    // A mode list such as SDL gives.
    const int sizes[][2] = {{1280, 1024}, {1024, 768}, {800, 600}, {640, 480}};
    zwin_mode_count = 0;
    for (const auto &s : sizes) {
        zwin_modes[zwin_mode_count++] = VideoMode{0, 0, (uint16_t)s[0], (uint16_t)s[1]};
    }
    baseline = mem_usage;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = (set_up(), true);
    (void)ready;
    if (size > (1u << 16)) {
        return 0;
    }
    fuzz::put_file("config.cfg", data, size);

    init_console_vars();
    for (int i = 0; i < con_float_var_count; i++) {
        if (con_float_vars[i].value == &g_render_fullscreen) {
            con_float_vars[i].on_change = restart_settings;
        }
    }
    con_config(1);
    settings_clamp();

    fuzz::check(within(g_sound_sfxvol, 0.75f, 1.0f) && within(g_sound_menuvol, 0.75f, 1.0f));
    fuzz::check(within(g_render_biggcrosshair, 0.25f, 1.0f) && within(g_render_colourdepth, 1.0f, 2.0f));
    fuzz::check(within(g_render_brightness, 0.0f, 1.0f) && within(g_render_particles, 0.25f, 1.0f));
    fuzz::check(within(g_render_backgroundgfx, 0.0f, 3.0f));
    fuzz::check(within(g_render_modelnum1, 0.0f, 4.0f) && within(g_render_modelnum2, 0.0f, 4.0f));
    fuzz::check(within(g_render_modelhue1, 0.0f, 11.0f) && within(g_render_modelhue2, 0.0f, 11.0f));
    fuzz::check(g_mouse_speed >= 0.01f);
    for (const PlayerInput &p : g_player_input) {
        fuzz::check(within(p.input_type, 0.0f, 2.0f) && within(p.joystick_deadzone, 0.1f, 0.901f));
        int set = menu_bind_set(p.input_type);
        fuzz::check(set >= 0 && set <= 2);
    }
    fuzz::check(strnlen(g_language, CON_NAME_SIZE) < CON_NAME_SIZE);

    int index = zwin_reset_index();
    fuzz::check(index >= 0 && index < zwin_mode_count);
    int width = 0;
    int height = 0;
    zwin_clamp_mode(&width, &height);
    fuzz::check(width >= 640 && height >= 480);
    uint16_t ramp[ZWIN_GAMMA_SIZE];
    zwin_gamma_ramp(g_render_brightness, ramp);

    fuzz::check(menu_get_language_text(nullptr) != nullptr);
    fuzz::check(g_language_num >= 0.0f && g_language_num < (float)g_language_count);
    fuzz::check(mem_usage == baseline);
    return 0;
}
