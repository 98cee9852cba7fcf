// The menus driven by synthetic input frames through the input ring, with the shipped
// language files: the way from page to page, the values the pages change, the name
// entry, the controls page's binding, and what menu_draw hands the glyph drawer.

#include "game/menu.h"
#include "game/menu_local.h"

#include "core/con.h"
#include "core/file.h"
#include "core/mem.h"
#include "core/mt.h"
#include "game/gameinfo.h"
#include "game/highscore.h"
#include "game/lifecycle.h"
#include "game/settings.h"
#include "platform/bind.h"
#include "platform/input.h"
#include "platform/input_local.h"
#include "tests/game/glyph_recorder.h"
#include "tests/support/log_capture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int32_t CODE_RETURN = 13;

struct Calls {
    int gamma = 0;
    std::vector<int> urls;
    std::vector<std::string> inserted;   // the name as score_insert found it
};

Calls &calls()
{
    static Calls c;
    return c;
}

void count_gamma()
{
    calls().gamma++;
}

void record_url(int which)
{
    calls().urls.push_back(which);
}

void record_insert(int *first_row, int *table)
{
    calls().inserted.push_back(g_name_buffer);
    score_insert(first_row, table);
}

InputFrame frame(float down, float right, uint32_t keys = 0, int32_t code = 0)
{
    InputFrame f{};
    f.axis[2] = down;
    f.axis[0] = right;
    f.keys = keys;
    f.last_code = code;
    return f;
}

const InputFrame NOTHING = frame(0, 0);
const InputFrame DOWN = frame(1, 0);
const InputFrame UP = frame(-1, 0);
const InputFrame RIGHT = frame(0, 1);
const InputFrame SELECT = frame(0, 0, INPUT_KEY_SELECT, CODE_RETURN);

std::string page_row(int page, int r)
{
    int count = 0;
    MenuItem *items = menu_page(page, &count);
    return r < count ? items[r].text : "<no row>";
}

class MenuControl : public ::testing::Test {
protected:
    void SetUp() override
    {
        mem_init();
        init_console_vars();
        g_render_fullscreen = 1.0f;
        snprintf(g_menu_dir, FILE_DIR_SIZE, "%s/data/menu/", GLIMMERFALL_SOURCE_DIR);
        g_language_num = 0.0f;
        menu_init_languages();
        menu_parse_text();
        input_reset();
        g_menu_input = 1;
        calls() = Calls{};
        g_menu_calls = MenuCalls{count_gamma, record_url, record_insert};
        glyphs::install();
        g_two_player = 0;
        g_game_type = 0.0f;
        g_start_stage = 1.0f;
        for (int c = 'a'; c <= 'z'; c++) {
            snprintf(input_key_names[c], INPUT_KEY_NAME_SIZE, "%c", c);
        }
        menu_start(MENU_START_MAIN);
        tick(NOTHING);   // nothing held from before
    }
    void TearDown() override
    {
        glyphs::restore();
        g_menu_calls = MENU_CALLS_DEFAULT;
        menu_free_languages();
        menu_start(MENU_START_MAIN);
        g_menu_choice = 0;
        g_language_num = 0.0f;
        g_player_input[0].input_type = 0.0f;
        g_player_input[1].input_type = 0.0f;
        con_config(0);
        input_reset();
        g_menu_input = 0;
        EXPECT_EQ(mem_usage, 0u);
    }
    // One logic tick of the menus with this sample.
    void tick(const InputFrame &f)
    {
        input_ring_push(&f);
        input_take_pending();
        input_step();
        menu_control();
    }
    // Pressed for one tick, then let go.
    void press(const InputFrame &f, int times = 1)
    {
        for (int i = 0; i < times; i++) {
            tick(f);
            tick(NOTHING);
        }
    }
    void open(int page, int row)
    {
        g_menu_page = page;
        g_menu_item = row;
    }
};

TEST_F(MenuControl, OnePlayerGoesStraightToTheShipsWhenNothingElseIsOpen)
{
    g_game_type = 3.0f;
    g_start_stage = 5.0f;
    LogCapture log;
    press(SELECT);
    EXPECT_EQ(g_menu_page, MENU_PAGE_SHIPS) << "no game type reached, one stage";
    EXPECT_EQ(g_menu_item, 1);
    EXPECT_EQ(g_two_player, 0);
    EXPECT_EQ(g_game_type, 0.0f) << "the game-type page was skipped";
    EXPECT_EQ(g_start_stage, 1.0f) << "the stage page was skipped";
    EXPECT_EQ(log.count("[submenu] page 11"), 1);

    press(SELECT);
    EXPECT_EQ(g_menu_page, MENU_PAGE_LAUNCH);
    EXPECT_EQ(g_start_level, 101.0f);
    tick(NOTHING);
    EXPECT_EQ(g_menu_choice, MENU_CHOICE_PLAY);
}

TEST_F(MenuControl, AStageStartsTenLevelsAfterThePreviousOne)
{
    const struct {
        int stage;
        float level;
    } cases[] = {{1, 101.0f}, {2, 110.0f}, {9, 180.0f}};
    for (const auto &c : cases) {
        open(MENU_PAGE_SHIPS, 1);
        g_start_stage = (float)c.stage;
        press(SELECT);
        EXPECT_EQ(g_start_level, c.level) << "stage " << c.stage;
    }
}

TEST_F(MenuControl, TheEndOfLoopBonusLineIsCutAtItsRow)
{
    snprintf(g_menu_texts[0], MENU_TEXT_SIZE, "%s", std::string(127, 'b').c_str());
    snprintf(g_menu_texts[51], MENU_TEXT_SIZE, "%s", std::string(127, 'm').c_str());
    g_finished = 1;
    g_wrap_count = 12;
    g_wrap_steps = 3;
    menu_end_page();
    EXPECT_EQ(g_menu_page, MENU_PAGE_FINISHED);
    EXPECT_EQ(page_row(MENU_PAGE_FINISHED, 3), "+ " + std::string(125, 'b'));
    EXPECT_EQ(page_row(MENU_PAGE_FINISHED, 1), menu_text(38)) << "the wrap count names a belt of 0..7";
    EXPECT_EQ(g_menu_item, 0);
    g_finished = 0;
    g_wrap_count = 0;
    g_wrap_steps = 0;
}

TEST_F(MenuControl, TheSettingsPageSwitchesToGerman)
{
    press(DOWN, 4);
    EXPECT_EQ(g_menu_item, 5);
    press(SELECT);
    ASSERT_EQ(g_menu_page, MENU_PAGE_SETTINGS);
    press(SELECT);
    EXPECT_EQ(g_language_num, 1.0f);
    EXPECT_EQ(page_row(MENU_PAGE_SETTINGS, 1), "Sprache: Deutsch");
    EXPECT_EQ(page_row(MENU_PAGE_MAIN, 1), "Ein Spieler");
    EXPECT_EQ(g_menu_page, MENU_PAGE_SETTINGS) << "the language row stays on its page";
}

TEST_F(MenuControl, HoldingRightOnBrightnessRaisesItAndRebuildsTheGammaEachTick)
{
    open(MENU_PAGE_VIDEO, 9);
    g_render_brightness = 0.5f;
    for (int i = 0; i < 100; i++) {
        tick(RIGHT);
    }
    EXPECT_NEAR(g_render_brightness, 0.7f, 1e-4);
    EXPECT_EQ(calls().gamma, 100);
    tick(NOTHING);
    EXPECT_EQ(calls().gamma, 100) << "no change, no rebuild";
}

TEST_F(MenuControl, TheDeviceRowOffersPlayerTwoNoMouse)
{
    open(MENU_PAGE_CONTROLS, 1);
    std::vector<int> seen;
    for (int i = 0; i < 3; i++) {
        press(RIGHT);
        seen.push_back((int)g_player_input[0].input_type);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0}));
    std::string device = page_row(MENU_PAGE_CONTROLS, 1);
    EXPECT_EQ(device.substr(g_label_columns[MENU_COLUMN_DEVICE]), menu_text(11));

    g_controls_player = 1;
    seen.clear();
    for (int i = 0; i < 2; i++) {
        press(RIGHT);
        seen.push_back((int)g_player_input[1].input_type);
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 0}));
}

TEST_F(MenuControl, WithMouseAimTheFireRowsAreSkippedAndHidden)
{
    g_player_input[0].input_type = 1.0f;
    open(MENU_PAGE_CONTROLS, 5);
    press(DOWN);
    EXPECT_EQ(g_menu_item, 10);
    press(UP);
    EXPECT_EQ(g_menu_item, 5);

    menu_draw();
    int count = 0;
    MenuItem *items = menu_page(MENU_PAGE_CONTROLS, &count);
    for (int r = 2; r <= 12; r++) {
        EXPECT_EQ(items[r].a, r >= 6 && r <= 9 ? 0 : 255) << r;
    }
    const glyphs::Draw *fire_up = glyphs::find(items[6].text);
    ASSERT_NE(fire_up, nullptr);
    EXPECT_EQ(fire_up->a, 0.0f);
    g_player_input[0].input_type = 2.0f;
    menu_draw();
    EXPECT_EQ(items[6].a, 255);
}

TEST_F(MenuControl, ASelectHeldAcrossMenuStartIsIgnored)
{
    tick(SELECT);
    ASSERT_EQ(g_menu_page, MENU_PAGE_SHIPS);
    menu_start(MENU_START_MAIN);
    tick(SELECT);
    tick(SELECT);
    EXPECT_EQ(g_menu_page, MENU_PAGE_MAIN);
    tick(NOTHING);
    tick(SELECT);
    EXPECT_EQ(g_menu_page, MENU_PAGE_SHIPS);
}

TEST_F(MenuControl, TheVideoPagesBackRowAppliesWhatChanged)
{
    open(MENU_PAGE_SETTINGS, 2);
    press(SELECT);
    ASSERT_EQ(g_menu_page, MENU_PAGE_VIDEO);
    press(RIGHT);   // the next resolution
    press(UP);      // row 1 up wraps to the back row
    ASSERT_EQ(g_menu_item, 11);
    press(SELECT);
    EXPECT_EQ(g_menu_choice, MENU_CHOICE_MODE);
    EXPECT_EQ(g_menu_page, MENU_PAGE_SETTINGS);

    g_menu_choice = 0;
    open(MENU_PAGE_SETTINGS, 2);
    press(SELECT);
    press(DOWN, 4);
    ASSERT_EQ(g_menu_item, 5);
    press(RIGHT);   // texture depth only
    press(UP, 5);
    ASSERT_EQ(g_menu_item, 11);
    press(SELECT);
    EXPECT_EQ(g_menu_choice, MENU_CHOICE_TEXTURES);
}

TEST_F(MenuControl, ReturnOnAnActionWaitsAndBindsTheNextInput)
{
    g_player_input[0].input_type = 2.0f;   // the keyboard set
    open(MENU_PAGE_CONTROLS, 5);           // move right, action 3
    tick(SELECT);
    EXPECT_EQ(g_key_wait, 1);
    tick(SELECT);
    tick(NOTHING);
    EXPECT_EQ(g_key_wait, 1) << "Return itself and no input are not bound";
    LogCapture log;
    tick(frame(0, 0, 0, 'x'));
    EXPECT_EQ(g_key_wait, 0);
    EXPECT_EQ(log.count("[input] menu setting key120 move_right"), 1);
    EXPECT_EQ(g_menu_item, 5);
}

class MenuNameEntry : public MenuControl {
protected:
    void SetUp() override
    {
        MenuControl::SetUp();
        menu_start(MENU_START_NAME);
        g_menu_choice = MENU_CHOICE_NAME_ENTRY;   // as the game-over check leaves it
        tick(NOTHING);
    }
    void type(char c) { press(frame(0, 0, 0, c)); }
};

TEST_F(MenuNameEntry, ThreeTypedLettersStoreTheEntryAtOnce)
{
    LogCapture log;
    type('a');
    type('b');
    EXPECT_TRUE(calls().inserted.empty());
    type('c');
    EXPECT_EQ(calls().inserted, (std::vector<std::string>{"abc"}));
    EXPECT_EQ(g_menu_page, MENU_PAGE_SCORES);
    EXPECT_EQ(log.count("[submenu] page 5"), 1);
}

TEST_F(MenuNameEntry, DeleteTakesBackTheLastLetter)
{
    press(SELECT);     // A
    press(DOWN);
    press(SELECT);     // B
    ASSERT_EQ(std::string(g_name_buffer, 2), "AB");
    press(UP, 2);      // past A to the word "delete"
    EXPECT_EQ(std::string(g_name_buffer), "ABdelete");
    press(SELECT);
    EXPECT_EQ(g_name_length, 1);
    EXPECT_EQ(std::string(g_name_buffer), "Adelete") << "the cursor on the second place";
    EXPECT_TRUE(calls().inserted.empty());
}

TEST_F(MenuNameEntry, TheFirstLetterIsALetterOrADigit)
{
    press(UP);
    EXPECT_EQ(g_name_letter, 35);
    EXPECT_EQ(std::string(g_name_buffer), "9");
    press(DOWN);
    EXPECT_EQ(g_name_letter, 0);
    EXPECT_EQ(std::string(g_name_buffer), "A");
}

TEST_F(MenuNameEntry, TheNameRowBlinksItsCursor)
{
    press(SELECT);
    press(DOWN);
    press(SELECT);
    press(DOWN);       // C at the cursor
    g_menu_blink = 15;
    menu_draw();
    EXPECT_EQ(page_row(MENU_PAGE_NAME, 1), "> ABC_");
    EXPECT_NE(glyphs::find("> ABC_"), nullptr);
    g_menu_blink = 31;
    menu_draw();
    EXPECT_EQ(page_row(MENU_PAGE_NAME, 1), "> ABC");
}

TEST_F(MenuControl, APageWithMoreLettersThanTimersGivesTheRestNone)
{
    open(MENU_PAGE_VIDEO, 1);
    int count = 0;
    MenuItem *items = menu_page(MENU_PAGE_VIDEO, &count);
    for (int r = 0; r < count; r++) {
        snprintf(items[r].text, MENU_TEXT_SIZE, "%s", std::string(127, 'w').c_str());
    }
    menu_draw();
    int taken = 0;
    for (const glyphs::Draw &d : glyphs::draws()) {
        EXPECT_EQ(d.timers_offered, MENU_TWINKLE_COUNT - taken) << d.text.substr(0, 10);
        taken += d.timers_taken;
    }
    EXPECT_EQ(taken, MENU_TWINKLE_COUNT);
    EXPECT_EQ(glyphs::draws().back().timers_offered, 0);
}

TEST_F(MenuControl, DrawingLeavesTheSimulationsRandomSequenceAlone)
{
    mt_seed(7);
    uint32_t first = mt_rand();
    mt_seed(7);
    for (int i = 0; i < 20; i++) {
        menu_draw();
    }
    int started = 0;
    for (int32_t t : g_twinkle) {
        started += t != 0;
    }
    EXPECT_GT(started, 0) << "the letters began to appear";
    EXPECT_EQ(mt_rand(), first);
}

} // namespace
