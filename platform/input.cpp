// input.cpp -- the input devices, the 10 ms sampler and the per-player input state.

#include "platform/input.h"

#include "core/con.h"
#include "platform/bind.h"

PlayerInput g_player_input[INPUT_PLAYERS];

void input_register_vars(void)
{
    input_register_config();
    for (int p = 0; p < INPUT_PLAYERS; p++) {
        g_player_input[p].input_type = 0.0f;
        g_player_input[p].joystick_deadzone = 0.3f;
    }
    con_add_float_var("input_type", &g_player_input[0].input_type, nullptr);
    con_add_float_var("joystick_deadzone", &g_player_input[0].joystick_deadzone, nullptr);
    con_add_float_var("input_type_2", &g_player_input[1].input_type, nullptr);
    con_add_float_var("joystick_deadzone_2", &g_player_input[1].joystick_deadzone, nullptr);
}

void input_shutdown(void)
{
}
