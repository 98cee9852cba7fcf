// settings.cpp -- the game's float settings: one table holds each setting's name,
// storage, default and range, so the saved file, the defaults and the clamps agree.

#include "game/settings.h"

#include "core/con.h"
#include "game/lifecycle.h"
#include "platform/bind.h"
#include "platform/input.h"

float g_sound_devnum;
float g_render_levelnum;
float g_render_sync;

struct SettingDef {
    const char *name;
    float *value;
    float def;
    bool clamped;
    float min;
    float max;
    con_float_handler_t on_change;
};

constexpr float SETTING_NO_MAX = 1.0e6f;

// Registration order is the order of the lines in "config.cfg".
static const SettingDef SETTINGS[] = {
    {"sound_devnum", &g_sound_devnum, -1.0f, false, 0, 0, nullptr},
    {"sound_sfxvol", &g_sound_sfxvol, 1.0f, true, 0.75f, 1.0f, nullptr},
    {"sound_menuvol", &g_sound_menuvol, 1.0f, true, 0.75f, 1.0f, nullptr},
    {"render_levelnum", &g_render_levelnum, 101.0f, false, 0, 0, nullptr},
    {"render_modelnum1", &g_render_modelnum1, 1.0f, false, 0, 0, nullptr},
    {"render_modelhue1", &g_render_modelhue1, 0.0f, false, 0, 0, nullptr},
    {"render_modelnum2", &g_render_modelnum2, 2.0f, false, 0, 0, nullptr},
    {"render_modelhue2", &g_render_modelhue2, 0.0f, false, 0, 0, nullptr},
    {"render_alternaterenderpath", &g_render_alternaterenderpath, 0.0f, false, 0, 0, nullptr},
    {"render_biggcrosshair", &g_render_biggcrosshair, 0.0f, true, 0.25f, 1.0f, nullptr},
    {"render_resolution", &g_render_resolution, 1.0f, false, 0, 0, nullptr},
    {"render_colourdepth", &g_render_colourdepth, 1.0f, true, 1.0f, 2.0f, nullptr},
    {"render_sync", &g_render_sync, 0.0f, false, 0, 0, nullptr},
    {"render_brightness", &g_render_brightness, 0.5f, true, 0.0f, 1.0f, nullptr},
    {"render_16bittexture", &g_render_16bittexture, 1.0f, false, 0, 0, nullptr},
    {"render_trilinear", &g_render_trilinear, 1.0f, false, 0, 0, nullptr},
    {"render_particles", &g_render_particles, 1.0f, true, 0.25f, 1.0f, nullptr},
    {"render_backgroundgfx", &g_render_backgroundgfx, 2.0f, true, 0.0f, 3.0f, nullptr},
    {"render_fullscreen", &g_render_fullscreen, -1.0f, false, 0, 0, restart},
};

static void settings_clamp_value(float *v, float min, float max)
{
    if (*v > max) {
        *v = max;
    } else if (*v < min) {
        *v = min;
    }
}

void init_register_vars(void)
{
    for (const SettingDef &s : SETTINGS) {
        *s.value = s.def;
        con_add_float_var(s.name, s.value, s.on_change);
    }
}

void settings_clamp(void)
{
    for (PlayerInput &p : g_player_input) {
        // A device no saved line chose yet is chosen after "config.cfg" ran.
        if (p.input_type != INPUT_TYPE_UNCHOSEN) {
            settings_clamp_value(&p.input_type, 0.0f, 2.0f);
        }
        settings_clamp_value(&p.joystick_deadzone, 0.1f, 0.901f);
    }
    settings_clamp_value(&g_mouse_speed, 0.01f, SETTING_NO_MAX);
    for (const SettingDef &s : SETTINGS) {
        if (s.clamped) {
            settings_clamp_value(s.value, s.min, s.max);
        }
    }
    settings_wrap_models(0);
}

static void settings_wrap_ranges(void)
{
    float *ships[] = {&g_render_modelnum1, &g_render_modelnum2};
    float *hues[] = {&g_render_modelhue1, &g_render_modelhue2};
    for (int p = 0; p < 2; p++) {
        if (*ships[p] > 4.0f) {
            *ships[p] = 0.0f;
        } else if (*ships[p] < 0.0f) {
            *ships[p] = 4.0f;
        }
        if (*hues[p] > 11.0f) {
            *hues[p] = 0.0f;
        } else if (*hues[p] < 0.0f) {
            *hues[p] = 11.0f;
        }
    }
}

void settings_wrap_models(int dir)
{
    settings_wrap_ranges();
    if (g_render_modelnum1 == g_render_modelnum2) {
        if (dir == 1) {
            g_render_modelnum1 += 1.0f;
        } else if (dir == -1) {
            g_render_modelnum1 -= 1.0f;
        } else if (dir == -2) {
            g_render_modelnum2 -= 1.0f;
        } else {
            g_render_modelnum2 += 1.0f;
        }
    }
    settings_wrap_ranges();
}
