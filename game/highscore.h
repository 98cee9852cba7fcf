// highscore.h -- the sixteen high-score tables (eight game types, one and two players)
// and the level reached in each.
#pragma once

struct GameInfo;
struct MenuItem;

// Defaults, then "score.cfg" over them; formats table 0 into the high-score page
// (from menu_init).
void score_init(void);
// After a game over: opens the name entry when the record's score earns a place, else
// the main menu.
void score_check_new(GameInfo *gi);
// The name entry's third letter: stores the entry under the typed name (g_name_buffer),
// saves, opens the high-score page and sets the view to show the entry.
void score_insert(int *first_row, int *table);
// Fills the high-score page's title and its ten table lines from first_row of table.
void score_format_table(MenuItem *items, int first_row, int table);
// The line the new entry will have, without its name, into dst (MENU_TEXT_SIZE bytes).
void score_format_blank(char *dst);
// Records how far the current game got; force 1 always saves the file.
void level_reached_update(int force);
// Start stages open in the current table, 1..9.
int level_reached_get(void);
// How far the game types are open beyond the first, 0..7.
int level_reached_count(void);
