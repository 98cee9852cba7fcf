// frame.cpp -- the frame function: the 10 ms gate, the intake of the input ticks and the
// screen state machine. Drawing and the clock go through g_frame_hooks.

#include "game/frame.h"
#include "game/frame_local.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/lifecycle.h"
#include "game/menu.h"
#include "platform/bind.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/zwin.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/font.h"
#include "render/tex.h"
#include "render/title.h"
#include "render/zgl.h"
#include "world/powerup.h"

int g_screen_mode;
int g_level_end_request;
int g_mode_frames;
uint32_t g_last_frame_ms;

const FrameHooks FRAME_HOOKS_DEFAULT = {
    zwin_ticks,
    frame_draw_game_clear,
    frame_draw_game,
    frame_draw_front_clear,
    frame_draw_front_overlay,
    title_logo_draw,
    frame_draw_front_pages,
};
FrameHooks g_frame_hooks = FRAME_HOOKS_DEFAULT;

constexpr int FRAME_MODE_END = 900;          // written to g_mode_frames to end a screen at once
constexpr int FRAME_KEY_DELAY = 30;          // title screens ignore keys for this many frames
constexpr int FRAME_TITLE_FRAMES = 500;      // a title screen ends after this many frames
constexpr int FRAME_END_PAGE_FRAMES = 600;   // the end-of-loop page likewise
constexpr float FRAME_FADE_STEP = 0.01f;
constexpr float FRAME_NAME_ENTRY_FADE = 0.1f;
constexpr int FRAME_PAUSE_SOUND_GROUP = 1;   // sounds of this group and above stop while paused

// How the level's frames ran, logged when it ends, so that a player's log says it: the
// frames drawn, the clock from the first to the last, the time the frames themselves took
// (their ticks and drawing) and the slowest of them.
struct FramePlayStats {
    int frames;
    uint32_t first_ms;
    uint32_t last_ms;
    uint32_t busy_ms;
    uint32_t slowest_ms;
};
static FramePlayStats frame_play_stats;

static void frame_play_stats_log(void)
{
    const FramePlayStats &s = frame_play_stats;
    if (s.frames > 0) {
        uint32_t span = s.last_ms - s.first_ms;
        con_printf("[frame] level %d: %d frames drawn in %u ms (%.1f a second), %u ms of it in the frames, "
                   "slowest %u ms\n",
                   g_level_number, s.frames, span, span ? 1000.0 * s.frames / span : 0.0, s.busy_ms, s.slowest_ms);
    }
    frame_play_stats = FramePlayStats{};
}

void game_frame_enter(void)
{
    zbatch_alloc();
    g_level_end_request = 0;
    g_screen_mode = SCREEN_TITLE_1;
    g_mode_frames = 0;
    g_fade = -1.0f;
}

void game_frame_leave(void)
{
    zbatch_free();
}

// The next level after a completed one, a new game or the end-of-loop page: level
// start, or the end-of-loop page again when the level sequence wrapped.
static void frame_next_level(void)
{
    g_fade = -1.0f;
    g_menu_choice = 0;
    g_screen_mode = SCREEN_START_LEVEL;
    g_level_end_request = 0;
    if (level_next()) {
        g_fade = 0.0f;
        g_screen_mode = SCREEN_END_OF_LOOP;
    }
    zgl_pick_background_hue();
}

// A request of the game tick: back to the menus after game over, on to the next level
// after a completed one.
static void frame_level_end(void)
{
    frame_play_stats_log();
    int request = g_level_end_request;
    g_screen_mode = SCREEN_MENU;
    g_mode_frames = 0;
    g_fade = 0.0f;
    if (request == LEVEL_END_GAME_OVER) {
        // The level's world and script stay until the next level start; only the
        // graphics go back to the front end's.
        file_free_textures();
        zgl_flush_and_forget_floor();
        zgl_texture_free_all();
        zgl_texture_init();
        title_load_fonts();
        gameinfo_check_high_score();
    } else {
        frame_next_level();
    }
    g_level_end_request = 0;
}

static void frame_in_game_run(int n);

static void frame_start_level(void)
{
    frame_play_stats = FramePlayStats{};
    free_level();
    mem_report(0);
    init_level();
    zbatch_reset();
    g_screen_mode = SCREEN_IN_GAME;
    g_mode_frames = 0;
    g_menu_input = 0;
    // The load took time that is not backlog.
    g_last_frame_ms = g_frame_hooks.clock();
}

static void frame_in_game(int n)
{
    uint32_t start = g_frame_hooks.clock();
    frame_in_game_run(n);
    uint32_t end = g_frame_hooks.clock();
    FramePlayStats &s = frame_play_stats;
    if (s.frames++ == 0) {
        s.first_ms = start;
    }
    s.last_ms = end;
    s.busy_ms += end - start;
    s.slowest_ms = end - start > s.slowest_ms ? end - start : s.slowest_ms;
}

static void frame_in_game_run(int n)
{
    g_frame_hooks.game_clear();
    g_frame_steps = n;
    g_frame_dt = (float)n;
    zbatch_reset();
    for (int i = 0; i < n; i++) {
        input_step();
        if (g_game_over) {
            g_back_latch = 0;
        }
        if (g_back_latch) {
            // Paused: the pause page runs instead of the game and time stands still.
            menu_control();
            g_frame_steps = 0;
            g_frame_dt = 0.0f;
            camera_matrix();
            sound_stop_from(FRAME_PAUSE_SOUND_GROUP);
        } else {
            game_tick(n - i);
        }
    }
    g_frame_hooks.game_draw();
    if (g_back_latch == 2) {
        g_back_latch = 0;
    }
}

// The menu's "play": a new game from the start level.
static void frame_play(void)
{
    con_printf("[submenu] play");
    g_hidden_keys &= 1;
    g_f1_flag = 0.0f;
    con_save_config();
    input_write_binds();
    game_reset();
    powerups_reset_history();
    g_mode_frames = 0;
    frame_next_level();
}

// The menu's ticks. Returns 1 when a choice ended the frame (nothing is drawn then).
static int frame_menu_ticks(int n)
{
    for (int i = 0; i < n; i++) {
        input_step();
        if (g_mode_frames > FRAME_MENU_DELAY) {
            menu_control();
        }
        if (g_menu_choice) {
            input_reset();
        }
        switch (g_menu_choice) {
        case MENU_CHOICE_QUIT:
            con_printf("[submenu] quit");
            zwin_quit_requested();
            g_menu_choice = 0;
            return 1;
        case MENU_CHOICE_PLAY:
            frame_play();
            return 1;
        case MENU_CHOICE_MODE:
            con_printf("[submenu] mode");
            g_menu_choice = 0;
            restart(nullptr, nullptr);
            return 1;
        case MENU_CHOICE_TEXTURES:
            g_menu_choice = 0;
            break;
        default:
            break;
        }
    }
    return 0;
}

// The two title screens: end at a missing logo, at a key after the first frames, or
// after FRAME_TITLE_FRAMES frames.
static void frame_title(int n)
{
    int screen = g_screen_mode;
    if (g_fade > 0.0f && g_frame_hooks.front_logo(screen == SCREEN_TITLE_1 ? 0 : 1) == 0) {
        g_mode_frames = FRAME_MODE_END;
    }
    if (g_mode_frames > FRAME_KEY_DELAY) {
        for (int i = 0; i < n; i++) {
            input_step();
            if (g_player_input[0].buttons) {
                g_mode_frames = FRAME_MODE_END;
            }
        }
    }
    if (g_mode_frames > FRAME_TITLE_FRAMES) {
        g_screen_mode = screen == SCREEN_TITLE_1 ? SCREEN_TITLE_2 : SCREEN_MENU;
        g_fade = 0.0f;
        g_mode_frames = 0;
        title_forget_textures();
    }
}

static void frame_end_of_loop(void)
{
    if (g_fade > 0.0f && g_frame_hooks.front_logo(2) == 0) {
        g_mode_frames = FRAME_MODE_END;
    }
    if (g_mode_frames > FRAME_END_PAGE_FRAMES) {
        g_mode_frames = 0;
        frame_next_level();
        title_forget_textures();
    }
}

static void frame_front_end(int n)
{
    int screen = g_screen_mode;
    g_frame_steps = n;
    g_frame_hooks.front_clear(screen);
    g_menu_input = 1;
    if (g_fade < 1.0f) {
        g_fade += FRAME_FADE_STEP;
    }
    if (g_fade > 1.0f) {
        g_fade = 1.0f;
    }
    if (g_menu_choice == MENU_CHOICE_NAME_ENTRY && g_fade > FRAME_NAME_ENTRY_FADE) {
        g_fade = FRAME_NAME_ENTRY_FADE;
    }
    g_mode_frames++;

    if (screen == SCREEN_MENU) {
        if (frame_menu_ticks(n)) {
            return;
        }
    } else {
        input_reset();   // the title and end-of-loop screens give the menus no input
    }
    g_frame_hooks.front_overlay(screen);
    if (screen == SCREEN_TITLE_1 || screen == SCREEN_TITLE_2) {
        frame_title(n);
    } else if (screen == SCREEN_END_OF_LOOP) {
        frame_end_of_loop();
    }
    g_frame_hooks.front_pages(g_screen_mode);
}

int game_frame_main(void)
{
    uint32_t now = g_frame_hooks.clock();
    if (now - g_last_frame_ms <= FRAME_GATE_MS) {
        return 0;
    }
    int n = input_take_pending();
    if (n > FRAME_MAX_BACKLOG) {
        input_reset();
        return 0;
    }
    if (n == 0) {
        return 0;
    }
    g_last_frame_ms = now;

    if (g_screen_mode == SCREEN_IN_GAME && g_level_end_request) {
        frame_level_end();
    }
    switch (g_screen_mode) {
    case SCREEN_START_LEVEL:
        frame_start_level();
        break;
    case SCREEN_IN_GAME:
        frame_in_game(n);
        break;
    default:
        frame_front_end(n);
        break;
    }
    return 1;
}
