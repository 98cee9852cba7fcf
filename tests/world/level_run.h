// level_run.h -- a whole level run headless through the level driver with the real
// scripts and the generated tree: the player's ship under a scripted pattern of moves,
// fire and smart bombs, the level restarted after a death as the driver does it, until the
// level ends or a tick limit. Shared by the whole-level tests and the benchmark (no test
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

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

class LevelRun {
public:
    // The level from the tree's styles folder; the seed is the level's start time.
    LevelRun(const std::string &tree, int level, time_t seed)
    {
        save_dirs();
        std::error_code ec;
        std::string relative = std::filesystem::relative(tree, ec).string();
        const std::string &path = !ec && !relative.empty() && relative.size() < tree.size() ? relative : tree;
        const std::string styles = path + "/styles/";
        snprintf(g_styles_dir, FILE_DIR_SIZE, "%s", styles.c_str());
        snprintf(g_particles_dir, FILE_DIR_SIZE, "%s", (styles + "particles/").c_str());
        snprintf(g_explosions_dir, FILE_DIR_SIZE, "%s", (styles + "explosions/").c_str());
        g_game_type = 0.0f;
        g_two_player = 0;
        g_start_level = (float)level;
        game_reset();
        powerups_reset_history();   // as a new game from the menu does
        g_gameinfo[0].lives = 99;   // the ship survives to the level's end
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
        g_level_end_request = 0;
        g_game_over = 0;
        g_level_advance = 0;
        g_level_number = 101;
        restore_dirs();
    }
    LevelRun(const LevelRun &) = delete;
    LevelRun &operator=(const LevelRun &) = delete;

    // One tick with the pattern's input; false once the level has asked to end.
    bool tick()
    {
        steer(ticks_);
        int bombs = g_gamer_first ? g_gamer_first->info.bombs : 0;
        game_tick(1);
        ticks_++;
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

    // The state the world is in: enemies, the ship, its record, the clock and the
    // random generator's position.
    uint64_t hash() const
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
    void save_dirs()
    {
        memcpy(saved_[0], g_styles_dir, FILE_DIR_SIZE);
        memcpy(saved_[1], g_particles_dir, FILE_DIR_SIZE);
        memcpy(saved_[2], g_explosions_dir, FILE_DIR_SIZE);
    }
    void restore_dirs()
    {
        memcpy(g_styles_dir, saved_[0], FILE_DIR_SIZE);
        memcpy(g_particles_dir, saved_[1], FILE_DIR_SIZE);
        memcpy(g_explosions_dir, saved_[2], FILE_DIR_SIZE);
    }

    char saved_[3][FILE_DIR_SIZE];
    int ticks_ = 0;
    int bombs_dropped_ = 0;
    int deaths_ = 0;
    long long enemies_sum_ = 0;
    long long bullets_sum_ = 0;
    int peak_enemies_ = 0;
    int peak_bullets_ = 0;
};
