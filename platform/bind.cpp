// bind.cpp -- the bindings of keys, mouse and joysticks to the players' named targets.

#include "platform/bind.h"

#include "core/con.h"

float g_mouse_speed = 1.0f;

void input_cmd_bind(int argc, char **argv)
{
    (void)argc;
    (void)argv;
}

void input_register_config(void)
{
    g_mouse_speed = 1.0f;
    con_add_float_var("mouse_speed", &g_mouse_speed, nullptr);
    con_add_command("bind", -1, input_cmd_bind);
}
