// input.h -- input sampled every 10 ms on SDL's timer thread into a ring of frames that
// the game thread replays one per logic step.
#pragma once

#include <cstdint>

constexpr int INPUT_PLAYERS = 2;

// Per-player input as the game sees it after input_step.
struct PlayerInput {
    float move[2];            // back-forward, right-left
    float move_spare;         // cleared on reset
    float fire[2];            // back-forward, right-left; accumulated for mouse aim
    float fire_spare;         // cleared on reset
    uint32_t buttons;         // bit 0 fire stick outside the dead zone, 2 smart bomb, 4 fire only, 0x100 select
    float input_type;         // 0 or 2 stick, 1 mouse aim; console "input_type" / "input_type_2"
    float joystick_deadzone;  // console "joystick_deadzone" / "joystick_deadzone_2"
    uint32_t reserved[3];     // the player code's own
};

extern PlayerInput g_player_input[INPUT_PLAYERS];

// Registers "mouse_speed", the "bind" command and the four per-player input settings,
// with both players' defaults (input_type 0, dead zone 0.3).
void input_register_vars(void);
// Stops the sampler, writes the bindings and closes the joysticks.
void input_shutdown(void);
