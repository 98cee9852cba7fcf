// highscore.cpp -- the high-score tables and the level reached: defaults, the check
// after a game, the named entry, the page lines and the start stages and game types open.

#include "game/highscore.h"

#include "core/con.h"
#include "game/gameinfo.h"
#include "game/menu.h"
#include "game/scorefile.h"
#include "platform/input.h"

#include <cstdio>
#include <cstring>
#include <ctime>

HighScoreTables g_score_tables;
int32_t g_level_reached[SCORE_TABLES];
int g_new_row = -1;
GameInfo *g_score_gameinfo;

constexpr int SCORE_TYPES = 8;                 // game types per half
constexpr int32_t SCORE_DEFAULT_TOP = 20000;   // row 0 of every default table; 1000 less per row
constexpr int32_t SCORE_DEFAULT_STEP = 1000;
constexpr float SCORE_DEFAULT_SKILL_STEP = 30.0f;  // peak skill of a default entry: 30 x game type
constexpr int32_t SCORE_LOOP_DONE = 100;       // level word of a table whose loop was completed
constexpr int SCORE_STAGE_LEVELS = 10;         // a stage opens every 10 levels reached
constexpr int SCORE_HIDDEN_KEYS = 1;           // the developer keys' enable bit
constexpr int SCORE_TEXT_ONE_PLAYER = 39;      // language slots: 39/40 one/two players,
constexpr int SCORE_TEXT_GAME_TYPE = 31;       // 31..38 the game types

static_assert(sizeof(MenuItem::text) >= SCORE_LINE_SIZE, "a table line fits a menu row");

// The table of the game being set up or played: 8 x two-player + game type.
static int score_table(void)
{
    int type = 0;
    if (g_game_type >= SCORE_TYPES - 1) {
        type = SCORE_TYPES - 1;
    } else if (g_game_type > 0.0f) {
        type = (int)g_game_type;
    }
    return (g_two_player ? SCORE_TYPES : 0) + type;
}

// The first row whose score is at or below score: the place of a new entry, above
// every stored one with the same score. SCORE_ROWS when there is none.
static int score_find_row(int t, int32_t score)
{
    int r = 0;
    while (r < SCORE_ROWS && g_score_tables[t][r].score > score) {
        r++;
    }
    return r;
}

static void score_defaults(void)
{
    for (int t = 0; t < SCORE_TABLES; t++) {
        for (int r = 0; r < SCORE_ROWS; r++) {
            HighScore *h = &g_score_tables[t][r];
            *h = HighScore{};
            h->score = SCORE_DEFAULT_TOP - SCORE_DEFAULT_STEP * r;
            h->peak_skill = SCORE_DEFAULT_SKILL_STEP * (float)(t % SCORE_TYPES);
            memcpy(h->name, t < SCORE_TYPES ? "---" : "===", 4);
        }
    }
}

// Every name becomes three characters (blanks after a short one) and a NUL, so a name
// read from the file is always a bounded string. "ZUD" or "zud" turns on the
// developer keys for the rest of the run.
static void score_pad_names(void)
{
    for (int t = 0; t < SCORE_TABLES; t++) {
        for (int r = 0; r < SCORE_ROWS; r++) {
            char *name = g_score_tables[t][r].name;
            int ended = 0;
            for (int i = 0; i < 3; i++) {
                ended |= name[i] == 0;
                if (ended) {
                    name[i] = ' ';
                }
            }
            name[3] = 0;
            if (!memcmp(name, "ZUD", 3) || !memcmp(name, "zud", 3)) {
                g_hidden_keys.fetch_or(SCORE_HIDDEN_KEYS, std::memory_order_relaxed);
            }
        }
    }
}

static void score_save_all(void)
{
    score_save(&g_score_tables[0][0], SCORE_RECORDS, g_level_reached, SCORE_TABLES);
}

// Formats the page that menu_start(3) opened, when the menus have it.
static void score_format_page(int first_row, int t)
{
    int count = 0;
    MenuItem *items = menu_page(5, &count);
    if (items && count >= SCORE_PAGE_ROWS) {
        score_format_table(items, first_row, t);
    }
}

void score_init(void)
{
    score_defaults();
    memset(g_level_reached, 0, sizeof(g_level_reached));
    score_load(&g_score_tables[0][0], SCORE_RECORDS, g_level_reached, SCORE_TABLES);
    score_format_page(0, 0);
}

void score_check_new(GameInfo *gi)
{
    g_new_row = -1;
    g_score_gameinfo = gi;
    if (!gi) {
        con_printf("*** [score] check without a record");
        menu_start(0);
        return;
    }
    if (gi->score > 0) {
        int r = score_find_row(score_table(), gi->score);
        if (r < SCORE_ROWS) {
            g_new_row = r;
        }
    }
    con_printf("[score] check %d points: row %d", gi->score, g_new_row);
    if (g_new_row >= 0) {
        menu_start(2);
        g_menu_choice = MENU_CHOICE_NAME_ENTRY;
    } else {
        menu_start(0);
    }
}

// Enters the checked record into table t under the typed name; the row, or -1 when
// it has no place (logged, nothing changed).
static int score_enter(int t)
{
    const GameInfo *gi = g_score_gameinfo;
    if (!gi || gi->score <= 0) {
        con_printf("*** [score] no checked score to enter");
        return -1;
    }
    int r = score_find_row(t, gi->score);
    if (r >= SCORE_ROWS) {
        con_printf("*** [score] %d points have no row in table %d: not entered", gi->score, t);
        return -1;
    }
    HighScore *table = g_score_tables[t];
    memmove(&table[r + 1], &table[r], sizeof(HighScore) * (size_t)(SCORE_ROWS - 1 - r));
    HighScore *h = &table[r];
    *h = HighScore{};
    h->peak_skill = gi->peak_skill;
    h->score = gi->score;
    h->play_ticks = gi->play_ticks;
    h->extra = gi->peak_step;
    h->levels = g_levels_completed;
    h->date = (int32_t)time(nullptr);
    for (int i = 0; i < 3 && g_name_buffer[i]; i++) {
        h->name[i] = g_name_buffer[i];
    }
    score_pad_names();
    level_reached_update(1);
    return r;
}

void score_insert(int *first_row, int *table)
{
    int t = score_table();
    int r = score_enter(t);
    if (r < 0) {
        g_new_row = -1;
    }
    // menu_start resets the view the two pointers usually point into: set them after it.
    menu_start(3);
    int first = r < SCORE_VIEW_FIRST_MAX ? r : SCORE_VIEW_FIRST_MAX;
    if (first < 0) {
        first = 0;
    }
    if (first_row) {
        *first_row = first;
    }
    if (table) {
        *table = t;
    }
    score_format_page(first, t);
}

void score_format_table(MenuItem *items, int first_row, int t)
{
    if (!items) {
        return;
    }
    score_pad_names();
    if (first_row > SCORE_VIEW_FIRST_MAX) {
        first_row = SCORE_VIEW_FIRST_MAX;
    }
    if (first_row < 0) {
        first_row = 0;
    }
    t = t < 0 ? 0 : t >= SCORE_TABLES ? SCORE_TABLES - 1 : t;
    for (int i = 0; i < SCORE_VIEW_ROWS; i++) {
        int r = first_row + i;
        const HighScore *h = &g_score_tables[t][r];
        int s = h->play_ticks / 100;
        const char *format = r == g_new_row ? ">%2d> %s  %3d:%.2d   %4d %9d" : "%3d> %s  %3d:%.2d   %4d %9d";
        snprintf(items[3 + i].text, SCORE_LINE_SIZE, format, r + 1, h->name, s / 60, s % 60, h->levels,
                 h->score);
    }
    menu_item_colour(items, 1, t & (SCORE_TYPES - 1));
    snprintf(items[1].text, SCORE_LINE_SIZE, "%s - %s", menu_text(SCORE_TEXT_ONE_PLAYER + t / SCORE_TYPES),
             menu_text(SCORE_TEXT_GAME_TYPE + (t & (SCORE_TYPES - 1))));
}

void score_format_blank(char *dst)
{
    if (!dst || !g_score_gameinfo) {
        return;
    }
    int s = g_score_gameinfo->play_ticks / 100;
    snprintf(dst, SCORE_LINE_SIZE, "%3d>      %3d:%.2d   %4d %9d", g_new_row + 1, s / 60, s % 60,
             g_levels_completed, g_score_gameinfo->score);
}

static int score_raise(int k, int32_t level)
{
    if (g_level_reached[k] < level) {
        g_level_reached[k] = level;
        return 1;
    }
    return 0;
}

void level_reached_update(int force)
{
    int t = score_table();
    int base = g_two_player ? SCORE_TYPES : 0;
    int last = base + SCORE_TYPES - 1;
    int32_t level = g_level_number - 100;
    int changed = score_raise(t, level);
    if (g_wrap_count != 0) {
        // Completing the loop opens every stage of the types up to the wrap count and
        // the next type at its first level.
        int wrap = g_wrap_count < 0 ? 0 : g_wrap_count > SCORE_TYPES ? SCORE_TYPES : g_wrap_count;
        for (int k = t; k <= base + wrap - 1 && k <= last; k++) {
            changed |= score_raise(k, SCORE_LOOP_DONE);
        }
        int next = base + wrap > t ? base + wrap : t;
        changed |= score_raise(next < last ? next : last, level);
    }
    if (changed || force) {
        score_save_all();
    }
}

int level_reached_get(void)
{
    int32_t reached = g_level_reached[score_table()];
    int n = (reached > 0 ? reached : 0) / SCORE_STAGE_LEVELS + 1;
    if (n > SCORE_MAX_STAGES) {
        n = SCORE_MAX_STAGES;
    }
    if (!(g_start_stage >= 1.0f)) {
        g_start_stage = 1.0f;
    } else if (g_start_stage > (float)n) {
        g_start_stage = (float)n;
    }
    return n;
}

int level_reached_count(void)
{
    int base = g_two_player ? SCORE_TYPES : 0;
    int count = 0;
    for (int i = 0; i < SCORE_TYPES && g_level_reached[base + i] > 0; i++) {
        count = i;
    }
    return count;
}
