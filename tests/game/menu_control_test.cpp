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
#include "platform/zwin.h"
#include "tests/game/game_folder.h"
#include "tests/game/glyph_recorder.h"
#include "tests/game/screen_text.h"
#include "tests/support/default_binds.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
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
        saved_menu_dir = g_menu_dir;
        snprintf(g_menu_dir, FILE_DIR_SIZE, "%s/data/menu/", relative_path(GLIMMERFALL_SOURCE_DIR).c_str());
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
        // No game type and one start stage open, whatever other tests left behind.
        memcpy(saved_reached, g_level_reached, sizeof(saved_reached));
        for (int32_t &r : g_level_reached) {
            r = 0;
        }
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
        g_menu_click = 0;
        g_type_reach = 0;
        g_stage_count = 1;
        memcpy(g_level_reached, saved_reached, sizeof(saved_reached));
        snprintf(g_menu_dir, FILE_DIR_SIZE, "%s", saved_menu_dir.c_str());
        EXPECT_EQ(mem_usage, 0u);
    }
    std::string saved_menu_dir;
    int32_t saved_reached[SCORE_TABLES];
    int last_mouse[2] = {0, 0};
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
    // One frame of n ticks whose n samples the sampler took before it.
    void ticks(const InputFrame &f, int n)
    {
        for (int i = 0; i < n; i++) {
            input_ring_push(&f);
        }
        for (int k = input_take_pending(); k > 0; k--) {
            input_step();
            menu_control();
        }
    }
    // One tick with the pointer at (x, y) and the mouse buttons given.
    void point(float x, float y, int buttons = 0)
    {
        g_menu_pointer[0] = x;
        g_menu_pointer[1] = y;
        g_menu_click = buttons;
        tick(NOTHING);
        g_menu_click = 0;
    }
    // A click: the button down for one tick, then up.
    void click(float x, float y)
    {
        point(x, y, 1);
        point(x, y);
    }
    // The keys of one sample as the sampler reads them in a menu.
    InputFrame sampled(std::initializer_list<int> keys)
    {
        InputSnapshot snap{};
        for (int k : keys) {
            snap.keys[k] = 1;
        }
        // The mouse stands still where the last sample left it; the pointer stays put.
        snap.mouse_x = last_mouse[0];
        snap.mouse_y = last_mouse[1];
        const float px = g_menu_pointer[0], py = g_menu_pointer[1];
        InputFrame f{};
        input_build_frame(&snap, &f);
        g_menu_pointer[0] = px;
        g_menu_pointer[1] = py;
        return f;
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

TEST_F(MenuControl, ABoundMoveKeyIsNoMoveOfTheHighlight)
{
    input_clear_slots();
    g_player_input[0].input_type = 2.0f;   // the keyboard set
    struct Case {
        int row;            // the action's row: Move up, Move down
        int key;            // the key bound to it, held on
        const char *log;
    } cases[] = {
        {2, 'u', "[input] menu setting key117 move_forward"},
        {3, 'x', "[input] menu setting key120 move_back"},
        {2, 273, "[input] menu setting key273 move_forward"},   // the up arrow, a menu key too
    };
    for (const Case &c : cases) {
        open(MENU_PAGE_CONTROLS, c.row);
        press(SELECT);
        ASSERT_EQ(g_key_wait, 1);
        LogCapture log;
        // Held for a while. The sampler runs ahead of the menus: the samples of a frame
        // are all taken before its first tick binds the key, so they show no move; the
        // next frames' samples read the bound key as a move.
        for (int frames = 0; frames < 4; frames++) {
            const InputFrame held = sampled({c.key});
            ticks(held, 3);
        }
        EXPECT_EQ(log.count(c.log), 1);
        EXPECT_EQ(g_key_wait, 0);
        EXPECT_EQ(g_menu_item, c.row) << "binding key " << c.key;
        tick(sampled({}));
        tick(sampled({c.key}));
        EXPECT_EQ(g_menu_item, c.row == 2 ? 1 : 4) << "pressed again it moves";
    }
}

TEST_F(MenuControl, LockedGameTypesStayLocked)
{
    for (int t = 0; t < 3; t++) {
        g_level_reached[t] = 5;   // white, yellow and orange open
    }
    g_game_type = 6.0f;           // left from the two-player half
    press(SELECT);
    ASSERT_EQ(g_menu_page, MENU_PAGE_TYPE);
    EXPECT_EQ(g_type_reach, 2);
    EXPECT_EQ(g_game_type, 0.0f) << "a locked type is not kept";
    std::vector<int> seen;
    for (int i = 0; i < 3; i++) {
        press(RIGHT);
        seen.push_back((int)g_game_type);
    }
    press(frame(0, -1));
    seen.push_back((int)g_game_type);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0, 2}));
    // The belt strip: x -13 .. 13 in eight belts; belt 6 is locked, belt 1 open.
    click(-13.0f + 26.0f * 6.5f / 8.0f, -2.0f);
    EXPECT_EQ(g_game_type, 2.0f) << "a click on a locked belt";
    click(-13.0f + 26.0f * 1.5f / 8.0f, -2.0f);
    EXPECT_EQ(g_game_type, 1.0f);
    click(5.0f, 0.0f);   // the right arrow
    click(5.0f, 0.0f);
    EXPECT_EQ(g_game_type, 0.0f) << "the arrows wrap within the open types";
    EXPECT_EQ(g_menu_page, MENU_PAGE_TYPE) << "clicks on the pictures choose no row";

    // Every type open: near either end of each eighth of the strip, that belt.
    for (int t = 0; t < SCORE_TABLES / 2; t++) {
        g_level_reached[t] = 5;
    }
    open(MENU_PAGE_MAIN, 1);
    press(SELECT);
    ASSERT_EQ(g_type_reach, 7);
    for (int belt = 0; belt < 8; belt++) {
        for (float within : {0.1f, 0.9f}) {
            click(-13.0f + 26.0f * ((float)belt + within) / 8.0f, -2.0f);
            EXPECT_EQ(g_game_type, (float)belt) << "a click " << within << " into belt " << belt;
        }
    }
}

TEST_F(MenuControl, ThePointerHighlightsTheRowUnderItAndClicksTheStageStrip)
{
    point(-10.0f, -2.5f);   // on "High scores", row 3 at y -2
    EXPECT_EQ(g_menu_item, 3);
    point(10.0f, -3.5f);    // right of "Online scores": no row
    EXPECT_EQ(g_menu_item, 3);
    point(-10.0f, -3.5f);
    EXPECT_EQ(g_menu_item, 4);

    g_level_reached[0] = 25;   // stages 1, 10 and 20
    g_stage_count = 3;
    open(MENU_PAGE_STAGE, 1);
    click(11.0f, -1.8f);       // stage 9: not open
    EXPECT_EQ(g_start_stage, 1.0f);
    click(-12.0f + 24.0f * 2.5f / 9.0f, -1.8f);
    EXPECT_EQ(g_start_stage, 3.0f);
    click(-5.0f, 0.0f);        // the left arrow
    EXPECT_EQ(g_start_stage, 2.0f);
    EXPECT_EQ(g_menu_page, MENU_PAGE_STAGE);
}

TEST_F(MenuControl, TheHighlightIsDrawnOnTheCurrentRow)
{
    press(DOWN, 2);
    ASSERT_EQ(g_menu_item, 3);
    menu_draw();
    int count = 0;
    MenuItem *items = menu_page(MENU_PAGE_MAIN, &count);
    for (int r = 1; r < count; r++) {
        const glyphs::Draw *d = glyphs::find(items[r].text);
        ASSERT_NE(d, nullptr) << r;
        if (r == 3) {
            EXPECT_FLOAT_EQ(d->z, items[r].z + 0.5f) << "nearer";
            EXPECT_EQ(d->g, 255.0f) << "pulsing green to white";
            EXPECT_EQ(d->r, d->b);
        } else {
            EXPECT_FLOAT_EQ(d->z, items[r].z) << r;
            EXPECT_EQ(d->g, 96.0f) << r;
            EXPECT_EQ(d->r, 48.0f) << r;
        }
    }
}

TEST_F(MenuControl, AWebPageOpensOnceForAReturnHeldThroughTheModeChange)
{
    press(DOWN, 3);
    ASSERT_EQ(g_menu_item, 4);
    tick(SELECT);
    EXPECT_EQ(calls().urls, (std::vector<int>{1}));
    // Full screen: the mode is set again, which forgets the held key for a moment; then
    // the key state comes back.
    for (int i = 0; i < 20; i++) {
        tick(NOTHING);
    }
    tick(SELECT);
    tick(SELECT);
    EXPECT_EQ(calls().urls, (std::vector<int>{1})) << "a held Return is no new press";
    for (int i = 0; i < 50; i++) {
        tick(NOTHING);   // let go for half a second
    }
    tick(SELECT);
    EXPECT_EQ(calls().urls, (std::vector<int>{1, 1})) << "a new press opens it again";
    press(DOWN, 2);
    for (int i = 0; i < 50; i++) {
        tick(NOTHING);
    }
    tick(SELECT);
    EXPECT_EQ(calls().urls, (std::vector<int>{1, 1, 8})) << "the help row";
}

class MenuNameEntry : public MenuControl {
protected:
    // A stored entry saves "score.cfg" and "../scorestosend.txt": in a folder of the test's own.
    GameFolder folder;

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

// ---- every page's rows on the narrowest screens the mode table gives ----

// The names SDL gives the keys of the shipped "bindwin32.cfg", blanks made "_" as the
// controls page shows them (SDL names keys only once its video is up).
const std::map<int, const char *> DEFAULT_KEY_NAMES = {
    {32, "space"},  {97, "a"},   {100, "d"},  {105, "i"},   {106, "j"},   {107, "k"},   {108, "l"},
    {112, "p"},     {115, "s"},  {119, "w"},  {256, "[0]"}, {258, "[2]"}, {260, "[4]"}, {261, "[5]"},
    {262, "[6]"},   {264, "[8]"}, {273, "up"}, {274, "down"}, {275, "right"}, {276, "left"},
    {304, "left_shift"},
};

class MenuLayout : public MenuControl {
protected:
    screen_text::InkTable ink{};
    VideoMode saved_modes[MAX_VIDEO_MODES];
    int saved_mode_count = 0;
    HighScoreTables saved_scores;

    void SetUp() override
    {
        MenuControl::SetUp();
        ASSERT_TRUE(screen_text::load_ink(&ink));
        // The shipped bindings, a joystick to show them and the keys' names.
        input_clear_slots();
        exec_default_binds();
        for (const auto &k : DEFAULT_KEY_NAMES) {
            snprintf(input_key_names[k.first], INPUT_KEY_NAME_SIZE, "%s", k.second);
        }
        input_joystick_count = 1;
        memcpy(saved_modes, zwin_modes, sizeof(saved_modes));
        saved_mode_count = zwin_mode_count;
        memcpy(saved_scores, g_score_tables, sizeof(saved_scores));
        score_tables_reset();   // the pages show the default tables, whatever was loaded before
        // The widest names a mode can have.
        const int sizes[][2] = {{1280, 1024}, {1024, 768}, {800, 600}, {1920, 1200}};
        zwin_mode_count = 4;
        for (int i = 0; i < 4; i++) {
            zwin_modes[i] = VideoMode{0, 0, (uint16_t)sizes[i][0], (uint16_t)sizes[i][1]};
        }
    }
    void TearDown() override
    {
        memcpy(zwin_modes, saved_modes, sizeof(saved_modes));
        zwin_mode_count = saved_mode_count;
        memcpy(g_score_tables, saved_scores, sizeof(saved_scores));
        input_joystick_count = 0;
        input_clear_slots();
        for (int c = 0; c < INPUT_KEY_COUNT; c++) {
            input_key_names[c][0] = '\0';
        }
        g_score_gameinfo = nullptr;
        g_new_row = -1;
        g_finished = 0;
        g_wrap_count = 0;
        g_wrap_steps = 0;
        g_levels_completed = 0;
        g_type_reach = 0;
        g_stage_count = 1;
        init_console_vars();   // the settings the pages were shown with back to their defaults
        MenuControl::TearDown();
    }
    // The lines of the page's frames, one frame with each choosable row highlighted.
    void draw_page(int page, std::vector<std::vector<glyphs::Draw>> *frames)
    {
        int count = 0;
        menu_page(page, &count);
        for (int row = 1; row < count; row++) {
            g_menu_page = page;
            g_menu_item = row;
            g_menu_frames = 700;   // the main page's hints are up
            glyphs::draws().clear();
            if (page == MENU_PAGE_FINISHED || page == MENU_PAGE_LOOP) {
                menu_end_page();
            } else {
                if (page != MENU_PAGE_LAUNCH && page != MENU_PAGE_NAME) {
                    tick(NOTHING);   // the page writes its values
                }
                g_menu_page = page;
                g_menu_item = row;
                menu_draw();
            }
            std::vector<glyphs::Draw> shown;
            for (const glyphs::Draw &d : glyphs::draws()) {
                if (d.a > 0.0f) {
                    shown.push_back(d);
                }
            }
            frames->push_back(shown);
        }
    }
    // Each page in the states that change its words: every value of the video rows,
    // every device of both players, every belt and stage, the longest table lines.
    std::vector<std::vector<glyphs::Draw>> every_frame(int page)
    {
        std::vector<std::vector<glyphs::Draw>> lines;
        switch (page) {
        case MENU_PAGE_VIDEO:
            for (int v = 0; v < 4; v++) {
                g_render_resolution = (float)v;
                g_render_fullscreen = (float)(v & 1);
                g_render_colourdepth = (float)(1 + (v & 1));
                g_render_sync = g_render_16bittexture = g_render_trilinear = (float)(v & 1);
                g_render_backgroundgfx = (float)v;
                g_render_particles = g_render_brightness = 1.0f;
                g_render_biggcrosshair = v & 1 ? 1.0f : 0.25f;
                draw_page(page, &lines);
            }
            break;
        case MENU_PAGE_SOUND:
            g_sound_sfxvol = g_sound_menuvol = 1.0f;
            draw_page(page, &lines);
            break;
        case MENU_PAGE_SCORES:
            // Every table shown holds the longest lines, whatever other tests left in them.
            for (auto &table : g_score_tables) {
                for (HighScore &h : table) {
                    h.score = 999999999;
                    h.play_ticks = 5999999;
                    h.levels = 9999;
                    snprintf(h.name, sizeof(h.name), "MWM");
                }
            }
            for (int t = 0; t < SCORE_TABLES; t++) {
                for (int first : {0, 10}) {
                    g_hs_table = t;
                    g_hs_first_row = first;
                    g_new_row = first + 9;
                    draw_page(page, &lines);
                }
            }
            break;
        case MENU_PAGE_NAME: {
            static GameInfo record{};
            record.score = 999999999;
            record.play_ticks = 5999999;
            g_score_gameinfo = &record;
            g_new_row = 19;
            g_levels_completed = 9999;
            snprintf(g_name_buffer, MENU_NAME_SIZE, "ABdelete");
            g_name_length = 2;
            g_menu_cursor_on = 1;
            g_menu_blink = 15;
            draw_page(page, &lines);
            break;
        }
        case MENU_PAGE_CONTROLS:
            for (int player = 0; player < 2; player++) {
                for (int type = 0; type < 3; type++) {
                    g_controls_player = player;
                    g_player_input[player].input_type = (float)type;
                    draw_page(page, &lines);
                }
            }
            break;
        case MENU_PAGE_TYPE:
            for (int type = 0; type < 8; type++) {
                g_type_reach = 7;
                g_game_type = (float)type;
                draw_page(page, &lines);
            }
            break;
        case MENU_PAGE_STAGE:
            for (int stage = 1; stage <= 9; stage++) {
                g_stage_count = 9;
                g_start_stage = (float)stage;
                draw_page(page, &lines);
            }
            break;
        case MENU_PAGE_FINISHED:
            g_finished = 1;
            for (int wrap = 0; wrap < 8; wrap++) {
                g_wrap_count = wrap;
                g_wrap_steps = 99;
                draw_page(page, &lines);
            }
            break;
        default:
            g_finished = 0;
            draw_page(page, &lines);
            break;
        }
        return lines;
    }
};

TEST_F(MenuLayout, EveryRowFitsTheScreen)
{
    const char *codes[] = {"en", "de", "fr"};
    std::set<std::string> outside;    // one line per language, shape, page and text
    std::set<std::string> covering;   // two lines of one frame whose letters meet
    int checked = 0;
    for (int lang = 0; lang < 3; lang++) {
        g_language_num = (float)lang;
        menu_parse_text();
        for (int page = 0; page < MENU_PAGE_COUNT; page++) {
            std::vector<std::vector<glyphs::Draw>> frames = every_frame(page);
            EXPECT_FALSE(frames.empty()) << codes[lang] << " page " << page;
            for (const std::vector<glyphs::Draw> &lines : frames) {
                for (const screen_text::Aspect &aspect : screen_text::ASPECTS) {
                    std::vector<screen_text::Box> boxes;
                    for (const glyphs::Draw &d : lines) {
                        boxes.push_back(screen_text::draw_box(ink, d, g_menu_text_depth, aspect.value));
                        checked++;
                        if (!boxes.back().inside_screen()) {
                            outside.insert(std::string(codes[lang]) + " " + aspect.name + " page " +
                                           std::to_string(page) + " \"" + d.text + "\" " +
                                           screen_text::describe(boxes.back()));
                        }
                    }
                    for (size_t i = 0; i < lines.size(); i++) {
                        for (size_t j = i + 1; j < lines.size(); j++) {
                            // The stage page draws the choosable part of its scale over the whole.
                            const bool stacked = lines[i].x == lines[j].x && lines[i].y == lines[j].y;
                            if (!stacked && boxes[i].overlaps(boxes[j])) {
                                covering.insert(std::string(codes[lang]) + " " + aspect.name + " page " +
                                                std::to_string(page) + " \"" + lines[i].text + "\" and \"" +
                                                lines[j].text + "\"");
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 10000);
    std::string report;
    for (const std::string &o : outside) {
        report += o + "\n";
    }
    EXPECT_TRUE(outside.empty()) << outside.size() << " lines leave the screen:\n" << report;
    report.clear();
    for (const std::string &c : covering) {
        report += c + "\n";
    }
    EXPECT_TRUE(covering.empty()) << covering.size() << " pairs of lines cover each other:\n" << report;
}

} // namespace
