// input_local.h -- the binding tables shared by the sampler (input.cpp) and the bind
// command, file and controls page (bind.cpp).
#pragma once

#include "platform/input.h"

#include <atomic>

// Bind targets: 12 per player, in this order; player 2's are 12 further on. A slot
// holds a target index, or BIND_NONE.
constexpr int BIND_NONE = -1;
constexpr int BIND_MOVE_LEFT = 0;
constexpr int BIND_MOVE_RIGHT = 1;
constexpr int BIND_MOVE_FORWARD = 2;
constexpr int BIND_MOVE_BACK = 3;
constexpr int BIND_FIRE_LEFT = 4;
constexpr int BIND_FIRE_RIGHT = 5;
constexpr int BIND_FIRE_FORWARD = 6;
constexpr int BIND_FIRE_BACK = 7;
constexpr int BIND_FIRE_ONLY = 8;
constexpr int BIND_SMARTBOMB = 9;
constexpr int BIND_UNREACHED = 10;   // no name: no input reaches it
constexpr int BIND_PAUSE = 11;
constexpr int BIND_PER_PLAYER = 12;
constexpr int BIND_TARGET_COUNT = BIND_PER_PLAYER * INPUT_PLAYERS;

// Slots change only on the game thread (bind command, controls page, device opening)
// while the sampler reads them: each is one atomic word.
typedef std::atomic<int> BindSlot;

struct InputJoystick {
    int open;                                  // has an SDL handle; only open ones are read
    int buttons;                               // at most INPUT_JOY_BUTTONS
    int axes;                                  // at most INPUT_JOY_AXES
    int hats;                                  // never read; axes + hats at most INPUT_JOY_AXES
    BindSlot button_slot[INPUT_JOY_BUTTONS];
    BindSlot dpad_slot[INPUT_JOY_DPADS];
    int last_raw[INPUT_JOY_AXES];              // sampler thread: the axis values of the last sample
};

extern BindSlot input_key_slots[INPUT_KEY_COUNT];
extern BindSlot input_mouse_axis_slots[2];              // x, y
extern BindSlot input_mouse_button_slots[INPUT_MOUSE_BUTTONS];
// The codes of the bound keys, which the sampler scans. Rebuilt by setting the count to
// 0 and appending, so the sampler always sees a prefix of valid codes.
extern std::atomic<int> input_bound_keys[INPUT_KEY_COUNT];
extern std::atomic<int> input_bound_key_count;
// Joystick records by SDL index; bindings of all 16 are kept whether or not one is there.
extern InputJoystick input_joysticks[INPUT_MAX_JOYSTICKS];
extern int input_joystick_count;                        // joysticks SDL reported, at most 16
// SDL's key names with blanks turned into "_" (the controls page shows them).
constexpr int INPUT_KEY_NAME_SIZE = 32;
extern char input_key_names[INPUT_KEY_COUNT][INPUT_KEY_NAME_SIZE];

// Unbinds every key, mouse and joystick slot and empties the bound-key list.
void input_clear_slots(void);
// Appends code to the bound-key list unless it is there.
void input_bound_keys_add(int code);
// Rebuilds the bound-key list from the key slots in code order.
void input_bound_keys_rebuild(void);
// Fills input_key_names from SDL.
void input_fill_key_names(void);
