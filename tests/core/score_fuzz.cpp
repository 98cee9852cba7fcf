// Fuzz target: "score.cfg" as the front end's start reads it, then every table's page
// lines and the stages each table opens. A file that was read must read back the same
// after the game rewrote it (a plain one is rewritten scrambled), and every line stays
// in its buffer.

#include "core/mem.h"
#include "game/gameinfo.h"
#include "game/highscore.h"
#include "game/menu.h"
#include "game/scorefile.h"
#include "tests/core/fuzz_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = (mem_init(), fuzz::enter_private_folder(), true);
    (void)ready;
    if (size > (1u << 16)) {
        return 0;
    }
    std::remove("score.cfg.bad");
    fuzz::put_file("score.cfg", data, size);
    score_init();

    std::vector<MenuItem> items(SCORE_PAGE_ROWS);
    for (int t = 0; t < SCORE_TABLES; t++) {
        // The first and the last view of each table: together every row.
        for (int first : {0, SCORE_VIEW_FIRST_MAX}) {
            score_format_table(items.data(), first, t);
            for (const MenuItem &item : items) {
                fuzz::check(strnlen(item.text, sizeof(item.text)) < sizeof(item.text));
            }
        }
    }
    for (int two = 0; two < 2; two++) {
        g_two_player = two;
        for (int type = 0; type < 8; type++) {
            g_game_type = (float)type;
            int stages = level_reached_get();
            fuzz::check(stages >= 1 && stages <= SCORE_MAX_STAGES);
            fuzz::check(g_start_stage >= 1.0f && g_start_stage <= (float)stages);
            int count = level_reached_count();
            fuzz::check(count >= 0 && count < 8);
        }
    }
    g_two_player = 0;
    g_game_type = 0.0f;

    // What the game keeps (its names padded by the page lines) is what it reads back
    // from its own file.
    HighScoreTables tables;
    int32_t reached[SCORE_TABLES];
    memcpy(&tables, &g_score_tables, sizeof(tables));
    memcpy(reached, g_level_reached, sizeof(reached));
    if (score_save(&g_score_tables[0][0], SCORE_RECORDS, g_level_reached, SCORE_TABLES)) {
        score_init();
        score_format_table(items.data(), 0, 0);
        fuzz::check(memcmp(&tables, &g_score_tables, sizeof(tables)) == 0);
        fuzz::check(memcmp(reached, g_level_reached, sizeof(reached)) == 0);
    }
    fuzz::check(mem_usage == 0);
    return 0;
}
