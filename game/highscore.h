// highscore.h -- the sixteen high-score tables (eight game types, one and two players)
// and the level reached in each: defaults, the check after a game, the named entry,
// the lines of the high-score and name-entry pages and the start stages they open.
#pragma once

#include <cstdint>

struct GameInfo;
struct MenuItem;

constexpr int SCORE_TABLES = 16;           // game types 0..7, then the same for two players
constexpr int SCORE_ROWS = 20;             // entries per table, best first
constexpr int SCORE_RECORDS = SCORE_TABLES * SCORE_ROWS;
constexpr int SCORE_VIEW_ROWS = 10;        // table lines on the high-score page
constexpr int SCORE_VIEW_FIRST_MAX = SCORE_ROWS - SCORE_VIEW_ROWS;
constexpr int SCORE_PAGE_ROWS = 13;        // the high-score page: title, table title, header, 10 lines
constexpr int SCORE_LINE_SIZE = 128;       // a menu row's text, NUL included
constexpr int SCORE_MAX_STAGES = 9;        // start stages 1, 10, 20 ... 80

// One entry; the file keeps the same fields in this order, 28 bytes little-endian.
struct HighScore {
    float peak_skill;      // the player's peak skill at the end of the game
    int32_t score;
    int32_t play_ticks;    // 10 ms ticks
    int32_t levels;        // levels completed in the game
    int32_t extra;         // the record's peak multiplier step
    int32_t date;          // seconds since 1970 when stored
    char name[4];          // three characters and a NUL, short names padded with blanks
};

// Table t = 8 x two-player + game type; row 0 the highest score.
using HighScoreTables = HighScore[SCORE_TABLES][SCORE_ROWS];
extern HighScoreTables g_score_tables;
// Per table: the highest level of the loop started there (level - 100), at least 100
// once the loop was completed.
extern int32_t g_level_reached[SCORE_TABLES];
// The row the last checked score takes, -1 when none; kept until the next check, so
// the marker stays on that row while the tables are browsed.
extern int g_new_row;
// The record being entered (player 1's), null before the first check.
extern GameInfo *g_score_gameinfo;

// Defaults, level words 0, then "score.cfg" over them; formats table 0 into the
// high-score page. Once, from menu_init.
void score_init(void);
// After a game over: opens the name entry when the record's score earns a place (and
// leaves g_menu_choice 9), else the main menu. Logs "[score] check %d points: row %d".
void score_check_new(GameInfo *gi);
// Stores the checked record under the typed name (its first three characters), saves,
// and opens the high-score page on it: *first_row = min(row, 10), *table = the table.
// A record without a score or a row is refused (logged, tables unchanged) and the page
// opens at the table's top.
void score_insert(int *first_row, int *table);
// The high-score page's table title (row 1) and ten lines (rows 3..12) of table t from
// first_row (0..10); items holds at least SCORE_PAGE_ROWS rows. Also pads every stored
// name and turns on the developer keys for a "ZUD" or "zud".
void score_format_table(MenuItem *items, int first_row, int t);
// The line the checked record will have, without a name, into dst (SCORE_LINE_SIZE
// characters); nothing before the first check.
void score_format_blank(char *dst);
// Raises the level reached of the current table (and, after a wrap, of the tables the
// wrap opened); saves the file when anything rose or force is set.
void level_reached_update(int force);
// Start stages open in the current table, 1..9. The menus' chosen stage is kept within
// them, so a stage left from an earlier game never starts a level the table has not reached.
int level_reached_get(void);
// How far the game types of the current half are open: the last index of the unbroken
// run of reached tables from type 0, 0..7.
int level_reached_count(void);
