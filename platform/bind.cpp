// bind.cpp -- the bindings of keys, mouse and joysticks to the players' named targets:
// the bind command, "bindwin32.cfg" and the controls page.

#include "platform/bind.h"
#include "platform/input.h"

#include "core/con.h"
#include "core/file.h"
#include "core/lang.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

float g_mouse_speed = 1.0f;
char g_bind_texts[BIND_TEXT_COUNT][BIND_TEXT_SIZE];

static const char BIND_FILE[] = "bindwin32.cfg";
static const char BIND_FILE_TEMP[] = "bindwin32.cfg.tmp";

// Set once "bindwin32.cfg" was read (or found missing) in this run: only then are the
// bindings in memory the player's.
static int bind_loaded;

// Target names by index; the unreached target has none.
static const char *const BIND_TARGET_NAMES[BIND_TARGET_COUNT] = {
    "move_left", "move_right", "move_forward", "move_back",
    "fire_left", "fire_right", "fire_forward", "fire_back",
    "fire_only", "smartbomb", nullptr, "pause",
    "move_left_2", "move_right_2", "move_forward_2", "move_back_2",
    "fire_left_2", "fire_right_2", "fire_forward_2", "fire_back_2",
    "fire_only_2", "smartbomb_2", nullptr, "pause_2",
};

// The controls page's rows: the target of each action, within a player's twelve.
static const int BIND_ACTION_TARGETS[BIND_ACTIONS] = {
    BIND_MOVE_FORWARD, BIND_MOVE_BACK, BIND_MOVE_LEFT, BIND_MOVE_RIGHT,
    BIND_FIRE_FORWARD, BIND_FIRE_BACK, BIND_FIRE_LEFT, BIND_FIRE_RIGHT,
    BIND_FIRE_ONLY, BIND_SMARTBOMB, BIND_PAUSE,
};

// Menu texts of the controls page.
constexpr int BIND_TEXT_BUTTON = 14;
constexpr int BIND_TEXT_DIRECTION = 15;
constexpr int BIND_TEXT_UNBOUND = 16;

constexpr int BIND_ACTION_MOUSE_FIRST = 8;   // mouse buttons bind only fire only, smart bomb and pause

void input_register_config(void)
{
    // A new run: whatever bindings are in memory are not yet the player's.
    bind_loaded = 0;
    g_mouse_speed = 1.0f;
    con_add_float_var("mouse_speed", &g_mouse_speed, nullptr);
    con_add_command("bind", -1, input_cmd_bind);
}

int bind_target(const char *name)
{
    for (int t = 0; name && t < BIND_TARGET_COUNT; t++) {
        if (BIND_TARGET_NAMES[t] && strcasecmp(name, BIND_TARGET_NAMES[t]) == 0) {
            return t;
        }
    }
    con_printf("Unknown BIND target '%s'", name ? name : "");
    return BIND_NONE;
}

const char *bind_target_name(int target)
{
    return target >= 0 && target < BIND_TARGET_COUNT ? BIND_TARGET_NAMES[target] : nullptr;
}

int bind_action_index(int target, int player)
{
    if (player < 0 || player >= INPUT_PLAYERS || target < player * BIND_PER_PLAYER ||
        target >= (player + 1) * BIND_PER_PLAYER) {
        return -1;
    }
    for (int a = 0; a < BIND_ACTIONS; a++) {
        if (BIND_ACTION_TARGETS[a] == target - player * BIND_PER_PLAYER) {
            return a;
        }
    }
    return -1;
}

// The whole of text as a decimal number from 0 to max; -1 for anything else (no digits,
// other characters, too large).
static int bind_parse_number(const char *text, int max)
{
    if (!*text) {
        return -1;
    }
    int value = 0;
    for (const char *c = text; *c; c++) {
        if (*c < '0' || *c > '9') {
            return -1;
        }
        value = value * 10 + (*c - '0');
        if (value > max) {
            return -1;
        }
    }
    return value;
}

static BindSlot *bind_lookup_joystick(const char *entity)
{
    const char *digits = entity + 3;   // past "joy"
    int n = 0;
    int length = 0;
    while (digits[length] >= '0' && digits[length] <= '9') {
        if (n <= INPUT_MAX_JOYSTICKS) {
            n = n * 10 + (digits[length] - '0');
        }
        length++;
    }
    if (length == 0 || n < 1 || n > INPUT_MAX_JOYSTICKS) {
        return nullptr;
    }
    // The rest begins after one digit for joysticks 1..9 and after two for 10..16.
    const char *rest = digits + (n <= 9 ? 1 : 2);
    InputJoystick &j = input_joysticks[n - 1];
    if (strncmp(rest, "button", 6) == 0) {
        int m = bind_parse_number(rest + 6, INPUT_JOY_BUTTONS);
        return m >= 1 ? &j.button_slot[m - 1] : nullptr;
    }
    if (strncmp(rest, "dpad", 4) == 0) {
        int m = bind_parse_number(rest + 4, INPUT_JOY_DPADS);
        return m >= 1 ? &j.dpad_slot[m - 1] : nullptr;
    }
    return nullptr;
}

static BindSlot *bind_lookup_slot(const char *entity)
{
    if (strcmp(entity, "mouseaxis1") == 0) {
        return &input_mouse_axis_slots[0];
    }
    if (strcmp(entity, "mouseaxis2") == 0) {
        return &input_mouse_axis_slots[1];
    }
    if (strncmp(entity, "mousebutton", 11) == 0) {
        int b = bind_parse_number(entity + 11, INPUT_MOUSE_BUTTONS);
        return b >= 1 ? &input_mouse_button_slots[b - 1] : nullptr;
    }
    if (strncmp(entity, "joy", 3) == 0) {
        return bind_lookup_joystick(entity);
    }
    if (strncmp(entity, "key", 3) == 0) {
        int code = bind_parse_number(entity + 3, INPUT_KEY_COUNT - 1);
        return code >= 0 ? &input_key_slots[code] : nullptr;
    }
    return nullptr;
}

std::atomic<int> *input_bind_lookup(const char *entity)
{
    BindSlot *slot = entity ? bind_lookup_slot(entity) : nullptr;
    if (!slot) {
        con_printf("*** [input] Unknown BIND entity %s", entity ? entity : "");
    }
    return slot;
}

void input_cmd_bind(int argc, char **argv)
{
    if (argc != 2) {
        return;
    }
    BindSlot *slot = input_bind_lookup(argv[0]);
    int target = bind_target(argv[1]);
    if (!slot || target == BIND_NONE) {
        return;
    }
    slot->store(target);
    if (slot >= input_key_slots && slot < input_key_slots + INPUT_KEY_COUNT) {
        input_bound_keys_add((int)(slot - input_key_slots));
    }
}

// Only "bind" lines of "bindwin32.cfg" run. Any other console line there would run in
// the middle of the input's start: a setting such as "render_fullscreen" would restart
// the video, and with it the input, from inside input_open_devices.
static int bind_line_filter(const char *path, int line_number, const char *line)
{
    static const char BIND_COMMAND[] = "bind";
    // The console's own rule for where a line's first word starts and ends.
    const char *word = line + strspn(line, " \"");
    size_t length = strcspn(word, " \"");
    if (length == sizeof(BIND_COMMAND) - 1 && strncasecmp(word, BIND_COMMAND, length) == 0) {
        return 1;
    }
    con_printf("*** [input] %s line %d is not a binding, skipped: %s", path, line_number, line);
    return 0;
}

void input_load_binds(void)
{
    input_clear_slots();
    // A file that exists but cannot be read is not the player's empty set of bindings:
    // it must not be written over at the next stop.
    if (con_exec_file_lines(BIND_FILE, bind_line_filter) == 0 || file_exists_size(BIND_FILE) < 0) {
        bind_loaded = 1;
    }
}

// One "BIND" line for a bound slot; 0, or -1 when the write failed.
static int bind_write_slot(FILE *f, const BindSlot &slot, const char *entity)
{
    const char *target = bind_target_name(slot.load());
    if (!target) {
        return 0;
    }
    return fprintf(f, "BIND %s %s\n", entity, target) < 0 ? -1 : 0;
}

static int bind_write_lines(FILE *f)
{
    int bad = 0;
    char entity[32];
    bad |= bind_write_slot(f, input_mouse_axis_slots[0], "mouseaxis1");
    bad |= bind_write_slot(f, input_mouse_axis_slots[1], "mouseaxis2");
    for (int b = 0; b < INPUT_MOUSE_BUTTONS; b++) {
        snprintf(entity, sizeof(entity), "mousebutton%d", b + 1);
        bad |= bind_write_slot(f, input_mouse_button_slots[b], entity);
    }
    for (int n = 0; n < INPUT_MAX_JOYSTICKS; n++) {
        const InputJoystick &j = input_joysticks[n];
        for (int m = 0; m < INPUT_JOY_BUTTONS; m++) {
            snprintf(entity, sizeof(entity), "joy%dbutton%d", n + 1, m + 1);
            bad |= bind_write_slot(f, j.button_slot[m], entity);
        }
        for (int m = 0; m < INPUT_JOY_DPADS; m++) {
            snprintf(entity, sizeof(entity), "joy%ddpad%d", n + 1, m + 1);
            bad |= bind_write_slot(f, j.dpad_slot[m], entity);
        }
    }
    for (int code = 0; code < INPUT_KEY_COUNT; code++) {
        snprintf(entity, sizeof(entity), "key%d", code);
        bad |= bind_write_slot(f, input_key_slots[code], entity);
    }
    return bad;
}

void input_write_binds(void)
{
    if (!bind_loaded) {
        return;
    }
    // Written beside the old file and renamed over it: a crash mid-write loses nothing.
    FILE *f = file_open(BIND_FILE_TEMP, "w");
    if (!f) {
        con_printf(" *** failed to write bindwin32.cfg");
        return;
    }
    int bad = bind_write_lines(f);
    bad |= fflush(f) != 0;
    bad |= ferror(f) != 0;
    bad |= fclose(f) != 0;
    if (bad || rename(BIND_FILE_TEMP, BIND_FILE) != 0) {
        remove(BIND_FILE_TEMP);
        con_printf(" *** failed to write bindwin32.cfg");
        return;
    }
    con_printf("[input] wrote bindwin32.cfg");
}

// Appends piece to a controls-page text, cutting at BIND_TEXT_SIZE - 1 characters.
static void bind_text_append(char *text, const char *piece)
{
    size_t length = strlen(text);
    size_t room = BIND_TEXT_SIZE - 1 - length;
    size_t n = strlen(piece);
    if (n > room) {
        n = room;
    }
    memcpy(text + length, piece, n);
    text[length + n] = '\0';
}

// A numbered device input (button or direction M): "<label> M" first, " & M" after.
static void bind_describe_numbered(const BindSlot &slot, int player, int label, int m)
{
    int action = bind_action_index(slot.load(), player);
    if (action < 0) {
        return;
    }
    char *text = g_bind_texts[action];
    char piece[BIND_TEXT_SIZE];
    if (!text[0]) {
        snprintf(piece, sizeof(piece), "%s %d", menu_text(label), m);
    } else {
        snprintf(piece, sizeof(piece), " & %d", m);
    }
    bind_text_append(text, piece);
}

void input_describe_binds(int set, int player)
{
    for (char *text : g_bind_texts) {
        text[0] = '\0';
    }
    if (set == BIND_SET_JOYSTICK) {
        for (int n = 0; n < input_joystick_count; n++) {
            const InputJoystick &j = input_joysticks[n];
            for (int m = 0; m < INPUT_JOY_BUTTONS; m++) {
                bind_describe_numbered(j.button_slot[m], player, BIND_TEXT_BUTTON, m + 1);
            }
            for (int m = 0; m < INPUT_JOY_DPADS; m++) {
                bind_describe_numbered(j.dpad_slot[m], player, BIND_TEXT_DIRECTION, m + 1);
            }
        }
    } else {
        if (set == BIND_SET_MOUSE) {
            for (int b = 0; b < INPUT_MOUSE_BUTTONS; b++) {
                bind_describe_numbered(input_mouse_button_slots[b], player, BIND_TEXT_BUTTON, b + 1);
            }
        }
        for (int code = 0; code < INPUT_KEY_COUNT; code++) {
            int action = bind_action_index(input_key_slots[code].load(), player);
            if (action < 0) {
                continue;
            }
            char *text = g_bind_texts[action];
            if (text[0]) {
                bind_text_append(text, " & ");
            }
            bind_text_append(text, input_key_names[code]);
        }
    }
    for (char *text : g_bind_texts) {
        if (!text[0]) {
            bind_text_append(text, menu_text(BIND_TEXT_UNBOUND));
        }
    }
}

// Unbinds every slot of the list that holds target.
static void bind_clear_target(BindSlot *slots, int count, int target)
{
    for (int i = 0; i < count; i++) {
        if (slots[i].load() == target) {
            slots[i].store(BIND_NONE);
        }
    }
}

void input_menu_setting(int set, int code, int action, int player)
{
    if (action < 0 || action >= BIND_ACTIONS || player < 0 || player >= INPUT_PLAYERS) {
        return;
    }
    BindSlot *slot = nullptr;
    char entity[32];
    if (set == BIND_SET_JOYSTICK) {
        if (code < INPUT_CODE_JOYSTICK) {
            return;
        }
        int n = code / INPUT_CODE_JOYSTICK;
        int low = code % INPUT_CODE_JOYSTICK;
        if (n > INPUT_MAX_JOYSTICKS || low == 0) {
            return;
        }
        InputJoystick &j = input_joysticks[n - 1];
        if (low < INPUT_CODE_DPAD) {
            if (low > INPUT_JOY_BUTTONS) {
                return;
            }
            slot = &j.button_slot[low - 1];
            snprintf(entity, sizeof(entity), "joy%dbutton%d", n, low);
        } else {
            int d = low / INPUT_CODE_DPAD;
            if (d > INPUT_JOY_DPADS) {
                return;
            }
            slot = &j.dpad_slot[d - 1];
            snprintf(entity, sizeof(entity), "joy%ddpad%d", n, d);
        }
    } else {
        if (code < 0 || code >= INPUT_CODE_JOYSTICK) {
            return;
        }
        if (code >= INPUT_CODE_MOUSE && code < INPUT_CODE_MOUSE + INPUT_MOUSE_BUTTONS) {
            if (set != BIND_SET_MOUSE || action < BIND_ACTION_MOUSE_FIRST) {
                return;
            }
            slot = &input_mouse_button_slots[code - INPUT_CODE_MOUSE];
            snprintf(entity, sizeof(entity), "mousebutton%d", code - INPUT_CODE_MOUSE + 1);
        } else {
            if (code >= INPUT_KEY_COUNT) {
                return;
            }
            slot = &input_key_slots[code];
            snprintf(entity, sizeof(entity), "key%d", code);
        }
    }
    int target = player * BIND_PER_PLAYER + BIND_ACTION_TARGETS[action];
    const char *name = bind_target_name(target);
    con_printf("[input] menu setting %s %s", entity, name ? name : "");

    if (set == BIND_SET_JOYSTICK) {
        for (InputJoystick &j : input_joysticks) {
            bind_clear_target(j.button_slot, INPUT_JOY_BUTTONS, target);
            bind_clear_target(j.dpad_slot, INPUT_JOY_DPADS, target);
        }
    } else {
        bind_clear_target(input_key_slots, INPUT_KEY_COUNT, target);
        if (set == BIND_SET_MOUSE) {
            bind_clear_target(input_mouse_button_slots, INPUT_MOUSE_BUTTONS, target);
        }
    }
    slot->store(target);
    input_bound_keys_rebuild();
}
