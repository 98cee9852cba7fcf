// hud.h -- the in-game overlay: score, lives, bombs, multiplier, difficulty, the level
// clock and caption, and the level-end banners with the animated bonus payment.
#pragma once

struct GameInfo;

// Resets the HUD state for a new level.
void hud_init_level(void);
// Player 1 when player is 1, else player 2.
void hud_set_player_ref(GameInfo *info, int player);
// The level driver, on the last tick of each frame.
void hud_set_counter(int ticks, int left, float warning);
// The level driver, once at the level end; bonus below 0 means game over.
void hud_set_text(int bonus, int kills, int result);
// Forms the caption again for a level number (c_set_time_limit).
void hud_set_level_label(int level);
// Draws the HUD in the overlay space; at a level end it also pays the bonuses into
// player 1's score, step by step.
void hud_draw(void);
// Inside hud_draw: lives and bomb counts, the score (mode 0 only) and the multiplier.
void hud_draw_score(GameInfo *record, int mode);
