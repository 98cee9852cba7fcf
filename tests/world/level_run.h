// level_run.h -- a whole level run headless through the level driver with the real
// scripts and the generated tree, until the level ends or a tick limit. The player is the
// blind pattern (the ship under a scripted pattern of moves, fire and smart bombs, the
// level restarted after a death as the driver does it), the same pattern with a ship no
// hit can end, or the kill-as-hit player (an untouchable ship that never moves or fires,
// while every enemy dies the tick it can be hit). Optionally it counts what the level
// throws at the player. Shared by the whole-level tests and the benchmark (no test
// framework here).
#pragma once

#include "core/file.h"
#include "core/mem.h"
#include "game/frame.h"
#include "game/gameinfo.h"
#include "game/level_driver.h"
#include "game/lifecycle.h"
#include "platform/input.h"
#include "render/particle.h"
#include "world/actortype.h"
#include "world/beastie.h"
#include "world/bullet.h"
#include "world/gamer.h"
#include "world/powerup.h"
#include "tests/support/temp_dir.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unordered_set>

// What a level threw at the player, counted while a LevelRun survey is on.
struct LevelSurvey {
    int launched = 0;          // enemies that count as active, as they appeared
    double hit_points = 0.0;   // their full health when they appeared
    int peak_active = 0;       // most active enemies in one tick
    int bosses = 0;            // boss enemies that appeared
    // Counted only while the level is in play on its clock (overtime sends chasers that
    // only an untouchable ship would let pile up):
    int shots = 0;             // enemy shots: bullets and enemies fired by weapons
    int play_ticks = 0;        // ticks in play on the clock
    int fatal_hits = 0;        // hits on the ship's body with no shield up, each at least
                               // 3.5 s (a lost life's wait) after the last: a life each
};

// An enemy a player's shot can end: alive, taking part, not on its way out, open to shots
// and with health to lose.
inline bool level_run_can_be_hit(const Beastie *b)
{
    return b->hit_clock < 0.0f && b->launch_delay <= 0.0f && b->lifecycle >= 0 && b->lifecycle != BEASTIE_SUBMERGING &&
           (b->collided_by_mask & cat_bullet) && b->full_health > 0.0f;
}

// The kill-as-hit player's shots: every enemy that can be hit dies (its "byebye", its
// explosions, its death triggers) as a lethal hit ends it.
inline void level_run_kill_hittable()
{
    for (Beastie *b = g_beasties; b; b = b->next) {
        if (level_run_can_be_hit(b)) {
            beastie_take_hit(b, BEASTIE_HIT_LETHAL);
        }
    }
}

// Ticks from a lost life to the level's new start.
constexpr int LEVEL_RUN_DEATH_TICKS = 350;

// The bosses a player meets: the real forms, not the ones still rising.
inline bool level_run_is_boss(const char *name)
{
    return strcmp(name, "motha_2") == 0 || strcmp(name, "powerpimp") == 0 || strcmp(name, "robo_mom") == 0 ||
           strcmp(name, "geopus") == 0;
}

// Points the styles, particles and explosions folders at the tree's styles folder (by a
// path relative to the working folder, as the game's own are) while alive.
class TreeDirs {
public:
    explicit TreeDirs(const std::string &tree)
    {
        memcpy(saved_[0], g_styles_dir, FILE_DIR_SIZE);
        memcpy(saved_[1], g_particles_dir, FILE_DIR_SIZE);
        memcpy(saved_[2], g_explosions_dir, FILE_DIR_SIZE);
        const std::string styles = relative_path(tree) + "/styles/";
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", styles.c_str());
        snprintf(g_particles_dir, FILE_DIR_SIZE, "%s", (styles + "particles/").c_str());
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", (styles + "explosions/").c_str());
    }
    ~TreeDirs()
    {
        memcpy(g_styles_dir, saved_[0], FILE_DIR_SIZE);
        memcpy(g_particles_dir, saved_[1], FILE_DIR_SIZE);
        memcpy(g_explosions_dir, saved_[2], FILE_DIR_SIZE);
    }
    TreeDirs(const TreeDirs &) = delete;
    TreeDirs &operator=(const TreeDirs &) = delete;

private:
    char saved_[3][FILE_DIR_SIZE];
};

// The state the world is in: enemies, the ships, their records, the clock and the score.
inline uint64_t level_run_hash()
{
    uint64_t h = 1469598103934665603ull;
    auto add = [&h](const void *p, size_t n) {
        const unsigned char *c = (const unsigned char *)p;
        for (size_t i = 0; i < n; i++) {
            h = (h ^ c[i]) * 1099511628211ull;
        }
    };
    for (const Beastie *b = g_beasties; b; b = b->next) {
        add(b->type->name, strlen(b->type->name));
        add(b->position, sizeof(b->position));
        add(&b->health, sizeof(b->health));
        add(&b->lifecycle, sizeof(b->lifecycle));
    }
    for (const Gamer *g = g_gamers; g; g = g->next) {
        add(g->position, sizeof(g->position));
        add(g->momentum, sizeof(g->momentum));
        add(&g->energy, sizeof(g->energy));
        add(&g->aim_heading, sizeof(g->aim_heading));
        add(&g->info, offsetof(GameInfo, input));
    }
    add(&g_level_ticks, sizeof(g_level_ticks));
    add(&g_time_limit, sizeof(g_time_limit));
    add(&g_bullet_count, sizeof(g_bullet_count));
    add(&g_gameinfo[0].score, sizeof(g_gameinfo[0].score));
    return h;
}

class LevelRun {
public:
    // The level from the tree's styles folder; the seed is the level's start time. The
    // ship has the lives given (99 by default: it survives to the level's end).
    LevelRun(const std::string &tree, int level, time_t seed, int lives = 99) : dirs_(tree)
    {
        g_game_type = 0.0f;
        g_two_player = 0;
        g_start_level = (float)level;
        game_reset();
        powerups_reset_history();   // as a new game from the menu does
        g_gameinfo[0].lives = lives;
        g_level_number = level;
        snprintf(g_level_name, sizeof(g_level_name), "level%d", level);
        g_level_start_time = seed;
        memset(&g_player_input[0], 0, sizeof(g_player_input[0]));
        particle_init_holders();
        game_session_start();
    }
    ~LevelRun()
    {
        // As the level's release does it: the world, the particles, the level's textures.
        game_session_end();
        particle_info();
        file_free_textures_level();
        memset(&g_player_input[0], 0, sizeof(g_player_input[0]));
        if (untouchable_) {
            g_hidden_keys = saved_hidden_keys_;
            g_f1_flag = saved_f1_flag_;
        }
        g_level_end_request = 0;
        g_game_over = 0;
        // A new game from level 101 again: no lost lives or skill of this one stay.
        g_start_level = 101.0f;
        game_reset();
    }
    LevelRun(const LevelRun &) = delete;
    LevelRun &operator=(const LevelRun &) = delete;

    // From now on the ship takes no damage (the hidden invulnerability, which also keeps
    // points off the score): it stays in play to the level's end, and each hit that would
    // have cost it a life counts in the survey.
    void play_untouchable()
    {
        if (!untouchable_) {
            saved_hidden_keys_ = g_hidden_keys;
            saved_f1_flag_ = g_f1_flag;
        }
        untouchable_ = true;
        g_hidden_keys = 1;
        g_f1_flag = 1.0f;
    }
    // From now on the ship is untouchable and the pattern no longer steers it: the input
    // is the caller's.
    void play_still()
    {
        play_untouchable();
        steer_ = false;
        memset(&g_player_input[0], 0, sizeof(g_player_input[0]));
    }
    // From now on the kill-as-hit player plays: untouchable, no input.
    void play_kill_as_hit()
    {
        play_still();
        kill_as_hit_ = true;
    }
    // From now on each tick counts into survey().
    void start_survey() { survey_on_ = true; }
    const LevelSurvey &survey() const { return survey_; }

    // One tick with the player's input; false once the level has asked to end.
    bool tick()
    {
        if (steer_) {
            steer(ticks_);
        }
        int bombs = g_gamer_first ? g_gamer_first->info.bombs : 0;
        int level_ticks = g_level_ticks;
        game_tick(1);
        ticks_++;
        if (survey_on_) {
            count(level_ticks);
        }
        if (kill_as_hit_) {
            level_run_kill_hittable();
        }
        bombs_dropped_ += g_gamer_first && g_gamer_first->info.bombs == bombs - 1;
        deaths_ += g_death_ticks == 1;
        int enemies = 0;
        for (const Beastie *b = g_beasties; b; b = b->next) {
            enemies++;
        }
        enemies_sum_ += enemies;
        bullets_sum_ += g_bullet_count;
        peak_enemies_ = enemies > peak_enemies_ ? enemies : peak_enemies_;
        peak_bullets_ = g_bullet_count > peak_bullets_ ? g_bullet_count : peak_bullets_;
        return g_level_end_request == 0;
    }
    // Ticks until the level ends or limit ticks ran; the ticks run.
    int run(int limit)
    {
        while (ticks_ < limit && tick()) {
        }
        return ticks_;
    }

    uint64_t hash() const { return level_run_hash(); }

    int ticks() const { return ticks_; }
    int bombs_dropped() const { return bombs_dropped_; }
    int deaths() const { return deaths_; }
    int peak_enemies() const { return peak_enemies_; }
    int peak_bullets() const { return peak_bullets_; }
    double mean_enemies() const { return ticks_ ? (double)enemies_sum_ / ticks_ : 0.0; }
    double mean_bullets() const { return ticks_ ? (double)bullets_sum_ / ticks_ : 0.0; }

    // The pattern: the stick sweeps the ship round the arena, the aim turns steadily with
    // the fire button held, and every 15 seconds the bomb button is held for a third of a
    // second.
    static void steer(int t)
    {
        PlayerInput *in = &g_player_input[0];
        float a = (float)t;
        in->move[0] = sinf(a * 0.0071f);
        in->move[1] = cosf(a * 0.0053f);
        in->fire[0] = cosf(a * 0.027f);
        in->fire[1] = sinf(a * 0.027f);
        in->input_type = 0.0f;
        in->buttons = INPUT_BUTTON_FIRE;
        if (t % 1500 >= 1000 && t % 1500 < 1033) {
            in->buttons |= INPUT_BUTTON_BOMB;
        }
    }

private:
    TreeDirs dirs_;

    // The enemies and enemy shots that are new since the last tick. Enemy serials count
    // from each (re)start of the level; a bullet is new when its address was not listed
    // after the last tick (bullets go only after this tick's shots were made).
    void count(int level_ticks_before)
    {
        if (g_level_ticks < level_ticks_before) {
            last_serial_ = 0;   // the level started again after a death
        }
        const bool on_clock = g_level_playing && g_time_limit >= 0;
        uint32_t newest = last_serial_;
        for (const Beastie *b = g_beasties; b; b = b->next) {
            if (b->serial <= last_serial_) {
                continue;
            }
            newest = b->serial > newest ? b->serial : newest;
            survey_.shots += on_clock && b->weapon_shot;
            if (b->params && b->params->in_beastie_count && !b->weapon_shot) {
                survey_.launched++;
                survey_.hit_points += b->full_health;
            }
            survey_.bosses += level_run_is_boss(b->type->name);
        }
        last_serial_ = newest;
        std::unordered_set<const Bullet *> listed;
        for (const Bullet *s = g_bullets; s; s = s->next) {
            listed.insert(s);
            survey_.shots += on_clock && !s->ship && !bullets_seen_.count(s);
        }
        bullets_seen_.swap(listed);
        survey_.play_ticks += on_clock;
        // A damaging hit sets the ship's flash anew (absorbed by a shield it does not). A
        // ship lost to it would start the level again 3.5 s later: hits in between count
        // for nothing.
        int flash = g_gamer_first ? g_gamer_first->hit_flash : 0;
        since_fatal_++;
        if (on_clock && flash > last_flash_ && since_fatal_ >= LEVEL_RUN_DEATH_TICKS) {
            survey_.fatal_hits++;
            since_fatal_ = 0;
        }
        last_flash_ = flash;
        survey_.peak_active = g_beasties_active > survey_.peak_active ? g_beasties_active : survey_.peak_active;
    }

    int ticks_ = 0;
    int bombs_dropped_ = 0;
    int deaths_ = 0;
    long long enemies_sum_ = 0;
    long long bullets_sum_ = 0;
    int peak_enemies_ = 0;
    int peak_bullets_ = 0;
    bool untouchable_ = false;
    bool kill_as_hit_ = false;
    bool steer_ = true;
    int last_flash_ = 0;
    int since_fatal_ = LEVEL_RUN_DEATH_TICKS;
    int saved_hidden_keys_ = 0;
    float saved_f1_flag_ = 0.0f;
    bool survey_on_ = false;
    LevelSurvey survey_;
    uint32_t last_serial_ = 0;
    std::unordered_set<const Bullet *> bullets_seen_;
};
