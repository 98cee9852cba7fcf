// level_driver.cpp -- the level driver: level start, the game tick, the level end, the
// restart after a death and the tear-down of the level's world and script state.

#include "game/level_driver.h"

#include "core/con.h"
#include "core/mt.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/hud.h"
#include "game/lifecycle.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "render/batch.h"
#include "render/camera.h"
#include "render/footprint.h"
#include "render/particle.h"
#include "render/zgl.h"
#include "script/lua_host.h"
#include "world/actortype.h"
#include "world/animset.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/explosion.h"
#include "world/fizz.h"
#include "world/fizzrule.h"
#include "world/gamer.h"
#include "world/path.h"
#include "world/recycle.h"
#include "world/powerup.h"

int g_time_bonus_rate;
float g_beep_accumulator = 1000.0f;
void (*g_level_spawn_end_chaser)(void) = beasties_spawn_end_chaser;
int g_time_bonus = -1;
int g_level_end_award = -1;
int g_level_end_tick;
int g_session_active;

constexpr int LEVEL_LEAD_IN = -200;             // g_level_ticks at the start: 2 s lead-in
constexpr int LEVEL_TIME_LIMIT = 6000;          // 60 s unless the script sets its own
// A script's time limit is kept within a day either way, and overtime stops counting a
// day on, so the clock's arithmetic (extension, bonus, overtime) stays inside an int.
constexpr int LEVEL_TIME_LIMIT_MAX = 8640000;
constexpr float LEVEL_BASE_BUDGET = 100.0f;     // script calls per tick before the difficulty is known
constexpr float LEVEL_BEEP_START = 1000.0f;     // above 100: the first beep comes at once
constexpr float LEVEL_BEEP_THRESHOLD = 100.0f;
constexpr int LEVEL_WARNING_WINDOW = 1001;      // clock ticks in which the warning weight rises
constexpr int LEVEL_BEEP_WINDOW = 1000;         // the last ten seconds
constexpr int LEVEL_DEATH_WOBBLE = 50;          // death ticks before the camera starts to wobble
constexpr int LEVEL_DEATH_RESTART = 350;        // death ticks before the level starts again
constexpr int LEVEL_OVERTIME_CHASER_PERIOD = 300;   // one end chaser every 3 s of overtime
constexpr int LEVEL_OVERTIME_CHASER_LIMIT = -3600;  // for the first 36 s
constexpr float LEVEL_OVERTIME_COUNTDOWN = 20.0f;   // no power-up drops in overtime
constexpr int LEVEL_DEBRIS_HOLD_FIRST = 2;      // end ticks during which flying debris
constexpr int LEVEL_DEBRIS_HOLD_LAST = 50;      //   holds the end sequence
constexpr int LEVEL_END_BRIGHTEN = 70;          // completed: background flash, then the end view
constexpr int LEVEL_END_BONUS_EXTRA = 150;      // completed tenth level: the extra life's show
constexpr int LEVEL_END_FADE_START = 100;       // game over: the fade begins
constexpr float LEVEL_END_FADE_RATE = 0.003f;
constexpr int LEVEL_END_DELAY = 500;            // end ticks before the request, no award
constexpr int LEVEL_END_AWARD_DELAY = 600;      // plus 100 per award point
constexpr int LEVEL_END_AWARD_STEP = 100;
constexpr int LEVEL_END_AWARD_CAP = 8;          // an award above this waits the longest delay
constexpr int LEVEL_END_LONGEST_DELAY = 1500;
constexpr int LEVEL_PARTICLE_DETACH = -60;      // lead-in ticks before which emitters are let go
constexpr int LEVEL_GAME_OVER_DRIFT = 4;        // camera drift mode of the game-over view
constexpr int LEVEL_HIDDEN_KEYS_USED = 2;       // a hidden key was pressed: no bonuses

// Named sounds of the level.
constexpr int LEVEL_SOUND_BONUS_EXTRA = 6;
constexpr int LEVEL_SOUND_START = 7;
constexpr int LEVEL_SOUND_COMPLETE = 8;
constexpr int LEVEL_SOUND_BEEP = 12;
constexpr int LEVEL_SOUND_AMBIENT = 14;
constexpr int LEVEL_SOUND_GROUP_ALL = 0;

// Frees the level's world and its script state, in this order: enemies, ships, bullets,
// debris, beams, beam rules, paths, power-ups, the script, explosion types, actor types
// and animation sets (which the types and explosions point into).
static void game_free_world(void)
{
    zbatch_unlock_arrays();
    beasties_free_all();
    gamer_free_all();
    bullet_free_all();
    debris_free_all();
    fizz_free_all();
    fizz_rules_free();
    paths_free_all();
    powerups_free_all();
    lua_freelevel();
    explosion_types_free();
    actortype_free_all();
    anim_sets_free_all();
    recycle_release();
}

void game_session_start(void)
{
    g_game_over = 0;
    game_level_start();
    g_session_active = 1;
}

void game_session_end(void)
{
    if (!g_session_active) {
        return;
    }
    g_session_active = 0;
    game_free_world();
}

// The script sets the limit whenever it likes (c_set_time_limit).
static void game_clamp_time_limit(void)
{
    if (g_time_limit > LEVEL_TIME_LIMIT_MAX || g_time_limit < -LEVEL_TIME_LIMIT_MAX) {
        con_printf("*** [ai] time limit %d out of range", g_time_limit);
        g_time_limit = g_time_limit > 0 ? LEVEL_TIME_LIMIT_MAX : -LEVEL_TIME_LIMIT_MAX;
    }
}

// The time the level adds to the script's limit and the points per second left: the
// easier the game, the more time and the smaller the bonus.
static void game_extend_time_limit(void)
{
    float d = g_gameloop_budget - LEVEL_BASE_BUDGET;
    int n = 0;
    if (d < 200.0f) {
        float f = 1.0f - 0.005f * d;
        n = (int)(10.0f * f * f) * 100;
    }
    if (n < 300) {
        n = 300;
    }
    game_clamp_time_limit();
    g_time_limit += n + 100;
    g_time_bonus_rate = 1200 - (n + 100);
    if (g_time_bonus_rate < 100) {
        g_time_bonus_rate = 100;
    }
}

void game_level_start(void)
{
    // The same seed at every restart, so the level replays its draws.
    mt_seed((uint32_t)g_level_start_time);

    g_time_bonus = -1;
    g_level_end_award = -1;
    g_level_end_tick = 0;
    g_beep_accumulator = LEVEL_BEEP_START;
    g_gameloop_budget = LEVEL_BASE_BUDGET;
    g_beasties_active = 0;
    g_debris_count = 0;
    g_level_ticks = LEVEL_LEAD_IN;
    g_death_ticks = 0;
    g_level_end_ticks = 0;
    g_f2_flag = 0;
    g_level_end_request = 0;
    g_no_more_beasties = 0;
    g_time_skip_off = 0;
    g_time_limit = LEVEL_TIME_LIMIT;

    uint32_t r1 = mt_rand() & 32767u;
    uint32_t r2 = mt_rand();
    g_level_variant = (int)(((r2 >> 11) & 12u) + ((r1 * 3u) >> 15));

    camera_init();
    footprint_clear();
    g_fade = -1.0f;

    anim_sets_free_all();
    actortype_reset();
    explosion_types_reset();
    beasties_reset();
    gamer_reset_globals();
    bullet_reset();
    debris_reset();
    fizz_reset();
    fizz_rules_reset();
    paths_reset();
    powerups_reset();

    lua_initlevel(g_level_name);
    beasties_settle();
    lua_call_level_gameloop();
    gamer_skill_difficulty();
    game_extend_time_limit();

    for (float &b : g_level_bounds) {
        b = 0.0f;
    }
    if (gamer_first_exists()) {
        gamer_view_target(g_level_bounds);
    } else {
        con_printf("*** no player ???");
    }
    con_printf("\n[ai] loaded %d", g_time_bonus_rate);

    g_frame_steps = 0;
    g_frame_dt = 0.0f;
    camera_matrix();
    sound_play_named(LEVEL_SOUND_START);
}

// The restart after a death: the players' records go back as a failure, and the level
// starts again from a fresh script state with the same seed.
static void game_restart_level(void)
{
    gamer_gameinfo(0, g_level_ticks);
    sound_stop_from(LEVEL_SOUND_GROUP_ALL);
    game_free_world();
    particle_release_all();
    game_level_start();
    input_reset();
}

// LEVEL_gameloop once, and while the arena is empty again, up to n calls in all.
static void game_run_script(void)
{
    if (g_no_more_beasties == 1) {
        return;
    }
    int n = (g_level_ticks < 0 || g_time_skip_off) ? 0 : (int)g_gameloop_budget;
    do {
        lua_call_level_gameloop();
        if (g_no_more_beasties > 1) {
            g_no_more_beasties--;
        }
        n--;
    } while (g_beasties_active == 0 && g_no_more_beasties != 1 && n > 0);
}

// The first tick of the level end: the bonuses, handed to the HUD.
static void game_level_end_first_tick(void)
{
    if (!g_game_over) {
        sound_play_named(LEVEL_SOUND_COMPLETE);
        g_time_bonus = g_time_limit > 0 ? (g_time_limit / 100) * g_time_bonus_rate : 0;
        g_powerup_countdown -= (float)g_time_bonus * 0.01f;
        g_level_end_award = gamer_award_level_end();
    } else {
        g_time_bonus = -1;
        g_level_end_award = -1;
    }
    int pair = g_two_player ? gamer_balance_pair() : 0;
    if (g_hidden_keys & LEVEL_HIDDEN_KEYS_USED) {
        if (g_time_bonus > 0) {
            g_time_bonus = 0;
        }
        if (g_level_end_award > 0) {
            g_level_end_award = 0;
        }
    }
    hud_set_text(g_time_bonus, g_level_end_award, pair);
    g_level_end_tick = g_level_ticks;
}

// End ticks a completed level waits before it asks for the next one: longer while the
// HUD pays out an award.
static int game_level_end_delay(void)
{
    if (g_level_end_award <= 0) {
        return LEVEL_END_DELAY;
    }
    if (g_level_end_award > LEVEL_END_AWARD_CAP) {
        return LEVEL_END_LONGEST_DELAY;
    }
    return LEVEL_END_AWARD_DELAY + LEVEL_END_AWARD_STEP * g_level_end_award;
}

static void game_level_end(void)
{
    int debris_hold = g_level_end_ticks >= LEVEL_DEBRIS_HOLD_FIRST &&
                      g_level_end_ticks <= LEVEL_DEBRIS_HOLD_LAST && !g_game_over &&
                      g_debris_count != 0;
    if (!debris_hold) {
        g_level_end_ticks++;
    }
    if (g_level_end_ticks == 1) {
        game_level_end_first_tick();
    }
    fizz_kill_all();

    if (g_game_over) {
        g_camera.end_view = 1;
        g_camera.drift_mode = LEVEL_GAME_OVER_DRIFT;
        if (g_level_end_ticks > LEVEL_END_FADE_START) {
            float fade = (float)(g_level_end_ticks - LEVEL_END_FADE_START) * LEVEL_END_FADE_RATE;
            g_fade = fade < 1.0f ? fade : 1.0f;
            zgl_fade_clear_to_b();
        }
        if (g_level_end_ticks > LEVEL_END_DELAY) {
            gamer_gameinfo(0, g_level_end_tick);
            g_level_end_request = LEVEL_END_GAME_OVER;
        }
        return;
    }

    if (g_level_end_ticks == LEVEL_END_BRIGHTEN) {
        zgl_brighten_background();
    }
    if (g_level_end_ticks > LEVEL_END_BRIGHTEN) {
        g_camera.end_view = 1;
        if (g_level_number % 10 == 9) {
            g_camera.drift_mode &= 1;
            if (g_level_end_ticks == LEVEL_END_BONUS_EXTRA) {
                gamer_bonus_extra_explosions();
                sound_play_named(LEVEL_SOUND_BONUS_EXTRA);
            }
        }
    }
    if (g_level_end_ticks > game_level_end_delay()) {
        gamer_gameinfo(1, g_level_end_tick);
        gamer_skill_difficulty();
        g_level_advance = 1;
        g_level_end_request = LEVEL_END_COMPLETE;
    }
}

void game_tick(int ticks_left)
{
    game_clamp_time_limit();
    // Rises from about 0.5 to 1.0 over the last ten seconds: the beeps come faster.
    float w = 0.0f;
    if (g_time_limit >= 0 && g_time_limit <= LEVEL_WARNING_WINDOW) {
        w = (float)(2000 - g_time_limit) * 0.0005f;
    }

    if (!gamer_first_exists()) {
        g_game_over = 1;
        g_level_end_request = LEVEL_END_GAME_OVER;
        return;
    }

    if (g_death_ticks && !g_game_over) {
        g_death_ticks++;
        if (g_death_ticks > LEVEL_DEATH_WOBBLE && g_camera.death_wobble == 0.0f) {
            g_camera.death_wobble = 1.0f;
        }
        if (g_death_ticks > LEVEL_DEATH_RESTART) {
            game_restart_level();
        }
    }

    g_level_ticks++;
    g_ticks_left = ticks_left;

    int ships = gamer_update_all();
    if (ships < 0) {
        g_game_over = 1;
    } else if (ships == 0 && g_death_ticks == 0) {
        g_death_ticks = 1;
    }
    gamer_view_target(g_level_bounds);

    if (ticks_left == 1) {
        camera_matrix();
        hud_set_counter(g_level_ticks, g_time_limit, w * g_beep_accumulator);
    }
    if (g_level_ticks > 0 && g_time_limit > -LEVEL_TIME_LIMIT_MAX) {
        g_time_limit--;
    }

    if (!g_death_ticks && !g_game_over && !g_level_end_ticks) {
        game_run_script();
        if (g_time_limit < 0) {
            g_powerup_countdown = LEVEL_OVERTIME_COUNTDOWN;
            if ((-g_time_limit) % LEVEL_OVERTIME_CHASER_PERIOD == 1 &&
                g_time_limit > LEVEL_OVERTIME_CHASER_LIMIT) {
                g_level_spawn_end_chaser();
            }
        }
    }

    g_level_playing = 0;
    if (g_level_ticks > 0 && !g_death_ticks && !g_game_over && !g_level_end_ticks) {
        g_level_playing = 1;
        sound_play_named(LEVEL_SOUND_AMBIENT);
        if (g_time_limit >= 0 && g_time_limit <= LEVEL_BEEP_WINDOW) {
            g_beep_accumulator += w;
            if (g_beep_accumulator > LEVEL_BEEP_THRESHOLD) {
                g_beep_accumulator = 0.0f;
                sound_play_named_scaled(LEVEL_SOUND_BEEP, w);
            }
        }
    }

    beasties_update_all();

    if (g_f2_flag) {
        g_beasties_active = 0;
        g_debris_count = 0;
        g_no_more_beasties = 1;
    }

    if ((g_no_more_beasties == 1 && g_beasties_active == 0 && g_death_ticks == 0) || g_game_over) {
        game_level_end();
    }

    if (!g_level_playing) {
        bullet_free_all();
        beasties_kill_bullets();
        if (g_death_ticks || g_game_over || g_level_end_ticks || g_level_ticks < LEVEL_PARTICLE_DETACH) {
            particle_detach_all();
        }
    }

    bullet_update_all();
    powerups_tick();
    debris_update_all();
    fizz_rules_tick();
    fizz_update_all();
}

void game_abandon(void)
{
    g_f1_flag = 0.0f;
    gamer_tick_countdowns();
}
