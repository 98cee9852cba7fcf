// highscore.h -- the sixteen high-score tables (eight game types, one and two players)
// and the level reached in each.
#pragma once

struct GameInfo;

// After a game over: opens the name entry when the record's score earns a place, else
// the main menu.
void score_check_new(GameInfo *gi);
// Records how far the current game got; force 1 always saves the file.
void level_reached_update(int force);
