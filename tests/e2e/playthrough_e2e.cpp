// A whole game under X, played with keys as a player would: the game folder as play.sh
// makes it and a plain "score.cfg" prepared beside it; the title screens, the main menu,
// one player, level 101 flown and fired through (its HUD in place) until the ship is lost
// or the game is abandoned from the pause page, the name typed into the high-score table,
// the table, Quit. The scores on disk are checked against what was prepared, byte by byte. The
// screenshots go to build/screens/e2e_play_*.png.

#include "game/highscore.h"
#include "game/menu.h"
#include "game/scorefile.h"
#include "render/font.h"
#include "tests/e2e/menu_session.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>


namespace {

// One record as the file lays it out, little-endian.
void put_word(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; i++) {
        out += (char)(uint8_t)(v >> (8 * i));
    }
}

uint32_t get_word(const std::string &in, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; i--) {
        v = (v << 8) | (uint8_t)in[at + (size_t)i];
    }
    return v;
}

// The payload (records and level words) of the prepared file: table 0 holds 19000,
// 18000 ... 0 named "n00" ... "n19"; the other tables hold scores and names of their own
// so that any shift among them shows; every level word is 0.
std::string prepared_payload()
{
    std::string p;
    for (int t = 0; t < SCORE_TABLES; t++) {
        for (int row = 0; row < SCORE_ROWS; row++) {
            float skill = 50.0f + (float)row;
            uint32_t bits;
            memcpy(&bits, &skill, 4);
            put_word(p, bits);
            put_word(p, t == 0 ? (uint32_t)(19000 - 1000 * row) : (uint32_t)(5000 * (20 - row) + t));
            put_word(p, (uint32_t)(1000 + row));   // play ticks
            put_word(p, (uint32_t)(row % 7));      // levels
            put_word(p, (uint32_t)(row % 3));      // extra
            put_word(p, (uint32_t)(1700000000 + 86400 * row));
            char name[5];
            snprintf(name, sizeof name, "%c%02d", t == 0 ? 'n' : 'a' + t, row);
            p.append(name, 3);
            p += '\0';
        }
    }
    for (int i = 0; i < SCORE_TABLES; i++) {
        put_word(p, 0);
    }
    return p;
}

// The payload of a scrambled file or extract (the flag word stripped), unscrambled.
std::string unscrambled(const std::string &file)
{
    uint8_t pad[SCORE_PAD_SIZE];
    score_pad(pad);
    std::string p = file.substr(4);
    for (size_t k = 0; k < p.size(); k++) {
        p[k] = (char)((uint8_t)p[k] ^ pad[k % SCORE_PAD_SIZE]);
    }
    return p;
}

std::string record(const std::string &payload, int table, int row)
{
    return payload.substr((size_t)(table * SCORE_ROWS + row) * SCORE_RECORD_BYTES, SCORE_RECORD_BYTES);
}

// A screenshot shows something: at least 1 % of its pixels differ clearly from its most
// common colour (by more than 24 over the three channels), and it holds at least 16
// colours. A blank picture has none; the sparest screen, the pause page over the dimmed
// arena (a pause during a death's camera swing shows little more than the letters), has
// about 2 %.
bool has_content(const Shot &s, std::string *why)
{
    if (!s.ok()) {
        *why = "no screenshot";
        return false;
    }
    std::map<uint32_t, int> colours;
    for (size_t i = 0; i + 2 < s.rgb.size(); i += 3) {
        colours[((uint32_t)(uint8_t)s.rgb[i] << 16) | ((uint32_t)(uint8_t)s.rgb[i + 1] << 8) | (uint8_t)s.rgb[i + 2]]++;
    }
    uint32_t common = 0;
    int most = -1;
    for (const auto &c : colours) {
        if (c.second > most) {
            most = c.second;
            common = c.first;
        }
    }
    int differ = 0;
    const int cr = (int)(common >> 16), cg = (int)((common >> 8) & 255), cb = (int)(common & 255);
    for (int y = 0; y < s.h; y++) {
        for (int x = 0; x < s.w; x++) {
            differ += std::abs(s.at(x, y, 0) - cr) + std::abs(s.at(x, y, 1) - cg) + std::abs(s.at(x, y, 2) - cb) > 24;
        }
    }
    double share = (double)differ / ((double)s.w * s.h);
    *why = std::to_string(colours.size()) + " colours, " + std::to_string(share * 100.0) + " % differing";
    return colours.size() >= 16 && share >= 0.01;
}

// Any pixel of the menu rows' green.
bool has_menu_green(const Shot &s)
{
    for (int y = 0; y < s.h; y++) {
        for (int x = 0; x < s.w; x++) {
            if (plain_green(s.at(x, y, 0), s.at(x, y, 1), s.at(x, y, 2))) {
                return true;
            }
        }
    }
    return false;
}

// Screenshots of the window for up to 10 s until one passes the content check (a fade or
// a page's letters flying in can hide most of a screen for a moment); saved, checked.
Shot check_shot(const Menu &m, const std::string &name, bool menu)
{
    std::string why;
    Shot s = wait_for_shot(m.window, m.w, m.h, 10.0, [&](const Shot &shot) {
        return has_content(shot, &why) && (!menu || has_menu_green(shot));
    });
    s.save("e2e_play_" + name);
    EXPECT_TRUE(has_content(s, &why)) << name << ": " << why;
    if (menu) {
        EXPECT_TRUE(has_menu_green(s)) << name << ": no pixel of the rows' green";
    }
    return s;
}

// The HUD in play where the overlay plane puts it: the first life icon (x 15.4, one unit
// square below y 12.125), the first smart-bomb icon a unit lower, and the multiplier bar's
// frame (x -4 .. 4, y 11.175 .. 12.075). Icons and frame are green; the floor there is
// violet and the fences cyan.
void check_hud(const Shot &s)
{
    auto green = [](int r, int g, int b) { return g > 100 && g > r + 30 && g > b + 30; };
    EXPECT_GT(share(s, project(14.9f, 11.125f, 15.9f, 12.125f, 0.0f, s.w, s.h), 2, green), 0.1) << "a life icon";
    EXPECT_GT(share(s, project(14.9f, 10.125f, 15.9f, 11.125f, 0.0f, s.w, s.h), 2, green), 0.1) << "a bomb icon";
    EXPECT_GT(share(s, project(-4.0f, 11.175f, 4.0f, 12.075f, 0.0f, s.w, s.h), 0, green), 0.02) << "the bar";
}

// Waits for a log line starting with prefix; its rest, or "" after the timeout.
bool wait_for_prefix(GameProcess &game, const std::string &prefix, double timeout, std::string *rest)
{
    for (auto start = XClock::now(); seconds_since(start) < timeout; sleep_seconds(0.05)) {
        std::string log = game.log();
        size_t at = log.find(prefix);
        if (at != std::string::npos && log.find('\n', at) != std::string::npos) {
            *rest = log.substr(at + prefix.size(), log.find('\n', at) - at - prefix.size());
            return true;
        }
    }
    return false;
}

std::string page_line(int page) { return "[submenu] page " + std::to_string(page); }

// A proof for press_until: the log holds a line starting with prefix.
auto log_has(GameProcess &game, const std::string &prefix)
{
    return [&game, prefix] { return game.log().find(prefix) != std::string::npos; };
}

// The right end, in pixels, of the name row's letters (row 1 of the name page, from x -11
// at y -2.5, highlighted): its upper half only, so the blinking cursor "_" below the
// letters is left out. -1 when no letter shows.
int name_end(const Shot &s)
{
    const Box b = row_band(s, -11.0f, 12.0f, -2.5f);
    int end = -1;
    for (int y = std::max(b.y0, 0); y <= std::min((b.y0 + b.y1) / 2, s.h - 1); y++) {
        for (int x = std::max(b.x0, 0); x <= std::min(b.x1, s.w - 1); x++) {
            if (highlight(s.at(x, y, 0), s.at(x, y, 1), s.at(x, y, 2))) {
                end = std::max(end, x);
            }
        }
    }
    return end;
}

// The name row once its letters hold still (a letter flies in when typed): two
// screenshots 0.3 s apart that end the row at the same place, or the last after 10 s.
Shot still_name(const Menu &m)
{
    Shot last = grab(m.window, m.w, m.h);
    for (auto start = XClock::now(); seconds_since(start) < 10.0;) {
        sleep_seconds(0.3);
        Shot s = grab(m.window, m.w, m.h);
        if (s.ok() && last.ok() && name_end(s) > 0 && name_end(s) == name_end(last)) {
            return s;
        }
        last = s;
    }
    return last;
}

TEST(Playthrough, OneGameFromTheTitleToTheHighScoreTable)
{
    // The game folder as play.sh makes it.
    TempDir root;
    make_play_folder(root);
    const std::string prepared = prepared_payload();
    ASSERT_EQ(prepared.size() + 4, (size_t)SCORE_FILE_BYTES);
    root.write("run/score.cfg", std::string(4, '\0') + prepared);
    const long run_start = (long)time(nullptr);

    // The plain file is read and written back scrambled, with its extract.
    Menu m = reach_menu(root);
    ASSERT_TRUE(m.game);
    std::string saved = root.read("run/score.cfg");
    ASSERT_EQ(saved.size(), (size_t)SCORE_FILE_BYTES);
    EXPECT_EQ(get_word(saved, 0), 1u) << "flag word";
    EXPECT_TRUE(unscrambled(saved) == prepared) << "the prepared tables read back";
    EXPECT_EQ(root.read("scorestosend.txt").size(), (size_t)SCORE_EXTRACT_BYTES);

    // The main menu once its words show; One player (the ships' page), play.
    settled_page(m, rows_box(m.w, m.h));
    check_shot(m, "menu", true);
    ASSERT_TRUE(press_until(m.window, "Return", log_lines(*m.game, page_line(MENU_PAGE_SHIPS), 1))) << m.game->log();
    ASSERT_TRUE(press_until(m.window, "Return", log_lines(*m.game, "[submenu] play", 1))) << m.game->log();

    // Step W, A, S, D a second each, firing along each diagonal in turn (the robots come
    // from every side: a single diagonal let a whole game go by without a kill), until the
    // ship is lost or 40 s have passed.
    std::string check;
    bool lost = false;
    bool shot_taken = false;
    auto flying = XClock::now();
    for (int step = 0; !lost && seconds_since(flying) < 40.0; step++) {
        const char *moves[] = {"w", "a", "s", "d"};
        const char *fire[][2] = {{"Up", "Right"}, {"Right", "Down"}, {"Down", "Left"}, {"Left", "Up"}};
        const char *const *aim = fire[(step / 2) % 4];
        key_down(m, aim[0]);
        key_down(m, aim[1]);
        key_down(m, moves[step % 4]);
        lost = wait_for_prefix(*m.game, "[score] check ", 1.0, &check);
        key_up(moves[step % 4]);
        key_up(aim[0]);
        key_up(aim[1]);
        if (!shot_taken && seconds_since(flying) > 6.0) {
            check_hud(check_shot(m, "game", false));
            shot_taken = true;
        }
    }
    if (!lost) {
        // The last ship may be lost in the very moment the pause is asked for: the game
        // over then cancels the pause page and ends the game on its own, which is a game
        // over as good as the abandoning below. Every step accepts it.
        auto over = log_has(*m.game, "[score] check ");
        auto paused = log_lines(*m.game, page_line(MENU_PAGE_PAUSE), 1);
        ASSERT_TRUE(press_until(m.window, "Escape", [&] { return paused() || over(); })) << m.game->log();
        if (!over()) {
            settled_page(m, project(-7.3f, -7.45f, 5.0f, -3.8f, PAGE_Z, m.w, m.h));
        }
        if (!over()) {
            check_shot(m, "pause", true);
            auto on_abandon = shot_is(m, [](const Shot &s) {
                const PauseView v = pause_view(s);
                return v.shown && v.row == 2;
            });
            ASSERT_TRUE(press_until(m.window, "s", [&] { return over() || on_abandon(); }))
                << "S moved no highlight to \"Abandon game\"\n" << m.game->log();
        }
        if (!over()) {
            // The level ends and the score is checked at once; the wait allows a busy machine.
            ASSERT_TRUE(press_until(m.window, "Return", over, 20.0)) << m.game->log();
        }
        ASSERT_TRUE(wait_for_prefix(*m.game, "[score] check ", 1.0, &check)) << m.game->log();
    }

    // The score and the row it enters.
    int points = -1, row = -2;
    ASSERT_EQ(sscanf(check.c_str(), "%d points: row %d", &points, &row), 2) << check;
    ASSERT_GT(points, 0) << "level 101 scored nothing";
    int expected_row = 0;
    while (expected_row < SCORE_ROWS && 19000 - 1000 * expected_row > points) {
        expected_row++;
    }
    ASSERT_EQ(row, expected_row) << points << " points";

    // The name, then the table, the main menu and Quit.
    ASSERT_TRUE(wait_for_lines(*m.game, page_line(MENU_PAGE_NAME), 1, 15.0)) << m.game->log();
    settled_page(m, rows_box(m.w, m.h));
    check_shot(m, "name", true);
    // Each letter typed lengthens the row by a letter (the letter to choose next stands
    // after the typed ones); the third stores the entry and shows the table.
    const Box letter = project(0.0f, 0.0f, GLYPH_ADVANCE, 1.0f, PAGE_Z, m.w, m.h);
    const int advance = letter.x1 - letter.x0 + 1;
    for (const char *key : {"a", "b"}) {
        Shot was = still_name(m);
        const int before = name_end(was);
        ASSERT_GT(before, 0) << "no name row";
        int after = -1;
        Shot now;
        const bool typed = press_until(m.window, key, [&] {
            now = grab(m.window, m.w, m.h);
            after = now.ok() ? name_end(now) : -1;
            return after >= before + advance / 2;
        });
        if (!typed) {
            was.save(std::string("e2e_play_name_before_") + key);
            now.save(std::string("e2e_play_name_after_") + key);
        }
        ASSERT_TRUE(typed) << key << " typed no letter: the row ended at " << before << ", then at " << after
                           << " (a letter is " << advance << " pixels)";
    }
    ASSERT_TRUE(press_until(m.window, "c", log_lines(*m.game, page_line(MENU_PAGE_SCORES), 1))) << m.game->log();
    sleep_seconds(2.5);
    // (The table's lines are drawn in the score colours, not the rows' green.)
    check_shot(m, "table", false);
    ASSERT_TRUE(press_until(m.window, "Return", log_lines(*m.game, page_line(MENU_PAGE_MAIN), 2))) << m.game->log();
    // Up from "One player" to "Quit" (the rows wrap round) once the rows have flown in,
    // then Return.
    settled_page(m, rows_box(m.w, m.h));
    ASSERT_TRUE(press_until(m.window, "Up", shot_is(m, [](const Shot &s) { return main_page_row(s) == 7; })))
        << "Up did not bring the highlight to Quit";
    ASSERT_TRUE(press_until(m.window, "Return", log_lines(*m.game, "[submenu] quit", 1))) << m.game->log();
    EXPECT_EQ(m.game->wait_exit(), 0);
    EXPECT_EQ(count_lines(m.game->log(), "[init] done free_game"), 1) << m.game->log();
    const long run_end = (long)time(nullptr);

    // The tables on disk: the new row in table 0, the rest as prepared.
    saved = root.read("run/score.cfg");
    ASSERT_EQ(saved.size(), (size_t)SCORE_FILE_BYTES);
    const std::string now = unscrambled(saved);
    for (int r = 0; r < row; r++) {
        EXPECT_TRUE(record(now, 0, r) == record(prepared, 0, r)) << "row " << r << " above the new one";
    }
    const std::string mine = record(now, 0, row);
    EXPECT_EQ(mine.substr(24, 4), std::string("abc", 4));
    EXPECT_EQ((int32_t)get_word(mine, 4), points);
    EXPECT_GT((int32_t)get_word(mine, 8), 0) << "play ticks";
    EXPECT_EQ((int32_t)get_word(mine, 12), 0) << "levels completed";
    const long date = (long)(int32_t)get_word(mine, 20);
    EXPECT_TRUE(date >= run_start && date <= run_end) << date << " not within " << run_start << ".." << run_end;
    for (int r = row + 1; r < SCORE_ROWS; r++) {
        EXPECT_TRUE(record(now, 0, r) == record(prepared, 0, r - 1)) << "row " << r << " shifted down";
    }
    const size_t tables = (size_t)SCORE_TABLES * SCORE_ROWS * SCORE_RECORD_BYTES;
    const size_t table0 = (size_t)SCORE_ROWS * SCORE_RECORD_BYTES;
    EXPECT_TRUE(now.compare(table0, tables - table0, prepared, table0, tables - table0) == 0) << "tables 1-15";
    EXPECT_EQ(get_word(now, tables), 1u) << "level word 0";
    EXPECT_TRUE(now.compare(tables + 4, std::string::npos, prepared, tables + 4, std::string::npos) == 0)
        << "level words 1-15";
    const std::string extract = root.read("scorestosend.txt");
    ASSERT_EQ(extract.size(), (size_t)SCORE_EXTRACT_BYTES);
    EXPECT_TRUE(unscrambled(extract).compare(0, 3 * SCORE_RECORD_BYTES, now, 0, 3 * SCORE_RECORD_BYTES) == 0)
        << "the extract's table 0";
}

} // namespace
