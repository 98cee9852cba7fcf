// level_driver_draw.cpp -- the level's draw hooks of the frame function.

#include "game/level_driver.h"

#include "world/beastie.h"
#include "world/bullet.h"
#include "world/explosion.h"
#include "world/fizz.h"
#include "world/gamer.h"
#include "world/powerup.h"

// From this many end ticks on the world is gone from the screen.
constexpr int LEVEL_END_HIDE_WORLD = 500;

void game_draw_world(void)
{
    if (g_level_end_ticks >= LEVEL_END_HIDE_WORLD) {
        return;
    }
    gamer_draw_all();
    beasties_draw_all();
    powerups_draw_all();
    debris_draw_all();
    fizz_draw_all();
}

void game_draw_bullets(void)
{
    if (g_level_end_ticks >= LEVEL_END_HIDE_WORLD) {
        return;
    }
    bullet_draw_all();
}
