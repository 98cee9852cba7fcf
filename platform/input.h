// input.h -- input sampled every 10 ms on SDL's timer thread into a ring of frames that
// the game thread replays one per logic step.
#pragma once

#include <atomic>
#include <cstdint>

constexpr int INPUT_PLAYERS = 2;
constexpr int INPUT_RING_BITS = 10;
constexpr int INPUT_RING_SIZE = 1 << INPUT_RING_BITS;   // 10.24 s of samples; the frame drops backlogs above 1 s
constexpr int INPUT_RING_MASK = INPUT_RING_SIZE - 1;
constexpr uint32_t INPUT_PENDING_MAX = 0x3fffff;       // the pending count saturates here (11 hours of samples)
constexpr int INPUT_INTERVAL_MS = 10;                  // one sample per logic tick

// Devices as SDL 1.2 numbers them.
constexpr int INPUT_KEY_COUNT = 323;          // SDL key codes 0..322
constexpr int INPUT_MAX_JOYSTICKS = 16;
constexpr int INPUT_JOY_BUTTONS = 32;         // buttons read per joystick
constexpr int INPUT_JOY_AXES = 12;            // axes read per joystick (axes + hats at most this)
constexpr int INPUT_JOY_DPADS = 2 * INPUT_JOY_AXES;   // axis a: slot 2a positive, 2a + 1 negative
constexpr int INPUT_MOUSE_BUTTONS = 3;

// InputFrame::keys bits.
constexpr uint32_t INPUT_KEY_BACK = 0x10000u;     // Esc, or either player's pause
constexpr uint32_t INPUT_KEY_SELECT = 0x20000u;   // Return; in menus also Space and mouse button 1
// PlayerInput::buttons bits.
constexpr uint32_t INPUT_BUTTON_FIRE = 0x1u;      // fire stick outside the dead zone
constexpr uint32_t INPUT_BUTTON_BOMB = 0x2u;
constexpr uint32_t INPUT_BUTTON_FIRE_ONLY = 0x4u;
constexpr uint32_t INPUT_BUTTON_SELECT = 0x100u;  // select while a menu or the pause latch has the input

// InputFrame::last_code: a key code (0..322), a mouse button (0x8000 + button - 1) or a
// joystick input (0x10000 x joystick number 1..16 + button 1..32, or + 256 x direction
// slot 1..24). The controls page binds what it names (input_menu_setting).
constexpr int32_t INPUT_CODE_MOUSE = 0x8000;
constexpr int32_t INPUT_CODE_JOYSTICK = 0x10000;
constexpr int32_t INPUT_CODE_DPAD = 0x100;

// One 10 ms sample.
struct InputFrame {
    float axis[8];            // move x p1, p2; move y p1, p2; fire x p1, p2; fire y p1, p2
    uint32_t buttons[2];      // per player: INPUT_BUTTON_FIRE_ONLY, INPUT_BUTTON_BOMB
    uint32_t keys;            // INPUT_KEY_BACK or INPUT_KEY_SELECT
    int32_t last_code;        // code of the last input seen pressed, 0 if none
};

// Per-player input as the game sees it after input_step.
struct PlayerInput {
    float move[2];            // back-forward, right-left
    float move_spare;         // cleared on reset
    float fire[2];            // back-forward, right-left; accumulated for mouse aim
    float fire_spare;         // cleared on reset
    uint32_t buttons;         // INPUT_BUTTON_* of the step
    float input_type;         // 0 or 2 stick, 1 mouse aim; console "input_type" / "input_type_2"
    float joystick_deadzone;  // console "joystick_deadzone" / "joystick_deadzone_2"
    uint32_t reserved[3];     // the player code's own
};

extern PlayerInput g_player_input[INPUT_PLAYERS];

// The ring. The sampler writes the slot at the write index and then publishes it by
// advancing the write index and the pending count in one step: both live in
// g_input_ring_state (write index in the low INPUT_RING_BITS bits, pending count above),
// so the frame function never sees one without the other.
extern InputFrame g_input_ring[INPUT_RING_SIZE];
extern std::atomic<uint32_t> g_input_ring_state;
extern int g_input_read;                   // game thread only: the slot input_step replays next
extern std::atomic<int> g_input_paused;    // non-zero: the sampler does nothing
extern std::atomic<int> g_input_busy;      // non-zero while a sample is being taken
// The frame input_step replayed last (the menus read its keys and last_code).
extern const InputFrame *g_input_frame;

inline int input_write_index(void)
{
    return (int)(g_input_ring_state.load() & INPUT_RING_MASK);
}
inline int input_pending_count(void)
{
    return (int)(g_input_ring_state.load() >> INPUT_RING_BITS);
}

// Words shared with the sampler thread.
extern std::atomic<int> g_menu_input;      // non-zero while a menu has the input
extern std::atomic<int> g_back_latch;      // pause latch: 0 off, 1 on, 2 closing
extern std::atomic<int> g_hidden_keys;     // bit 0 enables F1/F2; bit 1 set once one was pressed
extern std::atomic<float> g_f1_flag;       // 1.0 once F1 was pressed with the hidden keys enabled
extern std::atomic<int> g_f2_flag;         // 1 once F2 was pressed with the hidden keys enabled
// The menus' mouse pointer: moved by the mouse while a menu or the pause latch has the
// input; (-9, 2) after a reset.
extern std::atomic<float> g_menu_pointer[2];
// Mouse buttons down in the last sample while a menu or the pause latch had the input
// (bit 0 button 1 ...); 0 otherwise.
extern std::atomic<int> g_menu_click;

// What the devices showed at one sample. The sampler reads it from SDL and hands it to
// input_build_frame, so every rule of the sampler runs without hardware.
struct InputJoystickState {
    int16_t axis[INPUT_JOY_AXES];
    uint32_t buttons;         // bit b: button b + 1 down
};
struct InputSnapshot {
    uint8_t keys[INPUT_KEY_COUNT];   // non-zero: key down
    int mouse_x;
    int mouse_y;
    uint8_t mouse_buttons;           // bit 0 button 1 ...
    InputJoystickState joystick[INPUT_MAX_JOYSTICKS];   // the open joysticks, by index
};

// Registers "mouse_speed", the "bind" command and the four per-player input settings,
// with both players' defaults (input_type 0, dead zone 0.3).
void input_register_vars(void);
// input_type while no saved line has chosen a device (a value no saved line holds): the
// settings' clamp keeps it, and input_choose_default_type replaces it once "config.cfg" ran.
constexpr float INPUT_TYPE_UNCHOSEN = -100.0f;
constexpr float INPUT_TYPE_KEYBOARD = 2.0f;
// A player whose input_type is still INPUT_TYPE_UNCHOSEN gets the joystick (0) when one
// was found, else the keyboard, so the controls page opens on what plays.
void input_choose_default_type(void);
// input_reset, then input_open_devices.
void input_init(void);
// input_close_devices.
void input_shutdown(void);
// Waits until no sample is in progress, then centres the mouse, clears the players'
// movement and fire, the back latch, the menu pointer and the pending count, and lets
// the sampler run again. The write index goes on where it was, so slots the frame
// function took before the reset stay its own and are never overwritten under it.
void input_reset(void);
// Replays the ring slot at g_input_read into g_player_input and advances g_input_read.
void input_step(void);
// The frame function's intake: takes the pending count and zeroes it in one atomic
// step, points g_input_read at the first slot it covers and lets a paused sampler run.
// Returns the count.
int input_take_pending(void);
// The sampler's last step: writes frame into the slot at the write index and publishes it.
void input_ring_push(const InputFrame *frame);
// The sampler: one sample into the ring. Runs on SDL's timer thread; returns its interval.
uint32_t input_timer_tick(uint32_t interval, void *param);
// The rules of one sample: turns a device snapshot into a frame through the bindings,
// and moves the menu pointer. Sampler thread (or a test standing in for it).
void input_build_frame(const InputSnapshot *snapshot, InputFrame *frame);
// Where the sampler gets its snapshots: null restores the SDL devices. Lets tests feed
// samples through the real sampler without hardware.
typedef void (*input_snapshot_reader_t)(InputSnapshot *snapshot);
void input_set_snapshot_reader(input_snapshot_reader_t reader);
// The timer that runs the sampler every INPUT_INTERVAL_MS: SDL's by default. Tests hand
// in their own, so the sampler's start, stop and rate are checked against a clock they
// drive. add returns null when no timer starts; remove may return while a call is still
// in progress, as SDL's does (input_close_devices waits for it); clock is in
// milliseconds and times the sampler's log line at its stop.
typedef uint32_t (*input_timer_callback_t)(uint32_t interval, void *param);
struct InputTimerHooks {
    void *(*add)(uint32_t interval, input_timer_callback_t callback);
    void (*remove)(void *timer);
    uint32_t (*clock)(void);
};
extern InputTimerHooks g_input_timer_hooks;
extern const InputTimerHooks INPUT_TIMER_HOOKS_DEFAULT;
// Fills the key names, opens the joysticks, reads "bindwin32.cfg" and starts the
// sampler. Returns 0.
int input_open_devices(void);
// Stops the sampler (waiting for a sample in progress), writes "bindwin32.cfg" when it
// was read in this run, and closes the joysticks.
void input_close_devices(void);
// Joystick index's counts as opened: buttons capped at 32, axes at 12 (then no hats),
// hats cut so that axes + hats is at most 12. Used by input_open_devices.
void input_joystick_setup(int index, int buttons, int axes, int hats);
// The character typed by key code 1..322 when its key name is one character long; -1
// for backspace (8) and delete (127); else 0.
int input_key_char(int code);
// Warps the pointer to the middle of the window and measures the next mouse movement
// from there; a window without the keyboard leaves the desktop's pointer where it is
// and measures from that.
void input_center_mouse(void);

// Bind targets: 12 per player, in this order; player 2's are 12 further on. A slot holds
// a target index, or BIND_NONE. The slot tables below are filled by the bind command,
// file and controls page (bind.cpp) and read by the sampler.
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
