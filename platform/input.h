// input.h -- input sampled every 10 ms on SDL's timer thread into a ring of frames that
// the game thread replays one per logic step.
#pragma once

#include <atomic>
#include <cstdint>

constexpr int INPUT_PLAYERS = 2;
constexpr int INPUT_RING_SIZE = 1024;             // 10.24 s of samples; the frame drops backlogs above 1 s
constexpr int INPUT_RING_MASK = INPUT_RING_SIZE - 1;
constexpr int INPUT_INTERVAL_MS = 10;             // one sample per logic tick

// InputFrame::keys bits.
constexpr uint32_t INPUT_KEY_BACK = 0x10000u;     // Esc, or either player's pause
constexpr uint32_t INPUT_KEY_SELECT = 0x20000u;   // Return; in menus also Space and mouse button 1
// PlayerInput::buttons bits.
constexpr uint32_t INPUT_BUTTON_FIRE = 0x1u;      // fire stick outside the dead zone
constexpr uint32_t INPUT_BUTTON_BOMB = 0x2u;
constexpr uint32_t INPUT_BUTTON_FIRE_ONLY = 0x4u;
constexpr uint32_t INPUT_BUTTON_SELECT = 0x100u;  // select while a menu or the pause latch has the input

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

// The ring: the sampler writes the slot at g_input_write, then advances g_input_write
// and adds one to g_input_pending. The frame function takes the pending count with one
// exchange (which makes the slots it covers visible) and replays them from g_input_read.
extern InputFrame g_input_ring[INPUT_RING_SIZE];
extern std::atomic<int> g_input_pending;
extern std::atomic<int> g_input_write;
extern int g_input_read;                   // game thread only
extern std::atomic<int> g_input_paused;    // non-zero: the sampler does nothing
extern std::atomic<int> g_input_busy;      // non-zero while a sample is being taken

// Words shared with the sampler thread.
extern std::atomic<int> g_menu_input;      // non-zero while a menu has the input
extern std::atomic<int> g_back_latch;      // pause latch: 0 off, 1 on, 2 closing
extern std::atomic<int> g_hidden_keys;     // bit 0 enables F1/F2; bit 1 set once one was pressed
extern std::atomic<float> g_f1_flag;       // 1.0 once F1 was pressed with the hidden keys enabled
extern std::atomic<int> g_f2_flag;         // 1 once F2 was pressed with the hidden keys enabled

// Registers "mouse_speed", the "bind" command and the four per-player input settings,
// with both players' defaults (input_type 0, dead zone 0.3).
void input_register_vars(void);
// input_reset, then opens the devices, reads "bindwin32.cfg" and starts the sampler.
void input_init(void);
// Stops the sampler; writes "bindwin32.cfg" only when it was read in this run, so a
// shut-down before the first start never replaces the player's file with an empty one.
void input_shutdown(void);
// Pauses the sampler, clears the players' movement, fire, the back latch and the ring
// indices, then lets the sampler run again.
void input_reset(void);
// Replays the ring slot at g_input_read into g_player_input and advances g_input_read.
void input_step(void);
// The sampler: one sample into the ring. Runs on SDL's timer thread; returns its interval.
uint32_t input_timer_tick(uint32_t interval, void *param);
