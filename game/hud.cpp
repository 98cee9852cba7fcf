// hud.cpp -- the in-game overlay and its level-end sequence.

#include "game/hud.h"

void hud_init_level(void)
{
}

void hud_set_player_ref(GameInfo *info, int player)
{
    (void)info;
    (void)player;
}

void hud_set_counter(int ticks, int left, float warning)
{
    (void)ticks;
    (void)left;
    (void)warning;
}

void hud_set_text(int bonus, int kills, int result)
{
    (void)bonus;
    (void)kills;
    (void)result;
}

void hud_set_level_label(int level)
{
    (void)level;
}

void hud_draw(void)
{
}
