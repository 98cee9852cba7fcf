// headless.h -- runs the life cycle and the frame function without a window: the
// display steps of restart and the frame's clock and drawing are replaced by recorders.
#pragma once

#include "core/con.h"
#include "game/frame.h"
#include "game/level_driver.h"
#include "game/lifecycle.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "render/camera.h"

#include <cstdint>
#include <string>
#include <vector>

namespace headless {

// Everything the fakes saw, in order ("set_mode", "front_clear 8", ...).
inline std::vector<std::string> &calls()
{
    static std::vector<std::string> list;
    return list;
}

inline uint32_t &now_ms()
{
    static uint32_t now;
    return now;
}

// What the fake logo drawing returns: 1 drawn, 0 missing.
inline int &logo_result()
{
    static int result = 1;
    return result;
}

inline void record(const std::string &what)
{
    calls().push_back(what);
}

inline void set_mode()
{
    // Logged as well, so tests can place it among the life cycle's own lines.
    con_printf("(test) set_mode");
    record("set_mode");
}

inline void init_gl()
{
    con_printf("(test) init_gl");
    record("init_gl");
}

inline uint32_t clock()
{
    return now_ms();
}

inline void game_clear() { record("game_clear"); }
inline void game_draw() { record("game_draw"); }
inline void front_clear(int screen) { record("front_clear " + std::to_string(screen)); }
inline void front_overlay(int screen) { record("front_overlay " + std::to_string(screen)); }
inline int front_logo(int page)
{
    record("front_logo " + std::to_string(page));
    return logo_result();
}
inline void front_pages(int screen) { record("front_pages " + std::to_string(screen)); }

// Installs the fakes; restore() puts the real steps back and stops what a restart
// started (the sound device and the input's sampler), so no later test in the process
// finds them running.
inline void install()
{
    calls().clear();
    now_ms() = 1000;
    logo_result() = 1;
    g_lifecycle_display = LifecycleDisplay{set_mode, init_gl};
    g_frame_hooks = FrameHooks{clock, game_clear, game_draw, front_clear, front_overlay, front_logo, front_pages};
}

inline void restore()
{
    input_shutdown();
    sound_shutdown();
    g_lifecycle_display = LIFECYCLE_DISPLAY_DEFAULT;
    g_frame_hooks = FRAME_HOOKS_DEFAULT;
}

// The level driver and the camera as before any level ran: no ticks, no end, no death,
// no time limit, the play view.
inline void no_level()
{
    g_level_ticks = 0;
    g_level_end_ticks = 0;
    g_level_end_tick = 0;
    g_no_more_beasties = 0;
    g_death_ticks = 0;
    g_time_limit = 0;
    g_level_playing = 0;
    g_camera = CameraState{};
}

inline int count(const std::string &what)
{
    int n = 0;
    for (const std::string &c : calls()) {
        n += c == what;
    }
    return n;
}

} // namespace headless
