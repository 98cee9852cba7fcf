// Bindings: the bind command's entity and target names, "bindwin32.cfg" written and read
// back (and the default file the game ships), the controls-page texts and binding the
// next pressed input from the controls page.

#include "core/con.h"
#include "game/menu.h"
#include "platform/bind.h"
#include "platform/input.h"
#include "platform/input_local.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace {

class BindTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        con_config(0);
        input_register_config();
        input_clear_slots();
        input_joystick_count = 0;
        for (int i = 0; i < INPUT_MAX_JOYSTICKS; i++) {
            input_joysticks[i].open = 0;
            input_joystick_setup(i, 0, 0, 0);
        }
        for (int code = 0; code < INPUT_KEY_COUNT; code++) {
            snprintf(input_key_names[code], INPUT_KEY_NAME_SIZE, "k%d", code);
        }
        g_menu_input = 0;
        input_reset();
        log.clear();
    }
    void TearDown() override
    {
        input_clear_slots();
        input_joystick_count = 0;
        con_config(0);
    }

    static void bind(const char *entity, const char *target)
    {
        std::string e = entity;
        std::string t = target;
        char *argv[] = {e.data(), t.data(), nullptr};
        input_cmd_bind(2, argv);
    }

    static int slot_of(const char *entity)
    {
        std::atomic<int> *slot = input_bind_lookup(entity);
        return slot ? slot->load() : -100;
    }

    // The frame one sample of these keys gives.
    static InputFrame press(std::initializer_list<int> codes)
    {
        InputSnapshot snap{};
        for (int c : codes) {
            snap.keys[c] = 1;
        }
        InputFrame f;
        input_build_frame(&snap, &f);
        return f;
    }

    TempDir dir{true};
    LogCapture log;
};

class BindParser : public BindTest {};
class BindFile : public BindTest {};
class BindControls : public BindTest {};
class BindMenuSetting : public BindTest {};

TEST_F(BindParser, EveryEntityKindNamesItsSlot)
{
    EXPECT_EQ(input_bind_lookup("mouseaxis1"), &input_mouse_axis_slots[0]);
    EXPECT_EQ(input_bind_lookup("mouseaxis2"), &input_mouse_axis_slots[1]);
    EXPECT_EQ(input_bind_lookup("mousebutton3"), &input_mouse_button_slots[2]);
    EXPECT_EQ(input_bind_lookup("joy1button1"), &input_joysticks[0].button_slot[0]);
    EXPECT_EQ(input_bind_lookup("joy9button32"), &input_joysticks[8].button_slot[31]);
    EXPECT_EQ(input_bind_lookup("joy10button2"), &input_joysticks[9].button_slot[1]);
    EXPECT_EQ(input_bind_lookup("joy16dpad24"), &input_joysticks[15].dpad_slot[23]);
    EXPECT_EQ(input_bind_lookup("key0"), &input_key_slots[0]);
    EXPECT_EQ(input_bind_lookup("key322"), &input_key_slots[322]);
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(BindParser, BadEntitiesAreLoggedAndBindNothing)
{
    const char *bad[] = {
        "key-1", "keyabc", "key", "key323", "key97x", "KEY97", "joy99button1", "joy17button1",
        "joy0button1", "joy1button33", "joy1button0", "joy1dpad25", "joy1button", "joy1trigger1",
        "joy012button1", "joy", "mousebutton4", "mousebutton0", "mouseaxis3", "", "joystick",
        "joy99999999999999999999button1",
    };
    for (const char *entity : bad) {
        log.clear();
        bind(entity, "fire_left");
        EXPECT_EQ(log.count(std::string("*** [input] Unknown BIND entity ") + entity), 1) << entity;
    }
    EXPECT_EQ(input_bound_key_count, 0);
    input_load_binds();   // no file: everything unbound, but the bindings are the player's now
    input_write_binds();
    EXPECT_EQ(dir.read("bindwin32.cfg"), "");
}

TEST_F(BindParser, TargetsIgnoreCaseEntitiesDoNot)
{
    bind("key97", "FIRE_Left");
    EXPECT_EQ(slot_of("key97"), BIND_FIRE_LEFT);
    bind("key98", "Smartbomb_2");
    EXPECT_EQ(slot_of("key98"), BIND_PER_PLAYER + BIND_SMARTBOMB);
    bind("key99", "jump");
    EXPECT_EQ(log.count("Unknown BIND target 'jump'"), 1);
    EXPECT_EQ(slot_of("key99"), BIND_NONE);
    bind("key99", "pause_3");
    EXPECT_EQ(slot_of("key99"), BIND_NONE);
}

TEST_F(BindParser, OnlyTwoArgumentsBindAndSilently)
{
    std::string e = "key97";
    std::string t = "fire_left";
    std::string x = "extra";
    char *three[] = {e.data(), t.data(), x.data(), nullptr};
    input_cmd_bind(3, three);
    input_cmd_bind(1, three);
    EXPECT_EQ(slot_of("key97"), BIND_NONE);
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(BindParser, KeyBoundTwiceIsListedOnce)
{
    bind("key97", "fire_left");
    bind("key97", "fire_left");
    bind("key97", "move_left");
    EXPECT_EQ(input_bound_key_count, 1);
    EXPECT_EQ(input_bound_keys[0], 97);
    EXPECT_EQ(press({97}).axis[0], -1.0f) << "the last binding holds";
}

TEST_F(BindParser, BindLinesInTheFileReachTheCommandWhateverItsCase)
{
    dir.write("bindwin32.cfg", "BIND key97 fire_left\nbind key98 move_back_2\n# a comment\nBIND key99\n");
    input_load_binds();
    EXPECT_EQ(slot_of("key97"), BIND_FIRE_LEFT);
    EXPECT_EQ(slot_of("key98"), BIND_PER_PLAYER + BIND_MOVE_BACK);
    EXPECT_EQ(slot_of("key99"), BIND_NONE);
}

TEST_F(BindParser, ActionIndexOfEachTargetPerPlayer)
{
    const int rows[BIND_PER_PLAYER] = {2, 3, 0, 1, 6, 7, 4, 5, 8, 9, -1, 10};
    for (int t = 0; t < BIND_PER_PLAYER; t++) {
        EXPECT_EQ(bind_action_index(t, 0), rows[t]) << t;
        EXPECT_EQ(bind_action_index(t, 1), -1) << t;
        EXPECT_EQ(bind_action_index(t + BIND_PER_PLAYER, 1), rows[t]) << t;
    }
    EXPECT_EQ(bind_action_index(BIND_NONE, 0), -1);
    EXPECT_EQ(bind_action_index(3, 2), -1);
}

TEST_F(BindFile, RoundTripRestoresEveryBindingInTheFileOrder)
{
    // Read in any order; written as mouse axes, mouse buttons, joysticks, then keys by code.
    dir.write("bindwin32.cfg",
              "BIND key276 fire_left\n"
              "BIND joy2dpad3 move_back_2\n"
              "BIND key97 move_left\n"
              "BIND mousebutton2 pause\n"
              "BIND joy1button32 smartbomb\n"
              "BIND mouseaxis2 fire_back\n"
              "BIND joy10button1 fire_only_2\n"
              "BIND joy1dpad1 move_right\n"
              "BIND mouseaxis1 fire_right\n");
    input_load_binds();
    input_write_binds();
    const std::string ordered =
        "BIND mouseaxis1 fire_right\n"
        "BIND mouseaxis2 fire_back\n"
        "BIND mousebutton2 pause\n"
        "BIND joy1button32 smartbomb\n"
        "BIND joy1dpad1 move_right\n"
        "BIND joy2dpad3 move_back_2\n"
        "BIND joy10button1 fire_only_2\n"
        "BIND key97 move_left\n"
        "BIND key276 fire_left\n";
    EXPECT_EQ(dir.read("bindwin32.cfg"), ordered);
    EXPECT_EQ(log.count("[input] wrote bindwin32.cfg"), 1);
    EXPECT_FALSE(dir.exists("bindwin32.cfg.tmp"));

    input_clear_slots();
    input_load_binds();
    input_write_binds();
    EXPECT_EQ(dir.read("bindwin32.cfg"), ordered);
    EXPECT_EQ(log.errors(), 0);
}

TEST_F(BindFile, NothingIsWrittenBeforeTheFileWasReadInThisRun)
{
    const std::string player = "BIND key97 fire_left\n";
    dir.write("bindwin32.cfg", player);
    bind("key98", "move_left");
    input_write_binds();
    EXPECT_EQ(dir.read("bindwin32.cfg"), player) << "the player's file survives";
    EXPECT_EQ(log.count("[input] wrote bindwin32.cfg"), 0);

    input_load_binds();
    EXPECT_EQ(slot_of("key98"), BIND_NONE) << "loading starts from nothing";
    bind("key98", "move_left");
    input_write_binds();
    EXPECT_EQ(dir.read("bindwin32.cfg"), player + "BIND key98 move_left\n");

    input_register_config();   // the next run
    bind("key99", "move_left");
    input_write_binds();
    EXPECT_EQ(dir.read("bindwin32.cfg"), player + "BIND key98 move_left\n");
}

TEST_F(BindFile, AFailedWriteKeepsTheOldFile)
{
    const std::string player = "BIND key97 fire_left\n";
    dir.write("bindwin32.cfg", player);
    input_load_binds();
    ASSERT_EQ(mkdir(dir.file("bindwin32.cfg.tmp").c_str(), 0755), 0);   // the temporary cannot be created
    bind("key98", "move_left");
    input_write_binds();
    EXPECT_EQ(log.count(" *** failed to write bindwin32.cfg"), 1);
    EXPECT_EQ(dir.read("bindwin32.cfg"), player);
    EXPECT_EQ(slot_of("key98"), BIND_MOVE_LEFT) << "the bindings in memory stay";
}

TEST_F(BindFile, TheShippedDefaultsLoadCleanlyAndPlayAsTheyShould)
{
    std::string defaults = read_file(std::string(GLIMMERFALL_SOURCE_DIR) + "/data/bindwin32.cfg");
    ASSERT_FALSE(defaults.empty());
    dir.write("bindwin32.cfg", defaults);
    input_load_binds();
    EXPECT_EQ(log.errors(), 0);
    EXPECT_EQ(log.count_containing("Unknown"), 0);
    input_write_binds();
    EXPECT_EQ(dir.read("bindwin32.cfg"), defaults) << "the defaults are in the file's own order";

    // Player 1: W A S D move, the arrows fire, Space bombs, P pauses, Shift fires ahead.
    InputFrame f = press({SDLK_w, SDLK_d, SDLK_LEFT, SDLK_DOWN, SDLK_SPACE, SDLK_LSHIFT});
    EXPECT_EQ(f.axis[2], -1.0f);
    EXPECT_EQ(f.axis[0], 1.0f);
    EXPECT_EQ(f.axis[4], -1.0f);
    EXPECT_EQ(f.axis[6], 1.0f);
    EXPECT_EQ(f.buttons[0], INPUT_BUTTON_BOMB | INPUT_BUTTON_FIRE_ONLY);
    EXPECT_EQ(f.axis[1] + f.axis[3] + f.axis[5] + f.axis[7], 0.0f) << "nothing of player 2";
    EXPECT_EQ(press({SDLK_p}).keys, INPUT_KEY_BACK);
    f = press({SDLK_a, SDLK_s, SDLK_UP, SDLK_RIGHT});
    EXPECT_EQ(f.axis[0], -1.0f);
    EXPECT_EQ(f.axis[2], 1.0f);
    EXPECT_EQ(f.axis[4], 1.0f);
    EXPECT_EQ(f.axis[6], -1.0f);

    // Player 2: I J K L move, the keypad's 8 4 2 6 fire, keypad 0 bombs, keypad 5 fires ahead.
    f = press({SDLK_i, SDLK_l, SDLK_KP4, SDLK_KP2, SDLK_KP0, SDLK_KP5});
    EXPECT_EQ(f.axis[3], -1.0f);
    EXPECT_EQ(f.axis[1], 1.0f);
    EXPECT_EQ(f.axis[5], -1.0f);
    EXPECT_EQ(f.axis[7], 1.0f);
    EXPECT_EQ(f.buttons[1], INPUT_BUTTON_BOMB | INPUT_BUTTON_FIRE_ONLY);
    EXPECT_EQ(f.axis[0] + f.axis[2] + f.axis[4] + f.axis[6], 0.0f) << "nothing of player 1";
    f = press({SDLK_j, SDLK_k, SDLK_KP8, SDLK_KP6});
    EXPECT_EQ(f.axis[1], -1.0f);
    EXPECT_EQ(f.axis[3], 1.0f);
    EXPECT_EQ(f.axis[5], 1.0f);
    EXPECT_EQ(f.axis[7], -1.0f);

    // Mouse aim (input type 1): the mouse aims player 1, button 1 fires, button 3 bombs.
    EXPECT_EQ(slot_of("mouseaxis1"), BIND_FIRE_RIGHT);
    EXPECT_EQ(slot_of("mouseaxis2"), BIND_FIRE_BACK);
    EXPECT_EQ(slot_of("mousebutton1"), BIND_FIRE_ONLY);
    EXPECT_EQ(slot_of("mousebutton3"), BIND_SMARTBOMB);
    // A game pad: left stick moves, right stick fires, A fires ahead, the shoulders bomb.
    EXPECT_EQ(slot_of("joy1dpad1"), BIND_MOVE_RIGHT);
    EXPECT_EQ(slot_of("joy1dpad10"), BIND_FIRE_FORWARD);
    EXPECT_EQ(slot_of("joy2dpad2"), BIND_PER_PLAYER + BIND_MOVE_LEFT);
    EXPECT_EQ(slot_of("joy2button6"), BIND_PER_PLAYER + BIND_SMARTBOMB);

    // Every action of both players has a key.
    for (int p = 0; p < INPUT_PLAYERS; p++) {
        input_describe_binds(BIND_SET_KEYBOARD, p);
        for (int a = 0; a < BIND_ACTIONS; a++) {
            if (p == 1 && a == 10) {
                continue;   // Esc and P pause both players
            }
            EXPECT_STRNE(g_bind_texts[a], menu_text(16)) << "player " << p << " action " << a;
        }
    }
}

TEST_F(BindControls, KeyboardTextsJoinTheKeyNamesAndShowUnboundActions)
{
    snprintf(input_key_names[97], INPUT_KEY_NAME_SIZE, "a");
    snprintf(input_key_names[276], INPUT_KEY_NAME_SIZE, "left");
    bind("key276", "move_left");
    bind("key97", "move_left");
    bind("key98", "move_left_2");
    bind("mousebutton1", "move_left");
    input_describe_binds(BIND_SET_KEYBOARD, 0);
    EXPECT_STREQ(g_bind_texts[2], "a & left") << "in key code order";
    for (int a = 0; a < BIND_TEXT_COUNT; a++) {
        if (a != 2) {
            EXPECT_STREQ(g_bind_texts[a], menu_text(16)) << a;
        }
    }
    input_describe_binds(BIND_SET_KEYBOARD, 1);
    EXPECT_STREQ(g_bind_texts[2], "k98");
}

TEST_F(BindControls, MouseTextsListButtonsThenKeys)
{
    snprintf(input_key_names[32], INPUT_KEY_NAME_SIZE, "space");
    bind("mousebutton3", "smartbomb");
    bind("mousebutton1", "smartbomb");
    bind("key32", "smartbomb");
    input_describe_binds(BIND_SET_MOUSE, 0);
    EXPECT_EQ(std::string(g_bind_texts[9]), std::string(menu_text(14)) + " 1 & 3 & space");
}

TEST_F(BindControls, JoystickTextsCountOnlyTheJoysticksPresent)
{
    bind("joy1button2", "fire_only");
    bind("joy1button4", "fire_only");
    bind("joy1dpad3", "fire_only");
    bind("joy1dpad5", "pause");
    bind("joy2button1", "fire_only");
    bind("key97", "fire_only");
    input_describe_binds(BIND_SET_JOYSTICK, 0);
    EXPECT_STREQ(g_bind_texts[8], menu_text(16)) << "no joystick plugged in";

    input_joystick_count = 1;
    input_describe_binds(BIND_SET_JOYSTICK, 0);
    EXPECT_EQ(std::string(g_bind_texts[8]), std::string(menu_text(14)) + " 2 & 4 & 3");
    EXPECT_EQ(std::string(g_bind_texts[10]), std::string(menu_text(15)) + " 5");
    input_joystick_count = 2;
    input_describe_binds(BIND_SET_JOYSTICK, 0);
    EXPECT_EQ(std::string(g_bind_texts[8]), std::string(menu_text(14)) + " 2 & 4 & 3 & 1");
}

TEST_F(BindControls, TextsAreCutAt127Characters)
{
    for (int code = 0; code < INPUT_KEY_COUNT; code++) {
        snprintf(input_key_names[code], INPUT_KEY_NAME_SIZE, "a_rather_long_key_name_%d", code);
        std::string entity = "key" + std::to_string(code);
        bind(entity.c_str(), "move_forward");
    }
    input_describe_binds(BIND_SET_KEYBOARD, 0);
    std::string text = g_bind_texts[0];
    EXPECT_EQ(text.size(), 127u);
    EXPECT_EQ(text.rfind("a_rather_long_key_name_0 & a_rather_long_key_name_1 & ", 0), 0u);

    input_joystick_count = INPUT_MAX_JOYSTICKS;
    for (int n = 1; n <= INPUT_MAX_JOYSTICKS; n++) {
        for (int m = 1; m <= INPUT_JOY_BUTTONS; m++) {
            std::string entity = "joy" + std::to_string(n) + "button" + std::to_string(m);
            bind(entity.c_str(), "fire_back");
        }
    }
    input_describe_binds(BIND_SET_JOYSTICK, 0);
    EXPECT_EQ(strlen(g_bind_texts[5]), 127u);
}

TEST_F(BindMenuSetting, AKeyReplacesTheOtherKeysOfThatPlayersAction)
{
    bind("key97", "move_left");
    bind("key98", "move_left");
    bind("key99", "move_left_2");
    bind("mousebutton2", "move_left");
    input_menu_setting(BIND_SET_KEYBOARD, 100, 2, 0);
    EXPECT_EQ(log.count("[input] menu setting key100 move_left"), 1);
    EXPECT_EQ(slot_of("key100"), BIND_MOVE_LEFT);
    EXPECT_EQ(slot_of("key97"), BIND_NONE);
    EXPECT_EQ(slot_of("key98"), BIND_NONE);
    EXPECT_EQ(slot_of("key99"), BIND_PER_PLAYER + BIND_MOVE_LEFT) << "player 2 keeps theirs";
    EXPECT_EQ(slot_of("mousebutton2"), BIND_MOVE_LEFT) << "the keyboard page leaves the mouse";
    EXPECT_EQ(input_bound_key_count, 2);
    EXPECT_EQ(input_bound_keys[0], 99);
    EXPECT_EQ(input_bound_keys[1], 100);
    EXPECT_EQ(press({97}).axis[0], 0.0f);
    EXPECT_EQ(press({100}).axis[0], -1.0f);

    input_menu_setting(BIND_SET_MOUSE, 101, 2, 0);
    EXPECT_EQ(slot_of("mousebutton2"), BIND_NONE) << "the mouse page clears mouse buttons too";
    EXPECT_EQ(slot_of("key100"), BIND_NONE);
}

TEST_F(BindMenuSetting, MouseButtonsBindOnlyFromTheMousePageToTheLastThreeActions)
{
    input_menu_setting(BIND_SET_KEYBOARD, INPUT_CODE_MOUSE + 1, 2, 0);
    EXPECT_EQ(slot_of("mousebutton2"), BIND_NONE);
    input_menu_setting(BIND_SET_MOUSE, INPUT_CODE_MOUSE + 1, 7, 0);
    EXPECT_EQ(slot_of("mousebutton2"), BIND_NONE);
    input_menu_setting(BIND_SET_MOUSE, INPUT_CODE_MOUSE + 1, 10, 0);
    EXPECT_EQ(slot_of("mousebutton2"), BIND_PAUSE);
    EXPECT_EQ(log.count("[input] menu setting mousebutton2 pause"), 1);
    input_menu_setting(BIND_SET_MOUSE, INPUT_CODE_MOUSE + 2, 9, 1);
    EXPECT_EQ(slot_of("mousebutton3"), BIND_PER_PLAYER + BIND_SMARTBOMB);
}

TEST_F(BindMenuSetting, JoystickCodesBindButtonsAndDirections)
{
    bind("joy1button7", "fire_only_2");
    bind("joy3dpad2", "fire_only_2");
    bind("key97", "fire_only_2");
    input_menu_setting(BIND_SET_JOYSTICK, 2 * INPUT_CODE_JOYSTICK + 3, 8, 1);
    EXPECT_EQ(log.count("[input] menu setting joy2button3 fire_only_2"), 1);
    EXPECT_EQ(slot_of("joy2button3"), BIND_PER_PLAYER + BIND_FIRE_ONLY);
    EXPECT_EQ(slot_of("joy1button7"), BIND_NONE) << "every joystick's binding of the action goes";
    EXPECT_EQ(slot_of("joy3dpad2"), BIND_NONE);
    EXPECT_EQ(slot_of("key97"), BIND_PER_PLAYER + BIND_FIRE_ONLY) << "the keyboard's stays";

    input_menu_setting(BIND_SET_JOYSTICK, 16 * INPUT_CODE_JOYSTICK + 24 * INPUT_CODE_DPAD, 4, 0);
    EXPECT_EQ(slot_of("joy16dpad24"), BIND_FIRE_FORWARD);
}

TEST_F(BindMenuSetting, CodesOutsideTheSetOrItsSlotsChangeNothing)
{
    bind("joy1button1", "move_left");
    log.clear();
    input_menu_setting(BIND_SET_JOYSTICK, INPUT_CODE_JOYSTICK, 2, 0);                        // low part 0
    input_menu_setting(BIND_SET_JOYSTICK, INPUT_CODE_JOYSTICK + 33, 2, 0);                   // button 33
    input_menu_setting(BIND_SET_JOYSTICK, INPUT_CODE_JOYSTICK + 25 * INPUT_CODE_DPAD, 2, 0); // direction 25
    input_menu_setting(BIND_SET_JOYSTICK, 17 * INPUT_CODE_JOYSTICK + 1, 2, 0);               // joystick 17
    input_menu_setting(BIND_SET_JOYSTICK, 97, 2, 0);                                         // a key
    input_menu_setting(BIND_SET_KEYBOARD, INPUT_CODE_JOYSTICK + 1, 2, 0);                    // a joystick button
    input_menu_setting(BIND_SET_KEYBOARD, 323, 2, 0);                                        // no such key
    input_menu_setting(BIND_SET_KEYBOARD, -1, 2, 0);
    input_menu_setting(BIND_SET_KEYBOARD, 97, 11, 0);                                        // no such action
    input_menu_setting(BIND_SET_KEYBOARD, 97, -1, 0);
    input_menu_setting(BIND_SET_KEYBOARD, 97, 2, 2);                                         // no such player
    EXPECT_TRUE(log.lines().empty());
    EXPECT_EQ(slot_of("joy1button1"), BIND_MOVE_LEFT);
    EXPECT_EQ(slot_of("key97"), BIND_NONE);
    EXPECT_EQ(input_bound_key_count, 0);
}

} // namespace
